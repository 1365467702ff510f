// The Memory page grids through the real main window and real mouse and key input: the active
// grid and its bold group caption, the right-button row choice, Enter and double-click.
#include "tests/editor/MainFormFixture.h"
#include "tests/support/WidgetInput.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace widgetinput;

bool Bold(TGroupBox* box) {
    return (box->Font().Style() & fsBold) != 0;
}

// Records which entry dialog the grids ask for.
class DialogProbeForm : public TMainForm {
  public:
    using TMainForm::TMainForm;
    std::vector<int> opened;
    void OpenEntryDialog(int grid) override { opened.push_back(grid); }
};

class GridsTest : public editortest::MainFormTest {
  protected:
    DialogProbeForm& Probe(const AnsiString& type) {
        editortest::WriteSetting("Type", type);
        probe_ = std::make_unique<DialogProbeForm>(nullptr, LaterProgram());
        MainForm = probe_.get();
        return *probe_;
    }
    void TearDown() override {
        probe_.reset();
        editortest::MainFormTest::TearDown();
    }
    // The client y of the middle of visible line k (0 is the heading).
    static int LineY(TStringGrid* g, int k) {
        const int pitch = g->DefaultRowHeight();
        return k * pitch + pitch / 2;
    }

  private:
    std::unique_ptr<DialogProbeForm> probe_;
};

TEST_F(GridsTest, ClickingOrEnteringAGridMakesItActiveAndOnlyItsGroupBold) {
    TMainForm& f = *MakeWithType("1,1,00,,,,");
    EXPECT_EQ(f.ActiveGrid, 1);
    EXPECT_TRUE(Bold(f.GroupBox1));

    ASSERT_TRUE(ShowActive(&f));
    f.StringGrid2->SetFocus();
    EXPECT_EQ(f.ActiveGrid, 2);
    EXPECT_FALSE(Bold(f.GroupBox1));
    EXPECT_TRUE(Bold(f.GroupBox2));
    EXPECT_FALSE(Bold(f.GroupBox3));
    EXPECT_FALSE(Bold(f.GroupBox4));

    f.StringGrid4->SetFocus();
    EXPECT_EQ(f.ActiveGrid, 4);
    EXPECT_TRUE(Bold(f.GroupBox4));
    EXPECT_FALSE(Bold(f.GroupBox2));

    // A click in the memory grid makes it active even while it has the focus already.
    f.StringGrid1->SetFocus();
    f.StringGrid3->OnEnter(f.StringGrid3);
    EXPECT_EQ(f.ActiveGrid, 3);
    Click(f.StringGrid1, mbLeft, 60, LineY(f.StringGrid1, 2));
    EXPECT_EQ(f.ActiveGrid, 1);
    EXPECT_TRUE(Bold(f.GroupBox1));
    EXPECT_FALSE(Bold(f.GroupBox3));
    f.HideForm();
}

TEST_F(GridsTest, AClickInTheVfoOrCallGridKeepsTheActiveGridButShowsTheRow) {
    TMainForm& f = *MakeWithType("1,1,00,,,,");
    f.StringGrid2->OnEnter(f.StringGrid2);
    Click(f.StringGrid3, mbLeft, 60, LineY(f.StringGrid3, 2));
    EXPECT_EQ(f.ActiveGrid, 2); // set only by entering
    EXPECT_TRUE(Bold(f.GroupBox2));
    // The VFO grid's row 1 is the 144 MHz VFO with its programmable range shown.
    EXPECT_EQ(f.StatusBar1->PanelText(3).rfind("Programmable VFO : ", 0), 0u);
}

TEST_F(GridsTest, TheTallDtmfGridBoldsTheShortGridsGroupAndKeepsItsOwnCaptionFont) {
    TMainForm& f = *MakeWithType("1,3,08,,,,");
    const unsigned tallStyle = f.GroupBox22->Font().Style();
    Click(f.StringGrid5, mbLeft, 60, LineY(f.StringGrid5, 1));
    EXPECT_EQ(f.ActiveGrid, 4);
    EXPECT_TRUE(Bold(f.GroupBox4));
    EXPECT_FALSE(Bold(f.GroupBox1));
    EXPECT_EQ(f.GroupBox22->Font().Style(), tallStyle);
}

TEST_F(GridsTest, RightButtonSelectsTheRowUnderThePointerBeforeThePopUpOpens) {
    TMainForm& f = *MakeWithType("1,1,00,,,,");
    TStringGrid* g = f.StringGrid1;
    g->SetTopRow(40);
    const int top = g->TopRow();
    ASSERT_GT(g->VisibleRowCount(), 8);

    int rowAtPopup = -1;
    f.PopupMenu1->OnPopup = [&](TObject*) { rowAtPopup = g->Row(); };
    Click(g, mbRight, 60, LineY(g, 8));
    EXPECT_EQ(g->Row(), top + 7);
    EXPECT_EQ(rowAtPopup, top + 7);

    Click(g, mbRight, 60, LineY(g, 0)); // the heading line
    EXPECT_EQ(g->Row(), top);

    // The last pixel of a line and the first of the next, deep in the view: each line is one
    // row height high, its grid line included.
    const int pitch = g->DefaultRowHeight();
    const int k = g->VisibleRowCount();
    Click(g, mbRight, 60, k * pitch + pitch - 1);
    EXPECT_EQ(g->Row(), top + k - 1);
    Click(g, mbRight, 60, (k - 1) * pitch);
    EXPECT_EQ(g->Row(), top + k - 2);

    // Other buttons leave the choice to the grid itself.
    g->SetRow(top + 3);
    g->OnMouseDown(g, mbMiddle, 0, 60, LineY(g, 6));
    EXPECT_EQ(g->Row(), top + 3);
}

