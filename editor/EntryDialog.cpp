#include "editor/EntryDialog.h"
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/ToneTable.h"
#include <algorithm>

void ShowEntryInfo(const AnsiString& text) {
    Application->MessageBox(text, Application->Title, MB_OK | MB_ICONINFORMATION);
}

std::vector<AnsiString> StepListItems() {
    return {"5kHz",  "6.25kHz", "10kHz", "12.5kHz", "15kHz",
            "20kHz", "25kHz",   "30kHz", "50kHz",   "100kHz"};
}

int StepCodeOfField(const AnsiString& field, int fallback) {
    if (field.size() != 1 || field[0] < '0' || field[0] > '9') return fallback;
    return field[0] - '0';
}

AnsiString DigitText(int value) {
    return std::to_string(value);
}

int LeadingNumber(const AnsiString& text) {
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || v > 99999) break;
        v = v * 10 + (c - '0');
    }
    return v;
}

int ToneListIndexOfCode(const AnsiString& code) {
    int c = code.empty() ? 9 : LeadingNumber(code);
    if (c < 1 || c > 39) c = 1;
    return c <= 2 ? c - 1 : c - 2;
}

AnsiString ToneCodeOfListIndex(int index) {
    int code = index <= 0 ? 1 : index + 2;
    if (code > 39) code = 39;
    return (code < 10 ? "0" : "") + std::to_string(code);
}

void TonePanel::Load(const std::function<AnsiString(int)>& field) const {
    Tone->SetChecked(field(5) == "1");
    Ctcss->SetChecked(field(6) == "1");
    if (Ctcss->Checked()) Tone->SetChecked(false);
    ToneList->SetItemIndex(ToneListIndexOfCode(field(8)));
    CtcssList->SetItemIndex(ToneListIndexOfCode(field(10)));
}

AnsiString TonePanel::RecordFields() const {
    return AnsiString(Tone->Checked() ? "1" : "0") + "," + (Ctcss->Checked() ? "1" : "0") + ",," +
           ToneCodeOfListIndex(ToneList->ItemIndex()) + ",," +
           ToneCodeOfListIndex(CtcssList->ItemIndex());
}

void ClearOtherWhenChecked(TCheckBox* clicked, TCheckBox* other) {
    if (clicked->Checked()) other->SetChecked(false);
}

bool FilterFrequencyKey(char& key) {
    if (key == '\r') {
        key = 0;
        return true;
    }
    if ((key < '0' || key > '9') && key != '.' && key != '\b') key = 0;
    return false;
}

namespace {
bool NameByteAllowed(char region, unsigned char c) {
    if (c >= 0x20 && c <= 0x7E) return true;
    if (region == '0') return c >= 0xA1 && c <= 0xDF;
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x9A:
    case 0x9C:
    case 0x9F:
    case 0xFF:
        return true;
    default:
        return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDD) || (c >= 0xDF && c <= 0xF6) ||
               (c >= 0xF8 && c <= 0xFD);
    }
}
} // namespace

void FilterNameKey(char region, bool passEscape, char& key) {
    if (key == '\b' || key == '\r') return;
    if (key == 27) {
        if (!passEscape) key = 0;
        return;
    }
    if (NameByteAllowed(region, static_cast<unsigned char>(key))) return;
    key = 0;
    ShowEntryInfo(EntryText::InvalidCharacter);
}

void SetNameFont(TFont& font, char region) {
    if (region == '0') {
        font.SetName(MainFormText::JapaneseFont);
        font.SetCharset(128);
    } else {
        font.SetName(MainFormText::WesternFont);
        font.SetCharset(0);
    }
}

int NavigationTarget(uint16_t key, int current, int last) {
    switch (key) {
    case VK_PRIOR:
        return current >= last ? 0 : current + 1;
    case VK_NEXT:
        return current <= 0 ? last : current - 1;
    case VK_HOME:
        return 0;
    case VK_END:
        return last;
    default:
        return -1;
    }
}

