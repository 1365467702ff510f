// Writing and reading the document file's text.
#include "editor/model/DocumentFile.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace {

constexpr std::size_t LineCapacity = 99;
constexpr int RecordFilter = 4; // channel and program-VFO records longer than this are written
constexpr int DtmfFilter = 1;

void TabifyFirst(AnsiString& record, int count) {
    for (char& c : record) {
        if (count == 0) return;
        if (c == ',') {
            c = '\t';
            --count;
        }
    }
}

// The last numbered channel, bounded so that every scan-edge slot is inside the group.
int LastNumbered(const TMemoryDocument& doc) {
    return std::clamp(doc.LastChannel, -1, 199);
}

AnsiString ScanEdgeLabel(int k) {
    return AnsiString(1, k % 2 == 0 ? 'L' : 'U') + static_cast<char>('0' + k / 2);
}

// VFO and program-VFO slot of a band digit.
int BandSlot(char digit) {
    switch (digit) {
    case '1':
        return 0;
    case '2':
        return 1;
    case '3':
        return 2;
    case '5':
        return 3;
    case '6':
        return 4;
    default:
        return 5;
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The label before the first comma when it is a plausible one (1..3 characters).
std::optional<AnsiString> Label(const AnsiString& line) {
    const std::size_t comma = line.find(',');
    if (comma == AnsiString::npos || comma == 0 || comma > 3) return std::nullopt;
    return line.substr(0, comma);
}

int LeadingNumber(const AnsiString& label) {
    int v = 0;
    for (char c : label) {
        if (!IsDigit(c)) break;
        v = v * 10 + (c - '0'); // at most 3 digits
    }
    return v;
}

// Where a memory line belongs: a numbered channel in its own slot, a scan edge in the slot of
// its label. A channel number past the radio type's last channel has no slot: the slots behind
// the last channel are the scan edges', whatever number the file gives.
struct MemoryLineSlot {
    std::optional<int> slot;
    bool channelWithoutSlot = false;
};

MemoryLineSlot MemorySlot(const TMemoryDocument& doc, const AnsiString& line) {
    const int n = LastNumbered(doc);
    const auto label = Label(line);
    if (label && IsDigit((*label)[0]) && LeadingNumber(*label) > n) return {std::nullopt, true};
    return {MemoryRecordSlot(line, n)};
}

std::optional<int> DtmfSlot(const AnsiString& line) {
    const auto label = Label(line);
    if (!label || !IsDigit((*label)[0])) return std::nullopt;
    const int slot = LeadingNumber(*label);
    if (slot >= Slots::DtmfCount) return std::nullopt;
    return slot;
}

enum class Section { None, Memory, Call, Vfo, Dtmf, RadioMenu, Aprs, Sstv, Remote };

struct Heading {
    const char* text;
    Section section;
    bool resetsIndex;
};

constexpr std::array<Heading, 9> Headings{{
    {"MEMORY", Section::Memory, false},
    {"CALL", Section::Call, false},
    {"VFO", Section::Vfo, false},
    {"DTMF", Section::Dtmf, false},
    {"RADIO MENU", Section::RadioMenu, true},
    {"VELTANO MENU", Section::Aprs, true},
    {"APRS MENU", Section::Aprs, true},
    {"SSTV MENU", Section::Sstv, true},
    {"HALCYRA MENU", Section::Remote, true},
}};

class DocumentReader {
  public:
    explicit DocumentReader(TMemoryDocument& doc) : doc_(doc) {}

    void Line(AnsiString line) {
        for (const auto& h : Headings) {
            if (line == h.text && !IsMenuValue(line)) {
                section_ = h.section;
                if (h.resetsIndex) index_ = 0;
                return;
            }
        }
        Store(line);
    }

    int ChannelsWithoutSlot() const { return channelsWithoutSlot_; }

  private:
    // A menu section always holds all its values, so a heading word that fits the next value's
    // slot is that value (a power-on message "MEMORY", an SSTV message "CALL"), not a heading.
    bool IsMenuValue(const AnsiString& line) const {
        int capacity = -1;
        switch (section_) {
        case Section::RadioMenu:
            if (index_ < Slots::RadioMenuCount) capacity = Slots::RadioMenuWidth - 1;
            break;
        case Section::Aprs:
            if (index_ < Slots::AprsCount) capacity = Slots::AprsWidths[index_] - 1;
            break;
        case Section::Sstv:
            if (index_ < Slots::SstvCount) capacity = Slots::SstvWidths[index_] - 1;
            break;
        case Section::Remote:
            if (index_ < Slots::RemoteCount) capacity = Slots::RemoteWidths[index_] - 1;
            break;
        default:
            break;
        }
        return static_cast<int>(line.size()) <= capacity;
    }

    void Store(const AnsiString& line) {
        switch (section_) {
        case Section::None:
            return;
        case Section::Memory: {
            const MemoryLineSlot where = MemorySlot(doc_, line);
            if (where.slot) doc_.SetMemoryRecord(*where.slot, line);
            if (where.channelWithoutSlot) ++channelsWithoutSlot_;
            return;
        }
        case Section::Call:
            if (!line.empty()) doc_.SetCallRecord(line[0] == '0' ? 0 : 1, line);
            return;
        case Section::Vfo:
            if (!line.empty()) doc_.SetVfoRecord(BandSlot(line[0]), line);
            return;
        case Section::Dtmf:
            if (auto slot = DtmfSlot(line)) doc_.SetDtmfRecord(*slot, line);
            return;
        case Section::RadioMenu:
            if (index_ < Slots::RadioMenuCount)
                doc_.SetRadioMenuItem(index_++, line);
            else if (!line.empty())
                doc_.SetProgramVfoRecord(BandSlot(line[0]), line);
            return;
        case Section::Aprs:
            if (index_ < Slots::AprsCount) doc_.SetAprsMenuItem(index_++, line);
            return;
        case Section::Sstv:
            if (index_ < Slots::SstvCount) doc_.SetSstvMenuItem(index_++, line);
            return;
        case Section::Remote:
            if (index_ < Slots::RemoteCount) doc_.SetRemoteMenuItem(index_++, line);
            return;
        }
    }

    TMemoryDocument& doc_;
    Section section_ = Section::None;
    int index_ = 0;
    int channelsWithoutSlot_ = 0;
};

} // namespace

void TabifyRecord(AnsiString& record) {
    std::replace(record.begin(), record.end(), ',', '\t');
}
void TabifyMemoryRecord(AnsiString& record) {
    TabifyFirst(record, 17);
}
void TabifyDtmfRecord(AnsiString& record) {
    TabifyFirst(record, 2);
}

AnsiString WriteDocumentText(const TMemoryDocument& doc, const AnsiString& comment) {
    AnsiString out;
    out.reserve(32 * 1024);
    auto line = [&out](const AnsiString& text) {
        const std::size_t start = out.size();
        out += text;
        for (std::size_t i = start; i < out.size(); ++i)
            if (out[i] == '\r' || out[i] == '\n' || out[i] == '\0') out[i] = ' ';
        out += "\r\n";
    };
    auto record = [&line](AnsiString text, int filter, void (*tabify)(AnsiString&)) {
        if (static_cast<int>(text.size()) <= filter) return;
        tabify(text);
        line(text);
    };

    line("COMMENT");
    line(comment);
    line("MEMORY");
    const int lastSlot = LastNumbered(doc) + 20;
    for (int i = 0; i <= lastSlot; ++i)
        record(doc.GetMemoryRecord(i), RecordFilter, TabifyMemoryRecord);
    line("CALL");
    for (int i = 0; i < Slots::CallCount; ++i)
        record(doc.GetCallRecord(i), RecordFilter, TabifyRecord);
    line("VFO");
    for (int i = 0; i < Slots::VfoCount; ++i)
        record(doc.GetVfoRecord(i), RecordFilter, TabifyRecord);
    line("DTMF");
    for (int i = 0; i < Slots::DtmfCount; ++i)
        record(doc.GetDtmfRecord(i), DtmfFilter, TabifyDtmfRecord);
    line("RADIO MENU");
    for (int i = 0; i < Slots::RadioMenuCount; ++i)
        line(doc.GetRadioMenuItem(i));
    for (int i = 0; i < Slots::VfoCount; ++i)
        record(doc.GetProgramVfoRecord(i), RecordFilter, TabifyRecord);
    const char region = doc.RegionDigit();
    line(region == '0' ? "VELTANO MENU" : "APRS MENU");
    for (int i = 0; i < Slots::AprsCount; ++i)
        line(doc.GetAprsMenuItem(i));
    line("SSTV MENU");
    for (int i = 0; i < Slots::SstvCount; ++i)
        line(doc.GetSstvMenuItem(i));
    if (region == '2') {
        line("HALCYRA MENU");
        for (int i = 0; i < Slots::RemoteCount; ++i)
            line(doc.GetRemoteMenuItem(i));
    }
    return out;
}

int ReadDocumentText(TMemoryDocument& doc, const AnsiString& bytes, AnsiString& comment) {
    comment.clear();
    DocumentReader reader(doc);
    int number = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t lf = bytes.find('\n', pos);
        const std::size_t end = lf == AnsiString::npos ? bytes.size() : lf;
        AnsiString line = bytes.substr(pos, end - pos);
        pos = end + 1;
        // CR of a CR LF end, and any stray CR a value must not carry.
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        line.resize(std::min({line.find('\0'), line.size(), LineCapacity}));
        if (number == 1) comment = line; // the comment keeps its TABs
        if (number >= 2) {
            std::replace(line.begin(), line.end(), '\t', ',');
            reader.Line(std::move(line));
        }
        if (number < 2) ++number;
    }
    return reader.ChannelsWithoutSlot();
}

std::optional<int> MemoryRecordSlot(const AnsiString& record, int lastChannel) {
    const auto label = Label(record);
    if (!label) return std::nullopt;
    if (IsDigit((*label)[0])) {
        const int slot = LeadingNumber(*label);
        return slot <= lastChannel ? std::optional<int>(slot) : std::nullopt;
    }
    for (int k = 0; k < 20; ++k)
        if (*label == ScanEdgeLabel(k)) return lastChannel + 1 + k;
    return std::nullopt;
}
