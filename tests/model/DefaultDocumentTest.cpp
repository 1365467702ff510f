// Default document per radio type and the default frequencies and steps.
#include "editor/model/MemoryDocument.h"

#include <gtest/gtest.h>

namespace {

struct TypeDefaults {
    const char* type;
    std::array<const char*, 6> vfo;
    std::array<const char*, 2> call;
    const char* dataBand;            // radio-menu item 12
    std::array<const char*, 4> aprs; // slots 4, 5, 10, 13
    int lastChannel;
};

const TypeDefaults Types[] = {
    {"1,0,0E,,1,1,1",
     {"1,00118000000,3,0,0,0,0,,09,,09,000600000,,1,,,,",
      "2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,0,",
      "3,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,",
      "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,",
      "6,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,0,",
      "7,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,,"},
     {"0,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,,",
      "1,00433000000,5,0,0,0,0,,09,,09,005000000,,,,,,"},
     "1",
     {"35000000139000000", "0,B", "2", ""},
     149},
    {"1,1,05,,,,",
     {"", "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
      "3,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,", "",
      "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", ""},
     {"0,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
      "1,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,,"},
     "0",
     {"00000000000000001", "0,0", "4", "RELAY,WIDE"},
     199},
    {"1,2,00,1,1,,",
     {"1,00118000000,3,0,0,0,0,,09,,09,000600000,,1,,,,",
      "2,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,0,",
      "3,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,", "",
      "6,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,0,", ""},
     {"0,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,",
      "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,,"},
     "0",
     {"00000000000000001", "0,0", "4", "RELAY,WIDE"},
     199},
    {"1,3,08,,,1,",
     {"", "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
      "3,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
      "5,00340000000,3,0,0,0,0,,09,,09,001600000,,,,,,",
      "6,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", ""},
     {"0,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
      "1,00430000000,6,0,0,0,0,,09,,09,001600000,,,,,,"},
     "0",
     {"00000000000000001", "0,0", "4", "RELAY,WIDE"},
     199},
    {"1,3,03,,,,",
     {"", "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
      "3,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,", "",
      "6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", ""},
     {"0,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
      "1,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,,"},
     "0",
     {"00000000000000001", "0,0", "4", "RELAY,WIDE"},
     199},
    {"1,3,05,,,,",
     {"", "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,",
      "3,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,", "",
      "6,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,0,", ""},
     {"0,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
      "1,00432000000,6,0,0,0,0,,09,,09,001600000,,,,,,"},
     "0",
     {"00000000000000001", "0,0", "4", "RELAY,WIDE"},
     199},
    {"1,4,00,,1,1,", // unknown region: only the optional bands get records
     {"1,00118000000,3,0,0,0,0,,09,,09,000600000,,1,,,,", "", "",
      "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,", "", ""},
     {"", ""},
     "0",
     {"00000000000000001", "0,0", "4", "RELAY,WIDE"},
     199},
    {"",
     {"", "", "", "", "", ""},
     {"", ""},
     "0",
     {"00000000000000001", "0,0", "4", "RELAY,WIDE"},
     199},
};

TEST(Defaults, EveryRecordByRadioType) {
    for (const auto& t : Types) {
        SCOPED_TRACE(t.type);
        TMemoryDocument doc;
        doc.SetRadioType(t.type);
        doc.ClearDocument();
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(doc.GetVfoRecord(i), t.vfo[i]) << "VFO " << i;
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(doc.GetCallRecord(i), t.call[i]) << "CALL " << i;
        EXPECT_EQ(doc.ChannelsLastForType(), t.lastChannel);

        const char* menu[28] = {"0", "1", "0", "0,", "0,", "1",       "0",  "0", "0", "1",
                                "0", "2", "",  "0",  "0",  "Hello!!", "08", "0", "5", "1,0",
                                "0", "3", "0", "0",  "1",  "0",       "0",  "0"};
        menu[12] = t.dataBand;
        for (int i = 0; i < 28; ++i)
            EXPECT_EQ(doc.GetRadioMenuItem(i), menu[i]) << "item " << i;

        const char* aprs[14] = {"NOCALL", "",  "0",    "0",       t.aprs[0], t.aprs[1], "0",
                                "000",    "0", "0000", t.aprs[2], "APZ902",  "0",       t.aprs[3]};
        for (int i = 0; i < 14; ++i)
            EXPECT_EQ(doc.GetAprsMenuItem(i), aprs[i]) << "APRS " << i;
        const char* sstv[6] = {"", "7", "", "7", "", "7"};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(doc.GetSstvMenuItem(i), sstv[i]) << "SSTV " << i;
        EXPECT_EQ(doc.GetRemoteMenuItem(0), "NOCALL");
        EXPECT_EQ(doc.GetRemoteMenuItem(1), "NOCALL");
        EXPECT_EQ(doc.GetRemoteMenuItem(2), "09");
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(doc.GetDtmfRecord(i), "");
    }
}

TEST(Defaults, ProgramVfosFollowBandLimits) {
    TMemoryDocument doc;
    doc.SetRadioType("1,1,00,,,,");
    doc.SetBandLimit(1, "00144,00148");
    doc.SetBandLimit(4, "00430,00440");
    doc.LoadDefaults();
    EXPECT_EQ(doc.GetProgramVfoRecord(0), "1,,");
    EXPECT_EQ(doc.GetProgramVfoRecord(1), "2,00144,00148");
    EXPECT_EQ(doc.GetProgramVfoRecord(2), "3,,");
    EXPECT_EQ(doc.GetProgramVfoRecord(3), "5,,");
    EXPECT_EQ(doc.GetProgramVfoRecord(4), "6,00430,00440");
    EXPECT_EQ(doc.GetProgramVfoRecord(5), "7,,");
}

TEST(Defaults, AbsentBandsKeepTheirSlots) {
    TMemoryDocument doc;
    doc.SetRadioType("1,1,00,,,,");
    doc.SetVfoRecord(0, "1,00120000000");
    doc.SetVfoRecord(5, "7,00435000000");
    doc.LoadDefaults(); // writes nothing into absent bands; ClearDocument empties them first
    EXPECT_EQ(doc.GetVfoRecord(0), "1,00120000000");
    EXPECT_EQ(doc.GetVfoRecord(5), "7,00435000000");
}

TEST(Defaults, FrequenciesAndSteps) {
    struct {
        const char* type;
        const char *vhf, *uhf, *high;
        int vhfStep, uhfStep;
    } cases[] = {
        {"1,0,0E,,,,", "145.000", "433.000", "870.000", 5, 5},
        {"1,1,00,,,,", "144.000", "430.000", "870.000", 3, 6},
        {"1,1,05,,,,2", "144.000", "432.000", "860.000", 3, 6},
        {"1,2,00,1,1,,", "144.000", "440.000", "870.000", 0, 6},
        {"1,2,05,,,,1", "144.000", "440.000", "870.000", 0, 6},
        {"1,3,08,,,,", "144.000", "430.000", "870.000", 3, 6},
        {"1,3,03,,,,", "144.000", "430.000", "870.000", 3, 6},
        {"1,3,05,,,,", "144.000", "432.000", "870.000", 3, 6},
        {"1,9,05,,,,2x", "144.000", "432.000", "860.000", 3, 6},
        {"", "144.000", "430.000", "870.000", 3, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        TMemoryDocument doc;
        doc.SetRadioType(c.type);
        EXPECT_EQ(doc.DefaultVhfFrequency(), c.vhf);
        EXPECT_EQ(doc.DefaultUhfFrequency(), c.uhf);
        EXPECT_EQ(doc.DefaultHighBandFrequency(), c.high);
        EXPECT_EQ(doc.DefaultVhfStep(), c.vhfStep);
        EXPECT_EQ(doc.DefaultUhfStep(), c.uhfStep);
    }
}

TEST(Defaults, RegionDigit) {
    TMemoryDocument doc;
    EXPECT_EQ(doc.RegionDigit(), '\0');
    doc.SetRadioType("1,0,0E,,,,");
    EXPECT_EQ(doc.RegionDigit(), '0');
    EXPECT_EQ(doc.ChannelsLastForType(), 149);
    doc.SetRadioType("1,23,00");
    EXPECT_EQ(doc.RegionDigit(), '2');
}

} // namespace
