#include "editor/Setup.h"
#include "editor/FormBuild.h"

TSetup* Setup = nullptr;

TSetup::TSetup(TComponent* Owner) : TForm(Owner) {
    SetCaption("WYX-R2");
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetClientSize(260, 132);
    RadioButton1 =
        PlaceCaptioned<TRadioButton>(this, this, 24, 16, 220, 20, "VQ-R2U (U.S.A./Canada)");
    RadioButton2 = PlaceCaptioned<TRadioButton>(this, this, 24, 40, 220, 20, "VQ-R2K (Europe)");
    RadioButton3 = PlaceCaptioned<TRadioButton>(this, this, 24, 64, 220, 20, "VQ-R2 (Japan)");
    RadioButton1->SetChecked(true);
    for (TRadioButton* b : {RadioButton2, RadioButton3}) {
        b->Hide();
        b->SetEnabled(false);
    }
    Button1 = PlaceCaptioned<TButton>(this, this, 92, 96, 76, 26, "OK");
    Button1->ModalResult = mrOk;
    Button1->Default = true;
}

AnsiString TSetup::RadioTypeString() const {
    if (RadioButton1->Checked()) return "1,2,00,1,1,,";
    if (RadioButton2->Checked()) return "1,3,08,,,,";
    return "1,0,0E,,,,";
}
