// The "Radio menu" page: each control stores its radio-menu item the moment it changes; the
// comment edit; and the page switch, which turns the editing commands on or off.
#include "editor/MainForm.h"
#include "editor/PageTextChecks.h"

namespace {
void StoreItem(TMainForm& f, int item, const AnsiString& text) {
    f.SetRadioMenuItem(item, text);
    f.ModifiedFlag = 1;
}

void StoreCheck(TMainForm& f, int item, const TCheckBox* box) {
    StoreItem(f, item, box->Checked() ? "1" : "0");
}

// A two-item group stores "1" for its second item only.
void StoreSecondItem(TMainForm& f, int item, const TRadioGroup* group) {
    StoreItem(f, item, group->ItemIndex() == 1 ? "1" : "0");
}

// A group or list stores its index for the items first..last and "0" for anything else.
void StoreIndex(TMainForm& f, int item, int index, int last) {
    StoreItem(f, item, index >= 1 && index <= last ? std::to_string(index) : "0");
}
} // namespace

void TMainForm::RadioGroup9Click(TObject*) {
    StoreSecondItem(*this, 0, RadioGroup9);
}
void TMainForm::CheckBox16Click(TObject*) {
    StoreCheck(*this, 1, CheckBox16);
}
void TMainForm::CheckBox17Click(TObject*) {
    StoreCheck(*this, 2, CheckBox17);
}
void TMainForm::CheckBox14Click(TObject*) {
    StoreCheck(*this, 3, CheckBox14);
}
void TMainForm::CheckBox15Click(TObject*) {
    StoreCheck(*this, 4, CheckBox15);
}
void TMainForm::CheckBox12Click(TObject*) {
    StoreCheck(*this, 5, CheckBox12);
}
void TMainForm::CheckBox11Click(TObject*) {
    StoreCheck(*this, 6, CheckBox11);
}
void TMainForm::CheckBox13Click(TObject*) {
    StoreCheck(*this, 7, CheckBox13);
}
void TMainForm::CheckBox21Click(TObject*) {
    StoreCheck(*this, 8, CheckBox21);
}
void TMainForm::RadioGroup2Click(TObject*) {
    StoreSecondItem(*this, 9, RadioGroup2);
}
void TMainForm::CheckBox1Click(TObject*) {
    StoreCheck(*this, 10, CheckBox1);
}
void TMainForm::ComboBox4Change(TObject*) {
    StoreIndex(*this, 11, ComboBox4->ItemIndex(), 6);
}
void TMainForm::RadioGroup3Click(TObject*) {
    StoreSecondItem(*this, 12, RadioGroup3);
}
void TMainForm::RadioGroup4Click(TObject*) {
    StoreSecondItem(*this, 13, RadioGroup4);
}
void TMainForm::CheckBox18Click(TObject*) {
    StoreCheck(*this, 14, CheckBox18);
}

// Pasted or refreshed text is stored as it stands; only typed keys are filtered.
void TMainForm::Edit3Change(TObject*) {
    StoreItem(*this, 15, Edit3->Text());
}

void TMainForm::Edit3KeyPress(TObject*, char& Key) {
    if (AcceptPowerOnMessageByte(static_cast<unsigned char>(Key), RegionDigit())) return;
    ShowPageRefusal(PageText::InvalidCharacter);
    Key = 0;
}

// Contrast "1".."16" is stored as two digits.
void TMainForm::ComboBox1Change(TObject*) {
    const int index = ComboBox1->ItemIndex();
    if (index < 0) return;
    StoreItem(*this, 16, ZeroPadded(index + 1, 2));
}

void TMainForm::RadioGroup1Click(TObject*) {
    StoreSecondItem(*this, 17, RadioGroup1);
}
void TMainForm::ComboBox2Change(TObject*) {
    StoreIndex(*this, 18, ComboBox2->ItemIndex(), 9);
}
void TMainForm::ComboBox3Change(TObject*) {
    StoreIndex(*this, 19, ComboBox3->ItemIndex(), 2);
}
void TMainForm::RadioGroup5Click(TObject*) {
    StoreIndex(*this, 20, RadioGroup5->ItemIndex(), 2);
}
void TMainForm::RadioGroup10Click(TObject*) {
    StoreIndex(*this, 21, RadioGroup10->ItemIndex(), 3);
}
void TMainForm::CheckBox4Click(TObject*) {
    StoreCheck(*this, 22, CheckBox4);
}
void TMainForm::CheckBox5Click(TObject*) {
    StoreCheck(*this, 23, CheckBox5);
}
void TMainForm::CheckBox2Click(TObject*) {
    StoreCheck(*this, 24, CheckBox2);
}
void TMainForm::CheckBox20Click(TObject*) {
    StoreCheck(*this, 25, CheckBox20);
}
void TMainForm::CheckBox6Click(TObject*) {
    StoreCheck(*this, 26, CheckBox6);
}
void TMainForm::CheckBox7Click(TObject*) {
    StoreCheck(*this, 27, CheckBox7);
}

// The comment lives in the edit itself; the document file and the printout read it there.
void TMainForm::Edit2Change(TObject*) {
    ModifiedFlag = 1;
}

void TMainForm::PageControl1Change(TObject*) {
    const bool memoryPage = PageControl1->ActivePage() == TabSheet1;
    Edit1->SetEnabled(memoryPage);
    SpeedButton1->SetEnabled(memoryPage);
    SpeedButton2->SetEnabled(memoryPage);
    if (memoryPage) {
        UpdatePasteAvailability();
        UpdateStatusBar();
        return;
    }
    SpeedButton3->SetEnabled(false);
    for (int i = 0; i < StatusBar1->PanelCount(); ++i)
        StatusBar1->SetPanelText(i, "");
}
