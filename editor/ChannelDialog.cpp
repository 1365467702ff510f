#include "editor/ChannelDialog.h"
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/model/DisplayText.h"
#include "editor/model/TextChecks.h"

namespace {
AnsiString MhzText(const AnsiString& hzDigits) {
    AnsiString t = hzDigits;
    HzDigitsToMhzText(t);
    return t;
}
AnsiString OffsetText(const AnsiString& digits) {
    AnsiString t = digits;
    OffsetDigitsToMhzText(t);
    return t;
}
} // namespace

TChannelDialog::TChannelDialog(TComponent* owner, const AnsiString& caption, int top)
    : TEntryDialog(owner, caption, top, 74, 170) {
    RadioButton4 = PlaceCaptioned<TRadioButton>(this, GroupBox1, 12, 52, 120, 20, "Split Channel");
    Label4 = PlaceLabel(this, GroupBox1, 150, 56, "Tx Frequency", 90);
    Edit3 = PlaceEdit(this, GroupBox1, 244, 52, 84, 9);
    Label5 = PlaceLabel(this, GroupBox1, 332, 56, "MHz", 30);
    Label6 = PlaceLabel(this, GroupBox1, 150, 86, "Step", 90);
    ComboBox4 = PlaceList(this, GroupBox1, 244, 82, 90, StepListItems());
    SetTabOrders({Edit1, ComboBox3, RadioButton4, RadioButton1, RadioButton2, RadioButton3,
                  RadioButton5, Edit3, ComboBox4, Edit2, CheckBox4});
    SetSplitLayout(true); // the stored form shows the split layout
}

void TChannelDialog::WireChannelEvents(std::initializer_list<TControl*> own) {
    WireEntryEvents(own);
    for (TControl* c : {static_cast<TControl*>(RadioButton4), static_cast<TControl*>(Edit3),
                        static_cast<TControl*>(ComboBox4)})
        c->OnKeyDown = Edit1->OnKeyDown;
    auto keyPress = [this](TObject* s, char& k) { Edit1KeyPress(s, k); };
    Edit1->OnKeyPress = keyPress;
    Edit2->OnKeyPress = keyPress;
    Edit3->OnKeyPress = keyPress;
    Edit3->OnChange = Edit1->OnChange;
    ComboBox4->OnChange = ComboBox1->OnChange;
    RadioButton4->OnClick = [this](TObject* s) { RadioButton4Click(s); };
    auto offsetLayout = [this](TObject* s) { RadioButton1Click(s); };
    for (TRadioButton* b : {RadioButton1, RadioButton2, RadioButton3, RadioButton5})
        b->OnClick = offsetLayout;
}

void TChannelDialog::Edit1KeyPress(TObject*, char& Key) {
    if (FilterFrequencyKey(Key)) ApplyEntries();
}

void TChannelDialog::RadioButton4Click(TObject*) {
    ContentsChanged = true;
    SetSplitLayout(true);
}

void TChannelDialog::RadioButton1Click(TObject*) {
    ContentsChanged = true;
    SetSplitLayout(false);
}

void TChannelDialog::SetSplitLayout(bool split) {
    for (TControl* c : {static_cast<TControl*>(Edit3), static_cast<TControl*>(ComboBox4),
                        static_cast<TControl*>(Label4), static_cast<TControl*>(Label5),
                        static_cast<TControl*>(Label6)})
        c->SetVisible(split);
    for (TControl* c : {static_cast<TControl*>(Edit2), static_cast<TControl*>(Label7),
                        static_cast<TControl*>(Label8)})
        c->SetVisible(!split);
    if (split) CheckBox4->SetChecked(false);
    CheckBox4->SetEnabled(!split);
}

