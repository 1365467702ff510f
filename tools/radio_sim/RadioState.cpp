#include "tools/radio_sim/RadioState.h"

#include <cstdio>

namespace radiosim {

Record RecordFromText(const std::string& text) {
    Record r{};
    size_t field = 0, start = 0;
    while (field < r.size()) {
        size_t comma = text.find(',', start);
        if (field == r.size() - 1 || comma == std::string::npos) {
            r[field] = text.substr(start);
            break;
        }
        r[field++] = text.substr(start, comma - start);
        start = comma + 1;
    }
    return r;
}

std::string RecordToText(const Record& r) {
    std::string t = r[0];
    for (size_t i = 1; i < r.size(); ++i)
        t += "," + r[i];
    return t;
}

char RadioState::Region() const {
    return RadioType.size() > 2 ? RadioType[2] : '1';
}

int RadioState::ChannelCount() const {
    return Region() == '0' ? 150 : 200;
}

std::string ChannelLabel(int number) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", number);
    return buf;
}

std::string ScanEdgeLabel(int k) {
    return std::string(1, k % 2 == 0 ? 'L' : 'U') + std::to_string(k / 2);
}

char BandDigit(int slot) {
    return "123567"[slot];
}

const std::vector<MenuHead>& MenuHeads(bool earlier) {
    static const std::vector<MenuHead> common{
        {"BC", ' '},   {"DL", ' '},   {"DUP", ' '},  {"BEL 0", ','}, {"BEL 1", ','}, {"LK", ' '},
        {"LMP", ' '},  {"NSFT", ' '}, {"TSP", ' '},  {"TXH", ' '},   {"PT", ' '},    {"DTB", ' '},
        {"DS", ' '},   {"TNC", ' '},  {"MES", ' '},  {"CNT", ' '},   {"LAN", ' '},   {"SV", ' '},
        {"APO", ' '},  {"SCR", ' '},  {"BEP", ' '},  {"ELK", ' '},   {"TXS", ' '},   {"ARO", ' '},
        {"AIP", ' '},  {"TH", ' '},   {"TXN", ' '},  {"MYC", ' '},   {"NMSG", ' '},  {"POSC", ' '},
        {"GU", ' '},   {"ICO", ' '},  {"GM", ' '},   {"GC", ' '},    {"DTX", ' '},   {"ARL", ' '},
        {"TXI", ' '},  {"UPR", ' '},  {"UNIT", ' '}, {"PP", ' '},    {"SMY", ' '},   {"MAC", ' '},
        {"SMSG", ' '}, {"SMC", ' '},  {"RSV", ' '},  {"RSC", ' '},   {"SCC", ' '},   {"SCT", ' '},
        {"SKTN", ' '},
    };
    auto with = [](std::vector<MenuHead> heads, std::initializer_list<MenuHead> more) {
        heads.insert(heads.end(), more);
        return heads;
    };
    static const std::vector<MenuHead> later =
        with(common, {{"STAT 1", ',', "STAT"}, {"MP 1", ',', "MP"}});
    static const std::vector<MenuHead> older = with(common, {{"STAT", ' '}, {"MP", ' '}});
    return earlier ? older : later;
}

