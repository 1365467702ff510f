#include "tools/radio_sim/RadioModel.h"

#include <string_view>

namespace radiosim {

namespace {

constexpr const char* kUnknown = "N";
constexpr const char* kBlankName = "        "; // an empty memory name on the line
constexpr const char* kBlankDtmfName = " ";    // an empty DTMF name on the line

bool StartsWith(std::string_view s, std::string_view p) {
    return s.substr(0, p.size()) == p;
}

std::vector<std::string> Split(const std::string& t) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t comma = t.find(',', start);
        out.push_back(t.substr(start, comma - start));
        if (comma == std::string::npos) return out;
        start = comma + 1;
    }
}

// Fields first..last of a record joined by commas.
std::string Join(const Record& r, int first, int last) {
    std::string t;
    for (int i = first; i <= last; ++i)
        t += (i > first ? "," : "") + r[i];
    return t;
}

bool IsBand(char b) {
    return std::string_view("123567").find(b) != std::string_view::npos;
}

// Splits "head,rest" at the first comma; rest is empty and hasComma false without one.
std::pair<std::string, std::string> Cut(const std::string& t, bool& hasComma) {
    size_t comma = t.find(',');
    hasComma = comma != std::string::npos;
    if (!hasComma) return {t, ""};
    return {t.substr(0, comma), t.substr(comma + 1)};
}

} // namespace

bool RadioModel::ValidLabel(const std::string& label) const {
    if (label.size() == 2)
        return (label[0] == 'L' || label[0] == 'U') && label[1] >= '0' && label[1] <= '9';
    if (label.size() != 3) return false;
    for (char c : label)
        if (c < '0' || c > '9') return false;
    return std::stoi(label) < state_.ChannelCount();
}

std::string RadioModel::Answer(const std::string& line) {
    if (line == "ID") return "ID " + state_.Identity;
    if (line == "TYD") return "TYD " + state_.RadioType;
    if (line == "FL") return "FL " + state_.BandLimits;
    if (line == "AI") return "AI 0";
    if (line == "AI 0" || line == "AI 1") return line;
    if (state_.Earlier && StartsWith(line, "BCN")) // it knows only the beacon-off command
        return line == "BCN 0" ? line : kUnknown;
    if (line == "BCN") return "BCN " + state_.Beacon;
    if (StartsWith(line, "BCN ")) {
        state_.Beacon = line.substr(4);
        return line;
    }
    if (StartsWith(line, "MR 0,") || StartsWith(line, "MW 0,")) return Memory(line);
    if (StartsWith(line, "MNA 0,")) return MemoryName(line);
    if (StartsWith(line, "CR ") || StartsWith(line, "CW ")) return Call(line);
    if (StartsWith(line, "VR ") || StartsWith(line, "VW ")) return Vfo(line);
    if (StartsWith(line, "PC ")) return Power(line);
    if (StartsWith(line, "PV ")) return ProgramVfo(line);
    if (StartsWith(line, "DMN ")) return Dtmf(line, true);
    if (StartsWith(line, "DM ")) return Dtmf(line, false);
    return MenuItem(line);
}

// "MR 0,p,label" and "MW 0,p,label[,values]"; p 0 is the channel, p 1 its split.
std::string RadioModel::Memory(const std::string& line) {
    if (line.size() < 8 || line[6] != ',' || (line[5] != '0' && line[5] != '1')) return kUnknown;
    const bool write = line[1] == 'W', split = line[5] == '1';
    bool hasValues = false;
    auto [label, values] = Cut(line.substr(7), hasValues);
    if (!ValidLabel(label)) return kUnknown;
    auto it = state_.Memory.find(label);
    const std::string head = line.substr(0, 7);
    if (!write) {
        if (hasValues) return kUnknown;
        if (split) {
            std::string tx = it != state_.Memory.end() && !it->second[14].empty()
                                 ? it->second[14] + "," + it->second[15]
                                 : "";
            return head + label + "," + tx;
        }
        if (it == state_.Memory.end()) return head + label;
        const Record& r = it->second;
        return head + Join(r, 0, 11) + "," + r[13] + "," + r[12];
    }
    if (split) {
        if (it == state_.Memory.end()) return kUnknown;
        auto f = Split(values);
        if (values.empty()) f = {"", ""};
        if (f.size() != 2) return kUnknown;
        it->second[14] = f[0];
        it->second[15] = f[1];
        return line;
    }
    if (values.empty()) { // clears the channel
        state_.Memory.erase(label);
        return line;
    }
    auto f = Split(values); // f1..f11, mode, lockout
    if (f.size() != 13 || f[0].empty()) return kUnknown;
    Record r{};
    r[0] = label;
    for (int i = 0; i < 11; ++i)
        r[i + 1] = f[i];
    r[13] = f[11];
    r[12] = f[12];
    state_.Memory[label] = r; // a new channel has no split and no name
    return line;
}

