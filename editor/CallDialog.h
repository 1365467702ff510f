// Entry dialog of the two CALL channels.
#pragma once
#include "platform/Forms.h"

class TCALL : public TForm {
  public:
    explicit TCALL(TComponent* Owner);
};

extern TCALL* CALL;
