// The refresh from the memory image through the real main window: what every grid and
// settings control shows per radio type, out-of-range values, and that the image settles.
#include "tests/editor/MainFormFixture.h"

#include <map>
#include <string>
#include <vector>

namespace {

struct DocumentImage {
    std::vector<AnsiString> records; // memory, CALL, VFO, programmable VFO, DTMF
    std::vector<AnsiString> items;   // radio menu, APRS, SSTV, HALCYRA
    bool operator==(const DocumentImage&) const = default;
};

DocumentImage Snapshot(const TMainForm& f) {
    DocumentImage d;
    for (int i = 0; i < Slots::MemoryCount; ++i)
        d.records.push_back(f.GetMemoryRecord(i));
    for (int i = 0; i < Slots::CallCount; ++i)
        d.records.push_back(f.GetCallRecord(i));
    for (int i = 0; i < Slots::VfoCount; ++i)
        d.records.push_back(f.GetVfoRecord(i));
    for (int i = 0; i < Slots::VfoCount; ++i)
        d.records.push_back(f.GetProgramVfoRecord(i));
    for (int i = 0; i < Slots::DtmfCount; ++i)
        d.records.push_back(f.GetDtmfRecord(i));
    for (int i = 0; i < Slots::RadioMenuCount; ++i)
        d.items.push_back(f.GetRadioMenuItem(i));
    for (int i = 0; i < Slots::AprsCount; ++i)
        d.items.push_back(f.GetAprsMenuItem(i));
    for (int i = 0; i < Slots::SstvCount; ++i)
        d.items.push_back(f.GetSstvMenuItem(i));
    for (int i = 0; i < Slots::RemoteCount; ++i)
        d.items.push_back(f.GetRemoteMenuItem(i));
    return d;
}

struct TypeCase {
    const char* type;
    char region;
    std::vector<const char*> vfoLabels; // the VFO rows the type lays out
};

void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << c.type;
}

// Every slot set away from its default, with the values the per-type test expects to see.
struct Loaded {
    AnsiString position, icon;
};

