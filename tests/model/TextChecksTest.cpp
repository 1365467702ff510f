// Typed frequencies, offsets, bands and names.
#include "editor/model/TextChecks.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* in;
    const char* out; // nullptr: refused, text unchanged
};

void ExpectConversions(bool (*convert)(AnsiString&), std::initializer_list<Conversion> cases) {
    for (const auto& c : cases) {
        AnsiString text = c.in;
        const bool ok = convert(text);
        if (c.out == nullptr) {
            EXPECT_FALSE(ok) << c.in;
            EXPECT_EQ(text, c.in);
        } else {
            EXPECT_TRUE(ok) << c.in;
            EXPECT_EQ(text, c.out) << c.in;
        }
    }
}

TEST(NormalizeFrequency, TypedMhzToNineDigits) {
    ExpectConversions(
        NormalizeFrequencyText,
        {{"145", "145000000"},    {"145.0125", "145012500"}, {"430.05", "430050000"},
         {"45.5", "000000000"},   {"1300", "999999990"},     {"145.000", "145000000"},
         {"145.", "145000000"},   {"0145.5", "145500000"},   {"000145.5", "145500000"},
         {"0.5", "000000000"},    {".5", "000000000"},       {"1300.5", "999999990"},
         {"", "000000000"},       {"99", "000000000"},       {"100", "100000000"},
         {"999", "999000000"},    {"1000", "999999990"},     {"0145", "145000000"},
         {"145abc", "145000000"}, {"abc", "000000000"},      {"145.00.0", nullptr},
         {"..", nullptr},         {"1a5.0", nullptr},        {" 145.0", nullptr}});
}

TEST(NormalizeFrequency, LongInputStaysNineDigits) {
    ExpectConversions(NormalizeFrequencyText, {{"145.123456789", "145123456"},
                                               {"145.12x9", "145120000"},
                                               {"99999999999999999999999999", "999999990"},
                                               {"000000000000000145", "145000000"},
                                               {"0000000000145.0", "145000000"},
                                               {"12345678901234.5", "999999990"}});
}

TEST(NormalizeOffset, TypedMhzToEightDigits) {
    ExpectConversions(
        NormalizeOffsetText,
        {{"0.6", "00600000"},    {"5", "05000000"},     {"0.62", "00600000"},
         {"0.68", "00650000"},   {"12.55", "12550000"}, {"35", "29950000"},
         {"0.649", "00600000"},  {"29.99", "29950000"}, {".25", "00250000"},
         {"5.25", "05250000"},   {"30.0", "29950000"},  {"100.5", "29950000"},
         {"0012.5", "12500000"}, {"", "00000000"},      {"29", "29000000"},
         {"30", "29950000"},     {"0", "00000000"},     {"x", "00000000"},
         {"5.", "05000000"},     {"1.6x", "01600000"},  {"99999999999999999999", "29950000"},
         {"1.2.3", nullptr},     {"a.5", nullptr}});
}

class Rounding : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.SetBandLimit(1, "00144,00147");
        doc.SetBandLimit(4, "00430,00440");
        doc.SetBandLimit(5, "00145,00146");
        doc.SetProgramVfoRecord(1, "2,00145,00146");
        doc.SetProgramVfoRecord(0, "1,,");
    }
    bool Round(AnsiString& text, int band, bool program, int& step) {
        return RoundFrequencyToStep(doc, text, band, program, step);
    }
    TMemoryDocument doc;
};

TEST_F(Rounding, ClampsAndRoundsDown) {
    struct {
        const char* in;
        int band;
        bool program;
        int step;
        const char* out;
        bool changed;
    } cases[] = {
        {"148000000", 1, false, 3, "147987500", true},
        {"145010000", 1, false, 3, "145000000", true},
        {"145012500", 1, false, 3, "145012500", false},
        {"143500000", 1, false, 3, "144000000", true},
        {"147999999", 1, false, 0, "147995000", true},
        {"147999999", 1, false, 9, "147900000", true},
        {"145006250", 1, false, 1, "145006250", false},
        {"000000000", 1, false, 3, "144000000", true},
        {"999999990", 1, false, 3, "147987500", true},
        {"150000000", 1, true, 3, "146987500", true}, // program-VFO range
        {"144500000", 1, true, 6, "145000000", true},
        {"145030000", 1, true, 7, "145020000", true}, // 30 kHz, above the edge after rounding
    };
    for (const auto& c : cases) {
        AnsiString text = c.in;
        int step = c.step;
        EXPECT_EQ(Round(text, c.band, c.program, step), c.changed) << c.in;
        EXPECT_EQ(text, c.out) << c.in;
        EXPECT_EQ(step, c.step);
    }
}

TEST_F(Rounding, FifteenKilohertzCrossingTheLowerEdge) {
    doc.SetBandLimit(1, "00145,00147");
    AnsiString text = "145000000";
    int step = 4;
    EXPECT_TRUE(Round(text, 1, false, step));
    EXPECT_EQ(text, "145005000");
    text = "144000000"; // clamped to the edge, then rounded below it and stepped back up
    EXPECT_TRUE(Round(text, 1, false, step));
    EXPECT_EQ(text, "145005000");
    text = "145000000";
    step = 7;
    EXPECT_TRUE(Round(text, 1, false, step));
    EXPECT_EQ(text, "145020000");
}

