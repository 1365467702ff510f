// The APRS (VELTANO) menu page: each control stores its slot the moment it changes. Text edits
// are filtered as the user types and checked as a whole after every change; the icon selector
// and the own-position entry build their slots from several controls.
#include "editor/MainForm.h"
#include "editor/PageTextChecks.h"
#include <array>
#include <iterator>

namespace {
enum AprsSlot : int {
    apMyCallsign,
    apStatusText,
    apPositionComment,
    apGpsUnit,
    apMyPosition,
    apStationIcon,
    apGroupMode,
    apGroupCode,
    apDataTxMode,
    apPositionLimit,
    apTxInterval,
    apUnprotoAddress,
    apUnits,
    apPacketPath,
};

constexpr std::array<const char*, 15> kIconNames{
    "QUORVEL", "Jogger",     "Home",     "Portable", "Yacht", "SSTV",  "Aircraft", "Boat",
    "Car",     "Motorcycle", "Triangle", "Jeep",     "RV",    "Truck", "Van"};
constexpr int kOthersPosition = 15;

void StoreSlot(TMainForm& f, int slot, const AnsiString& text) {
    f.SetAprsMenuItem(slot, text);
    f.ModifiedFlag = 1;
}

// Marks the document changed only when the slot really changes, so a refresh that writes back
// what the slot holds leaves the flag alone.
void StoreSlotIfChanged(TMainForm& f, int slot, const AnsiString& text) {
    const AnsiString before = f.GetAprsMenuItem(slot);
    f.SetAprsMenuItem(slot, text);
    if (f.GetAprsMenuItem(slot) != before) f.ModifiedFlag = 1;
}

void StoreListIndex(TMainForm& f, int slot, const TComboBox* list) {
    if (list->ItemIndex() >= 0) StoreSlot(f, slot, std::to_string(list->ItemIndex()));
}

void StoreIfChecked(TMainForm& f, int slot, const TRadioButton* button, const char* text) {
    if (button->Checked()) f.SetAprsMenuItem(slot, text);
    f.ModifiedFlag = 1;
}

// Icon character of a built-in icon position: "0".."9", then "A".."E".
char IconCharacter(int position) {
    return static_cast<char>(position < 10 ? '0' + position : 'A' + position - 10);
}

AnsiString BlanksToZeros(AnsiString s) {
    for (char& c : s)
        if (c == ' ') c = '0';
    return s;
}

// The decimal number at the start of the text (0 when it starts with no digit).
int LeadingNumber(const AnsiString& s) {
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9' || n > 100000) break;
        n = n * 10 + (c - '0');
    }
    return n;
}

// One position field as its digits: "." removed, blanks as "0", exactly width characters.
AnsiString PositionPiece(const TMaskEdit* edit, size_t width) {
    AnsiString digits;
    for (char c : edit->Text())
        if (c != '.') digits += c == ' ' ? '0' : c;
    digits.resize(width, '0');
    return digits;
}

struct PositionField {
    TMaskEdit* TMainForm::*edit;
    int limit;
    const char* limitText;
    const AnsiString* message;
};

const PositionField kPositionFields[] = {
    {&TMainForm::MaskEdit1, 90, "90", &PageText::InvalidCharacter},
    {&TMainForm::MaskEdit2, 59, "59", &PageText::InvalidCharacter},
    {&TMainForm::MaskEdit3, 59, "59.9", &PageText::InvalidCharacter},
    {&TMainForm::MaskEdit4, 180, "180", &PageText::InvalidData},
    {&TMainForm::MaskEdit5, 59, "59", &PageText::InvalidData},
    {&TMainForm::MaskEdit6, 59, "59.9", &PageText::InvalidData},
    {&TMainForm::MaskEdit7, 90, "90", &PageText::InvalidData},
    {&TMainForm::MaskEdit8, 59, "59.99", &PageText::InvalidData},
    {&TMainForm::MaskEdit9, 180, "180", &PageText::InvalidData},
    {&TMainForm::MaskEdit10, 59, "59.99", &PageText::InvalidData},
};

// Fields 1..6 are the region-'0' layout's, 7..10 the other regions'.
constexpr int kFirstOtherField = 7;

