// Do-nothing definitions of the main window's handlers whose behaviour has not been built
// yet. Each block names the file that will define them; that file replaces its block.
#include "editor/MainForm.h"
#include <istream>
#include <ostream>

// --- Clipboard.cpp ---
void TMainForm::Cut1Click(TObject*) {}
void TMainForm::Copy1Click(TObject*) {}
void TMainForm::Paste1Click(TObject*) {}
void TMainForm::Delete1Click(TObject*) {}
void TMainForm::UpdatePasteAvailability() {}

// --- Printing.cpp ---
void TMainForm::Print1Click(TObject*) {}

// --- SortDialog.cpp ---
void TMainForm::MemorySort1Click(TObject*) {}

// --- MemoryGrids.cpp ---
void TMainForm::StringGrid1Enter(TObject*) {}
void TMainForm::StringGrid2Enter(TObject*) {}
void TMainForm::StringGrid3Enter(TObject*) {}
void TMainForm::StringGrid4Enter(TObject*) {}
void TMainForm::StringGrid2Click(TObject*) {}
void TMainForm::StringGrid1DblClick(TObject*) {}
void TMainForm::StringGrid2DblClick(TObject*) {}
void TMainForm::StringGrid3DblClick(TObject*) {}
void TMainForm::StringGrid4DblClick(TObject*) {}
void TMainForm::StringGrid1KeyPress(TObject*, char&) {}
void TMainForm::StringGrid2KeyPress(TObject*, char&) {}
void TMainForm::StringGrid3KeyPress(TObject*, char&) {}
void TMainForm::StringGrid4KeyPress(TObject*, char&) {}
void TMainForm::StringGrid1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TMainForm::StringGrid2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TMainForm::StringGrid3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TMainForm::StringGrid4MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TMainForm::StringGrid5MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TMainForm::UpdateStatusBar() {}

// --- Refresh.cpp ---
void TMainForm::RefreshAllControls() {}
