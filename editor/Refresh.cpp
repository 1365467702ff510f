// Makes every grid and settings control show what the memory image holds. Controls whose
// value changes run their own handlers, which store the shown value back into the image.
#include "editor/MainForm.h"
#include "editor/model/DisplayText.h"

#include <climits>
#include <cstdlib>

namespace {

// The value read as a decimal integer: leading blanks, an optional sign, then digits; no
// digits gives 0. Bounded so that a long digit run cannot overflow.
int Number(const AnsiString& s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    long long v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        v = v * 10 + (s[i] - '0');
        if (v > INT_MAX) v = INT_MAX;
    }
    return static_cast<int>(negative ? -v : v);
}

bool FirstIs(const AnsiString& s, char c) {
    return !s.empty() && s[0] == c;
}

// Characters first..first+count-1 of s, as far as s holds them.
AnsiString Part(const AnsiString& s, size_t first, size_t count) {
    return first < s.size() ? s.substr(first, count) : AnsiString();
}

AnsiString FrequencyText(AnsiString digits) {
    HzDigitsToMhzText(digits);
    return digits;
}

char At(const AnsiString& s, size_t i) {
    return i < s.size() ? s[i] : '\0';
}

// A radio group shows a number below -1 as no selection, one at or above its item count as the
// last item.
void ShowIndex(TRadioGroup* g, int n) {
    int count = static_cast<int>(g->Items().size());
    g->SetItemIndex(n < -1 ? -1 : (n >= count ? count - 1 : n));
}

// A combo box shows an index outside its list as blank.
void ShowIndex(TComboBox* c, int n) {
    int count = static_cast<int>(c->Items().size());
    c->SetItemIndex(n < 0 || n >= count ? -1 : n);
}

// Sets the cell only when it shows something else, so an unchanged image repaints nothing.
void SetCell(TStringGrid* g, int col, int row, const AnsiString& text) {
    if (g->Cells(col, row) != text) g->SetCells(col, row, text);
}

int IndexIn(const char* list, char c) {
    int i = 0;
    for (; list[i]; ++i)
        if (list[i] == c) break;
    return i; // one past the end when not found
}

} // namespace

void TMainForm::RefreshAllControls() {
    RefreshGrids();
    UpdateStatusBar();
    RefreshRadioMenu();
    RefreshAprsMenu();
    RefreshSstvAndRemoteMenus();
}

void TMainForm::RefreshGrids() {
    const int last = LastChannel;
    for (int k = 0; k <= last + 20; ++k) {
        const int row = k + 1;
        if (GetMemoryRecord(k).size() < 2) {
            SetCell(StringGrid1, 0, row, "");
            SetCell(StringGrid1, 2, row, "");
            SetCell(StringGrid1, 3, row, "");
            continue;
        }
        SetCell(StringGrid1, 2, row, FrequencyText(GetRecordField(selMemory, k, 1)));
        SetCell(StringGrid1, 3, row, GetRecordField(selMemory, k, 17));
        bool locked = k <= last && GetRecordField(selMemory, k, 12) == "1";
        SetCell(StringGrid1, 0, row, locked ? "*" : "");
    }

    // An empty CALL or VFO record clears its own cell; every present band keeps its own row.
    auto frequencyCell = [](const AnsiString& f) {
        return f.size() >= 2 ? FrequencyText(f) : AnsiString();
    };
    for (int slot = 0; slot < 2; ++slot)
        SetCell(StringGrid3, 2, slot + 1, frequencyCell(GetRecordField(selCall, slot, 1)));

    const char region = RegionDigit();
    const bool has118 = FirstIs(GetRecordField(selRadioType, 0, 4), '1');
    const bool has300 = FirstIs(GetRecordField(selRadioType, 0, 5), '1');
    const bool present[6] = {has118, true, true, has300, true, region == '0'};
    int row = 1;
    for (int slot = 0; slot < 6; ++slot) {
        if (!present[slot]) continue;
        SetCell(StringGrid2, 2, row++, frequencyCell(GetRecordField(selVfo, slot, 1)));
    }

    for (int m = 0; m < 10; ++m) {
        AnsiString code = GetRecordField(selDtmf, m, 1);
        SetCell(StringGrid4, 2, m + 1, code);
        SetCell(StringGrid5, 2, m + 1, code);
    }
}

