// Entry dialog of the VFO of one band and its programmable range.
#pragma once
#include "platform/Forms.h"

class TVFO : public TForm {
  public:
    explicit TVFO(TComponent* Owner);
};

extern TVFO* VFO;
