// Stand-in for the write transfer form until the transfer work replaces it.
#pragma once
#include "transfer/ReadForm.h"

class TWriteForm : public TForm {
  public:
    explicit TWriteForm(TComponent* Owner);
    TCommPortStandIn* QComm1;
};

extern TWriteForm* WriteForm;
