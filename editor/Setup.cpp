#include "editor/Setup.h"
#include "editor/FormBuild.h"
#include "editor/ProgramVariant.h"

TSetup* Setup = nullptr;

TSetup::TSetup(TComponent* Owner, const TProgramVariant& Program) : TForm(Owner) {
    SetCaption("WYX-R2");
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetClientSize(260, 132);
    TRadioButton** buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3};
    for (int i = 0; i < 3; ++i)
        *buttons[i] = PlaceCaptioned<TRadioButton>(this, this, 24, 16 + 24 * i, 220, 20,
                                                   Program.SetupCaptions[i]);
    RadioButton1->SetChecked(true);
    if (!Program.SetupOffersEveryType) {
        for (TRadioButton* b : {RadioButton2, RadioButton3}) {
            b->Hide();
            b->SetEnabled(false);
        }
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
