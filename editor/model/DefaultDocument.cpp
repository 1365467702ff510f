// The default document of each radio type and the default frequencies and steps of the entry
// dialogs.
#include "editor/model/MemoryDocument.h"

namespace {

struct BandDefaults {
    const char* vfo;  // VFO slot 1 or 4
    const char* vfoS; // VFO slot 2 or 5, nullptr when not written
    const char* call; // CALL slot 0 or 1
};

BandDefaults VhfDefaults(char region) {
    switch (region) {
    case '0':
        return {"2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,",
                "3,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,",
                "0,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,"};
    case '1':
    case '3':
        return {"2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
                "3,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
                "0,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,"};
    case '2':
        return {"2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,",
                "3,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,",
                "0,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,"};
    default:
        return {nullptr, nullptr, nullptr};
    }
}

BandDefaults UhfDefaults(char region, const AnsiString& version) {
    switch (region) {
    case '0':
        return {"6,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,0,",
                "7,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,,",
                "1,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,,"};
    case '1':
        return {"6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", nullptr,
                "1,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,,"};
    case '2':
        return {"6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", nullptr,
                "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,,"};
    case '3':
        if (version == "05" || version == "03")
            return {"6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", nullptr,
                    "1,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,,"};
        return {"6,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", nullptr,
                "1,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,,"};
    default:
        return {nullptr, nullptr, nullptr};
    }
}

constexpr const char* BandDigits = "123567";

} // namespace

void TMemoryDocument::LoadDefaults() {
    const char region = RegionDigit();
    const AnsiString version = GetRecordField(selRadioType, 0, 2);

    const BandDefaults vhf = VhfDefaults(region);
    if (vhf.vfo != nullptr) {
        SetVfoRecord(1, vhf.vfo);
        SetVfoRecord(2, vhf.vfoS);
        SetCallRecord(0, vhf.call);
    }
    const BandDefaults uhf = UhfDefaults(region, version);
    if (uhf.vfo != nullptr) {
        SetVfoRecord(4, uhf.vfo);
        if (uhf.vfoS != nullptr) SetVfoRecord(5, uhf.vfoS);
        SetCallRecord(1, uhf.call);
    }
    if (RadioTypeFlag(4) == '1')
        SetVfoRecord(0, "1,00118000000,3,0,0,0,0,,09,,09,000600000,,1,,,,");
    if (RadioTypeFlag(5) == '1')
        SetVfoRecord(3, region == '3' ? "5,00340000000,3,0,0,0,0,,09,,09,001600000,,,,,,"
                                      : "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,");

    for (int i = 0; i < Slots::VfoCount; ++i)
        SetProgramVfoRecord(i, AnsiString(1, BandDigits[i]) + "," +
                                   GetRecordField(selBandLimit, i, 0) + "," +
                                   GetRecordField(selBandLimit, i, 1));

    // Items 3 and 4 keep their trailing comma and item 19 its second value, as the radio takes
    // them; item 12 (data band) depends on the region.
    static constexpr std::array<const char*, Slots::RadioMenuCount> menu{
        "0", "1",       "0",  "0,", "0,", "1",   "0", "0", "0", "1", "0", "2", nullptr, "0",
        "0", "Hello!!", "08", "0",  "5",  "1,0", "0", "3", "0", "0", "1", "0", "0",     "0"};
    for (int i = 0; i < Slots::RadioMenuCount; ++i)
        SetRadioMenuItem(i, menu[i] != nullptr ? menu[i] : (region == '0' ? "1" : "0"));

    const bool japan = region == '0';
    static constexpr std::array<const char*, Slots::AprsCount> aprs{
        "NOCALL", "",  "0",    "0",     nullptr, nullptr, "0",
        "000",    "0", "0000", nullptr, nullptr, "0",     nullptr};
    for (int i = 0; i < Slots::AprsCount; ++i)
        if (aprs[i] != nullptr) SetAprsMenuItem(i, aprs[i]);
    SetAprsMenuItem(11, unitIdentifier_);
    SetAprsMenuItem(4, japan ? "35000000139000000" : "00000000000000001");
    SetAprsMenuItem(5, japan ? "0,B" : "0,0");
    SetAprsMenuItem(10, japan ? "2" : "4");
    SetAprsMenuItem(13, japan ? "" : "RELAY,WIDE");

    static constexpr std::array<const char*, Slots::SstvCount> sstv{"", "7", "", "7", "", "7"};
    for (int i = 0; i < Slots::SstvCount; ++i)
        SetSstvMenuItem(i, sstv[i]);
    SetRemoteMenuItem(0, "NOCALL");
    SetRemoteMenuItem(1, "NOCALL");
    SetRemoteMenuItem(2, "09");

    SetLastValidText(lvEdit4, "NOCALL");
}

AnsiString TMemoryDocument::DefaultVhfFrequency() const {
    return RegionDigit() == '0' ? "145.000" : "144.000";
}

AnsiString TMemoryDocument::DefaultUhfFrequency() const {
    switch (RegionDigit()) {
    case '0':
        return "433.000";
    case '2':
        return "440.000";
    default:
        return GetRecordField(selRadioType, 0, 2) == "05" ? "432.000" : "430.000";
    }
}

AnsiString TMemoryDocument::DefaultHighBandFrequency() const {
    return RadioTypeFlag(6) == '2' ? "860.000" : "870.000";
}

int TMemoryDocument::DefaultVhfStep() const {
    switch (RegionDigit()) {
    case '0':
        return 5;
    case '2':
        return 0;
    default:
        return 3;
    }
}

int TMemoryDocument::DefaultUhfStep() const {
    return RegionDigit() == '0' ? 5 : 6;
}