void TChannelDialog::LoadPanel(int selector, int slot, const AnsiString& defaultRx,
                               int defaultStep) {
    auto field = [&](int k) { return MainForm->GetRecordField(selector, slot, k); };
    AnsiString rx = field(1).empty() ? defaultRx : MhzText(field(1));
    Edit1->SetText(rx);
    ComboBox3->SetItemIndex(StepCodeOfField(field(2), defaultStep));

    AnsiString tx = field(14);
    if (SelectShift(field(3))) {
        SetSplitLayout(false);
        Edit3->SetText(rx);
    } else if (!tx.empty()) {
        RadioButton4->SetChecked(true);
        SetSplitLayout(true);
        Edit3->SetText(MhzText(tx));
        ComboBox4->SetItemIndex(StepCodeOfField(field(15), ComboBox3->ItemIndex()));
    } else {
        RadioButton1->SetChecked(true);
        SetSplitLayout(false);
        Edit3->SetText(rx);
        ComboBox4->SetItemIndex(ComboBox3->ItemIndex());
    }

    Edit2->SetText(field(11).empty() ? DefaultOffset(rx) : OffsetText(field(11)));

    RadioButton5->SetVisible(Minus76Offered());
    if (Minus76Offered()) RadioButton5->SetEnabled(Minus76EnabledOnLoad());

    if (!tx.empty()) {
        CheckBox4->SetChecked(false);
        CheckBox4->SetEnabled(false);
    } else {
        CheckBox4->SetChecked(field(4) == "1");
    }
    Tones().Load(field);
    ShowAmForBand(BandOfFrequencyText(*MainForm, rx), field(13) == "1");
}

bool TChannelDialog::ReadEntries(Entries& e) const {
    e.Rx = Edit1->Text();
    e.Tx = Edit3->Text();
    e.Offset = Edit2->Text();
    // Without Split the hidden Tx text only mirrors Rx and is not stored, so it is not checked.
    if (!NormalizeFrequencyText(e.Rx) ||
        (RadioButton4->Checked() && !NormalizeFrequencyText(e.Tx))) {
        ShowEntryInfo(EntryText::InvalidFrequency);
        return false;
    }
    if (!NormalizeOffsetText(e.Offset)) {
        ShowEntryInfo(EntryText::InvalidOffset);
        return false;
    }
    return true;
}

int TChannelDialog::TxBand(int rxBand, const AnsiString& txDigits) const {
    int t = BandOfFrequencyText(*MainForm, txDigits);
    if (rxBand == 0 || rxBand == 1) return t == 0 ? 0 : 1;
    if (t == 0 || t == 1) return RadioTypeField(5).substr(0, 1) == "1" ? 3 : 4;
    return t;
}

void TChannelDialog::RoundEntries(Entries& e) {
    e.Band = RxBand(e.Rx);
    int step = SelectedStep();
    e.Rounded = RoundFrequencyToStep(*MainForm, e.Rx, e.Band, false, step);
    ComboBox3->SetItemIndex(step);
    if (!RadioButton4->Checked()) return;
    int txStep = std::max(0, ComboBox4->ItemIndex());
    if (RoundFrequencyToStep(*MainForm, e.Tx, TxBand(e.Band, e.Tx), false, txStep))
        e.Rounded = true;
    ComboBox4->SetItemIndex(txStep);
}

void TChannelDialog::ApplyEntries() {
    Entries e;
    if (!ReadEntries(e)) return;
    RoundEntries(e);
    Edit1->SetText(MhzText("00" + e.Rx));
    ApplyBandRules(e.Band);
    if (RadioButton4->Checked()) {
        Edit3->SetText(MhzText("00" + e.Tx));
    } else {
        Edit3->SetText(Edit1->Text());
        ComboBox4->SetItemIndex(ComboBox3->ItemIndex());
    }
    if (e.Rounded) ShowEntryInfo(EntryText::Rounded);
    Edit2->SetText(OffsetText("0" + e.Offset));
    ContentsChanged = true;
}

bool TChannelDialog::StoreRecord() {
    MainForm->ModifiedFlag = 1;
    Entries e;
    if (!ReadEntries(e)) return false;
    RoundEntries(e);
    bool split = RadioButton4->Checked();
    AnsiString record = RecordLabel() + ",00" + e.Rx + "," + DigitText(SelectedStep()) + "," +
                        (split ? AnsiString("0") : ShiftCode()) + "," +
                        (CheckBox4->Checked() ? "1" : "0") + "," + Tones().RecordFields() + ",0" +
                        e.Offset + "," + LockoutField() + "," + AmField(e.Band) + "," +
                        (split ? "00" + e.Tx : AnsiString()) + "," +
                        (split ? DigitText(std::max(0, ComboBox4->ItemIndex())) : AnsiString()) +
                        ",," + NameField();
    WriteRecord(record);
    MainForm->RefreshAllControls();
    Reload();
    if (e.Rounded) ShowEntryInfo(EntryText::Rounded);
    return true;
}
