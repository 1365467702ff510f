// Entry dialog of the ten DTMF memories.
#pragma once
#include "platform/Forms.h"

class TDTMF : public TForm {
  public:
    explicit TDTMF(TComponent* Owner);
};

extern TDTMF* DTMF;