Loaded LoadEverything(TMainForm& f, char region) {
    const int n = f.LastChannel;
    f.SetMemoryRecord(0, "000,00145012500,3,1,1,1,0,,08,,09,000600000,1,,,,,NAME,X");
    f.SetMemoryRecord(1, "001,00433000000,6,0,0,0,0,,09,,09,005000000,01,,,,,");
    f.SetMemoryRecord(2, "002,00144000000,3,0,0,0,0,,09,,09,000600000,1 ,,,,,B");
    f.SetMemoryRecord(3, "x");
    f.SetMemoryRecord(n, "199,00146520000,3,0,0,0,0,,09,,09,000600000,0,,,,,LAST");
    f.SetMemoryRecord(n + 1, "L0,00144100000,3,0,0,0,0,,09,,09,000600000,1,,,,,EDGE");
    f.SetMemoryRecord(n + 20, "U9,00147900000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    f.SetCallRecord(0, "0,00144500000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    f.SetCallRecord(1, "1,00435500000,6,0,0,0,0,,09,,09,005000000,,,,,,");
    const char* vfo[6] = {"1,00120000000,3,0,0,0,0,,09,,09,000600000,,1,,,,",
                          "2,00145500000,3,0,0,0,0,,09,,09,000600000,,,,,1,",
                          "3,00146000000,3,0,0,0,0,,09,,09,000600000,,,,,,",
                          "5,00350000000,3,0,0,0,0,,09,,09,005000000,,,,,,",
                          "6,00438000000,6,0,0,0,0,,09,,09,005000000,,,,,2,",
                          "7,00439000000,6,0,0,0,0,,09,,09,005000000,,,,,,"};
    for (int i = 0; i < 6; ++i)
        f.SetVfoRecord(i, vfo[i]);
    f.SetDtmfRecord(0, "00,0123456789,HOME");
    f.SetDtmfRecord(9, "09,ABCD*#,");

    const char* items[28] = {"1",
                             "0",
                             "1",
                             "1,",
                             "1,",
                             "0",
                             "1",
                             "1",
                             "1",
                             "0",
                             "1",
                             "4",
                             region == '0' ? "0" : "1",
                             "1",
                             "1",
                             "Hi there",
                             "12",
                             "1",
                             "7",
                             "2",
                             "2",
                             "2",
                             "1",
                             "1",
                             "0",
                             "1",
                             "1",
                             "1"};
    for (int i = 0; i < 28; ++i)
        f.SetRadioMenuItem(i, items[i]);

    Loaded l;
    l.position = region == '0' ? "35412250139463011" : "35412501139463000";
    l.icon = region == '0' ? "0,C" : region == '1' ? "1,A#" : region == '3' ? "1,/>" : "0,E";
    const AnsiString aprs[14] = {"AB1CDE-5",
                                 "Status",
                                 "3",
                                 "1",
                                 l.position,
                                 l.icon,
                                 "1",
                                 "AB1",
                                 "2",
                                 "0120",
                                 "5",
                                 "APRS1",
                                 region == '2' ? "1" : "0",
                                 "WIDE1-1,WIDE2-2"};
    for (int i = 0; i < 14; ++i)
        f.SetAprsMenuItem(i, aprs[i]);
    const AnsiString sstv[6] = {"JA1ABC", "3", "HELLO", "4", "599", "2"};
    for (int i = 0; i < 6; ++i)
        f.SetSstvMenuItem(i, sstv[i]);
    f.SetRemoteMenuItem(0, "CMD1");
    f.SetRemoteMenuItem(1, "TRN2-3");
    f.SetRemoteMenuItem(2, "09");
    return l;
}

class RefreshPerType : public editortest::MainFormTest,
                       public ::testing::WithParamInterface<TypeCase> {};

TEST_P(RefreshPerType, ControlsShowEveryItemAndTheImageSettlesAfterOnePass) {
    const TypeCase& c = GetParam();
    TMainForm& f = *MakeWithType(c.type);
    const int n = f.LastChannel;
    EXPECT_EQ(n, c.region == '0' ? 149 : 199);
    const Loaded l = LoadEverything(f, c.region);
    const DocumentImage before = Snapshot(f);
    f.RefreshAllControls();

    // Memory grid: frequency, name with its commas, lockout mark on numbered channels only.
    TStringGrid* g = f.StringGrid1;
    EXPECT_EQ(g->Cells(2, 1), "145.0125");
    EXPECT_EQ(g->Cells(3, 1), "NAME,X");
    EXPECT_EQ(g->Cells(0, 1), "*");
    EXPECT_EQ(g->Cells(0, 2), "");    // "01"
    EXPECT_EQ(g->Cells(0, 3), "");    // "1 "
    EXPECT_EQ(g->Cells(2, 4), "");    // a single character is an empty slot
    EXPECT_EQ(g->Cells(1, 4), "003"); // its label stays
    EXPECT_EQ(g->Cells(2, n + 1), "146.520");
    EXPECT_EQ(g->Cells(3, n + 1), "LAST");
    EXPECT_EQ(g->Cells(1, n + 2), "L0");
    EXPECT_EQ(g->Cells(2, n + 2), "144.100");
    EXPECT_EQ(g->Cells(0, n + 2), ""); // scan edges never show the mark
    EXPECT_EQ(g->Cells(2, n + 21), "147.900");

    // CALL and VFO grids: one row per present band, in slot order.
    EXPECT_EQ(f.StringGrid3->Cells(2, 1), "144.500");
    EXPECT_EQ(f.StringGrid3->Cells(2, 2), "435.500");
    const std::map<std::string, std::string> vfoShown = {
        {"118MHz", "120.000"}, {"144MHz", "145.500"}, {"S144MHz", "146.000"}, {"300MHz", "350.000"},
        {"430MHz", "438.000"}, {"440MHz", "438.000"}, {"S430MHz", "439.000"}};
    ASSERT_EQ(f.StringGrid2->RowCount(), static_cast<int>(c.vfoLabels.size()) + 1);
    for (size_t r = 0; r < c.vfoLabels.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        EXPECT_EQ(f.StringGrid2->Cells(1, row), c.vfoLabels[r]);
        EXPECT_EQ(f.StringGrid2->Cells(2, row), vfoShown.at(c.vfoLabels[r]));
    }
    for (TStringGrid* d : {f.StringGrid4, f.StringGrid5}) {
        EXPECT_EQ(d->Cells(2, 1), "0123456789");
        EXPECT_EQ(d->Cells(2, 10), "ABCD*#");
        EXPECT_EQ(d->Cells(2, 5), "");
    }

    // Radio menu page.
    EXPECT_EQ(f.RadioGroup9->ItemIndex(), 1);
    EXPECT_FALSE(f.CheckBox16->Checked());
    EXPECT_TRUE(f.CheckBox17->Checked());
    EXPECT_TRUE(f.CheckBox14->Checked());
    EXPECT_TRUE(f.CheckBox15->Checked());
    EXPECT_FALSE(f.CheckBox12->Checked());
    EXPECT_TRUE(f.CheckBox11->Checked());
    EXPECT_TRUE(f.CheckBox13->Checked());
    EXPECT_TRUE(f.CheckBox21->Checked());
    EXPECT_EQ(f.RadioGroup2->ItemIndex(), 0);
    EXPECT_TRUE(f.CheckBox1->Checked());
    EXPECT_EQ(f.ComboBox4->Text(), "1000ms");
    EXPECT_EQ(f.RadioGroup3->ItemIndex(), c.region == '0' ? 0 : 1);
    EXPECT_EQ(f.RadioGroup4->ItemIndex(), 1);
    EXPECT_TRUE(f.CheckBox18->Checked());
    EXPECT_EQ(f.Edit3->Text(), "Hi there");
    EXPECT_EQ(f.ComboBox1->Text(), "12");
    EXPECT_EQ(f.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(f.ComboBox2->Text(), "3.0sec");
    EXPECT_EQ(f.ComboBox3->Text(), "60min");
    EXPECT_EQ(f.RadioGroup5->ItemIndex(), 2);
    EXPECT_EQ(f.RadioGroup10->ItemIndex(), 2);
    EXPECT_TRUE(f.CheckBox4->Checked());
    EXPECT_TRUE(f.CheckBox5->Checked());
    EXPECT_FALSE(f.CheckBox2->Checked());
    EXPECT_TRUE(f.CheckBox20->Checked());
    EXPECT_TRUE(f.CheckBox6->Checked());
    EXPECT_TRUE(f.CheckBox7->Checked());

    // APRS page.
    EXPECT_EQ(f.Edit4->Text(), "AB1CDE-5");
    EXPECT_EQ(f.Edit5->Text(), "Status");
    EXPECT_EQ(f.ComboBox5->ItemIndex(), 3);
    EXPECT_TRUE(f.RadioButton10->Checked());
    EXPECT_TRUE(f.RadioButton12->Checked());
    EXPECT_FALSE(f.RadioButton9->Checked());
    EXPECT_FALSE(f.RadioButton11->Checked());
    EXPECT_FALSE(f.RadioButton13->Checked());
    EXPECT_EQ(f.MaskEdit1->Text(), "35");
    EXPECT_EQ(f.MaskEdit7->Text(), "35");
    EXPECT_EQ(f.MaskEdit4->Text(), "139");
    EXPECT_EQ(f.MaskEdit9->Text(), "139");
    if (c.region == '0') {
        EXPECT_EQ(f.MaskEdit2->Text(), "41");
        EXPECT_EQ(f.MaskEdit3->Text(), "22.5");
        EXPECT_EQ(f.MaskEdit5->Text(), "46");
        EXPECT_EQ(f.MaskEdit6->Text(), "30.1");
        EXPECT_TRUE(f.RadioButton5->Checked()); // north
        EXPECT_TRUE(f.RadioButton8->Checked()); // west
        EXPECT_EQ(f.UpDown2->Position(), 12);
        EXPECT_EQ(f.UpDown1->Position(), 12);
    } else {
        EXPECT_EQ(f.MaskEdit8->Text(), "41.25");
        EXPECT_EQ(f.MaskEdit10->Text(), "46.30");
        EXPECT_TRUE(f.RadioButton2->Checked()); // south
        EXPECT_TRUE(f.RadioButton3->Checked()); // east
        if (c.region == '1') {
            EXPECT_EQ(f.UpDown1->Position(), 15);
            EXPECT_EQ(f.ComboBox6->Text(), "#");
            EXPECT_EQ(f.ComboBox7->Items().size(), 38u); // "#" is an overlay symbol
            EXPECT_EQ(f.ComboBox7->Text(), "A");
        } else if (c.region == '3') {
            EXPECT_EQ(f.UpDown1->Position(), 15);
            EXPECT_EQ(f.ComboBox6->Text(), ">");
            EXPECT_EQ(f.ComboBox7->Text(), "/");
        } else {
            EXPECT_EQ(f.UpDown1->Position(), 14);
        }
    }
    EXPECT_TRUE(f.CheckBox10->Checked());
    EXPECT_EQ(f.MaskEdit11->Text(), "AB1");
    EXPECT_TRUE(f.RadioButton16->Checked());
    EXPECT_FALSE(f.RadioButton14->Checked());
    EXPECT_FALSE(f.RadioButton15->Checked());
    EXPECT_TRUE(f.CheckBox8->Checked());
    EXPECT_TRUE(f.MaskEdit12->Visible());
    EXPECT_TRUE(f.Label15->Visible());
    EXPECT_EQ(f.MaskEdit12->Text(), "0120");
    EXPECT_EQ(f.ComboBox8->ItemIndex(), 5);
    EXPECT_EQ(f.Edit13->Text(), "APRS1");
    EXPECT_EQ(f.ComboBox13->ItemIndex(), c.region == '2' ? 1 : 0);
    EXPECT_EQ(f.Edit7->Text(), "WIDE1-1,WIDE2-2");

    // SSTV and HALCYRA page (filled for every type).
    EXPECT_EQ(f.Edit14->Text(), "JA1ABC");
    EXPECT_EQ(f.ComboBox9->Text(), "Magenta");
    EXPECT_EQ(f.Edit15->Text(), "HELLO");
    EXPECT_EQ(f.ComboBox10->Text(), "Green");
    EXPECT_EQ(f.Edit16->Text(), "599");
    EXPECT_EQ(f.ComboBox11->Text(), "Red");
    EXPECT_EQ(f.Edit17->Text(), "CMD1");
    EXPECT_EQ(f.Edit18->Text(), "TRN2-3");
    EXPECT_EQ(f.ComboBox12->Text(), "88.5Hz");

    // Check boxes that changed state stored their plain value; lists store nothing back.
    EXPECT_EQ(f.GetRadioMenuItem(3), "1");
    EXPECT_EQ(f.GetRadioMenuItem(4), "1");
    EXPECT_EQ(f.GetRadioMenuItem(19), "2");
    EXPECT_EQ(f.GetAprsMenuItem(4), l.position);
    EXPECT_EQ(f.GetAprsMenuItem(5), l.icon);

    // No record changes; the handlers' write-back settles after one pass.
    const DocumentImage after = Snapshot(f);
    EXPECT_EQ(after.records, before.records);
    f.RefreshAllControls();
    EXPECT_EQ(Snapshot(f), after);
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    RadioTypes, RefreshPerType,
    ::testing::Values(TypeCase{"1,0,0E,,1,1,1",
                               '0',
                               {"118MHz", "144MHz", "S144MHz", "300MHz", "430MHz", "S430MHz"}},
                      TypeCase{"1,1,00,,,,", '1', {"144MHz", "S144MHz", "430MHz"}},
                      TypeCase{"1,2,00,1,1,,", '2', {"118MHz", "144MHz", "S144MHz", "440MHz"}},
                      TypeCase{"1,3,08,,,1,", '3', {"144MHz", "S144MHz", "300MHz", "430MHz"}},
                      TypeCase{"1,7,00,,,,", '7', {"144MHz", "S144MHz", "430MHz"}}));

} // namespace
