// The Memory page grids: which grid is active, row choice with the right button, opening the
// entry dialog of a row, and the status bar showing the selected record.
#include "editor/CallDialog.h"
#include "editor/DtmfDialog.h"
#include "editor/MainForm.h"
#include "editor/MemoryDialog.h"
#include "editor/ToneTable.h"
#include "editor/VfoDialog.h"
#include "editor/model/DisplayText.h"
#include "editor/model/TextChecks.h"

namespace {

// Right button: the row under the pointer becomes the selected row before the pop-up menu
// opens, so the menu's command acts on that row. Each line is one default row height high
// (its grid line included). The heading line picks the top visible data row; below the last
// row picks nothing.
void SelectRowUnderPointer(TStringGrid* grid, TMouseButton button, TShiftState shift, int y) {
    if (button != mbRight && !(shift & ssRight)) return;
    const int pitch = grid->DefaultRowHeight();
    if (pitch <= 0 || y < 0) return;
    const int line = y / pitch;
    int row = line == 0 ? grid->TopRow() : grid->TopRow() + line - 1;
    if (row < grid->FixedRows || row >= grid->RowCount()) return;
    grid->SetRow(row);
}

bool LongerThanOne(const AnsiString& s) {
    return s.size() > 1;
}

AnsiString FrequencyText(AnsiString digits) {
    HzDigitsToMhzText(digits);
    return digits;
}

AnsiString OffsetText(AnsiString digits) {
    OffsetDigitsToMhzText(digits);
    return digits;
}

// Tone code "01".."39" as its frequency text; any other code shows no frequency.
AnsiString ToneCodeText(const AnsiString& code) {
    int n = 0;
    for (size_t i = 0; i < code.size() && i < 2 && code[i] >= '0' && code[i] <= '9'; ++i)
        n = n * 10 + (code[i] - '0');
    return ToneText(n);
}

} // namespace

void TMainForm::SetActiveGrid(int grid) {
    ActiveGrid = grid;
    TGroupBox* boxes[] = {GroupBox1, GroupBox2, GroupBox3, GroupBox4};
    for (int i = 0; i < 4; ++i) {
        unsigned style = boxes[i]->Font().Style();
        boxes[i]->Font().SetStyle(i + 1 == grid ? (style | fsBold) : (style & ~unsigned(fsBold)));
    }
}

TStringGrid* TMainForm::DtmfGridInUse() const {
    return RegionDigit() == '3' ? StringGrid5 : StringGrid4;
}

int TMainForm::VfoRowSlot(int row) const {
    return BandOfFrequencyText(*this, StringGrid2->Cells(1, row));
}

void TMainForm::GridEntered(int grid) {
    SetActiveGrid(grid);
    UpdatePasteAvailability();
    UpdateStatusBar();
}

void TMainForm::StringGrid1Enter(TObject*) {
    GridEntered(1);
}
void TMainForm::StringGrid2Enter(TObject*) {
    GridEntered(2);
}
void TMainForm::StringGrid3Enter(TObject*) {
    GridEntered(3);
}
void TMainForm::StringGrid4Enter(TObject*) {
    GridEntered(4);
}

void TMainForm::StringGrid2Click(TObject*) {
    UpdatePasteAvailability();
    UpdateStatusBar();
}

void TMainForm::StringGrid1DblClick(TObject*) {
    OpenEntryDialog(1);
}
void TMainForm::StringGrid2DblClick(TObject*) {
    OpenEntryDialog(2);
}
void TMainForm::StringGrid3DblClick(TObject*) {
    OpenEntryDialog(3);
}
void TMainForm::StringGrid4DblClick(TObject*) {
    OpenEntryDialog(4);
}

void TMainForm::StringGrid1KeyPress(TObject*, char& Key) {
    if (Key == '\r') OpenEntryDialog(1);
}
void TMainForm::StringGrid2KeyPress(TObject*, char& Key) {
    if (Key == '\r') OpenEntryDialog(2);
}
void TMainForm::StringGrid3KeyPress(TObject*, char& Key) {
    if (Key == '\r') OpenEntryDialog(3);
}
void TMainForm::StringGrid4KeyPress(TObject*, char& Key) {
    if (Key == '\r') OpenEntryDialog(4);
}

// Each dialog reads the selected row of its grid itself when it is shown.
void TMainForm::OpenEntryDialog(int grid) {
    TForm* dialog = grid == 1   ? static_cast<TForm*>(Memory)
                    : grid == 2 ? static_cast<TForm*>(VFO)
                    : grid == 3 ? static_cast<TForm*>(CALL)
                                : static_cast<TForm*>(DTMF);
    if (dialog) dialog->ShowModal();
}

void TMainForm::StringGrid1MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int, int Y) {
    SelectRowUnderPointer(StringGrid1, Button, Shift, Y);
}
void TMainForm::StringGrid2MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int, int Y) {
    SelectRowUnderPointer(StringGrid2, Button, Shift, Y);
}
void TMainForm::StringGrid3MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int, int Y) {
    SelectRowUnderPointer(StringGrid3, Button, Shift, Y);
}
void TMainForm::StringGrid4MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int, int Y) {
    SelectRowUnderPointer(StringGrid4, Button, Shift, Y);
}
void TMainForm::StringGrid5MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int, int Y) {
    SelectRowUnderPointer(StringGrid5, Button, Shift, Y);
}

void TMainForm::UpdateStatusBar() {
    AnsiString panel[4];
    if (ActiveGrid == 4) {
        AnsiString name = GetRecordField(selDtmf, DtmfGridInUse()->Row() - 1, 2);
        if (!name.empty()) panel[0] = "Name : " + name;
    } else if (ActiveGrid >= 1 && ActiveGrid <= 3) {
        int slot = ActiveGrid == 1   ? StringGrid1->Row() - 1
                   : ActiveGrid == 2 ? VfoRowSlot(StringGrid2->Row())
                                     : StringGrid3->Row() - 1;
        auto field = [&](int k) { return GetRecordField(ActiveGrid, slot, k); };
        AnsiString shift = field(3), tx = field(14);
        if (LongerThanOne(tx)) {
            panel[0] = "Tx Frequency : " + FrequencyText(tx) + "MHz";
        } else if (shift != "0" && shift != "3") {
            AnsiString offset = field(11);
            if (LongerThanOne(offset)) panel[0] = "Offset : " + OffsetText(offset) + "MHz";
        }
        if (shift == "1")
            panel[1] = "+";
        else if (shift == "2")
            panel[1] = "-";
        else if (shift == "3")
            panel[1] = "-7.6";
        else if (LongerThanOne(tx))
            panel[1] = "+-";
        if (panel[1] != "+-" && field(4) == "1") panel[1] += " R";
        if (field(6) == "1")
            panel[2] = "CT : " + ToneCodeText(field(10));
        else if (field(5) == "1")
            panel[2] = "T : " + ToneCodeText(field(8));
        if (ActiveGrid == 2) {
            auto edge = [&](int k) {
                AnsiString e = GetRecordField(selProgramVfo, slot, k);
                return e.size() > 2 ? e.substr(2) : AnsiString();
            };
            panel[3] = "Programmable VFO : " + edge(1) + "-" + edge(2);
        }
    }
    for (int i = 0; i < 4; ++i)
        StatusBar1->SetPanelText(i, panel[i]);
}