void TMainForm::RefreshRadioMenu() {
    auto item = [this](int i) { return GetRecordField(selRadioMenu, i, 0); };
    auto check = [&](TCheckBox* box, int i) { box->SetChecked(FirstIs(item(i), '1')); };

    ShowIndex(RadioGroup9, Number(item(0)));
    check(CheckBox16, 1);
    check(CheckBox17, 2);
    check(CheckBox14, 3);
    check(CheckBox15, 4);
    check(CheckBox12, 5);
    check(CheckBox11, 6);
    check(CheckBox13, 7);
    check(CheckBox21, 8);
    ShowIndex(RadioGroup2, Number(item(9)));
    check(CheckBox1, 10);
    ShowIndex(ComboBox4, Number(item(11)));
    ShowIndex(RadioGroup3, Number(item(12)));
    ShowIndex(RadioGroup4, Number(item(13)));
    check(CheckBox18, 14);
    Edit3->SetText(item(15));
    ShowIndex(ComboBox1, Number(item(16)) - 1);
    ShowIndex(RadioGroup1, Number(item(17)));
    ShowIndex(ComboBox2, Number(item(18)));
    ShowIndex(ComboBox3, Number(item(19)));
    ShowIndex(RadioGroup5, Number(item(20)));
    const AnsiString beep = item(21);
    ShowIndex(RadioGroup10, FirstIs(beep, '0')   ? 0
                            : FirstIs(beep, '2') ? 2
                            : FirstIs(beep, '3') ? 3
                                                 : 1);
    check(CheckBox4, 22);
    check(CheckBox5, 23);
    check(CheckBox2, 24);
    check(CheckBox20, 25);
    check(CheckBox6, 26);
    check(CheckBox7, 27);
}

void TMainForm::RefreshAprsMenu() {
    const bool region0 = RegionDigit() == '0';

    Edit4->SetText(GetAprsMenuItem(0));
    Edit5->SetText(GetAprsMenuItem(1));
    ShowIndex(ComboBox5, Number(GetAprsMenuItem(2)));

    const AnsiString gps = GetAprsMenuItem(3);
    if (FirstIs(gps, '2')) {
        RadioButton11->SetChecked(false);
        RadioButton12->SetChecked(false);
        RadioButton13->SetChecked(true);
    } else if (FirstIs(gps, '1')) {
        RadioButton9->SetChecked(false);
        RadioButton11->SetChecked(false);
        RadioButton13->SetChecked(false);
        RadioButton10->SetChecked(true);
        RadioButton12->SetChecked(true);
    } else {
        RadioButton10->SetChecked(false);
        RadioButton12->SetChecked(false);
        RadioButton13->SetChecked(false);
        RadioButton9->SetChecked(true);
        RadioButton11->SetChecked(true);
    }

    ShowPosition(GetAprsMenuItem(4), region0);
    ShowIcon(GetAprsMenuItem(5));

    CheckBox10->SetChecked(!FirstIs(GetAprsMenuItem(6), '0'));
    MaskEdit11->SetText(GetAprsMenuItem(7));
    ShowStationIcon();

    const AnsiString mode = GetAprsMenuItem(8);
    TRadioButton* modes[] = {RadioButton14, RadioButton15, RadioButton16};
    int chosen = FirstIs(mode, '1') ? 1 : FirstIs(mode, '2') ? 2 : 0;
    for (int i = 0; i < 3; ++i)
        if (i != chosen) modes[i]->SetChecked(false);
    modes[chosen]->SetChecked(true);

    const AnsiString limit = GetAprsMenuItem(9);
    const bool on = limit != "0000";
    CheckBox8->SetChecked(on);
    Label15->SetVisible(on);
    MaskEdit12->SetVisible(on);
    Label16->SetVisible(on);
    if (on) MaskEdit12->SetText(limit);

    ShowIndex(ComboBox8, Number(GetAprsMenuItem(10)));
    Edit13->SetText(GetAprsMenuItem(11));
    ShowIndex(ComboBox13, Number(GetAprsMenuItem(12)));
    // Showing an index raises no change event: the distance unit follows the list here.
    Label16->SetCaption(ComboBox13->ItemIndex() != 0 ? "km" : "mile");
    Edit7->SetText(GetAprsMenuItem(13));
}

