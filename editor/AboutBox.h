// Help > About: program icon, name and version.
#pragma once
#include "platform/Forms.h"

struct TProgramVariant;

class TAboutBox : public TForm {
  public:
    TAboutBox(TComponent* Owner, const TProgramVariant& Program);
    TImage* ProgramIcon;
    TLabel *ProductName, *Version;
    TButton* OKButton;
};

extern TAboutBox* AboutBox;
