// Slot storage and the record accessors of the memory image.
#include "editor/model/MemoryDocument.h"

#include <algorithm>
#include <cstddef>

namespace {

// The text as a slot of the given width holds it: up to an embedded NUL, at most width - 1.
AnsiString Bounded(const AnsiString& text, int width) {
    const std::size_t nul = text.find('\0');
    const std::size_t len = std::min<std::size_t>(nul == AnsiString::npos ? text.size() : nul,
                                                  static_cast<std::size_t>(width - 1));
    return text.substr(0, len);
}

template <std::size_t Count>
void Store(std::array<AnsiString, Count>& group, int index, const AnsiString& text, int width) {
    if (index >= 0 && index < static_cast<int>(Count)) group[index] = Bounded(text, width);
}

template <std::size_t Count>
AnsiString Fetch(const std::array<AnsiString, Count>& group, int index) {
    if (index >= 0 && index < static_cast<int>(Count)) return group[index];
    return {};
}

template <std::size_t Count>
void StoreMenu(std::array<AnsiString, Count>& group, const std::array<int, Count>& widths,
               int index, const AnsiString& text) {
    if (index >= 0 && index < static_cast<int>(Count)) group[index] = Bounded(text, widths[index]);
}

// Fields 0..18 are counted; a field is the run up to the next comma or the end.
constexpr int LastCountedField = 18;

bool RestOfLine(int selector, int field) {
    return (selector == selMemory && field == 17) || (selector == selDtmf && field == 2) ||
           selector == selRadioMenu || selector == selScratchName || selector == selScratchDtmfName;
}

} // namespace

TMemoryDocument::TMemoryDocument(const AnsiString& unitIdentifier)
    : unitIdentifier_(unitIdentifier) {
    lastValid_[lvEdit4] = "NOCALL";
    lastValid_[lvEdit13] = unitIdentifier_;
    lastValid_[lvEdit17] = "NOCALL";
    lastValid_[lvEdit18] = "NOCALL";
    lastValid_[lvEdit7] = "RELAY,WIDE";
}

const AnsiString* TMemoryDocument::SelectSlot(int selector, int index) const {
    auto pick = [index](const auto& group) -> const AnsiString* {
        if (index < 0 || index >= static_cast<int>(group.size())) return nullptr;
        return &group[index];
    };
    switch (selector) {
    case selMemory:
        return pick(memory_);
    case selVfo:
        return pick(vfo_);
    case selCall:
        return pick(call_);
    case selDtmf:
        return pick(dtmf_);
    case selRadioType:
        return &radioType_;
    case selBandLimit:
        return pick(bandLimit_);
    case selScratch:
    case selScratchName:
    case selScratchDtmfName:
        return &scratch_;
    case selRadioMenu:
        return pick(radioMenu_);
    case selProgramVfo:
        return pick(programVfo_);
    default:
        return nullptr;
    }
}

AnsiString TMemoryDocument::GetRecordField(int selector, int index, int field) const {
    const AnsiString* slot = SelectSlot(selector, index);
    if (slot == nullptr || field < 0 || field > LastCountedField) return {};
    const AnsiString& text = *slot;
    std::size_t start = 0;
    for (int k = 0; k < field; ++k) {
        const std::size_t comma = text.find(',', start);
        if (comma == AnsiString::npos) return {}; // the text ends before field k
        start = comma + 1;
    }
    if (RestOfLine(selector, field)) return text.substr(start);
    const std::size_t end = text.find(',', start);
    return text.substr(start, end == AnsiString::npos ? AnsiString::npos : end - start);
}

void TMemoryDocument::SetMemoryRecord(int slot, const AnsiString& text) {
    Store(memory_, slot, text, Slots::MemoryWidth);
}
AnsiString TMemoryDocument::GetMemoryRecord(int slot) const {
    return Fetch(memory_, slot);
}
void TMemoryDocument::ClearMemoryRecord(int slot) {
    Store(memory_, slot, {}, Slots::MemoryWidth);
}

void TMemoryDocument::SetCallRecord(int slot, const AnsiString& text) {
    Store(call_, slot, text, Slots::RecordWidth);
}
void TMemoryDocument::SetVfoRecord(int slot, const AnsiString& text) {
    Store(vfo_, slot, text, Slots::RecordWidth);
}
void TMemoryDocument::SetProgramVfoRecord(int slot, const AnsiString& text) {
    Store(programVfo_, slot, text, Slots::ProgramVfoWidth);
}
void TMemoryDocument::SetDtmfRecord(int slot, const AnsiString& text) {
    Store(dtmf_, slot, text, Slots::DtmfWidth);
}
void TMemoryDocument::ClearDtmfRecord(int slot) {
    Store(dtmf_, slot, {}, Slots::DtmfWidth);
}
void TMemoryDocument::SetRadioMenuItem(int item, const AnsiString& text) {
    Store(radioMenu_, item, text, Slots::RadioMenuWidth);
}
void TMemoryDocument::SetRadioType(const AnsiString& text) {
    radioType_ = Bounded(text, Slots::RadioTypeWidth);
}
void TMemoryDocument::SetBandLimit(int slot, const AnsiString& text) {
    Store(bandLimit_, slot, text, Slots::BandLimitWidth);
}

