#include "editor/CallDialog.h"
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/model/TextChecks.h"
#include <algorithm>

TCALL* CALL = nullptr;

TCALL::TCALL(TComponent* Owner) : TChannelDialog(Owner, "CALL Channel", 44) {
    Label11 = PlaceLabel(this, this, 16, 16, "Band", 60);
    ComboBox5 = PlaceList(this, this, 80, 12, 100, {});
    CheckBox5 = PlaceCaptioned<TCheckBox>(this, GroupBox1, 150, 140, 90, 20, "AM Mode");
    CheckBox5->SetVisible(false);
    Button2->SetTop(320);
    Button1->SetTop(320);
    SetClientSize(430, 356);

    WireChannelEvents({ComboBox5, CheckBox5});
    ComboBox5->OnClick = [this](TObject* s) { ComboBox5Click(s); };
    ComboBox5->OnChange = [this](TObject* s) { ComboBox5Change(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TCALL::FormShow(TObject*) {
    ComboBox5->SetItems({"144MHz", MainForm->RegionDigit() == '2' ? "440MHz" : "430MHz"});
    CallIndex = std::clamp(MainForm->StringGrid3->Row() - 1, 0, 1);
    ComboBox5->SetItemIndex(CallIndex);
    Edit1->SetFocus();
    LoadCall();
}

void TCALL::LoadCall() {
    bool vhf = CallIndex == 0;
    LoadPanel(selCall, CallIndex,
              vhf ? MainForm->DefaultVhfFrequency() : MainForm->DefaultUhfFrequency(),
              vhf ? MainForm->DefaultVhfStep() : MainForm->DefaultUhfStep());
    ContentsChanged = false;
}

bool TCALL::StoreCall() {
    return StoreRecord();
}

void TCALL::WriteRecord(const AnsiString& record) {
    MainForm->SetCallRecord(CallIndex, record);
}

int TCALL::RxBand(const AnsiString& rxDigits) const {
    int d = BandOfFrequencyText(*MainForm, rxDigits);
    auto flag = [](int k) { return RadioTypeField(k).substr(0, 1) == "1"; };
    if (CallIndex == 0) return d == 0 && flag(4) ? 0 : 1;
    if (d == 3 && flag(5)) return 3;
    if (d == 6 && flag(6)) return 6;
    return 4;
}

void TCALL::MoveTo(int target) {
    if (!AskedToStore()) {
        ComboBox5->SetItemIndex(CallIndex);
        return;
    }
    CallIndex = std::clamp(target, 0, 1);
    ComboBox5->SetItemIndex(CallIndex);
    LoadCall();
}

void TCALL::ComboBox5Change(TObject*) {
    if (ComboBox5->ItemIndex() >= 0) MoveTo(ComboBox5->ItemIndex());
}

// A choice runs OnChange first, which has already moved; a click on the shown entry is none.
void TCALL::ComboBox5Click(TObject*) {
    if (ComboBox5->ItemIndex() >= 0 && ComboBox5->ItemIndex() != CallIndex)
        MoveTo(ComboBox5->ItemIndex());
}
