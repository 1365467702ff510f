// Do-nothing definitions of the main window's handlers whose behaviour has not been built
// yet. Each block names the file that will define them; that file replaces its block.
#include "editor/MainForm.h"
#include <istream>
#include <ostream>

// --- MainFormFile.cpp ---
void TMainForm::New1Click(TObject*) {}
void TMainForm::Open1Click(TObject*) {}
void TMainForm::Save1Click(TObject*) {}
void TMainForm::Save2Click(TObject*) {}
void TMainForm::ReadDocumentFile(std::istream&) {}
void TMainForm::WriteDocumentFile(std::ostream&) {}
void TMainForm::OpenCommandLineDocument() {}

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

// --- RadioMenuPage.cpp ---
void TMainForm::RadioGroup9Click(TObject*) {}
void TMainForm::CheckBox16Click(TObject*) {}
void TMainForm::CheckBox17Click(TObject*) {}
void TMainForm::CheckBox14Click(TObject*) {}
void TMainForm::CheckBox15Click(TObject*) {}
void TMainForm::CheckBox12Click(TObject*) {}
void TMainForm::CheckBox11Click(TObject*) {}
void TMainForm::CheckBox13Click(TObject*) {}
void TMainForm::CheckBox21Click(TObject*) {}
void TMainForm::RadioGroup2Click(TObject*) {}
void TMainForm::CheckBox1Click(TObject*) {}
void TMainForm::ComboBox4Change(TObject*) {}
void TMainForm::RadioGroup3Click(TObject*) {}
void TMainForm::RadioGroup4Click(TObject*) {}
void TMainForm::CheckBox18Click(TObject*) {}
void TMainForm::Edit3Change(TObject*) {}
void TMainForm::Edit3KeyPress(TObject*, char&) {}
void TMainForm::ComboBox1Change(TObject*) {}
void TMainForm::RadioGroup1Click(TObject*) {}
void TMainForm::ComboBox2Change(TObject*) {}
void TMainForm::ComboBox3Change(TObject*) {}
void TMainForm::RadioGroup5Click(TObject*) {}
void TMainForm::RadioGroup10Click(TObject*) {}
void TMainForm::CheckBox4Click(TObject*) {}
void TMainForm::CheckBox5Click(TObject*) {}
void TMainForm::CheckBox2Click(TObject*) {}
void TMainForm::CheckBox20Click(TObject*) {}
void TMainForm::CheckBox6Click(TObject*) {}
void TMainForm::CheckBox7Click(TObject*) {}
void TMainForm::Edit2Change(TObject*) {}
void TMainForm::PageControl1Change(TObject*) {}

// --- AprsPage.cpp ---
void TMainForm::Edit4Change(TObject*) {}
void TMainForm::Edit4KeyPress(TObject*, char&) {}
void TMainForm::Edit4KeyDown(TObject*, uint16_t&, TShiftState) {}
void TMainForm::Edit5Change(TObject*) {}
void TMainForm::Edit5KeyPress(TObject*, char&) {}
void TMainForm::ComboBox5Change(TObject*) {}
void TMainForm::RadioButton9Click(TObject*) {}
void TMainForm::RadioButton10Click(TObject*) {}
void TMainForm::RadioButton11Click(TObject*) {}
void TMainForm::RadioButton12Click(TObject*) {}
void TMainForm::RadioButton13Click(TObject*) {}
void TMainForm::MaskEdit1Change(TObject*) {}
void TMainForm::MaskEdit2Change(TObject*) {}
void TMainForm::MaskEdit3Change(TObject*) {}
void TMainForm::MaskEdit4Change(TObject*) {}
void TMainForm::MaskEdit5Change(TObject*) {}
void TMainForm::MaskEdit6Change(TObject*) {}
void TMainForm::MaskEdit7Change(TObject*) {}
void TMainForm::MaskEdit8Change(TObject*) {}
void TMainForm::MaskEdit9Change(TObject*) {}
void TMainForm::MaskEdit10Change(TObject*) {}
void TMainForm::MaskEdit1KeyPress(TObject*, char&) {}
void TMainForm::RadioButton5Click(TObject*) {}
void TMainForm::UpDown1Click(TObject*, TUDBtnType) {}
void TMainForm::ComboBox7Change(TObject*) {}
void TMainForm::ComboBox6Change(TObject*) {}
void TMainForm::CheckBox10Click(TObject*) {}
void TMainForm::MaskEdit11Change(TObject*) {}
void TMainForm::RadioButton14Click(TObject*) {}
void TMainForm::RadioButton15Click(TObject*) {}
void TMainForm::RadioButton16Click(TObject*) {}
void TMainForm::CheckBox8Click(TObject*) {}
void TMainForm::MaskEdit12Change(TObject*) {}
void TMainForm::ComboBox8Change(TObject*) {}
void TMainForm::Edit13Change(TObject*) {}
void TMainForm::ComboBox13Change(TObject*) {}
void TMainForm::Edit7Change(TObject*) {}
void TMainForm::Edit7KeyPress(TObject*, char&) {}
AnsiString TMainForm::CallSsidCheck(TEdit*, TLastValid, bool) {
    return {};
}
AnsiString TMainForm::PacketPathCheck() {
    return {};
}
void TMainForm::ShowStationIcon() {}
void TMainForm::StoreStationIcon() {}
void TMainForm::FillSymbolTableList() {}
void TMainForm::BuildPositionItem() {}

// --- SstvPage.cpp ---
void TMainForm::Edit14Change(TObject*) {}
void TMainForm::Edit15Change(TObject*) {}
void TMainForm::Edit16Change(TObject*) {}
void TMainForm::Edit14KeyPress(TObject*, char&) {}
void TMainForm::ComboBox9Change(TObject*) {}
void TMainForm::ComboBox10Change(TObject*) {}
void TMainForm::ComboBox11Change(TObject*) {}
void TMainForm::Edit17Change(TObject*) {}
void TMainForm::Edit18Change(TObject*) {}
void TMainForm::ComboBox12Change(TObject*) {}
