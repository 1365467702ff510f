#include "editor/VfoDialog.h"
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/PageTextChecks.h"
#include "editor/model/DisplayText.h"
#include "editor/model/TextChecks.h"
#include <algorithm>

TVFO* VFO = nullptr;

namespace {
struct BandRow {
    const char* Label;
    const char* Digit;
};
// By band index; entry 4 is "440MHz" in region '2'.
constexpr BandRow Bands[] = {{"118MHz", "1"}, {"144MHz", "2"},  {"S144MHz", "3"}, {"300MHz", "5"},
                             {"430MHz", "6"}, {"S430MHz", "7"}, {"800MHz", "8"}};
constexpr int HighBand = 6;

AnsiString BandLabel(int band) {
    if (band == 4 && MainForm->RegionDigit() == '2') return "440MHz";
    return Bands[band].Label;
}

int BandOfLabel(const AnsiString& label) {
    if (label == "440MHz") return 4;
    for (int b = 0; b < HighBand; ++b)
        if (label == Bands[b].Label) return b;
    return HighBand;
}

// Output power field: "0"/"1" and anything unknown show High; the list stores "0", "2", "3".
int PowerIndexOfField(const AnsiString& f) {
    return f == "2" ? 1 : f == "3" ? 2 : 0;
}
const char* PowerFieldOfIndex(int i) {
    return i == 1 ? "2" : i == 2 ? "3" : "0";
}

// A programmable-VFO edge from an edit: five digits, or empty (no range) for no number.
AnsiString EdgeField(const AnsiString& text) {
    int v = LeadingNumber(text);
    if (v <= 0) return {};
    AnsiString digits = std::to_string(v);
    return AnsiString(5 - std::min<size_t>(5, digits.size()), '0') + digits;
}
} // namespace