namespace {

// Small deterministic generator so that a seed always gives the same radio.
struct Lcg {
    unsigned s;
    unsigned Next(unsigned n) {
        s = s * 1103515245u + 12345u;
        return (s >> 16) % n;
    }
};

std::string Digits(unsigned v, int width) {
    std::string t = std::to_string(v);
    return std::string(width > static_cast<int>(t.size()) ? width - t.size() : 0, '0') + t;
}

Record Channel(const std::string& label, const std::string& freq, const std::string& offset,
               Lcg& g) {
    Record r{};
    r[0] = label;
    r[1] = freq;
    r[2] = std::to_string(g.Next(10));
    r[3] = std::to_string(g.Next(4));
    r[4] = std::to_string(g.Next(2));
    r[5] = std::to_string(g.Next(2));
    r[6] = std::to_string(g.Next(2));
    r[8] = Digits(1 + g.Next(39), 2);
    r[10] = Digits(1 + g.Next(39), 2);
    r[11] = offset;
    r[12] = std::to_string(g.Next(2));
    r[13] = std::to_string(g.Next(2));
    return r;
}

struct RegionInfo {
    const char* Type;
    const char* Limits;
    const char* Uhf; // MHz of the UHF band, three digits
};

RegionInfo InfoFor(char region) {
    switch (region) {
    case '0':
        return {"1,0,0E,,,,", "00144,00146,00430,00440,00430,00440", "433"};
    case '2':
        return {"1,2,00,1,1,,", "00118,00136,00144,00148,00440,00450", "440"};
    case '3':
        return {"1,3,08,,,,", "00144,00146,00430,00440", "430"};
    default:
        return {"1,1,05,,,1,1", "00144,00146,00340,00350,00430,00440", "432"};
    }
}

} // namespace

