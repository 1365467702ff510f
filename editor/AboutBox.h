// Help > About: program icon, name and version.
#pragma once
#include "platform/Forms.h"

class TAboutBox : public TForm {
  public:
    explicit TAboutBox(TComponent* Owner);
    TImage* ProgramIcon;
    TLabel *ProductName, *Version;
    TButton* OKButton;
};

extern TAboutBox* AboutBox;
