// Splash form shown once when the main window first appears; it closes itself after two
// seconds.
#pragma once
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

struct TProgramVariant;

class TWelcome : public TForm {
  public:
    TWelcome(TComponent* Owner, const TProgramVariant& Program);
    TImage* Image1;
    TLabel *Label1, *Label2;
    TTimer* Timer1;
    void FormShow(TObject* Sender);
    void Timer1Timer(TObject* Sender);
};

extern TWelcome* Welcome;
