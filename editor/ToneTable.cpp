#include "editor/ToneTable.h"
#include <array>

namespace {
constexpr std::array<const char*, 39> kTones{
    "67.0",  "69.4",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};
} // namespace

AnsiString ToneText(int code) {
    if (code < 1 || code > static_cast<int>(kTones.size())) return {};
    return AnsiString(kTones[static_cast<size_t>(code - 1)]) + "Hz";
}

std::vector<AnsiString> ToneList38() {
    std::vector<AnsiString> list;
    for (int code = 1; code <= static_cast<int>(kTones.size()); ++code)
        if (code != 2) list.push_back(ToneText(code));
    return list;
}
