// Sort dialog of the numbered memory channels.
#pragma once
#include "platform/Forms.h"

class TSort : public TForm {
  public:
    explicit TSort(TComponent* Owner);
    TRadioButton *RadioButton1, *RadioButton2;
    TButton *Button1, *Button2;
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
};

extern TSort* Sort;