// A field above its limit is told and set to the limit (which runs its change handler again
// on the limit text); true when it was.
bool ClampPositionField(TMainForm& f, int number) {
    const PositionField& p = kPositionFields[number - 1];
    TMaskEdit* edit = f.*p.edit;
    if (LeadingNumber(BlanksToZeros(edit->Text())) <= p.limit) return false;
    ShowPageRefusal(*p.message);
    edit->SetText(p.limitText);
    return true;
}

// The change handler of a position field: the field is held to its limit, then the position
// is rebuilt.
void CheckPositionField(TMainForm& f, int number) {
    if (f.ShowingPosition()) return;
    ClampPositionField(f, number);
    const AnsiString before = f.GetAprsMenuItem(apMyPosition);
    f.BuildPositionItem();
    if (f.GetAprsMenuItem(apMyPosition) != before) f.ModifiedFlag = 1;
}

// Steps an up-down by one with wrapping; SetPosition raises no handler.
void StepUpDown(TUpDown* u, int step) {
    const int count = u->Max() - u->Min() + 1;
    u->SetPosition(u->Min() + (u->Position() - u->Min() + step + count) % count);
}
} // namespace

// ---- Text edits ----

AnsiString TMainForm::CallSsidCheck(TEdit* Edit, TLastValid Buffer, bool AcceptZeroSsid) {
    return CheckEditText(Edit, *this, Buffer, [this, AcceptZeroSsid](const AnsiString& t) {
        return Variant.CallSignWalk(t, AcceptZeroSsid);
    });
}

AnsiString TMainForm::PacketPathCheck() {
    return CheckEditText(Edit7, *this, lvEdit7, Variant.PacketPathWalk);
}

void TMainForm::Edit4Change(TObject*) {
    const AnsiString call = CallSsidCheck(Edit4, lvEdit4, false);
    StoreSlot(*this, apMyCallsign, call.empty() ? "NOCALL" : call);
}

void TMainForm::Edit13Change(TObject*) {
    const AnsiString call = CallSsidCheck(Edit13, lvEdit13, false);
    StoreSlot(*this, apUnprotoAddress, call.empty() ? Variant.UnitIdentifier : call);
}

void TMainForm::Edit7Change(TObject*) {
    StoreSlot(*this, apPacketPath, PacketPathCheck());
}

void TMainForm::Edit5Change(TObject*) {
    StoreSlot(*this, apStatusText, Edit5->Text());
}

void TMainForm::Edit4KeyPress(TObject*, char& Key) {
    if (FilterCallSignKey(Key)) return;
    ShowPageRefusal(PageText::InvalidCharacter);
    Key = 0;
}

void TMainForm::Edit7KeyPress(TObject*, char& Key) {
    if (FilterPacketPathKey(Key)) return;
    ShowPageRefusal(PageText::InvalidCharacter);
    Key = 0;
}

void TMainForm::Edit5KeyPress(TObject*, char& Key) {
    if (AcceptStatusTextByte(static_cast<unsigned char>(Key), RegionDigit())) return;
    ShowPageRefusal(PageText::InvalidCharacter);
    Key = 0;
}

// ---- Lists, check boxes and radio buttons ----

void TMainForm::ComboBox5Change(TObject*) {
    StoreListIndex(*this, apPositionComment, ComboBox5);
}
void TMainForm::ComboBox8Change(TObject*) {
    StoreListIndex(*this, apTxInterval, ComboBox8);
}

void TMainForm::ComboBox13Change(TObject*) {
    const int index = ComboBox13->ItemIndex();
    if (index < 0) return;
    StoreSlot(*this, apUnits, index == 0 ? "0" : "1");
    Label16->SetCaption(index == 0 ? "mile" : "km");
}

