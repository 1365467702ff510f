// The Memory page: the memory, VFO, CALL and DTMF grids in their group boxes.
#include "editor/FormBuild.h"
#include "editor/MainForm.h"

namespace {
TStringGrid* PlaceGrid(TComponent* owner, TGroupBox* box, int columns, int width, int height) {
    auto* g = Place<TStringGrid>(owner, box, 8, 18, width, height);
    g->SetColCount(columns);
    g->FixedCols = 1;
    g->FixedRows = 1;
    g->RowSelect = true;
    g->SetDefaultRowHeight(22);
    g->SetColWidths(0, 16);
    return g;
}
} // namespace

void TMainForm::CreateMemoryPage() {
    GroupBox1 = PlaceCaptioned<TGroupBox>(this, TabSheet1, 8, 6, 380, 364, "Memory channel");
    StringGrid1 = PlaceGrid(this, GroupBox1, 4, 364, 336);
    StringGrid1->SetRowCount(221);
    StringGrid1->SetColWidths(1, 44);
    StringGrid1->SetColWidths(2, 112);
    StringGrid1->SetPopupMenu(PopupMenu1);

    GroupBox2 = PlaceCaptioned<TGroupBox>(this, TabSheet1, 398, 6, 370, 98, "VFO");
    StringGrid2 = PlaceGrid(this, GroupBox2, 3, 354, 72);
    StringGrid2->SetRowCount(7);
    StringGrid2->SetColWidths(1, 80);
    StringGrid2->SetPopupMenu(PopupMenu2);

    GroupBox3 = PlaceCaptioned<TGroupBox>(this, TabSheet1, 398, 110, 370, 98, "CALL channel");
    StringGrid3 = PlaceGrid(this, GroupBox3, 3, 354, 72);
    StringGrid3->SetRowCount(3);
    StringGrid3->SetColWidths(1, 80);
    StringGrid3->SetPopupMenu(PopupMenu2);

    GroupBox4 = PlaceCaptioned<TGroupBox>(this, TabSheet1, 398, 214, 370, 142, "DTMF memory");
    StringGrid4 = PlaceGrid(this, GroupBox4, 3, 354, 116);
    StringGrid4->SetRowCount(11);
    StringGrid4->SetColWidths(1, 40);
    StringGrid4->SetPopupMenu(PopupMenu1);

    // The taller DTMF grid takes the place of the CALL and DTMF groups on region '3'.
    GroupBox22 = PlaceCaptioned<TGroupBox>(this, TabSheet1, 398, 110, 370, 274, "DTMF memory");
    StringGrid5 = PlaceGrid(this, GroupBox22, 3, 354, 248);
    StringGrid5->SetRowCount(11);
    StringGrid5->SetColWidths(1, 40);
    StringGrid5->SetPopupMenu(PopupMenu1);
    StringGrid5->Font().SetName(MainFormText::WesternFont);
    GroupBox22->Hide();
}

// Each grid shows a whole number of rows: the last column fills the client width, the height
// drops to a multiple of the rows in view and the rows share it.
void TMainForm::SizeGridsToRows() {
    struct View {
        TStringGrid* grid;
        int rows;
    };
    for (const View& v : {View{StringGrid1, 15}, View{StringGrid2, 3}, View{StringGrid3, 3},
                          View{StringGrid4, 5}, View{StringGrid5, 11}}) {
        TStringGrid* g = v.grid;
        int others = 0;
        for (int c = 0; c < g->ColCount() - 1; ++c)
            others += g->ColWidths(c);
        g->SetColWidths(g->ColCount() - 1, g->ClientWidth() - others);
        g->SetHeight(g->Height() - g->ClientHeight() % v.rows);
        g->SetDefaultRowHeight(g->ClientHeight() / v.rows);
    }
    StringGrid1->SetCells(1, 0, " ch.");
    StringGrid1->SetCells(2, 0, " RX Frequency");
    StringGrid1->SetCells(3, 0, " Name");
    for (TStringGrid* g : {StringGrid2, StringGrid3}) {
        g->SetCells(1, 0, "Band");
        g->SetCells(2, 0, "Rx Frequency");
    }
    for (TStringGrid* g : {StringGrid4, StringGrid5}) {
        g->SetCells(1, 0, "No.");
        g->SetCells(2, 0, "DTMF Code");
        for (int m = 0; m < 10; ++m)
            g->SetCells(1, m + 1, AnsiString(1, char('0' + m)));
    }
}
