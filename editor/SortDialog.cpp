#include "editor/SortDialog.h"
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/model/ChannelSort.h"

TSort* Sort = nullptr;

TSort::TSort(TComponent* Owner) : TForm(Owner) {
    SetCaption("Memory Channel Sort");
    SetBorderStyle(bsSingle);
    SetCloseBox(false);
    Position = poScreenCenter;
    SetClientSize(186, 96);
    RadioButton1 = PlaceCaptioned<TRadioButton>(this, this, 24, 10, 140, 20, "Frequency");
    RadioButton2 = PlaceCaptioned<TRadioButton>(this, this, 24, 34, 140, 20, "Memory Name");
    RadioButton1->SetChecked(true);
    Button1 = PlaceCaptioned<TButton>(this, this, 12, 62, 76, 25, "&Sort");
    Button2 = PlaceCaptioned<TButton>(this, this, 98, 62, 76, 25, "&Cancel");
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    OnCloseRequest = [this](TObject* s) { Button2Click(s); };
}

void TSort::Button1Click(TObject*) {
    SortMemoryChannels(*MainForm, RadioButton2->Checked() ? TSortKey::Name : TSortKey::Frequency);
    MainForm->RefreshAllControls();
    Close();
    MainForm->ModifiedFlag = 1;
}

void TSort::Button2Click(TObject*) {
    Close();
}

void TMainForm::MemorySort1Click(TObject*) {
    if (Sort) Sort->ShowModal();
}
