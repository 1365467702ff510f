#include "editor/MemoryDialog.h"
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/model/TextChecks.h"
#include <algorithm>
#include <cctype>

TMemory* Memory = nullptr;

TMemory::TMemory(TComponent* Owner) : TChannelDialog(Owner, "Memory Channel", 44) {
    for (int j = 0; j < 10; ++j) {
        SlotNames[static_cast<size_t>(2 * j)] = "L" + std::to_string(j);
        SlotNames[static_cast<size_t>(2 * j + 1)] = "U" + std::to_string(j);
    }
    SlotNames[20] = "PR";
    if (MainForm) LastChannel = MainForm->LastChannel;

    Label11 = PlaceLabel(this, this, 16, 16, "Memory Channel Number", 160);
    Edit6 = PlaceEdit(this, this, 180, 12, 44, 3);
    UpDown1 = Place<TUpDown>(this, this, 224, 12, 17, 22);
    UpDown1->SetMin(0);
    UpDown1->SetMax(LastChannel + 20);
    UpDown1->Wrap = true;

    GroupBox3 = PlaceCaptioned<TGroupBox>(this, this, 8, 314, 414, 60, "Option");
    Label12 = PlaceLabel(this, GroupBox3, 12, 26, "Memory Name", 90);
    Edit5 = PlaceEdit(this, GroupBox3, 104, 22, 96, 8);
    CheckBox3 = PlaceCaptioned<TCheckBox>(this, GroupBox3, 216, 24, 84, 20, "Lock Out");
    CheckBox5 = PlaceCaptioned<TCheckBox>(this, GroupBox3, 310, 24, 90, 20, "AM Mode");
    Button2->SetTop(384);
    Button1->SetTop(384);
    SetClientSize(430, 420);

    WireChannelEvents({Edit6, UpDown1, Edit5, CheckBox3, CheckBox5});
    CheckBox3->OnClick = ComboBox1->OnChange;
    Edit5->OnChange = Edit1->OnChange;
    Edit5->OnKeyPress = [this](TObject* s, char& k) { Edit5KeyPress(s, k); };
    Edit6->OnKeyPress = [this](TObject* s, char& k) { Edit6KeyPress(s, k); };
    Edit6->OnChange = [this](TObject* s) { Edit6Change(s); };
    UpDown1->OnChanging = [this](TObject* s, bool& allow) { UpDown1Changing(s, allow); };
    UpDown1->OnClickButton = [this](TObject* s, TUDBtnType b) { UpDown1Click(s, b); };
    UpDown1->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        UpDown1MouseDown(s, b, sh, x, y);
    };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TMemory::FormShow(TObject*) {
    SetNameFont(Edit5->Font(), MainForm->RegionDigit());
    // The grids follow the radio type of each layout; the dialog keeps in step with them.
    LastChannel = MainForm->LastChannel;
    UpDown1->SetMax(LastChannel + 20);
    Edit1->SetFocus();
    LoadChannel(MainForm->StringGrid1->Row() - 1);
}

AnsiString TMemory::FieldLabel(int index) const {
    if (index <= LastChannel) return std::to_string(index);
    return SlotNames[static_cast<size_t>(std::min(index - LastChannel - 1, 20))];
}

AnsiString TMemory::RecordLabel() const {
    int i = UpDown1->Position();
    if (i > LastChannel) return FieldLabel(i);
    AnsiString digits = std::to_string(i);
    return AnsiString(3 - std::min<size_t>(3, digits.size()), '0') + digits;
}

void TMemory::ShowFieldLabel(int index) {
    IgnoreChannelFieldChange = true;
    Edit6->SetText(FieldLabel(index));
    IgnoreChannelFieldChange = false;
}

