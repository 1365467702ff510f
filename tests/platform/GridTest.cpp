#include "Helpers.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include <QMenu>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct GridTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TStringGrid* grid = new TStringGrid(form.get());
    void SetUp() override {
        grid->SetColCount(3);
        grid->SetRowCount(40);
        grid->SetDefaultRowHeight(21);
        grid->SetBounds(0, 0, 200, 4 + 21 * 6); // heading and five data rows in view
    }
    QWidget* View() { return grid->ClientWidget(); }
};
} // namespace

TEST_F(GridTest, ClientAreaExcludesBorderAndScrollBar) {
    EXPECT_EQ(grid->ClientHeight(), 21 * 6);
    EXPECT_LT(grid->ClientWidth(), 200 - 4); // the vertical bar takes room
    EXPECT_EQ(grid->VisibleRowCount(), 5);
    grid->SetRowCount(4); // everything fits: no bar
    EXPECT_EQ(grid->ClientWidth(), 196);
    grid->SetHeight(4 + 21 * 3);
    EXPECT_EQ(grid->ClientHeight(), 63);
}

// A grid sized to n default row heights shows n whole lines: each row's grid line lies inside
// its height, so the last line ends on the last pixel of the client area.
TEST_F(GridTest, RowsOfTheSizedHeightFitWhole) {
    struct Case {
        int lines, rowHeight, rows;
        int visible;
    };
    for (const Case& c :
         {Case{3, 22, 3, 2}, Case{11, 22, 11, 10}, Case{15, 22, 221, 14}, Case{5, 23, 11, 4}}) {
        grid->SetRowCount(c.rows);
        grid->SetDefaultRowHeight(c.rowHeight);
        grid->SetHeight(4 + c.lines * c.rowHeight);
        EXPECT_EQ(grid->VisibleRowCount(), c.visible) << c.lines;
        int col, row;
        grid->MouseToCell(5, c.lines * c.rowHeight - 1, col, row);
        EXPECT_EQ(row, c.visible) << c.lines; // the last pixel is still the last row in view
        grid->SetRow(c.visible);
        EXPECT_EQ(grid->TopRow(), 1) << "a row in view scrolls nothing";
        QImage shot = View()->grab().toImage();
        EXPECT_EQ(shot.height(), c.lines * c.rowHeight);
    }
}

TEST_F(GridTest, MouseToCellCountsRowsAndColumnsWithTheirGridLines) {
    int c, r;
    grid->MouseToCell(5, 5, c, r);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 0);
    grid->MouseToCell(63, 21, c, r); // last pixel of the first column, second line
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 1);
    grid->MouseToCell(64, 20, c, r);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 0);
    grid->SetTopRow(10);
    grid->MouseToCell(70, 21 * 2 + 3, c, r);
    EXPECT_EQ(r, 11);
    grid->MouseToCell(-1, 3, c, r);
    EXPECT_EQ(c, -1);
    EXPECT_EQ(r, -1);
}

TEST_F(GridTest, SetRowScrollsIntoViewAndTopRowIsBounded) {
    grid->SetRow(20);
    EXPECT_EQ(grid->Row(), 20);
    EXPECT_EQ(grid->TopRow(), 16);
    grid->SetRow(3);
    EXPECT_EQ(grid->TopRow(), 3);
    grid->SetTopRow(1000);
    EXPECT_EQ(grid->TopRow(), 35);
    grid->SetRow(0); // the heading cannot be selected
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Selection().Left, 1);
    EXPECT_EQ(grid->Selection().Right, 2);
}

TEST_F(GridTest, CellsSurviveRowCountChanges) {
    grid->SetCells(2, 5, "Name");
    grid->SetCells(9, 5, "outside");
    grid->SetRowCount(10);
    EXPECT_EQ(grid->Cells(2, 5), "Name");
    grid->SetRowCount(4);
    grid->SetRowCount(10);
    EXPECT_EQ(grid->Cells(2, 5), "");
    EXPECT_EQ(grid->Cells(9, 5), "");
}