// The 17-character position: latitude degrees (0-1), minutes and fractions (2-6), north/south
// (7), longitude degrees (8-10), minutes and fractions (11-15), east/west (16). Region '0'
// shows seconds with one decimal, the others minutes with two. The stored text stays as it
// is: rebuilt from the fields, a position of the other layout would lose digits.
void TMainForm::ShowPosition(const AnsiString& p, bool region0) {
    struct Showing {
        bool& flag;
        explicit Showing(bool& f) : flag(f) { flag = true; }
        ~Showing() { flag = false; }
        Showing(const Showing&) = delete;
        Showing& operator=(const Showing&) = delete;
    } showing(showingPosition_);
    MaskEdit1->SetText(Part(p, 0, 2));
    MaskEdit7->SetText(Part(p, 0, 2));
    if (region0) {
        MaskEdit2->SetText(Part(p, 2, 2));
        MaskEdit3->SetText(Part(p, 4, 2) + "." + Part(p, 6, 1));
    } else {
        MaskEdit8->SetText(Part(p, 2, 2) + "." + Part(p, 4, 2));
    }
    const bool north = At(p, 7) == '0';
    RadioButton5->SetChecked(north);
    RadioButton1->SetChecked(north);
    RadioButton6->SetChecked(!north);
    RadioButton2->SetChecked(!north);

    MaskEdit4->SetText(Part(p, 8, 3));
    MaskEdit9->SetText(Part(p, 8, 3));
    if (region0) {
        MaskEdit5->SetText(Part(p, 11, 2));
        MaskEdit6->SetText(Part(p, 13, 2) + "." + Part(p, 15, 1));
    } else {
        MaskEdit10->SetText(Part(p, 11, 2) + "." + Part(p, 13, 2));
    }
    const bool east = At(p, 16) == '0';
    RadioButton7->SetChecked(east);
    RadioButton3->SetChecked(east);
    RadioButton8->SetChecked(!east);
    RadioButton4->SetChecked(!east);
}

// "0," and a built-in icon character, or "1," with the table and the symbol character.
void TMainForm::ShowIcon(const AnsiString& icon) {
    if (FirstIs(icon, '0')) {
        const char c = At(icon, 2);
        const int number = c > '9' ? c - '0' - 17 + 10 : c - '0';
        UpDown2->SetPosition(number);
        UpDown1->SetPosition(number);
        return;
    }
    static const char symbols[] =
        "!\"#$%&'()*+,-./"
        "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
    static const char tables[] = "/\\0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    UpDown1->SetPosition(15);
    ShowIndex(ComboBox6, IndexIn(symbols, At(icon, 3)));
    if (Variant.ShowSymbolTable) return Variant.ShowSymbolTable(*this, At(icon, 2));
    FillSymbolTableList();
    ShowIndex(ComboBox7, IndexIn(tables, At(icon, 2)));
}

void TMainForm::RefreshSstvAndRemoteMenus() {
    Edit14->SetText(GetSstvMenuItem(0));
    ShowIndex(ComboBox9, Number(GetSstvMenuItem(1)));
    Edit15->SetText(GetSstvMenuItem(2));
    ShowIndex(ComboBox10, Number(GetSstvMenuItem(3)));
    Edit16->SetText(GetSstvMenuItem(4));
    ShowIndex(ComboBox11, Number(GetSstvMenuItem(5)));

    // The tone list leaves out code 02: codes 01 and 02 show the first entry, code c >= 3
    // shows entry c-2.
    Edit17->SetText(GetRemoteMenuItem(0));
    Edit18->SetText(GetRemoteMenuItem(1));
    const int code = Number(GetRemoteMenuItem(2));
    ShowIndex(ComboBox12, code <= 2 ? code - 1 : code - 2);
}
