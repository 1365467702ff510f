#include "earlier/EarlierQComm.h"

void TEarlierQComm::SetFlowControl(TFlowControl v) {
    StoreFlowControl(v);
    ChangeLine([&](SerialLineSettings& s) {
        s.OutxDsrFlow = false;
        s.DtrControl = SerialLineControl::Enable;
        s.DsrSensitivity = false;
        s.OutX = false;
        s.InX = false;
        s.TxContinueOnXoff = true;
        s.RtsControl = SerialLineControl::Enable;
        s.OutxCtsFlow = false;
        switch (v) {
        case TFlowControl::DtrDsr:
            s.OutxDsrFlow = true;
            s.DtrControl = SerialLineControl::Handshake;
            s.DsrSensitivity = true;
            break;
        case TFlowControl::XonXoff:
            s.XonChar = XonChar;
            s.XoffChar = XoffChar;
            s.OutX = true;
            s.InX = true;
            s.XonLim = XonSendSize();
            s.XoffLim = static_cast<uint16_t>(InBuffSize() - XoffSendSize());
            s.TxContinueOnXoff = false;
            break;
        case TFlowControl::RtsCts:
            s.RtsControl = SerialLineControl::Handshake;
            s.OutxCtsFlow = true;
            break;
        case TFlowControl::Disable:
            break;
        }
    });
}

TQComm* NewEarlierQComm(TComponent* owner) {
    return new TEarlierQComm(owner);
}
