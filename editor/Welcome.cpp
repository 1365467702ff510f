#include "editor/Welcome.h"
#include "editor/FormBuild.h"
#include "editor/ProgramVariant.h"
#include "editor/pictures/Splash.xpm.h"

TWelcome* Welcome = nullptr;

TWelcome::TWelcome(TComponent* Owner, const TProgramVariant& Program) : TForm(Owner) {
    SetCaption("Welcome");
    SetBorderStyle(bsDialog);
    SetCloseBox(false);
    Position = poScreenCenter;
    SetClientSize(360, 236);
    Image1 = Place<TImage>(this, this, 20, 16, 320, 140);
    Image1->LoadXpm(splash_picture);
    Label1 = PlaceLabel(this, this, 20, 166, Program.SplashTitle, 320);
    Label1->Font().SetHeight(-26);
    Label1->Font().SetStyle(fsBold);
    Label2 = PlaceLabel(this, this, 20, 204, Program.ProductLine, 320);
    Label2->Font().SetHeight(-14);
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TWelcome::FormShow(TObject*) {
    Timer1->SetInterval(2000);
    Timer1->SetEnabled(true);
}

void TWelcome::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    Close();
}
