// Refresh details: the class library's write-back rule, values outside a control's range,
// the position limit, station icons, the remote tone list and empty VFO and CALL records.
#include "tests/editor/MainFormFixture.h"

#include <gtest/gtest.h>

namespace {

class RefreshEdge : public editortest::MainFormTest {
  protected:
    TMainForm& F() {
        if (!f_) f_ = MakeWithType("1,1,00,,,,");
        return *f_;
    }
    void Refresh() { F().RefreshAllControls(); }

  private:
    TMainForm* f_ = nullptr;
};

TEST_F(RefreshEdge, ACheckBoxAlreadyShowingTheStateStoresNothing) {
    TMainForm& f = F();
    f.ModifiedFlag = 0;
    Refresh();
    EXPECT_EQ(f.GetRadioMenuItem(3), "0,"); // the default keeps its comma
    EXPECT_EQ(f.ModifiedFlag, 0);

    f.SetRadioMenuItem(3, "1,");
    Refresh();
    EXPECT_TRUE(f.CheckBox14->Checked());
    EXPECT_EQ(f.GetRadioMenuItem(3), "1");
    EXPECT_EQ(f.ModifiedFlag, 1);

    f.SetRadioMenuItem(3, "0,");
    Refresh();
    EXPECT_FALSE(f.CheckBox14->Checked());
    EXPECT_EQ(f.GetRadioMenuItem(3), "0"); // a change of state stores the plain value
}

TEST_F(RefreshEdge, ListsShowTheirNumberAndStoreNothingBack) {
    TMainForm& f = F();
    f.SetRadioMenuItem(16, "08");
    f.SetRadioMenuItem(19, "1,0");
    f.SetRadioMenuItem(11, "99");
    Refresh();
    EXPECT_EQ(f.ComboBox1->Text(), "8");
    EXPECT_EQ(f.ComboBox3->Text(), "30min");
    EXPECT_EQ(f.ComboBox4->ItemIndex(), -1); // outside the list: blank
    EXPECT_EQ(f.GetRadioMenuItem(19), "1,0");
    EXPECT_EQ(f.GetRadioMenuItem(11), "99");
}

TEST_F(RefreshEdge, RadioGroupsClampAndBeepMapsByFirstCharacter) {
    TMainForm& f = F();
    const struct {
        const char* value;
        int shown;
    } cases[] = {{"1", 1}, {"5", 1}, {"-3", -1}, {"x", 0}, {"", 0}, {"0", 0}};
    for (const auto& c : cases) {
        f.SetRadioMenuItem(0, c.value);
        Refresh();
        EXPECT_EQ(f.RadioGroup9->ItemIndex(), c.shown) << c.value;
    }
    const struct {
        const char* value;
        int shown;
    } beeps[] = {{"0", 0}, {"2", 2}, {"3", 3}, {"", 1}, {"9", 1}, {"1", 1}};
    for (const auto& c : beeps) {
        f.SetRadioMenuItem(21, c.value);
        Refresh();
        EXPECT_EQ(f.RadioGroup10->ItemIndex(), c.shown) << c.value;
    }
    // An empty beep shows "Key", which the group's handler then stores.
    f.SetRadioMenuItem(21, "3");
    Refresh();
    f.SetRadioMenuItem(21, "");
    Refresh();
    EXPECT_EQ(f.GetRadioMenuItem(21), "1");
}

TEST_F(RefreshEdge, GroupModeShowsOnUnlessItStartsWithZero) {
    TMainForm& f = F();
    for (const char* on : {"", "1", "x"}) {
        f.SetAprsMenuItem(6, "0");
        Refresh();
        EXPECT_FALSE(f.CheckBox10->Checked());
        f.SetAprsMenuItem(6, on);
        Refresh();
        EXPECT_TRUE(f.CheckBox10->Checked()) << on;
    }
}

TEST_F(RefreshEdge, PositionLimitShowsOrHidesTheDistance) {
    TMainForm& f = F();
    f.SetAprsMenuItem(9, "0010");
    Refresh();
    EXPECT_TRUE(f.CheckBox8->Checked());
    EXPECT_TRUE(f.Label15->Visible());
    EXPECT_TRUE(f.MaskEdit12->Visible());
    EXPECT_TRUE(f.Label16->Visible());
    EXPECT_EQ(f.MaskEdit12->Text(), "0010");
    EXPECT_EQ(f.GetAprsMenuItem(9), "0010");

    f.SetAprsMenuItem(9, "2500");
    Refresh();
    EXPECT_EQ(f.MaskEdit12->Text(), "2500");
    EXPECT_EQ(f.GetAprsMenuItem(9), "2500");

    f.SetAprsMenuItem(9, "0000");
    Refresh();
    EXPECT_FALSE(f.CheckBox8->Checked());
    EXPECT_FALSE(f.Label15->Visible());
    EXPECT_FALSE(f.MaskEdit12->Visible());
    EXPECT_FALSE(f.Label16->Visible());
    EXPECT_EQ(f.GetAprsMenuItem(9), "0000");
}

TEST_F(RefreshEdge, StationIconsByBuiltInNumberOrTableAndSymbol) {
    TMainForm& f = F();
    f.SetAprsMenuItem(5, "0,B");
    Refresh();
    EXPECT_EQ(f.UpDown1->Position(), 11);
    EXPECT_EQ(f.UpDown2->Position(), 11);
    EXPECT_EQ(f.GetAprsMenuItem(5), "0,B");

    f.SetAprsMenuItem(5, "1,/>");
    Refresh();
    EXPECT_EQ(f.UpDown1->Position(), 15);
    EXPECT_EQ(f.ComboBox6->Text(), ">");
    EXPECT_EQ(f.ComboBox7->Text(), "/");
    EXPECT_TRUE(f.ComboBox6->Visible());

    // A table character the list lacks and a missing symbol show blank lists.
    f.SetAprsMenuItem(5, "1,Q");
    Refresh();
    EXPECT_EQ(f.ComboBox6->ItemIndex(), -1);
    EXPECT_EQ(f.ComboBox7->ItemIndex(), -1);

    // Short or odd built-in values stay within the selectors' ranges.
    f.SetAprsMenuItem(5, "0,");
    Refresh();
    EXPECT_EQ(f.UpDown1->Position(), 0);
    f.SetAprsMenuItem(5, "0,Z");
    Refresh();
    EXPECT_EQ(f.UpDown1->Position(), 15);
    EXPECT_EQ(f.UpDown2->Position(), 14);
}

TEST_F(RefreshEdge, RemoteToneListLeavesOutCodeTwo) {
    TMainForm& f = F();
    const struct {
        const char* code;
        int index;
    } cases[] = {{"09", 7},  {"01", 0},  {"02", 1}, {"03", 1}, {"10", 8},
                 {"39", 37}, {"00", -1}, {"", -1},  {"40", -1}};
    for (const auto& c : cases) {
        f.SetRemoteMenuItem(2, c.code);
        Refresh();
        EXPECT_EQ(f.ComboBox12->ItemIndex(), c.index) << c.code;
        EXPECT_EQ(f.GetRemoteMenuItem(2), c.code); // a list stores nothing back
    }
    f.SetRemoteMenuItem(2, "09");
    Refresh();
    EXPECT_EQ(f.ComboBox12->Text(), "88.5Hz");
}

TEST_F(RefreshEdge, AnEmptyVfoOrCallRecordClearsItsOwnCellAndKeepsItsRow) {
    TMainForm& f = F(); // VFO rows 144MHz, S144MHz, 430MHz
    ASSERT_EQ(f.StringGrid2->Cells(2, 2), "144.000");
    f.SetVfoRecord(2, "3");
    f.SetVfoRecord(4, "6,00435000000,6,0,0,0,0,,09,,09,005000000,,,,,0,");
    f.SetCallRecord(0, "");
    Refresh();
    EXPECT_EQ(f.StringGrid2->Cells(2, 1), "144.000");
    EXPECT_EQ(f.StringGrid2->Cells(2, 2), "");
    EXPECT_EQ(f.StringGrid2->Cells(2, 3), "435.000"); // not moved up a row
    EXPECT_EQ(f.StringGrid3->Cells(2, 1), "");
    EXPECT_EQ(f.StringGrid3->Cells(2, 2), "430.000");
    EXPECT_EQ(f.GetVfoRecord(2), "3");
}

TEST_F(RefreshEdge, AClearedMemorySlotEmptiesItsCellsAndKeepsItsLabel) {
    TMainForm& f = F();
    f.SetMemoryRecord(7, "007,00145000000,3,0,0,0,0,,09,,09,000600000,1,,,,,OLD");
    Refresh();
    EXPECT_EQ(f.StringGrid1->Cells(0, 8), "*");
    f.ClearMemoryRecord(7);
    Refresh();
    for (int col : {0, 2, 3})
        EXPECT_EQ(f.StringGrid1->Cells(col, 8), "") << col;
    EXPECT_EQ(f.StringGrid1->Cells(1, 8), "007");
}

} // namespace