TEST_F(Rounding, SecondUhfRangeReplacesFineSteps) {
    for (auto [in, out] : {std::pair{0, 2}, {4, 2}, {1, 3}, {3, 3}, {6, 6}}) {
        AnsiString text = "145005000";
        int step = in;
        Round(text, 5, false, step);
        EXPECT_EQ(step, out) << in;
    }
    AnsiString text = "145005000";
    int step = 0;
    EXPECT_TRUE(Round(text, 5, false, step));
    EXPECT_EQ(text, "145000000");
    step = 0; // the replacement itself is no change
    text = "145010000";
    EXPECT_FALSE(Round(text, 5, false, step));
}

TEST_F(Rounding, BandsWithoutRangeOnlyRound) {
    AnsiString text = "870012345";
    int step = 6;
    EXPECT_TRUE(Round(text, 6, false, step)); // 800 MHz band: no limit slot
    EXPECT_EQ(text, "870000000");
    text = "999999999";
    EXPECT_TRUE(Round(text, 6, true, step));
    EXPECT_EQ(text, "999975000");
    for (int band : {-1, 7, 1000}) {
        text = "123456789";
        step = 9;
        EXPECT_TRUE(Round(text, band, false, step));
        EXPECT_EQ(text, "123400000");
    }
    text = "050000000"; // empty edges: no range, and the result keeps its 9 digits
    step = 0;
    EXPECT_FALSE(Round(text, 0, true, step));
    EXPECT_EQ(text, "050000000");
    text = "145002000";
    step = 12; // unknown step code rounds nothing
    EXPECT_FALSE(Round(text, 1, false, step));
    EXPECT_EQ(text, "145002000");
    text = "";
    step = 3;
    EXPECT_TRUE(Round(text, 1, false, step));
    EXPECT_EQ(text, "144000000");
}

TEST(BandOfText, FrequenciesAndLabels) {
    TMemoryDocument all, none, high2;
    all.SetRadioType("1,0,0E,,1,1,1");
    none.SetRadioType("1,1,00,,,,");
    high2.SetRadioType("1,1,00,,,,2");
    struct {
        const char* text;
        int withAll, withNone;
    } cases[] = {
        {"135.000", 0, 1}, {"136.000", 1, 1}, {"118.000", 0, 1}, {"129.9", 0, 1},
        {"13", 0, 1},      {"145.000", 1, 1}, {"050.000", 1, 1}, {"250.000", 1, 1},
        {"340.000", 3, 4}, {"430.000", 4, 4}, {"700", 4, 4},     {"870.000", 6, 4},
        {"999.9", 6, 4},   {"14500", 1, 1},   {"118MHz", 0, 1},  {"144MHz", 1, 1},
        {"S144MHz", 2, 2}, {"300MHz", 3, 4},  {"430MHz", 4, 4},  {"440MHz", 4, 4},
        {"S430MHz", 5, 5}, {"", 5, 5},        {"x", 5, 5},       {".1", 2, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BandOfFrequencyText(all, c.text), c.withAll) << c.text;
        EXPECT_EQ(BandOfFrequencyText(none, c.text), c.withNone) << c.text;
    }
    EXPECT_EQ(BandOfFrequencyText(high2, "860.000"), 6);
}

TEST(MemoryName, CutsAndChecksByRegion) {
    TMemoryDocument japan, other;
    japan.SetRadioType("1,0,0E,,,,");
    other.SetRadioType("1,2,00,1,1,,");
    struct {
        AnsiString name;
        bool japan, other;
    } cases[] = {
        {"HOME", true, true},      {"A B~!,#", true, true},
        {"\xB1\xB2", true, false}, {"\xE9t\xE9", false, true},
        {"\xA1\xDF", true, false}, {"\xA0", false, false},
        {"\xE0", false, true},     {"\xD7", true, false}, // multiplication sign; a katakana byte
        {"\xF7", false, false},                           // division sign
        {"\xDE", true, false},     {"\xFE", false, false},
        {"\xDF", true, true},      {"\x8A\x8C\x9A\x9C\x9F\xFF", false, true},
        {"\x80", false, false},    {"\x7F", false, false},
        {"\x1F", false, false},    {"", true, true},
    };
    for (const auto& c : cases) {
        AnsiString a = c.name, b = c.name;
        EXPECT_EQ(CheckMemoryName(japan, a), c.japan) << c.name;
        EXPECT_EQ(CheckMemoryName(other, b), c.other) << c.name;
    }
    AnsiString name = "ABCDEFGHIJ";
    EXPECT_TRUE(CheckMemoryName(other, name));
    EXPECT_EQ(name, "ABCDEFGH");
    name = "ABCDEFGH\x01"; // the refused character is cut away first
    EXPECT_TRUE(CheckMemoryName(other, name));
    name = "ABC\x01XYZWVU";
    EXPECT_FALSE(CheckMemoryName(other, name));
    EXPECT_EQ(name, "ABC\x01XYZW");
}

} // namespace
