// The serial component of the earlier program: the same component, publishing its two
// Xon/Xoff limits as XonSendSize and XoffSendSize, with its own flow-control rules.
#pragma once
#include "serial/QComm.h"

class TEarlierQComm : public TQComm {
  public:
    using TQComm::TQComm;

    // In place of RxStartSize and RxStopSize (same defaults, same writers).
    uint16_t XonSendSize() const { return TQComm::RxStartSize(); }
    uint16_t XoffSendSize() const { return TQComm::RxStopSize(); }
    uint16_t RxStartSize() const = delete;
    uint16_t RxStopSize() const = delete;

    // Every mode sets DTR and RTS on, no hardware handshake, no Xon/Xoff and lets sending go
    // on after an Xoff; then DtrDsr adds the DTR/DSR handshake, RtsCts the RTS/CTS handshake,
    // and XonXoff Xon/Xoff both ways with the component's characters and limits and stops
    // sending after an Xoff. The characters and limits are written only for XonXoff.
    void SetFlowControl(TFlowControl v) override;
};

// The transfer forms' maker of this component.
TQComm* NewEarlierQComm(TComponent* owner);