RadioState SampleState(char region, bool earlier, unsigned seed) {
    RadioState s;
    Lcg g{seed * 7919u + static_cast<unsigned>(region)};
    RegionInfo info = InfoFor(region);
    s.Identity = earlier ? "VQ-R2" : "VQ-R2M";
    s.Earlier = earlier;
    s.RadioType = info.Type;
    s.BandLimits = info.Limits;
    const std::string uhf = std::string("00") + info.Uhf;
    const std::string uhfOffset = region == '3' ? "001600000" : "005000000";

    for (int i = 0; i < s.ChannelCount(); ++i) {
        if (g.Next(3) == 0) continue; // empty channel
        bool vhf = g.Next(2) == 0;
        std::string freq = (vhf ? "00145" : uhf) + Digits(g.Next(1000), 3) + "000";
        Record r = Channel(ChannelLabel(i), freq, vhf ? "000600000" : uhfOffset, g);
        if (g.Next(4) == 0) {
            r[14] = vhf ? "00146520000" : uhf + "500000";
            r[15] = std::to_string(g.Next(10));
        }
        switch (g.Next(5)) {
        case 0:
            break; // no name
        case 1:
            r[17] = "CH" + Digits(static_cast<unsigned>(i), 3);
            break;
        case 2:
            r[17] = "REPEATER";
            break;
        case 3:
            r[17] = "A,B";
            break;
        default:
            r[17] = "N" + std::to_string(i % 10);
            break;
        }
        s.Memory[r[0]] = r;
    }
    if (region == '2') { // an airband channel with AM on
        Record r = Channel(ChannelLabel(1), "00120500000", "000600000", g);
        r[13] = "1";
        r[17] = "TOWER";
        s.Memory[r[0]] = r;
    }
    for (int k = 0; k < 20; ++k) {
        if (k % 5 == 4) continue; // a few unused rows
        std::string freq = (k < 10 ? "00144" : uhf) + Digits(static_cast<unsigned>(k), 3) + "000";
        Record r = Channel(ScanEdgeLabel(k), freq, k < 10 ? "000600000" : uhfOffset, g);
        r[12] = ""; // scan edges have no lockout
        if (k % 3 == 0) {
            r[14] = k < 10 ? "00146000000" : uhf + "000000";
            r[15] = "3";
        }
        if (k % 2 == 0) r[17] = "EDGE" + std::to_string(k);
        s.Memory[r[0]] = r;
    }

    s.Call[0] = Channel("0", "00145500000", "000600000", g);
    s.Call[1] = Channel("1", uhf + "100000", uhfOffset, g);
    for (Record& c : s.Call)
        c[12] = "";
    s.Call[1][14] = uhf + "900000";
    s.Call[1][15] = "6";

    auto field = [&](int k) {
        std::string t = s.RadioType;
        size_t start = 0;
        for (int i = 0; i < k; ++i) {
            start = t.find(',', start);
            if (start == std::string::npos) return std::string();
            ++start;
        }
        return t.substr(start, t.find(',', start) - start);
    };
    std::map<char, std::string> bandFreq{{'1', "00118500000"},  {'2', "00145000000"},
                                         {'3', "00144500000"},  {'5', "00340000000"},
                                         {'6', uhf + "000000"}, {'7', uhf + "200000"}};
    const std::string uhfEdges = region == '2' ? "00440,00450" : "00430,00440";
    std::map<char, std::string> programEdges{{'1', "00118,00136"}, {'2', "00144,00146"},
                                             {'3', "00144,00145"}, {'5', "00340,00350"},
                                             {'6', uhfEdges},      {'7', uhfEdges}};
    for (int slot = 0; slot < 6; ++slot) {
        char b = BandDigit(slot);
        bool present = (b == '1' && field(4) == "1") || (b == '5' && field(5) == "1") || b == '2' ||
                       b == '3' || b == '6' || (b == '7' && region == '0');
        if (!present) {
            s.ProgramVfo[b] = ",";
            continue;
        }
        std::string off = (b == '1' || b <= '3') ? "000600000" : uhfOffset;
        Record v = Channel(std::string(1, b), bandFreq[b], off, g);
        v[12] = "";
        v[13] = b == '1' ? "1" : "0";
        if (b == '2' || b == '6') v[16] = std::to_string(g.Next(4));
        s.Vfo[b] = v;
        s.ProgramVfo[b] = programEdges[b];
    }

    const char* codes[10] = {"0123456789ABCDEF", "",  "123", "EF", "99", "",
                             "A1B2C3D4",         "7", "",    "0"};
    const char* names[10] = {"HOME", "", "OFFICE", "", "STAR,HASH", "", "X Y", "", "", "LAST"};
    for (int i = 0; i < 10; ++i) {
        s.DtmfCode[i] = codes[i];
        s.DtmfName[i] = s.DtmfCode[i].empty() ? "" : names[i];
    }

    s.Menu = {
        {"BC", "0"},         {"DL", "1"},        {"DUP", "0"},
        {"BEL 0", "1"},      {"BEL 1", "0"},     {"LK", "0"},
        {"LMP", "1"},        {"NSFT", "0"},      {"TSP", "1"},
        {"TXH", "0"},        {"PT", "3"},        {"DTB", "1"},
        {"DS", "0"},         {"TNC", "1"},       {"MES", "Hello!!"},
        {"CNT", "08"},       {"LAN", "0"},       {"SV", "5"},
        {"APO", "1"},        {"SCR", "2"},       {"BEP", "1"},
        {"ELK", "0"},        {"TXS", "0"},       {"ARO", "1"},
        {"AIP", "0"},        {"TH", "1"},        {"TXN", "1"},
        {"MYC", "JA1ABC-9"}, {"NMSG", "ON AIR"}, {"STAT", "QRV"},
        {"POSC", "03"},      {"GU", "1"},        {"MP", "35000000139000000"},
        {"ICO", "1,/>"},     {"GM", "1"},        {"GC", "123"},
        {"DTX", "2"},        {"ARL", "0100"},    {"TXI", "5"},
        {"UPR", "APZ902"},   {"UNIT", "1"},      {"PP", "RELAY,WIDE2-2"},
        {"SMY", "JA1ABC"},   {"MAC", "7"},       {"SMSG", "HELLO"},
        {"SMC", "3"},        {"RSV", "599"},     {"RSC", "2"},
        {"SCC", "CMDR"},     {"SCT", "TRANS"},   {"SKTN", "12"},
    };
    if (earlier) { // the earlier model keeps these values as the menus show them
        s.Menu["POSC"] = "3";
        s.Menu["TXI"] = "4";
        s.Menu["GU"] = "2";
        s.Menu["UPR"] = "APZ901";
    }
    return s;
}

} // namespace radiosim