TVFO::TVFO(TComponent* Owner) : TEntryDialog(Owner, "VFO", 44, 52, 148) {
    Label11 = PlaceLabel(this, this, 16, 16, "Band", 60);
    ComboBox5 = PlaceList(this, this, 80, 12, 100, {});
    CheckBox5 = PlaceCaptioned<TCheckBox>(this, GroupBox1, 150, 120, 90, 20, "AM Mode");
    CheckBox5->SetVisible(false);

    GroupBox3 = PlaceCaptioned<TGroupBox>(this, this, 8, 292, 250, 56, "Program VFO");
    Edit3 = PlaceEdit(this, GroupBox3, 12, 22, 50, 3);
    Label4 = PlaceLabel(this, GroupBox3, 68, 26, "-", 10);
    Edit4 = PlaceEdit(this, GroupBox3, 82, 22, 50, 3);
    Label5 = PlaceLabel(this, GroupBox3, 138, 26, "MHz", 30);
    if (!MainForm || MainForm->Variant.ProgramVfoEditsOwnFont) {
        for (TEdit* e : {Edit3, Edit4}) {
            e->Font().SetName("Times New Roman");
            e->Font().SetHeight(-12);
        }
    }
    Label6 = PlaceLabel(this, this, 270, 300, "Output Power", 100);
    ComboBox4 = PlaceList(this, this, 270, 320, 90, {"High", "Low", "EL"});
    Button2->SetTop(360);
    Button1->SetTop(360);
    SetClientSize(430, 396);
    SetTabOrders({ComboBox5, GroupBox1, GroupBox2, ComboBox4, GroupBox3, Button2, Button1});

    WireEntryEvents({ComboBox5, CheckBox5, Edit3, Edit4, ComboBox4});
    ComboBox4->OnChange = ComboBox1->OnChange;
    auto keyPress = [this](TObject* s, char& k) { Edit1KeyPress(s, k); };
    Edit1->OnKeyPress = keyPress;
    Edit2->OnKeyPress = keyPress;
    for (TRadioButton* b : {RadioButton1, RadioButton2, RadioButton3, RadioButton5})
        b->OnClick = [this](TObject* s) { RadioButton1Click(s); };
    ComboBox5->OnClick = [this](TObject* s) { ComboBox5Click(s); };
    ComboBox5->OnChange = [this](TObject* s) { ComboBox5Change(s); };
    Edit3->OnKeyPress = [this](TObject* s, char& k) { Edit3KeyPress(s, k); };
    Edit4->OnKeyPress = Edit3->OnKeyPress;
    Edit3->OnChange = [this](TObject* s) { Edit3Change(s); };
    Edit4->OnChange = [this](TObject* s) { Edit4Change(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TVFO::RebuildBandList() {
    auto flag = [](int k) { return RadioTypeField(k).substr(0, 1); };
    bands_.clear();
    if (flag(4) == "1") bands_.push_back(0);
    bands_.push_back(1);
    bands_.push_back(2);
    if (flag(5) == "1") bands_.push_back(3);
    bands_.push_back(4);
    if (MainForm->RegionDigit() == '0') bands_.push_back(5);
    if (flag(6) == "1" || flag(6) == "2") bands_.push_back(HighBand);
    std::vector<AnsiString> items;
    for (int b : bands_)
        items.push_back(BandLabel(b));
    ComboBox5->SetItems(items);
}

void TVFO::FormShow(TObject*) {
    RebuildBandList();
    TStringGrid* grid = MainForm->StringGrid2;
    BandIndex = BandOfLabel(grid->Cells(1, grid->Row()));
    auto it = std::find(bands_.begin(), bands_.end(), BandIndex);
    int position = static_cast<int>(it - bands_.begin());
    if (it == bands_.end()) { // a row the list does not know: take the list entry of the row
        position = std::clamp(grid->Row() - 1, 0, LastRecord());
        BandIndex = bands_[static_cast<size_t>(position)];
    }
    ComboBox5->SetItemIndex(position);
    Edit1->SetFocus();
    LoadVfo();
}

void TVFO::LoadVfo() {
    const int b = BandIndex;
    auto field = [b](int k) { return MainForm->GetRecordField(selVfo, b, k); };
    const bool vhf = b == 1 || b == 2, uhf = b == 4 || b == 5;
    AnsiString rx = field(1);
    if (rx.empty())
        rx = b == 0   ? AnsiString("118.000")
             : vhf    ? MainForm->DefaultVhfFrequency()
             : b == 3 ? AnsiString("340.000")
             : uhf    ? MainForm->DefaultUhfFrequency()
                      : MainForm->DefaultHighBandFrequency();
    else
        HzDigitsToMhzText(rx);
    Edit1->SetText(rx);
    int defaultStep = vhf ? MainForm->DefaultVhfStep() : uhf ? MainForm->DefaultUhfStep() : 3;
    ComboBox3->SetItemIndex(StepCodeOfField(field(2), defaultStep));
    if (!SelectShift(field(3))) RadioButton1->SetChecked(true);
    RadioButton5->SetVisible(Minus76Offered());
    RadioButton5->SetEnabled(b == 3 || b == 4 || b == HighBand);
    CheckBox4->SetChecked(field(4) == "1");
    Tones().Load(field);
    AnsiString offset = field(11);
    if (offset.empty())
        offset = b <= 2 ? "0.60" : "5.00";
    else
        OffsetDigitsToMhzText(offset);
    Edit2->SetText(offset);

    const bool power = b == 1 || b == 4;
    Label6->SetEnabled(power);
    ComboBox4->SetEnabled(power);
    ComboBox4->SetItemIndex(power ? PowerIndexOfField(field(16)) : 0);
    ShowAmForBand(b == 0 ? 0 : -1, field(13) == "1");
    Edit3->SetText(std::to_string(LeadingNumber(MainForm->GetRecordField(selProgramVfo, b, 1))));
    Edit4->SetText(std::to_string(LeadingNumber(MainForm->GetRecordField(selProgramVfo, b, 2))));

    // The 800 MHz band has no record slot: it is shown with its defaults but not editable.
    const bool storable = b < Slots::VfoCount;
    for (TControl* c : {static_cast<TControl*>(Edit1), static_cast<TControl*>(ComboBox3),
                        static_cast<TControl*>(RadioButton1), static_cast<TControl*>(RadioButton2),
                        static_cast<TControl*>(RadioButton3), static_cast<TControl*>(Edit2),
                        static_cast<TControl*>(CheckBox4), static_cast<TControl*>(CheckBox1),
                        static_cast<TControl*>(CheckBox2), static_cast<TControl*>(ComboBox1),
                        static_cast<TControl*>(ComboBox2), static_cast<TControl*>(Edit3),
                        static_cast<TControl*>(Edit4), static_cast<TControl*>(Button2)})
        c->SetEnabled(storable);
    if (!storable) RadioButton5->SetEnabled(false);
    ContentsChanged = false;
}

bool TVFO::BandLimits(int& lo, int& hi) const {
    AnsiString low = MainForm->GetRecordField(selBandLimit, BandIndex, 0);
    AnsiString high = MainForm->GetRecordField(selBandLimit, BandIndex, 1);
    if (low.empty() || high.empty()) return false;
    lo = LeadingNumber(low);
    hi = LeadingNumber(high);
    return true;
}

void TVFO::FillProgramVfoEdits() {
    auto limit = [this](int k) {
        return std::to_string(LeadingNumber(MainForm->GetRecordField(selBandLimit, BandIndex, k)));
    };
    if (Edit3->Text().size() < 3) Edit3->SetText(limit(0));
    if (Edit4->Text().size() < 3) Edit4->SetText(limit(1));
}

bool TVFO::StoreProgramVfo() {
    if (BandIndex >= Slots::VfoCount) return false;
    FillProgramVfoEdits();
    const AnsiString lower = EdgeField(Edit3->Text()), upper = EdgeField(Edit4->Text());
    // Without band limits to complete them the edges may still be half a range; the radio
    // would be sent a record with an empty edge.
    if (lower.empty() != upper.empty() || lower > upper) {
        ShowEntryInfo(PageText::InvalidData);
        return false;
    }
    MainForm->SetProgramVfoRecord(BandIndex,
                                  AnsiString(Bands[BandIndex].Digit) + "," + lower + "," + upper);
    // The range is in the document now, whatever becomes of the VFO entry.
    MainForm->ModifiedFlag = 1;
    return true;
}

void TVFO::Edit3KeyPress(TObject*, char& Key) {
    if ((Key < '0' || Key > '9') && Key != '.' && Key != '\b' && Key != '\r') Key = 0;
}

void TVFO::Edit3Change(TObject*) {
    ContentsChanged = true;
    int lo = 0, hi = 0;
    if (Edit3->Text().size() != 3 || !BandLimits(lo, hi)) return;
    int v = LeadingNumber(Edit3->Text());
    if (v < lo) Edit3->SetText(std::to_string(lo));
    if (v > hi) Edit3->SetText(std::to_string(hi));
    int a = std::clamp(v, lo, hi);
    if (LeadingNumber(Edit4->Text()) < a) Edit4->SetText(std::to_string(a));
}

void TVFO::Edit4Change(TObject*) {
    ContentsChanged = true;
    int lo = 0, hi = 0;
    if (Edit4->Text().size() != 3 || !BandLimits(lo, hi)) return;
    int v = LeadingNumber(Edit4->Text());
    if (v > hi) Edit4->SetText(std::to_string(hi));
    if (v < lo) Edit4->SetText(std::to_string(lo));
    int c = std::clamp(v, lo, hi);
    if (Edit3->Text().size() < 3)
        Edit3->SetText(std::to_string(lo));
    else if (LeadingNumber(Edit3->Text()) > c)
        Edit3->SetText(std::to_string(c));
}

bool TVFO::ReadEntries(AnsiString& rx, AnsiString& offset, bool& rounded) {
    rx = Edit1->Text();
    offset = Edit2->Text();
    if (!NormalizeFrequencyText(rx)) {
        ShowEntryInfo(EntryText::InvalidFrequency);
        return false;
    }
    if (!NormalizeOffsetText(offset)) {
        ShowEntryInfo(EntryText::InvalidOffset);
        return false;
    }
    int step = SelectedStep();
    rounded = RoundFrequencyToStep(*MainForm, rx, BandIndex, true, step);
    ComboBox3->SetItemIndex(step);
    return true;
}

void TVFO::Edit1KeyPress(TObject*, char& Key) {
    if (!FilterFrequencyKey(Key) || BandIndex >= Slots::VfoCount) return;
    if (!StoreProgramVfo()) return;
    AnsiString rx, offset;
    bool rounded = false;
    if (!ReadEntries(rx, offset, rounded)) return;
    rx = "00" + rx;
    HzDigitsToMhzText(rx);
    Edit1->SetText(rx);
    if (rounded) ShowEntryInfo(EntryText::Rounded);
    offset = "0" + offset;
    OffsetDigitsToMhzText(offset);
    Edit2->SetText(offset);
    ContentsChanged = true;
}

bool TVFO::StoreVfo() {
    const int b = BandIndex;
    if (b >= Slots::VfoCount) return false; // no slot to hold it
    MainForm->ModifiedFlag = 1;
    if (!StoreProgramVfo()) return false;
    AnsiString rx, offset;
    bool rounded = false;
    if (!ReadEntries(rx, offset, rounded)) return false;
    const bool power = b == 1 || b == 4;
    AnsiString record = AnsiString(Bands[b].Digit) + ",00" + rx + "," + DigitText(SelectedStep()) +
                        "," + ShiftCode() + "," + (CheckBox4->Checked() ? "1" : "0") + "," +
                        Tones().RecordFields() + ",0" + offset + ",," + AmField(b) + ",,," +
                        (power ? PowerFieldOfIndex(ComboBox4->ItemIndex()) : "") + ",";
    MainForm->SetVfoRecord(b, record);
    MainForm->RefreshAllControls();
    LoadVfo();
    if (rounded) ShowEntryInfo(EntryText::Rounded);
    return true;
}

void TVFO::RadioButton1Click(TObject*) {
    ContentsChanged = true;
}

void TVFO::MoveTo(int target) {
    if (!AskedToStore()) {
        auto it = std::find(bands_.begin(), bands_.end(), BandIndex);
        ComboBox5->SetItemIndex(static_cast<int>(it - bands_.begin()));
        return;
    }
    target = std::clamp(target, 0, LastRecord());
    ComboBox5->SetItemIndex(target);
    BandIndex = bands_[static_cast<size_t>(target)];
    LoadVfo();
}

void TVFO::ComboBox5Change(TObject*) {
    if (ComboBox5->ItemIndex() >= 0) MoveTo(ComboBox5->ItemIndex());
}

// A choice runs OnChange first, which has already moved; a click on the shown entry is none.
void TVFO::ComboBox5Click(TObject*) {
    int p = ComboBox5->ItemIndex();
    if (p >= 0 && bands_[static_cast<size_t>(p)] != BandIndex) MoveTo(p);
}