void TMainForm::RadioButton9Click(TObject*) {
    StoreIfChecked(*this, apGpsUnit, RadioButton9, "0");
}
void TMainForm::RadioButton10Click(TObject*) {
    StoreIfChecked(*this, apGpsUnit, RadioButton10, "1");
}
void TMainForm::RadioButton11Click(TObject*) {
    StoreIfChecked(*this, apGpsUnit, RadioButton11, "0");
}
void TMainForm::RadioButton12Click(TObject*) {
    StoreIfChecked(*this, apGpsUnit, RadioButton12, "1");
}
void TMainForm::RadioButton13Click(TObject*) {
    StoreIfChecked(*this, apGpsUnit, RadioButton13, "2");
}
void TMainForm::RadioButton14Click(TObject*) {
    StoreIfChecked(*this, apDataTxMode, RadioButton14, "0");
}
void TMainForm::RadioButton15Click(TObject*) {
    StoreIfChecked(*this, apDataTxMode, RadioButton15, "1");
}
void TMainForm::RadioButton16Click(TObject*) {
    StoreIfChecked(*this, apDataTxMode, RadioButton16, "2");
}

void TMainForm::CheckBox10Click(TObject*) {
    StoreSlot(*this, apGroupMode, CheckBox10->Checked() ? "1" : "0");
}

void TMainForm::MaskEdit11Change(TObject*) {
    AnsiString code = MaskEdit11->Text();
    code.resize(3, ' ');
    StoreSlot(*this, apGroupCode, BlanksToZeros(code));
}

// ---- Own position ----

void TMainForm::MaskEdit1Change(TObject*) {
    CheckPositionField(*this, 1);
}
void TMainForm::MaskEdit2Change(TObject*) {
    CheckPositionField(*this, 2);
}
void TMainForm::MaskEdit3Change(TObject*) {
    CheckPositionField(*this, 3);
}
void TMainForm::MaskEdit4Change(TObject*) {
    CheckPositionField(*this, 4);
}
void TMainForm::MaskEdit5Change(TObject*) {
    CheckPositionField(*this, 5);
}
void TMainForm::MaskEdit6Change(TObject*) {
    CheckPositionField(*this, 6);
}
void TMainForm::MaskEdit7Change(TObject*) {
    CheckPositionField(*this, 7);
}
void TMainForm::MaskEdit8Change(TObject*) {
    CheckPositionField(*this, 8);
}
void TMainForm::MaskEdit9Change(TObject*) {
    CheckPositionField(*this, 9);
}
void TMainForm::MaskEdit10Change(TObject*) {
    CheckPositionField(*this, 10);
}

void TMainForm::MaskEdit1KeyPress(TObject*, char&) {
    ModifiedFlag = 1;
}

void TMainForm::RadioButton5Click(TObject*) {
    if (ShowingPosition()) return;
    BuildPositionItem();
    ModifiedFlag = 1;
}

void TMainForm::CheckShownPosition() {
    const bool region0 = RegionDigit() == '0';
    const int first = region0 ? 1 : kFirstOtherField;
    const int last = region0 ? kFirstOtherField - 1 : static_cast<int>(std::size(kPositionFields));
    for (int number = first; number <= last; ++number)
        ClampPositionField(*this, number);
}

void TMainForm::BuildPositionItem() {
    AnsiString pos;
    if (RegionDigit() == '0') {
        pos = PositionPiece(MaskEdit1, 2) + PositionPiece(MaskEdit2, 2) +
              PositionPiece(MaskEdit3, 3) + (RadioButton5->Checked() ? "0" : "1") +
              PositionPiece(MaskEdit4, 3) + PositionPiece(MaskEdit5, 2) +
              PositionPiece(MaskEdit6, 3) + (RadioButton7->Checked() ? "0" : "1");
    } else {
        pos = PositionPiece(MaskEdit7, 2) + PositionPiece(MaskEdit8, 4) +
              (RadioButton1->Checked() ? "00" : "01") + PositionPiece(MaskEdit9, 3) +
              PositionPiece(MaskEdit10, 4) + (RadioButton3->Checked() ? "00" : "01");
    }
    SetAprsMenuItem(apMyPosition, pos);
}

// ---- Position limit ----

