// What the simulated radio holds: identity, radio type, band limits, memory channels, CALL,
// VFOs, programmable VFOs, DTMF memories and every menu item. Records use the editor's
// 18-field channel layout; menu values are kept as they travel on the line.
#pragma once
#include <array>
#include <map>
#include <string>
#include <vector>

namespace radiosim {

// Fields in the editor's order: 0 label, 1 rx frequency, 2 step, 3 shift, 4 reverse, 5 tone,
// 6 CTCSS, 7 reserved, 8 tone code, 9 reserved, 10 CTCSS code, 11 offset, 12 lockout,
// 13 AM mode, 14 tx frequency, 15 tx step, 16 output power, 17 name.
using Record = std::array<std::string, 18>;

// Splits at commas; field 17 keeps the rest of the line (names may hold commas).
Record RecordFromText(const std::string& text);
std::string RecordToText(const Record& r);

struct RadioState {
    std::string Identity = "VQ-R2M";
    std::string RadioType = "1,1,00,,,,";
    std::string BandLimits = "00144,00148,00430,00450"; // answer of "FL"
    std::map<std::string, Record> Memory;               // used channels by label
    std::array<Record, 2> Call{};
    std::map<char, Record> Vfo;             // by band digit; f16 of '2' and '6' is the power
    std::map<char, std::string> ProgramVfo; // band digit -> "lower,upper"
    std::array<std::string, 10> DtmfCode{}; // as the radio keeps it: 'E' for '*', 'F' for '#'
    std::array<std::string, 10> DtmfName{};
    std::map<std::string, std::string> Menu; // command head -> value as on the line
    std::string Beacon = "0";
    // The earlier model (VQ-R2): no beacon query, and the status text and position without
    // their index ("STAT", "MP" in place of "STAT 1,", "MP 1,").
    bool Earlier = false;

    char Region() const;
    int ChannelCount() const; // 150 for region '0', else 200
};

// "000".."199".
std::string ChannelLabel(int number);
// Scan-edge row k (0..19): "L0", "U0", "L1" ... "U9".
std::string ScanEdgeLabel(int k);
// Band digit of VFO slot 0..5.
char BandDigit(int slot);

// Menu command heads the radio knows, with the separator between head and value and the key
// of the value in RadioState::Menu (the head itself when none is given).
struct MenuHead {
    const char* Head;
    char Separator;
    const char* Key = nullptr;
    const char* MenuKey() const { return Key ? Key : Head; }
};
const std::vector<MenuHead>& MenuHeads(bool earlier = false);

// A full radio of the region ('0'..'3'): a mix of used and empty channels, splits, names
// (one with a comma), scan edges, DTMF codes with '*' and '#', and a value for every menu
// item. `earlier` gives the earlier model (VQ-R2) with its command set and menu values as it
// keeps them. Different seeds give other contents.
RadioState SampleState(char region, bool earlier = false, unsigned seed = 1);

} // namespace radiosim