void TMemory::LoadChannel(int index) {
    index = std::clamp(index, 0, LastChannel + 20);
    UpDown1->SetPosition(index);
    ShowFieldLabel(index);
    LoadPanel(selMemory, index, MainForm->DefaultVhfFrequency(), MainForm->DefaultVhfStep());
    bool numbered = index <= LastChannel;
    CheckBox3->SetEnabled(numbered);
    CheckBox3->SetChecked(numbered && MainForm->GetRecordField(selMemory, index, 12) == "1");
    Edit5->SetText(MainForm->GetRecordField(selMemory, index, 17));
    ContentsChanged = false;
}

bool TMemory::StoreChannel() {
    return StoreRecord();
}

void TMemory::WriteRecord(const AnsiString& record) {
    MainForm->SetMemoryRecord(UpDown1->Position(), record);
}

AnsiString TMemory::LockoutField() const {
    return UpDown1->Position() <= LastChannel && CheckBox3->Checked() ? "1" : "0";
}

int TMemory::RxBand(const AnsiString& rxDigits) const {
    return BandOfFrequencyText(*MainForm, rxDigits);
}

AnsiString TMemory::DefaultOffset(const AnsiString& rx) const {
    switch (BandOfFrequencyText(*MainForm, rx)) {
    case 0:
    case 1:
        return "0.60";
    case 3:
    case 4:
    case 6:
        return "5.00";
    default:
        return {};
    }
}

bool TMemory::Minus76EnabledOnLoad() const {
    AnsiString tx = Edit3->Text();
    return !tx.empty() && tx[0] > '2';
}

void TMemory::ApplyBandRules(int band) {
    // Below 300 MHz the shift cannot apply; from 300 MHz up a stored -7.6 MHz shift stays, as
    // OK keeps it, even on a radio type that does not offer the choice.
    RadioButton5->SetEnabled(Minus76Offered() && band >= 3);
    if (band < 3 && RadioButton5->Checked()) RadioButton1->SetChecked(true);
    ShowAmForBand(band, CheckBox5->Checked());
}

void TMemory::MoveTo(int target) {
    if (!AskedToStore()) return;
    LoadChannel(target);
}

void TMemory::UpDown1Changing(TObject*, bool& AllowChange) {
    if (!ContentsChanged) return;
    ReleaseCaptureOnPress = true;
    AllowChange = AskedToStore();
}

void TMemory::UpDown1Click(TObject*, TUDBtnType) {
    LoadChannel(UpDown1->Position());
}

void TMemory::UpDown1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    if (!ReleaseCaptureOnPress) return;
    // A question box shown from an arrow press can leave the arrow holding the mouse.
    ReleaseMouseCapture();
    ReleaseCaptureOnPress = false;
}

void TMemory::Edit6KeyPress(TObject*, char& Key) {
    if ((Key >= '0' && Key <= '9') || Key == '\b') return;
    char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(Key)));
    Key = (upper == 'L' || upper == 'P' || upper == 'R' || upper == 'U') ? upper : 0;
}

int TMemory::SlotOfFieldText(const AnsiString& text) const {
    if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int v = LeadingNumber(text);
        if (v <= LastChannel) return v;
    }
    auto it = std::find(SlotNames.begin(), SlotNames.end(), text);
    if (it == SlotNames.end()) return -1;
    return LastChannel + 1 + static_cast<int>(it - SlotNames.begin());
}

void TMemory::Edit6Change(TObject*) {
    if (IgnoreChannelFieldChange) {
        IgnoreChannelFieldChange = false;
        return;
    }
    AnsiString text = Edit6->Text();
    if (text.empty()) return;
    int target = SlotOfFieldText(text);
    if (target < 0) {
        if (text != "L" && text != "U" && text != "P") ShowEntryInfo(EntryText::InvalidChannel);
        return;
    }
    if (!AskedToStore()) {
        ShowFieldLabel(UpDown1->Position());
        return;
    }
    // "PR" names the slot after U9; the up-down range holds it at U9.
    LoadChannel(std::min(target, LastChannel + 20));
}

void TMemory::Edit5KeyPress(TObject*, char& Key) {
    FilterNameKey(MainForm->RegionDigit(), MainForm->Variant.NameEditsTakeEscape, Key);
}