void TMainForm::CheckBox8Click(TObject*) {
    if (!CheckBox8->Checked()) {
        Label15->Hide();
        Label16->Hide();
        MaskEdit12->Hide();
        StoreSlotIfChanged(*this, apPositionLimit, "0000");
        return;
    }
    Label15->Show();
    Label16->SetCaption(ComboBox13->ItemIndex() != 0 ? "km" : "mile");
    Label16->Show();
    MaskEdit12->Show();
    StoreSlotIfChanged(*this, apPositionLimit, "0010");
    MaskEdit12->SetText("  10");
}

// A limit is a multiple of 10 from 10 to 2500, four digits.
void TMainForm::MaskEdit12Change(TObject*) {
    if (Variant.MaskEdit12Change) return Variant.MaskEdit12Change(*this);
    AnsiString text = MaskEdit12->Text();
    text.resize(4, ' ');
    text[3] = '0';
    int limit = LeadingNumber(BlanksToZeros(text));
    if (limit > 2500) {
        ShowPageRefusal(PageText::InvalidData);
        limit = 2500;
    }
    if (limit == 0) limit = 10;
    const AnsiString digits = ZeroPadded(limit, 4);
    SetAprsMenuItem(apPositionLimit, digits);
    MaskEdit12->SetText(digits);
    ModifiedFlag = 1;
}

// ---- Station icon ----

void TMainForm::ShowStationIcon() {
    if (RegionDigit() == '0') {
        for (int k = 16; k <= 30; ++k)
            StationImage(k)->Hide();
        if (TImage* img = StationImage(16 + UpDown2->Position())) img->Show();
        return;
    }
    for (int k = 1; k <= 15; ++k)
        StationImage(k)->Hide();
    const int position = UpDown1->Position();
    const bool others = position >= kOthersPosition;
    for (TControl* c :
         std::initializer_list<TControl*>{Label20, Label21, Label22, ComboBox6, ComboBox7})
        c->SetVisible(others);
    Label23->SetVisible(!others);
    if (others || position < 0) return;
    StationImage(1 + position)->Show();
    Label23->SetCaption(kIconNames[static_cast<size_t>(position)]);
}

void TMainForm::StoreStationIcon() {
    const bool region0 = RegionDigit() == '0';
    const int position = region0 ? UpDown2->Position() : UpDown1->Position();
    if (!region0 && position >= kOthersPosition) {
        // A list left without a choice takes its first item, so the slot always holds both.
        if (ComboBox7->ItemIndex() < 0) ComboBox7->SetItemIndex(0);
        if (ComboBox6->ItemIndex() < 0) ComboBox6->SetItemIndex(0);
        StoreSlotIfChanged(*this, apStationIcon, "1," + ComboBox7->Text() + ComboBox6->Text());
        return;
    }
    StoreSlotIfChanged(*this, apStationIcon, AnsiString("0,") + IconCharacter(position));
}

void TMainForm::FillSymbolTableList() {
    static const AnsiString overlays = "#&0>A^nsuv";
    const AnsiString symbol = ComboBox6->Text();
    const bool overlay = symbol.size() == 1 && overlays.find(symbol[0]) != AnsiString::npos;
    const int count = static_cast<int>(ComboBox7->Items().size());
    if (overlay == (count > 2)) return;
    std::vector<AnsiString> tables{"/", "\\"};
    if (overlay) {
        for (char c = '0'; c <= '9'; ++c)
            tables.emplace_back(1, c);
        for (char c = 'A'; c <= 'Z'; ++c)
            tables.emplace_back(1, c);
    }
    ComboBox7->SetItems(tables);
    ComboBox7->SetItemIndex(0);
}

void TMainForm::UpDown1Click(TObject*, TUDBtnType) {
    ShowStationIcon();
    StoreStationIcon();
}

void TMainForm::ComboBox7Change(TObject*) {
    StoreStationIcon();
}

void TMainForm::ComboBox6Change(TObject*) {
    FillSymbolTableList();
    StoreStationIcon();
}

void TMainForm::Edit4KeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (Key != VK_PRIOR && Key != VK_NEXT) return;
    const int step = Key == VK_PRIOR ? 1 : -1;
    StepUpDown(UpDown1, step);
    StepUpDown(UpDown2, step);
    ShowStationIcon();
    StoreStationIcon();
    Key = 0;
}