// OnClick runs whenever the selected row changes, whatever moved it; a left press on a data
// cell clicks even when its row stays, a move that changes nothing does not.
TEST_F(GridTest, EveryWayOfMovingTheRowRunsOnClick) {
    int clicks = 0, rowSeen = -1;
    grid->OnClick = [&](TObject*) {
        ++clicks;
        rowSeen = grid->Row();
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        int row, clicks;
    };
    const Case cases[] = {
        {"Down", [&] { PressKey(View(), Qt::Key_Down); }, 2, 1},
        {"PageDown", [&] { PressKey(View(), Qt::Key_PageDown); }, 7, 1},
        {"End", [&] { PressKey(View(), Qt::Key_End); }, 39, 1},
        {"Home", [&] { PressKey(View(), Qt::Key_Home); }, 1, 1},
        {"Up at the top", [&] { PressKey(View(), Qt::Key_Up); }, 1, 0},
        {"Row :=", [&] { grid->SetRow(12); }, 12, 1},
        {"Row := same", [&] { grid->SetRow(12); }, 12, 0},
        {"PageUp", [&] { PressKey(View(), Qt::Key_PageUp); }, 7, 1},
        {"left press",
         [&] {
             QTest::mouseClick(View(), Qt::LeftButton, {}, {80, 21 * 3 + 5});
         },
         5, 1}, // top row 3: the third line below the heading
        {"left press on the same row",
         [&] {
             QTest::mouseClick(View(), Qt::LeftButton, {}, {80, 21 * 3 + 5});
         },
         5, 1},
        {"heading press",
         [&] {
             QTest::mouseClick(View(), Qt::LeftButton, {}, {80, 5});
         },
         5, 0},
        {"right press",
         [&] {
             QTest::mouseClick(View(), Qt::RightButton, {}, {80, 21 * 5 + 5});
         },
         5, 0},
    };
    for (const Case& c : cases) {
        int before = clicks;
        c.act();
        EXPECT_EQ(grid->Row(), c.row) << c.what;
        EXPECT_EQ(clicks - before, c.clicks) << c.what;
        if (c.clicks) {
            EXPECT_EQ(rowSeen, c.row) << c.what << ": OnClick sees the new row";
        }
    }
}

TEST_F(GridTest, RightClickLeavesTheRowToTheMouseDownHandler) {
    std::string events;
    grid->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int, int y) {
        events += b == mbRight ? 'R' : 'L';
        if (b == mbRight) grid->SetRow(grid->TopRow() + y / 21 - 1);
    };
    grid->OnClick = [&](TObject*) { events += 'C'; };
    QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(80, 21 * 3 + 5));
    EXPECT_EQ(grid->Row(), 3);
    QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(80, 21 * 5 + 5));
    EXPECT_EQ(grid->Row(), 5); // only because the handler chose it, which clicks
    EXPECT_EQ(events, "LCRC");
}

TEST_F(GridTest, DoubleClickEnterAndKeyPress) {
    int dbl = 0, enters = 0;
    std::string keys;
    grid->OnDblClick = [&](TObject*) { ++dbl; };
    grid->OnEnter = [&](TObject*) { ++enters; };
    grid->OnKeyPress = [&](TObject*, char& k) { keys += k; };
    QTest::mouseDClick(View(), Qt::LeftButton, {}, QPoint(80, 30));
    EXPECT_EQ(dbl, 1);
    PressKey(View(), Qt::Key_Return);
    EXPECT_EQ(keys, "\r");
    form->ShowForm();
    form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    grid->SetFocus();
    EXPECT_TRUE(grid->Focused());
    EXPECT_GE(enters, 1);
    form->HideForm();
}

TEST_F(GridTest, PopupOpensAfterTheMouseDownHandler) {
    auto* menu = new TPopupMenu(form.get());
    auto* item = new TMenuItem(form.get());
    item->SetCaption("&Copy");
    menu->Items()->Add(item);
    grid->SetPopupMenu(menu);
    std::string order;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { order += 'D'; };
    menu->OnPopup = [&](TObject*) { order += 'P'; };
    form->ShowForm();
    QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(80, 30));
    EXPECT_EQ(order, "DP");
    EXPECT_TRUE(menu->Items()->Menu()->isVisible());
    menu->Items()->Menu()->hide();
    form->HideForm();
}