bool ResolvePendingChange(bool contentsChanged, const std::function<bool()>& store) {
    if (!contentsChanged) return true;
    int answer = Application->MessageBox(EntryText::ChangedMove, Application->Title,
                                         MB_YESNO | MB_ICONQUESTION);
    return answer != IDYES || store();
}

void CloseAsking(TForm* form, bool& contentsChanged, const std::function<bool()>& store) {
    if (contentsChanged &&
        Application->MessageBox(EntryText::ChangedClose, Application->Title,
                                MB_YESNO | MB_ICONQUESTION) == IDYES &&
        !store())
        return;
    contentsChanged = false;
    form->Close();
}

AnsiString RadioTypeField(int k) {
    return MainForm->GetRecordField(selRadioType, 0, k);
}

bool Minus76Offered() {
    AnsiString region = RadioTypeField(1);
    return !region.empty() && region[0] == '3' && RadioTypeField(2) != "05";
}

// ---- TEntryDialog

TEntryDialog::TEntryDialog(TComponent* owner, const AnsiString& caption, int top, int shiftTop,
                           int groupHeight)
    : TForm(owner) {
    SetCaption(caption);
    SetBorderStyle(bsDialog);
    SetCloseBox(false);
    Position = poMainFormCenter;

    GroupBox1 = PlaceCaptioned<TGroupBox>(this, this, 8, top, 414, groupHeight, "Frequency");
    Label1 = PlaceLabel(this, GroupBox1, 12, 24, "Rx Frequency", 90);
    Edit1 = PlaceEdit(this, GroupBox1, 104, 20, 84, 9);
    Label2 = PlaceLabel(this, GroupBox1, 192, 24, "MHz", 30);
    Label3 = PlaceLabel(this, GroupBox1, 236, 24, "Step", 34);
    ComboBox3 = PlaceList(this, GroupBox1, 274, 20, 90, StepListItems());
    const char* shifts[] = {"Simplex", "Plus Shift", "Minus Shift", "-7.6MHz Shift"};
    TRadioButton** buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton5};
    for (int k = 0; k < 4; ++k)
        *buttons[k] = PlaceCaptioned<TRadioButton>(this, GroupBox1, 12, shiftTop + 22 * k, 120, 20,
                                                   shifts[k]);
    Label7 = PlaceLabel(this, GroupBox1, 150, 56, "Offset", 90);
    Edit2 = PlaceEdit(this, GroupBox1, 244, 52, 60, 5);
    Label8 = PlaceLabel(this, GroupBox1, 308, 56, "MHz", 30);
    CheckBox4 = PlaceCaptioned<TCheckBox>(this, GroupBox1, 150, 114, 100, 20, "Reverse");

    GroupBox2 =
        PlaceCaptioned<TGroupBox>(this, this, 8, top + groupHeight + 8, 414, 84, "Tone/CTCSS");
    CheckBox1 = PlaceCaptioned<TCheckBox>(this, GroupBox2, 12, 22, 80, 20, "Tone");
    CheckBox2 = PlaceCaptioned<TCheckBox>(this, GroupBox2, 12, 50, 80, 20, "CTCSS");
    Label9 = PlaceLabel(this, GroupBox2, 110, 24, "Tone Frequency", 116);
    ComboBox1 = PlaceList(this, GroupBox2, 230, 20, 90, ToneList38());
    Label10 = PlaceLabel(this, GroupBox2, 110, 52, "CTCSS Frequency", 116);
    ComboBox2 = PlaceList(this, GroupBox2, 230, 48, 90, ToneList38());

    Button2 = PlaceCaptioned<TButton>(this, this, 250, 0, 80, 26, "&OK");
    Button1 = PlaceCaptioned<TButton>(this, this, 340, 0, 80, 26, "&Close");

    SetTabOrders({Edit1, ComboBox3, RadioButton1, RadioButton2, RadioButton3, RadioButton5, Edit2,
                  CheckBox4});
    SetTabOrders({CheckBox1, CheckBox2, ComboBox1, ComboBox2});
}