std::string RadioModel::MemoryName(const std::string& line) {
    bool hasName = false;
    auto [label, name] = Cut(line.substr(6), hasName);
    if (!ValidLabel(label)) return kUnknown;
    auto it = state_.Memory.find(label);
    if (!hasName) {
        bool named = it != state_.Memory.end() && !it->second[17].empty();
        return "MNA 0," + label + "," + (named ? it->second[17] : kBlankName);
    }
    if (it == state_.Memory.end()) return kUnknown;
    it->second[17] = name;
    return line;
}

// "CR s,p" and "CW s,p,values" for CALL channel s (0 VHF, 1 UHF), p 1 the split.
std::string RadioModel::Call(const std::string& line) {
    if (line.size() < 6 || line[4] != ',' || (line[3] != '0' && line[3] != '1') ||
        (line[5] != '0' && line[5] != '1'))
        return kUnknown;
    Record& r = state_.Call[line[3] - '0'];
    const bool write = line[1] == 'W', split = line[5] == '1';
    const std::string head = line.substr(0, 6) + ",";
    if (!write) {
        if (line.size() != 6) return kUnknown;
        if (split) return head + (r[14].empty() ? "" : r[14] + "," + r[15]);
        return head + Join(r, 1, 11) + "," + r[13];
    }
    if (line.size() < 7 || line[6] != ',') return kUnknown;
    auto f = Split(line.substr(7));
    if (split) {
        if (f.size() != 2) return kUnknown;
        r[14] = f[0];
        r[15] = f[1];
        return line;
    }
    if (f.size() != 12) return kUnknown; // f1..f11, mode
    Record n{};
    n[0] = r[0].empty() ? std::string(1, line[3]) : r[0];
    for (int i = 0; i < 11; ++i)
        n[i + 1] = f[i];
    n[13] = f[11];
    r = n;
    return line;
}

std::string RadioModel::Vfo(const std::string& line) {
    if (line.size() < 4 || !IsBand(line[3])) return kUnknown;
    const char band = line[3];
    if (line[1] == 'R') {
        if (line.size() != 4) return kUnknown;
        auto it = state_.Vfo.find(band);
        if (it == state_.Vfo.end() || it->second[1].empty()) return line;
        return "VR " + std::string(1, band) + "," + Join(it->second, 1, 11) + "," + it->second[13];
    }
    if (line.size() < 5 || line[4] != ',') return kUnknown;
    auto f = Split(line.substr(5));
    if (f.size() != 12 || f[0].empty()) return kUnknown;
    Record& r = state_.Vfo[band];
    std::string power = r[16];
    r = Record{};
    r[0] = std::string(1, band);
    for (int i = 0; i < 11; ++i)
        r[i + 1] = f[i];
    r[13] = f[11];
    r[16] = power;
    return line;
}

// "PC 0" is the power of the 144 MHz VFO, "PC 1" that of the UHF VFO.
std::string RadioModel::Power(const std::string& line) {
    if (line.size() < 4 || (line[3] != '0' && line[3] != '1')) return kUnknown;
    Record& r = state_.Vfo[line[3] == '0' ? '2' : '6'];
    if (line.size() == 4) return line + "," + r[16];
    if (line[4] != ',' || line.size() != 6) return kUnknown;
    r[16] = line.substr(5);
    return line;
}

std::string RadioModel::ProgramVfo(const std::string& line) {
    if (line.size() < 4 || !IsBand(line[3])) return kUnknown;
    const char band = line[3];
    if (line.size() == 4) return line + "," + state_.ProgramVfo[band];
    if (line[4] != ',' || Split(line.substr(5)).size() != 2) return kUnknown;
    state_.ProgramVfo[band] = line.substr(5);
    return line;
}

std::string RadioModel::Dtmf(const std::string& line, bool name) {
    const size_t at = name ? 4 : 3;
    bool hasValue = false;
    auto [number, value] = Cut(line.substr(at), hasValue);
    if (number.empty() || number.size() > 2 ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return kUnknown;
    const int n = std::stoi(number);
    if (n > 9) return kUnknown;
    std::string& slot = name ? state_.DtmfName[n] : state_.DtmfCode[n];
    if (!hasValue) {
        std::string shown = name && slot.empty() ? kBlankDtmfName : slot;
        return line + "," + shown;
    }
    if (!name && value.find_first_not_of("0123456789ABCDEF") != std::string::npos) return kUnknown;
    slot = value;
    return line;
}

std::string RadioModel::MenuItem(const std::string& line) {
    for (const MenuHead& h : MenuHeads(state_.Earlier)) {
        const std::string head = h.Head;
        if (line == head) {
            std::string value = state_.Menu[h.MenuKey()];
            if (head == "MYC" && value.size() < 9) value.resize(9, ' '); // fixed-width field
            return head + h.Separator + value;
        }
        if (StartsWith(line, head + h.Separator)) {
            state_.Menu[h.MenuKey()] = line.substr(head.size() + 1);
            return line;
        }
    }
    return kUnknown;
}

} // namespace radiosim
