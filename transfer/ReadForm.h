// Stand-in for the read transfer form until the transfer work replaces it: the form and its
// serial component exist; a port counts as usable when its device exists.
#pragma once
#include "platform/Forms.h"

// Stand-in of the serial component. A port name "COMn" names the device in the environment
// variable WYX_COMn, else /dev/ttyS(n-1).
class TCommPortStandIn : public TComponent {
  public:
    using TComponent::TComponent;
    bool CheckCommportValid(const AnsiString& name) const;
};

class TReadForm : public TForm {
  public:
    explicit TReadForm(TComponent* Owner);
    TCommPortStandIn* QComm1;
};

extern TReadForm* ReadForm;
