// The four status-bar panels for the selected record of each grid, word for word.
#include "tests/editor/MainFormFixture.h"

#include <gtest/gtest.h>

namespace {

struct PanelCase {
    const char* what;
    const char* record; // memory channel 5
    const char* panels[4];
};

void PrintTo(const PanelCase& c, std::ostream* os) {
    *os << c.what;
}

// Fields: label, rx, step, shift, reverse, tone, ctcss, -, tone code, -, ctcss code, offset,
// lockout, am, tx, tx step, power, name.
const PanelCase memoryCases[] = {
    {"plus shift, reverse, tone",
     "005,00145000000,3,1,1,1,0,,08,,09,000600000,0,,,,,",
     {"Offset : 0.60MHz", "+ R", "T : 85.4Hz", ""}},
    {"minus shift, two-digit offset, CTCSS before tone",
     "005,00145000000,3,2,0,1,1,,01,,39,012550000,0,,,,,",
     {"Offset : 12.55MHz", "-", "CT : 250.3Hz", ""}},
    {"split wins over the offset, not over the shift sign",
     "005,00145000000,3,1,1,0,1,,09,,01,000600000,0,,00145012500,3,,",
     {"Tx Frequency : 145.0125MHz", "+ R", "CT : 67.0Hz", ""}},
    {"split on simplex shows +- without R",
     "005,00145000000,3,0,1,0,0,,09,,09,000600000,0,,00435000000,6,,",
     {"Tx Frequency : 435.000MHz", "+-", "", ""}},
    {"minus 7.6 MHz", "005,00435000000,6,3,0,0,0,,09,,09,005000000,0,,,,,", {"", "-7.6", "", ""}},
    {"minus 7.6 MHz in reverse",
     "005,00435000000,6,3,1,0,0,,09,,09,005000000,0,,,,,",
     {"", "-7.6 R", "", ""}},
    {"simplex in reverse",
     "005,00145000000,3,0,1,0,0,,09,,09,000600000,0,,,,,",
     {"", " R", "", ""}},
    {"shift without an offset", "005,00145000000,3,1,0,0,0,,09,,09,,0,,,,,", {"", "+", "", ""}},
    {"a one-character split is none",
     "005,00145000000,3,5,0,0,0,,09,,09,000600000,0,,1,,,",
     {"Offset : 0.60MHz", "", "", ""}},
    {"unknown tone code shows no frequency",
     "005,00145000000,3,0,0,1,0,,45,,09,,0,,,,,",
     {"", "", "T : ", ""}},
    {"short record", "005,00145000000", {"", "", "", ""}},
    {"empty slot", "", {"", "", "", ""}},
};

class StatusBarMemory : public editortest::MainFormTest,
                        public ::testing::WithParamInterface<PanelCase> {};

TEST_P(StatusBarMemory, PanelsOfTheSelectedChannel) {
    const PanelCase& c = GetParam();
    TMainForm& f = *MakeWithType("1,1,00,,,,");
    f.SetMemoryRecord(5, c.record);
    f.StringGrid1->SetRow(6);
    f.StringGrid1->OnEnter(f.StringGrid1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f.StatusBar1->PanelText(i), c.panels[i]) << "panel " << i;
}

INSTANTIATE_TEST_SUITE_P(Records, StatusBarMemory, ::testing::ValuesIn(memoryCases));

class StatusBarTest : public editortest::MainFormTest {
  protected:
    std::vector<AnsiString> Panels(TMainForm& f) {
        std::vector<AnsiString> p;
        for (int i = 0; i < 4; ++i)
            p.push_back(f.StatusBar1->PanelText(i));
        return p;
    }
};

TEST_F(StatusBarTest, VfoRowsShowTheirBandsProgrammableRange) {
    TMainForm& f = *MakeWithType("1,2,00,1,1,,"); // rows 118MHz, 144MHz, S144MHz, 440MHz
    f.SetVfoRecord(4, "6,00440000000,6,2,0,0,1,,09,,12,005000000,,,,,0,");
    f.SetProgramVfoRecord(4, "6,00438,00450");
    f.StringGrid2->SetRow(4);
    ASSERT_EQ(f.StringGrid2->Cells(1, 4), "440MHz");
    f.StringGrid2->OnEnter(f.StringGrid2);
    EXPECT_EQ(Panels(f), (std::vector<AnsiString>{"Offset : 5.00MHz", "-", "CT : 97.4Hz",
                                                  "Programmable VFO : 438-450"}));

    f.SetProgramVfoRecord(0, "1,,");
    f.StringGrid2->SetRow(1);
    f.StringGrid2->OnClick(f.StringGrid2);
    EXPECT_EQ(f.StatusBar1->PanelText(3), "Programmable VFO : -");
}

TEST_F(StatusBarTest, CallRowsAndDtmfNames) {
    TMainForm& f = *MakeWithType("1,1,00,,,,");
    f.SetCallRecord(1, "1,00435000000,6,2,0,0,0,,09,,09,005000000,,,,,,");
    f.StringGrid3->SetRow(2);
    f.StringGrid3->OnEnter(f.StringGrid3);
    EXPECT_EQ(Panels(f), (std::vector<AnsiString>{"Offset : 5.00MHz", "-", "", ""}));

    f.SetDtmfRecord(2, "02,123,HOME,2");
    f.SetDtmfRecord(3, "03,456,");
    f.StringGrid4->SetRow(3);
    f.StringGrid4->OnEnter(f.StringGrid4);
    EXPECT_EQ(Panels(f), (std::vector<AnsiString>{"Name : HOME,2", "", "", ""}));
    f.StringGrid4->SetRow(4);
    f.StringGrid4->OnClick(f.StringGrid4);
    EXPECT_EQ(Panels(f), (std::vector<AnsiString>{"", "", "", ""}));
}

TEST_F(StatusBarTest, RegionThreeReadsTheTallDtmfGridsRow) {
    TMainForm& f = *MakeWithType("1,3,08,,,,");
    f.SetDtmfRecord(6, "06,1,SIX");
    f.StringGrid4->SetRow(2);
    f.StringGrid5->SetRow(7);
    f.StringGrid5->OnEnter(f.StringGrid5);
    EXPECT_EQ(f.StatusBar1->PanelText(0), "Name : SIX");
}

} // namespace
