#include "editor/AboutBox.h"
#include "editor/FormBuild.h"
#include "editor/ProgramVariant.h"
#include "editor/pictures/ProgramIcon.xpm.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(TComponent* Owner, const TProgramVariant& Program) : TForm(Owner) {
    SetCaption(Program.AboutCaption);
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetClientSize(300, 136);
    ProgramIcon = Place<TImage>(this, this, 20, 20, 48, 48);
    ProgramIcon->LoadXpm(program_icon);
    ProductName = PlaceLabel(this, this, 88, 24, Program.ProductLine, 200);
    ProductName->Font().SetStyle(fsBold);
    Version = PlaceLabel(this, this, 88, 50, Program.VersionLabel, 200);
    OKButton = PlaceCaptioned<TButton>(this, this, 112, 96, 76, 26, "OK");
    OKButton->ModalResult = mrOk;
    OKButton->Default = true;
    OKButton->Cancel = true;
}