TEST_F(GridsTest, RightButtonBelowTheLastRowSelectsNothing) {
    TMainForm& f = *MakeWithType("1,3,08,,,,");
    TStringGrid* g = f.StringGrid5;
    ASSERT_EQ(g->TopRow(), 1);
    g->SetRow(3);
    g->OnMouseDown(g, mbRight, ssRight, 60, LineY(g, g->RowCount()));
    EXPECT_EQ(g->Row(), 3);
    g->OnMouseDown(g, mbRight, ssRight, 60, LineY(g, g->RowCount() - 1)); // the last row
    EXPECT_EQ(g->Row(), g->RowCount() - 1);

    // The VFO and CALL grids and the short DTMF grid choose rows the same way.
    for (TStringGrid* other : {f.StringGrid2, f.StringGrid3, f.StringGrid4}) {
        other->OnMouseDown(other, mbRight, ssRight, 60, LineY(other, 2));
        EXPECT_EQ(other->Row(), 2);
    }
}

TEST_F(GridsTest, EnterAndDoubleClickOpenTheDialogOfTheirGridOtherKeysDoNot) {
    DialogProbeForm& f = Probe("1,1,00,,,,");
    Type(f.StringGrid3, '\r');
    Type(f.StringGrid3, 'a');
    Type(f.StringGrid1, '\r');
    Type(f.StringGrid2, '\r');
    Type(f.StringGrid4, '\r');
    EXPECT_EQ(f.opened, (std::vector<int>{3, 1, 2, 4}));

    f.opened.clear();
    DoubleClick(f.StringGrid1, 60, LineY(f.StringGrid1, 1));
    DoubleClick(f.StringGrid2, 60, LineY(f.StringGrid2, 1));
    DoubleClick(f.StringGrid3, 60, LineY(f.StringGrid3, 1));
    DoubleClick(f.StringGrid5, 60, LineY(f.StringGrid5, 1));
    EXPECT_EQ(f.opened, (std::vector<int>{1, 2, 3, 4}));
}

// Each grid shows whole lines for every radio type: its client height is a whole number of
// rows, the CALL grid and the tall DTMF grid show all their rows, and a click on the last
// line in view selects that row without scrolling.
TEST_F(GridsTest, GridsShowWholeRowsForEveryRadioType) {
    for (const char* type : {"1,0,0E,,,,", "1,1,00,,,,", "1,2,00,1,1,,", "1,3,08,,,,"}) {
        TMainForm& f = *MakeWithType(type);
        struct View {
            TStringGrid* grid;
            int lines;
            bool visible;
        };
        const bool tallDtmf = type[2] == '3';
        for (const View& v : {View{f.StringGrid1, 15, true}, View{f.StringGrid2, 3, true},
                              View{f.StringGrid3, 3, !tallDtmf}, View{f.StringGrid4, 5, !tallDtmf},
                              View{f.StringGrid5, 11, tallDtmf}}) {
            TStringGrid* g = v.grid;
            if (!v.visible) continue;
            EXPECT_EQ(g->ClientHeight(), v.lines * g->DefaultRowHeight()) << type;
            EXPECT_EQ(g->VisibleRowCount(), std::min(v.lines, g->RowCount()) - 1) << type;
            const int top = g->TopRow();
            Click(g, mbLeft, 60, v.lines * g->DefaultRowHeight() - 1);
            EXPECT_EQ(g->Row(), top + v.lines - 2) << type;
            EXPECT_EQ(g->TopRow(), top) << type << ": the last line in view is whole";
        }
        if (tallDtmf)
            EXPECT_EQ(f.StringGrid5->VisibleRowCount(), 10);
        else
            EXPECT_EQ(f.StringGrid3->VisibleRowCount(), 2);
    }
}

// Moving the row by key runs the grid's click handler: the status bar and Paste follow the
// new row.
TEST_F(GridsTest, KeyMovesShowTheNewRowInTheStatusBar) {
    TMainForm& f = *MakeWithType("1,2,00,1,1,,"); // VFO rows 118MHz, 144MHz, S144MHz, 440MHz
    f.SetMemoryRecord(1, "001,00145000000,3,1,0,0,0,,09,,09,000600000,0,,,,,");
    f.SetProgramVfoRecord(1, "2,00144,00146");
    struct Case {
        TStringGrid* grid;
        uint16_t key;
        int row, panel;
        const char* text;
    };
    const Case cases[] = {
        {f.StringGrid1, VK_DOWN, 2, 0, "Offset : 0.60MHz"},
        {f.StringGrid1, VK_UP, 1, 0, ""},
        {f.StringGrid1, VK_END, f.StringGrid1->RowCount() - 1, 1, ""},
        {f.StringGrid2, VK_DOWN, 2, 3, "Programmable VFO : 144-146"},
        {f.StringGrid2, VK_HOME, 1, 3, "Programmable VFO : 118-135"},
    };
    for (const Case& c : cases) {
        c.grid->OnEnter(c.grid);
        PressKey(c.grid, c.key);
        EXPECT_EQ(c.grid->Row(), c.row) << c.key;
        EXPECT_EQ(f.StatusBar1->PanelText(c.panel), c.text) << c.key;
    }
}

} // namespace
