// Sort dialog of the numbered memory channels.
#pragma once
#include "platform/Forms.h"

class TSort : public TForm {
  public:
    explicit TSort(TComponent* Owner);
};

extern TSort* Sort;
