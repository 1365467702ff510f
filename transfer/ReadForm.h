// Stand-in for the read transfer form until the transfer work replaces it: the form and its
// serial component exist, and no port counts as usable yet.
#pragma once
#include "platform/Forms.h"

// Stand-in of the serial component: refuses every port.
class TCommPortStandIn : public TComponent {
  public:
    using TComponent::TComponent;
    bool CheckCommportValid(const AnsiString&) const { return false; }
};

class TReadForm : public TForm {
  public:
    explicit TReadForm(TComponent* Owner);
    TCommPortStandIn* QComm1;
};

extern TReadForm* ReadForm;
