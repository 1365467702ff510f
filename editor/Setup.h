// First-run dialog: which regional version of the radio the document is for.
#pragma once
#include "platform/Forms.h"

struct TProgramVariant;

class TSetup : public TForm {
  public:
    TSetup(TComponent* Owner, const TProgramVariant& Program);
    TRadioButton *RadioButton1, *RadioButton2, *RadioButton3;
    TButton* Button1;
    // The radio type text of the checked choice.
    AnsiString RadioTypeString() const;
};

extern TSetup* Setup;
