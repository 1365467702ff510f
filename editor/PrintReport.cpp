// Layout of the printed listing: sections, their lines and where pages break.
#include "editor/PrintReport.h"

#include "editor/EntryDialog.h"
#include "editor/ToneTable.h"
#include "editor/model/DisplayText.h"
#include <initializer_list>
#include <utility>

namespace {

constexpr int kCommentWidth = 50;

// Decimal value of a code field; -1 when it holds anything but digits.
int CodeValue(const AnsiString& field) {
    if (field.empty() || field.size() > 4) return -1;
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Empty for a code outside the table: such codes only come from hand-edited documents.
AnsiString StepText(const AnsiString& field) {
    static const std::vector<AnsiString> steps = StepListItems();
    int code = CodeValue(field);
    return code >= 0 && code < static_cast<int>(steps.size()) ? steps[code] : AnsiString();
}

AnsiString ToneTextOf(const AnsiString& field) {
    return ToneText(CodeValue(field));
}

char First(const AnsiString& text) {
    return text.empty() ? '\0' : text[0];
}

AnsiString OffOn(const AnsiString& item) {
    return First(item) == '0' ? "OFF" : "ON";
}

// The text paired with `key` in `table`, or `fallback`.
AnsiString Choose(char key, std::initializer_list<std::pair<char, const char*>> table,
                  const AnsiString& fallback) {
    for (const auto& [k, text] : table)
        if (k == key) return text;
    return fallback;
}

AnsiString MhzText(AnsiString digits) {
    HzDigitsToMhzText(digits);
    return digits + "MHz";
}

AnsiString VfoLabel(const AnsiString& slot, char region) {
    const bool us = region == '2';
    if (slot == "1") return "118MHz";
    if (slot == "2") return "144MHz";
    if (slot == "3") return "S144MHz";
    if (slot == "5") return "300MHz";
    if (slot == "6") return us ? "440MHz" : "430MHz";
    if (slot == "7") return us ? "S440MHz" : "S430MHz";
    if (slot == "8") return "800MHz";
    return slot;
}

// Characters [from, from + count) of `text`, as many as it has.
AnsiString Part(const AnsiString& text, size_t from, size_t count = AnsiString::npos) {
    return from < text.size() ? text.substr(from, count) : AnsiString();
}

AnsiString Hemisphere(const AnsiString& code, char positive, char negative) {
    return AnsiString(1, (code.empty() || code[0] == '0') ? positive : negative);
}

// "dd mm ss.sN, ddd mm ss.sE" from the 17 stored characters of the region-0 form.
AnsiString PositionRegion0(const AnsiString& p) {
    return Part(p, 0, 2) + " " + Part(p, 2, 2) + " " + Part(p, 4, 2) + "." + Part(p, 6, 1) +
           Hemisphere(Part(p, 7, 1), 'N', 'S') + ", " + Part(p, 8, 3) + " " + Part(p, 11, 2) + " " +
           Part(p, 13, 2) + "." + Part(p, 15, 1) + Hemisphere(Part(p, 16, 1), 'E', 'W');
}

// "dd mm.mmN, ddd mm.mmE" from degrees, minutes in hundredths and the hemisphere pairs.
AnsiString PositionOther(const AnsiString& p) {
    auto south = [](const AnsiString& pair) { return pair.size() == 2 && pair[1] == '1'; };
    return Part(p, 0, 2) + " " + Part(p, 2, 2) + "." + Part(p, 4, 2) +
           (south(Part(p, 6, 2)) ? "S" : "N") + ", " + Part(p, 8, 3) + " " + Part(p, 11, 2) + "." +
           Part(p, 13, 2) + (south(Part(p, 15, 2)) ? "W" : "E");
}

AnsiString IconText(const AnsiString& item, char region) {
    char icon = item.size() > 2 ? item[2] : '\0';
    if (region == '0')
        return Choose(icon,
                      {{'0', "Mobile station A"},
                       {'1', "Mobile station yellow"},
                       {'2', "Mobile station blue"},
                       {'3', "Mobile station green"},
                       {'4', "Mobile station red"},
                       {'5', "Repeater"},
                       {'6', "Home"},
                       {'7', "Building"},
                       {'8', "Bell"},
                       {'9', "Drink"},
                       {'A', "Golf course"},
                       {'B', "Seagull"},
                       {'C', "Fish"},
                       {'D', "Parking"},
                       {'E', "Restrant"}},
                      "");
    if (First(item) != '0') return "Free " + Part(item, 2);
    return Choose(icon,
                  {{'0', "QUORVEL"},
                   {'1', "Jogger"},
                   {'2', "Home"},
                   {'3', "Portable"},
                   {'4', "Yacht"},
                   {'5', "SSTV"},
                   {'6', "Aircraft"},
                   {'7', "Boat"},
                   {'8', "Car"},
                   {'9', "Motorcycle"},
                   {'A', "Triangle"},
                   {'B', "Jeep"},
                   {'C', "Recreation vehicle"},
                   {'D', "Truck"},
                   {'E', "Van"}},
                  "");
}

AnsiString ColourText(const AnsiString& item) {
    return Choose(First(item),
                  {{'0', "Black"},
                   {'1', "Blue"},
                   {'2', "Red"},
                   {'3', "Magenta"},
                   {'4', "Green"},
                   {'5', "Cyan"},
                   {'6', "Yellow"}},
                  "White");
}

// The radio-menu line of `item`, or false when the item prints nothing for this region.
bool RadioMenuLine(const TMemoryDocument& doc, int item, char region, AnsiString& line) {
    const AnsiString v = doc.GetRadioMenuItem(item);
    const char c = First(v);
    const bool r0 = region == '0';
    switch (item) {
    case 0:
        line = "Operation band : " + AnsiString(c == '0' ? "Band A" : "Band B");
        break;
    case 1:
        line = "Band mode : " + AnsiString(c == '0' ? "Single" : "Dual");
        break;
    case 2:
        line = "Full Duplex mode : " + OffOn(v);
        break;
    case 3:
        line = (r0 ? "VHF BELL : " : "VHF Tone alert : ") + OffOn(v);
        break;
    case 4:
        line = (r0 ? "UHF BELL : " : "UHF Tone alert : ") + OffOn(v);
        break;
    case 5:
        return false;
    case 6:
        line = "Lock : " + OffOn(v);
        break;
    case 7:
        line = "Lamp : " + OffOn(v);
        break;
    case 8:
        line = "Beat shift : " + OffOn(v);
        break;
    case 9:
        line = "DTMF TX speed : " + AnsiString(c == '0' ? "Slow" : "Fast");
        break;
    case 10:
        line = "TX Hold(DTMF) : " + OffOn(v);
        break;
    case 11:
        line = "DTMF pause time : " + Choose(c,
                                             {{'0', "100msec."},
                                              {'1', "250msec."},
                                              {'3', "750msec."},
                                              {'4', "1000msec."},
                                              {'5', "1500msec."},
                                              {'6', "2000msec."}},
                                             "500msec.");
        break;
    case 12:
        line = "Data band : " + AnsiString(c == '0' ? "Band A" : "Band B");
        break;
    case 13:
        line = "DCD sense : " + AnsiString(c == '0' ? "Data band only" : "Both bands");
        break;
    case 14:
        line = "TNC : " + OffOn(v);
        break;
    case 15:
        line = "Power-ON message : " + v;
        break;
    case 16:
        line = "Contrast : Level " + (c == '0' ? v.substr(1) : v);
        break;
    case 17:
        if (!r0) return false;
        line = "Language : " + AnsiString(c == '0' ? "English" : "Japanese");
        break;
    case 18:
        line = "Battery sever : " + Choose(c,
                                           {{'0', "OFF"},
                                            {'1', "0.2sec."},
                                            {'2', "0.4sec."},
                                            {'3', "0.6sec."},
                                            {'4', "0.8sec."},
                                            {'6', "2.0sec."},
                                            {'7', "3.0sec."},
                                            {'8', "4.0sec."},
                                            {'9', "5.0sec."}},
                                           "1.0sec.");
        break;
    case 19:
        line =
            "Automatic Power Off : " + Choose(c, {{'1', "30minutes"}, {'2', "60minutes"}}, "OFF");
        break;
    case 20:
        line = "Scan resume : " + Choose(c,
                                         {{'0', "Time-Operated mode"},
                                          {'1', "Carrier-Operated mode"},
                                          {'2', "Seek mode"}},
                                         "");
        break;
    case 21:
        line = "Beep : " +
               Choose(c, {{'0', "OFF"}, {'1', "Key"}, {'2', "Key+New data"}, {'3', "ALL"}}, "");
        break;
    case 22:
        line = "Tuning Enable : " + OffOn(v);
        break;
    case 23:
        line = "TX inhibit : " + OffOn(v);
        break;
    case 24:
        line = "Automatic Repeater Offset : " + OffOn(v);
        break;
    case 25:
        if (r0) return false;
        line = "Advanced Intercept Point : " + OffOn(v);
        break;
    case 26:
        if (region != '3') return false;
        line = "TX Hold(1750Hz) : " + OffOn(v);
        break;
    case 27:
        if (region != '3') return false;
        line = "144MHz TX narrow : " + OffOn(v);
        break;
    default:
        return false;
    }
    return true;
}

bool ProgramVfoLine(const TMemoryDocument& doc, int slot, char region, AnsiString& line) {
    static const char* const labels[] = {"118MHz Program VFO : ", "144MHz Program VFO : ",
                                         "S144MHz Program VFO : ", "300MHz Program VFO : "};
    const AnsiString lower = doc.GetRecordField(selProgramVfo, slot, 1);
    if (lower.size() < 2) return false;
    const AnsiString upper = doc.GetRecordField(selProgramVfo, slot, 2);
    AnsiString label = slot < 4 ? labels[slot]
                       : slot == 4
                           ? (region == '0' ? "430MHz Program VFO : " : "440MHz Program VFO : ")
                           : (region == '0' ? "S430MHz Program VFO : " : "S440MHz Program VFO : ");
    line = label + lower.substr(2) + "MHz - " + Part(upper, 2) + "MHz";
    return true;
}

// The interval the APRS page's list shows for the stored index: six choices on region '0',
// eight on the other radio types.
AnsiString TxIntervalText(char index, bool region0) {
    if (region0)
        return Choose(index,
                      {{'0', "0.5minutes"},
                       {'1', "1minutes"},
                       {'2', "3minutes"},
                       {'3', "5minutes"},
                       {'4', "10minutes"},
                       {'5', "30minutes"}},
                      "");
    return Choose(index,
                  {{'0', "0.5minutes"},
                   {'1', "1minutes"},
                   {'2', "2minutes"},
                   {'3', "3minutes"},
                   {'4', "5minutes"},
                   {'5', "10minutes"},
                   {'6', "20minutes"},
                   {'7', "30minutes"}},
                  "");
}

bool AprsMenuLine(const TMemoryDocument& doc, int slot, char region, AnsiString& line) {
    const AnsiString v = doc.GetAprsMenuItem(slot);
    const char c = First(v);
    const bool r0 = region == '0';
    if (!r0 && (slot == 6 || slot == 7)) return false;
    if (r0 && (slot == 2 || slot == 8 || slot == 9 || slot == 11 || slot == 12)) return false;
    switch (slot) {
    case 0:
        line = "My call sign : " + v;
        break;
    case 1:
        line = (r0 ? "Message : " : "Status text : ") + v;
        break;
    case 2:
        line = "Position comment : " + Choose(c,
                                              {{'0', "Off Duty"},
                                               {'1', "En Route"},
                                               {'2', "In Service"},
                                               {'3', "Returning"},
                                               {'4', "Committed"},
                                               {'5', "Special"},
                                               {'6', "Priority"},
                                               {'7', "Emergency!"}},
                                              "");
        break;
    case 3:
        line = "GPS receiver : " + Choose(c, {{'1', "NMEA"}, {'2', "IPS"}}, "Not used");
        break;
    case 4:
        line = "Position : " + (r0 ? PositionRegion0(v) : PositionOther(v));
        break;
    case 5:
        line = "Icon : " + IconText(v, region);
        break;
    case 6:
        line = "Grupe mode : " + OffOn(v);
        break;
    case 7:
        line = "Grupe code : " + v;
        break;
    case 8:
        line = "Data TX mode : " + Choose(c, {{'1', "PTT"}, {'2', "Auto"}}, "Manual");
        break;
    case 9:
        line = "Position limit : " + (v == "0000" ? AnsiString("OFF") : v);
        break;
    case 10:
        line = "TX interval : " + TxIntervalText(c, r0);
        break;
    case 11:
        line = "Unprotocol : " + v;
        break;
    case 12:
        line = "Unit : " + AnsiString(c == '0' ? "mile, degrees F" : "km, degrees C");
        break;
    case 13:
        line = "Packet path : " + v;
        break;
    default:
        return false;
    }
    return true;
}

// Line counter and page of the listing being built.
class ReportBuilder {
  public:
    ReportBuilder(AnsiString header) : header_(std::move(header)) { Put(0, header_); }

    void Put(int line, const AnsiString& text) { lines_.push_back({page_, line, text}); }

    // Prints `text` on the current line and moves on.
    void Next(const AnsiString& text) { Put(n_++, text); }

    // Before each slot or item, whether or not it prints.
    void LineRule() {
        if (n_ >= PrintLayout::LinesPerPage) NewPage(2);
    }

    // A blank line and the heading of every section but the first.
    void Section(const AnsiString& heading) {
        if (n_ >= PrintLayout::LinesPerPage - 2) NewPage(1);
        ++n_;
        Next(heading);
    }

    void SetLine(int n) { n_ = n; }
    int LineNumber() const { return n_; }
    std::vector<ReportLine> Take() { return std::move(lines_); }

  private:
    void NewPage(int n) {
        ++page_;
        Put(0, header_);
        n_ = n;
    }

    AnsiString header_;
    std::vector<ReportLine> lines_;
    int page_ = 1;
    int n_ = 0;
};

void ChannelSection(ReportBuilder& out, const TMemoryDocument& doc, int kind, int count) {
    for (int i = 0; i < count; ++i) {
        out.LineRule();
        if (doc.GetRecordField(kind, i, 1).size() < 2) continue;
        AnsiString line;
        FormatChannelLine(doc, kind, i, line);
        out.Next(line);
    }
}

// The region-independent line of `slot` of a section whose lines `make` builds.
template <typename Make> void ItemSection(ReportBuilder& out, int count, Make make) {
    for (int i = 0; i < count; ++i) {
        out.LineRule();
        AnsiString line;
        if (make(i, line)) out.Next(line);
    }
}

} // namespace

void FormatChannelLine(const TMemoryDocument& doc, int kind, int index, AnsiString& line) {
    auto field = [&](int k) { return doc.GetRecordField(kind, index, k); };
    const char region = doc.RegionDigit();
    const AnsiString slot = field(0);
    if (kind == selVfo)
        line = VfoLabel(slot, region);
    else if (kind == selCall)
        line = slot == "0" ? "144MHz" : (region == '2' ? "440MHz" : "430MHz");
    else
        line = slot;

    line += " " + MhzText(field(1));
    if (AnsiString step = StepText(field(2)); !step.empty()) line += " " + step;
    const AnsiString shift = field(3);
    if (shift == "1") line += " +";
    if (shift == "2") line += " -";
    if (shift == "3") line += " -7.6";
    if (field(4) == "1") line += " R";
    if (AnsiString tone = ToneTextOf(field(8)); field(5) == "1" && !tone.empty())
        line += " T:" + tone;
    if (AnsiString tone = ToneTextOf(field(10)); field(6) == "1" && !tone.empty())
        line += " CT:" + tone;
    const AnsiString tx = field(14);
    if ((shift == "1" || shift == "2") && tx.empty() && field(11).size() >= 2) {
        AnsiString offset = field(11);
        OffsetDigitsToMhzText(offset);
        line += " Offset:" + offset + "MHz";
    }
    if (tx.size() >= 2) {
        line += " TX:" + MhzText(tx);
        if (AnsiString step = StepText(field(15)); !step.empty()) line += " " + step;
    }
    if (AnsiString name = field(17); !name.empty()) line += " Name:" + name;
    const AnsiString power = field(16);
    if (power == "0") line += " RF:High";
    if (power == "1") line += " RF:Mid";
    if (power == "2") line += " RF:Low";
    if (power == "3") line += " RF:EL";
    if (field(12) == "1") line += " *";
}

std::vector<ReportLine> BuildPrintReport(const TMemoryDocument& doc, const AnsiString& header,
                                         const AnsiString& comment) {
    const char region = doc.RegionDigit();
    ReportBuilder out(header);
    out.SetLine(2);
    if (!comment.empty()) {
        out.Next("Comment");
        out.Next(comment.substr(0, kCommentWidth));
        out.SetLine(5);
    }
    out.Next("Memory Channel");
    ChannelSection(out, doc, selMemory, doc.ChannelsLastForType() + 21);

    out.Section("VFO");
    ChannelSection(out, doc, selVfo, Slots::VfoCount);

    if (region != '3') {
        out.Section("CALL Channel");
        ChannelSection(out, doc, selCall, Slots::CallCount);
    }

    out.Section("DTMF Memory");
    ItemSection(out, Slots::DtmfCount, [&](int i, AnsiString& line) {
        const AnsiString code = doc.GetRecordField(selDtmf, i, 1);
        if (code.empty()) return false;
        line = doc.GetRecordField(selDtmf, i, 0) + " " + code;
        if (AnsiString name = doc.GetRecordField(selDtmf, i, 2); !name.empty())
            line += " Name:" + name;
        return true;
    });

    out.Section("Radio Menu");
    ItemSection(out, Slots::RadioMenuCount,
                [&](int i, AnsiString& line) { return RadioMenuLine(doc, i, region, line); });
    ItemSection(out, Slots::VfoCount,
                [&](int i, AnsiString& line) { return ProgramVfoLine(doc, i, region, line); });

    out.Section(region == '0' ? "VELTANO Menu" : "APRS Menu");
    ItemSection(out, Slots::AprsCount,
                [&](int i, AnsiString& line) { return AprsMenuLine(doc, i, region, line); });

    out.Section("SSTV Menu");
    ItemSection(out, Slots::SstvCount, [&](int i, AnsiString& line) {
        static const char* const labels[] = {
            "My call sign : ", "My call sign color : ", "Message : ", "Message color : ",
            "RSV : ",          "RSV color : "};
        const AnsiString v = doc.GetSstvMenuItem(i);
        line = labels[i] + (i % 2 == 0 ? v : ColourText(v));
        return true;
    });

    if (region == '2') {
        out.Section("Halcyra Menu");
        ItemSection(out, Slots::RemoteCount, [&](int i, AnsiString& line) {
            static const char* const labels[] = {
                "Commander call sign : ", "Transpoter call sign : ", "Tone frequency : "};
            const AnsiString v = doc.GetRemoteMenuItem(i);
            line = labels[i] + (i == 2 ? ToneTextOf(v) : v);
            return true;
        });
    }
    return out.Take();
}
