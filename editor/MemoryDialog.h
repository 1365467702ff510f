// Entry dialog of one memory channel.
#pragma once
#include "platform/Forms.h"

class TMemory : public TForm {
  public:
    explicit TMemory(TComponent* Owner);
};

extern TMemory* Memory;
