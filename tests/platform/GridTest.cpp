#include "Helpers.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct GridTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TStringGrid* grid = new TStringGrid(form.get());
    void SetUp() override {
        grid->SetColCount(3);
        grid->SetRowCount(40);
        grid->SetDefaultRowHeight(20);
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

TEST_F(GridTest, MouseToCellCountsRowHeightPlusGridLine) {
    int c, r;
    grid->MouseToCell(5, 5, c, r);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 0);
    grid->MouseToCell(64, 21, c, r); // first pixel of the second line and column
    EXPECT_EQ(c, 0);
    EXPECT_EQ(r, 1);
    grid->MouseToCell(65, 20, c, r);
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

TEST_F(GridTest, KeysMoveTheRowAndReportEachChange) {
    int changes = 0;
    grid->OnSelectCellChange = [&](TObject*) { ++changes; };
    PressKey(View(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    PressKey(View(), Qt::Key_PageDown);
    EXPECT_EQ(grid->Row(), 7);
    PressKey(View(), Qt::Key_End);
    EXPECT_EQ(grid->Row(), 39);
    EXPECT_EQ(grid->TopRow(), 35);
    PressKey(View(), Qt::Key_Home);
    EXPECT_EQ(grid->Row(), 1);
    PressKey(View(), Qt::Key_Up); // already at the top: no change
    EXPECT_EQ(changes, 4);
}

TEST_F(GridTest, LeftClickSelectsThenClicksRightClickLeavesTheRowToTheHandler) {
    std::string events;
    int downRow = -1;
    grid->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int, int y) {
        events += b == mbRight ? 'R' : 'L';
        downRow = grid->Row();
        if (b == mbRight) grid->SetRow(grid->TopRow() + y / 21 - 1);
    };
    grid->OnClick = [&](TObject*) { events += 'C'; };
    grid->OnSelectCellChange = [&](TObject*) { events += 'S'; };
    QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(80, 21 * 3 + 5));
    EXPECT_EQ(downRow, 1); // the handler ran before the selection moved
    EXPECT_EQ(grid->Row(), 3);
    QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(80, 21 * 5 + 5));
    EXPECT_EQ(grid->Row(), 5); // only because the handler chose it
    EXPECT_EQ(events, "LSCR");
    QTest::mouseClick(View(), Qt::LeftButton, {}, QPoint(80, 5)); // heading: no click
    EXPECT_EQ(events, "LSCRL");
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