void TEntryDialog::WireEntryEvents(std::initializer_list<TControl*> own) {
    auto keyDown = [this](TObject* s, uint16_t& k, TShiftState sh) { Edit1KeyDown(s, k, sh); };
    auto changed = [this](TObject* s) { ComboBox1Change(s); };
    OnKeyDown = keyDown;
    for (TControl* c : {static_cast<TControl*>(Edit1), static_cast<TControl*>(ComboBox3),
                        static_cast<TControl*>(RadioButton1), static_cast<TControl*>(RadioButton2),
                        static_cast<TControl*>(RadioButton3), static_cast<TControl*>(RadioButton5),
                        static_cast<TControl*>(Edit2), static_cast<TControl*>(CheckBox4),
                        static_cast<TControl*>(CheckBox1), static_cast<TControl*>(CheckBox2),
                        static_cast<TControl*>(ComboBox1), static_cast<TControl*>(ComboBox2),
                        static_cast<TControl*>(Button1), static_cast<TControl*>(Button2)})
        c->OnKeyDown = keyDown;
    for (TControl* c : own)
        c->OnKeyDown = keyDown;
    Edit1->OnChange = [this](TObject* s) { Edit1Change(s); };
    Edit2->OnChange = [this](TObject* s) { Edit1Change(s); };
    ComboBox1->OnChange = changed;
    ComboBox2->OnChange = changed;
    ComboBox3->OnChange = changed;
    CheckBox4->OnClick = changed;
    if (CheckBox5) CheckBox5->OnClick = changed;
    CheckBox1->OnClick = [this](TObject* s) { CheckBox1Click(s); };
    CheckBox2->OnClick = [this](TObject* s) { CheckBox2Click(s); };
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    OnCloseRequest = [this](TObject* s) { Button1Click(s); };
}

void TEntryDialog::Button2Click(TObject*) {
    if (Store()) Close();
}

void TEntryDialog::Button1Click(TObject*) {
    CloseAsking(this, ContentsChanged, [this] { return Store(); });
}

void TEntryDialog::Edit1KeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_ESCAPE) {
        Key = 0;
        Button1Click(this);
        return;
    }
    int target = NavigationTarget(Key, CurrentRecord(), LastRecord());
    if (target < 0) return;
    Key = 0; // lists and edits never see the navigation keys
    MoveTo(target);
}

void TEntryDialog::Edit1Change(TObject*) {
    ContentsChanged = true;
}
void TEntryDialog::ComboBox1Change(TObject*) {
    ContentsChanged = true;
}

void TEntryDialog::CheckBox1Click(TObject*) {
    ContentsChanged = true;
    ClearOtherWhenChecked(CheckBox1, CheckBox2);
}

void TEntryDialog::CheckBox2Click(TObject*) {
    ContentsChanged = true;
    ClearOtherWhenChecked(CheckBox2, CheckBox1);
}

bool TEntryDialog::SelectShift(const AnsiString& code) {
    TRadioButton* b = code == "1"   ? RadioButton2
                      : code == "2" ? RadioButton3
                      : code == "3" ? RadioButton5
                                    : nullptr;
    if (b) b->SetChecked(true);
    return b != nullptr;
}

AnsiString TEntryDialog::ShiftCode() const {
    if (RadioButton2->Checked()) return "1";
    if (RadioButton3->Checked()) return "2";
    if (RadioButton5->Checked()) return "3";
    return "0";
}

int TEntryDialog::SelectedStep() const {
    return std::max(0, ComboBox3->ItemIndex());
}

void TEntryDialog::ShowAmForBand(int band, bool checked) {
    CheckBox5->SetVisible(band == 0);
    CheckBox5->SetChecked(band == 0 && checked);
}

AnsiString TEntryDialog::AmField(int band) const {
    if (band != 0) return {};
    return CheckBox5->Checked() ? "1" : "0";
}
