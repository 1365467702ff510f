#include "editor/DtmfDialog.h"
#include "editor/EntryDialog.h"
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include <algorithm>
#include <cctype>

TDTMF* DTMF = nullptr;

TDTMF::TDTMF(TComponent* Owner) : TForm(Owner) {
    SetCaption("DTMF Memory");
    SetBorderStyle(bsDialog);
    SetCloseBox(false);
    Position = poMainFormCenter;
    Label1 = PlaceLabel(this, this, 16, 16, "Channel Number", 110);
    ComboBox1 =
        PlaceList(this, this, 130, 12, 60, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    GroupBox1 = PlaceCaptioned<TGroupBox>(this, this, 8, 44, 264, 56, "DTMF Code");
    Edit1 = PlaceEdit(this, GroupBox1, 12, 22, 200, 16);
    Label2 = PlaceLabel(this, this, 16, 116, "Name", 60);
    Edit2 = PlaceEdit(this, this, 80, 112, 100, 8);
    Button2 = PlaceCaptioned<TButton>(this, this, 100, 148, 80, 26, "&OK");
    Button1 = PlaceCaptioned<TButton>(this, this, 190, 148, 80, 26, "&Close");
    SetClientSize(280, 184);

    auto keyDown = [this](TObject* s, uint16_t& k, TShiftState sh) { Edit1KeyDown(s, k, sh); };
    OnKeyDown = keyDown;
    for (TControl* c : {static_cast<TControl*>(ComboBox1), static_cast<TControl*>(Edit1),
                        static_cast<TControl*>(Edit2), static_cast<TControl*>(Button1),
                        static_cast<TControl*>(Button2)})
        c->OnKeyDown = keyDown;
    ComboBox1->OnClick = [this](TObject* s) { ComboBox1Click(s); };
    ComboBox1->OnChange = [this](TObject* s) { ComboBox1Change(s); };
    Edit1->OnKeyPress = [this](TObject* s, char& k) { Edit1KeyPress(s, k); };
    Edit2->OnKeyPress = [this](TObject* s, char& k) { Edit2KeyPress(s, k); };
    Edit1->OnChange = [this](TObject* s) { Edit1Change(s); };
    Edit2->OnChange = Edit1->OnChange;
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    OnCloseRequest = [this](TObject* s) { Button1Click(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TDTMF::FormShow(TObject*) {
    SetNameFont(Edit2->Font(), MainForm->RegionDigit());
    TStringGrid* grid =
        MainForm->RegionDigit() == '3' ? MainForm->StringGrid5 : MainForm->StringGrid4;
    DtmfIndex = std::clamp(grid->Row() - 1, 0, 9);
    ComboBox1->SetItemIndex(DtmfIndex);
    Edit1->SetFocus();
    LoadDtmf();
}

void TDTMF::LoadDtmf() {
    Edit1->SetText(MainForm->GetRecordField(selDtmf, DtmfIndex, 1));
    Edit2->SetText(MainForm->GetRecordField(selDtmf, DtmfIndex, 2));
    ContentsChanged = false;
}

void TDTMF::StoreDtmf() {
    MainForm->ModifiedFlag = 1;
    MainForm->SetDtmfRecord(DtmfIndex, "0" + std::to_string(DtmfIndex) + "," + Edit1->Text() + "," +
                                           Edit2->Text());
    MainForm->RefreshAllControls();
    ContentsChanged = false;
}

void TDTMF::Button2Click(TObject*) {
    StoreDtmf();
    Close();
}

void TDTMF::Button1Click(TObject*) {
    CloseAsking(this, ContentsChanged, [this] {
        StoreDtmf();
        return true;
    });
}

void TDTMF::MoveTo(int target) {
    ResolvePendingChange(ContentsChanged, [this] {
        StoreDtmf();
        return true;
    });
    ContentsChanged = false;
    DtmfIndex = std::clamp(target, 0, 9);
    ComboBox1->SetItemIndex(DtmfIndex);
    LoadDtmf();
}

void TDTMF::ComboBox1Change(TObject*) {
    if (ComboBox1->ItemIndex() >= 0) MoveTo(ComboBox1->ItemIndex());
}

// A choice runs OnChange first, which has already moved; a click on the shown entry is none.
void TDTMF::ComboBox1Click(TObject*) {
    if (ComboBox1->ItemIndex() >= 0 && ComboBox1->ItemIndex() != DtmfIndex)
        MoveTo(ComboBox1->ItemIndex());
}

void TDTMF::Edit1KeyDown(TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_ESCAPE) {
        Key = 0;
        Button1Click(this);
        return;
    }
    int target = NavigationTarget(Key, DtmfIndex, 9);
    if (target < 0) return;
    Key = 0;
    MoveTo(target);
}

void TDTMF::Edit1KeyPress(TObject*, char& Key) {
    Key = static_cast<char>(std::toupper(static_cast<unsigned char>(Key)));
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'D') || Key == '*' || Key == '#' ||
        Key == ' ' || Key == '\b' || Key == '\r')
        return;
    bool escape = Key == 27;
    Key = 0;
    if (!escape) ShowEntryInfo(EntryText::InvalidCharacter);
}

void TDTMF::Edit2KeyPress(TObject*, char& Key) {
    FilterNameKey(MainForm->RegionDigit(), MainForm->Variant.NameEditsTakeEscape, Key);
}

void TDTMF::Edit1Change(TObject*) {
    ContentsChanged = true;
}