void TMemoryDocument::SetBandLimits(const AnsiString& text) {
    bandLimit_.fill({});
    const AnsiString reply = Bounded(text, static_cast<int>(text.size()) + 1); // up to a NUL
    bool vhfSeen = false, uhfSeen = false;
    AnsiString lower;
    bool haveLower = false;
    std::size_t start = 0;
    while (start <= reply.size()) {
        std::size_t comma = reply.find(',', start);
        if (comma == AnsiString::npos) comma = reply.size();
        AnsiString value = reply.substr(start, comma - start);
        start = comma + 1;
        if (!haveLower) {
            lower = std::move(value);
            haveLower = true;
            continue;
        }
        haveLower = false;
        int slot;
        if (lower < "00136") {
            slot = 0;
        } else if (lower < "00200") {
            slot = vhfSeen ? 2 : 1;
            vhfSeen = true;
        } else if (lower < "00400") {
            slot = 3;
        } else {
            slot = uhfSeen ? 5 : 4;
            uhfSeen = true;
        }
        SetBandLimit(slot, lower + "," + value);
    }
}

void TMemoryDocument::ClearDocument() {
    // Every memory slot goes, not only 0..N+20: slots above the current layout may have been
    // filled under another channel count and must not come back after a type change.
    memory_.fill({});
    call_.fill({});
    vfo_.fill({});
    dtmf_.fill({});
    LoadDefaults();
}

void TMemoryDocument::TakeSlots(const TMemoryDocument& other) {
    const int activeGrid = ActiveGrid, lastChannel = LastChannel, modified = ModifiedFlag;
    *this = other;
    ActiveGrid = activeGrid;
    LastChannel = lastChannel;
    ModifiedFlag = modified;
}

AnsiString TMemoryDocument::GetAprsMenuItem(int slot) const {
    return Fetch(aprs_, slot);
}
void TMemoryDocument::SetAprsMenuItem(int slot, const AnsiString& text) {
    StoreMenu(aprs_, Slots::AprsWidths, slot, text);
}
AnsiString TMemoryDocument::GetSstvMenuItem(int slot) const {
    return Fetch(sstv_, slot);
}
void TMemoryDocument::SetSstvMenuItem(int slot, const AnsiString& text) {
    StoreMenu(sstv_, Slots::SstvWidths, slot, text);
}
AnsiString TMemoryDocument::GetRemoteMenuItem(int slot) const {
    return Fetch(remote_, slot);
}
void TMemoryDocument::SetRemoteMenuItem(int slot, const AnsiString& text) {
    StoreMenu(remote_, Slots::RemoteWidths, slot, text);
}

void TMemoryDocument::SetClipboardScratch(const AnsiString& text) {
    scratch_ = Bounded(text, Slots::ScratchWidth);
}

AnsiString TMemoryDocument::GetCallRecord(int slot) const {
    return Fetch(call_, slot);
}
AnsiString TMemoryDocument::GetVfoRecord(int slot) const {
    return Fetch(vfo_, slot);
}
AnsiString TMemoryDocument::GetProgramVfoRecord(int slot) const {
    return Fetch(programVfo_, slot);
}
AnsiString TMemoryDocument::GetDtmfRecord(int slot) const {
    return Fetch(dtmf_, slot);
}
AnsiString TMemoryDocument::GetRadioMenuItem(int item) const {
    return Fetch(radioMenu_, item);
}
AnsiString TMemoryDocument::GetRadioType() const {
    return radioType_;
}
AnsiString TMemoryDocument::GetBandLimit(int slot) const {
    return Fetch(bandLimit_, slot);
}

namespace {
constexpr std::array<int, lvCount> LastValidWidths{10, 9, 10, 11, 10, 10, 10, 33};
}

AnsiString TMemoryDocument::LastValidText(TLastValid which) const {
    return Fetch(lastValid_, which);
}
void TMemoryDocument::SetLastValidText(TLastValid which, const AnsiString& text) {
    StoreMenu(lastValid_, LastValidWidths, which, text);
}

char TMemoryDocument::RadioTypeFlag(int field) const {
    const AnsiString text = GetRecordField(selRadioType, 0, field);
    return text.empty() ? '\0' : text[0];
}

char TMemoryDocument::RegionDigit() const {
    return RadioTypeFlag(1);
}

int TMemoryDocument::ChannelsLastForType() const {
    return RegionDigit() == '0' ? 149 : 199;
}
