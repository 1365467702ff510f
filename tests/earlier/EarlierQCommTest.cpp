// The earlier program's serial component on a pseudo-terminal: its limit properties and its
// flow-control rules, mode after mode on one open port.
#include "earlier/EarlierQComm.h"
#include "tests/serial/SerialFixture.h"

namespace {

class InspectableEarlierComm : public TEarlierQComm {
  public:
    using TEarlierQComm::TEarlierQComm;
    SerialLineSettings Settings() const { return GetCommState(); }
};

class EarlierQComm : public SerialTest {};

TEST_F(EarlierQComm, LimitsArePublishedAsXonAndXoffSendSize) {
    TEarlierQComm c(nullptr);
    EXPECT_EQ(c.XonSendSize(), 1024);
    EXPECT_EQ(c.XoffSendSize(), 2048);
    c.SetXonSendSize(256);
    c.SetXoffSendSize(768);
    EXPECT_EQ(c.XonSendSize(), 256);
    EXPECT_EQ(c.XoffSendSize(), 768);
}

TEST_F(EarlierQComm, FlowControlRulesMapOntoTheLine) {
    using L = SerialLineControl;
    struct Case {
        TFlowControl mode;
        uint16_t xonSendSize; // set before the mode
        bool outX, inX, continueOnXoff, dsrFlow, ctsFlow;
        L dtr, rts;
        uint16_t xonLim, xoffLim;
        bool softwareFlow, hardwareFlow; // as the device shows them
    };
    const Case cases[] = {
        // The forms' settings: 1024 - 768 gives the Xoff limit.
        {TFlowControl::XonXoff, 256, true, true, false, false, false, L::Enable, L::Enable, 256,
         256, true, false},
        // The other modes keep the limits and characters the port has.
        {TFlowControl::DtrDsr, 256, false, false, true, true, false, L::Handshake, L::Enable, 256,
         256, false, false},
        {TFlowControl::RtsCts, 100, false, false, true, false, true, L::Enable, L::Handshake, 256,
         256, false, true},
        {TFlowControl::XonXoff, 100, true, true, false, false, false, L::Enable, L::Enable, 100,
         256, true, false},
        {TFlowControl::Disable, 100, false, false, true, false, false, L::Enable, L::Enable, 100,
         256, false, false},
    };
    InspectableEarlierComm c(nullptr);
    ConfigureForRadio(c);
    for (const Case& k : cases) {
        c.SetXonSendSize(k.xonSendSize);
        if (!c.GetPortStatus())
            c.OpenCommport(); // the first mode comes with the open
        else
            c.SetFlowControl(k.mode);
        const int mode = static_cast<int>(k.mode);
        EXPECT_EQ(c.FlowControl(), k.mode);
        SerialLineSettings s = c.Settings();
        EXPECT_EQ(s.OutX, k.outX) << mode;
        EXPECT_EQ(s.InX, k.inX) << mode;
        EXPECT_EQ(s.TxContinueOnXoff, k.continueOnXoff) << mode;
        EXPECT_EQ(s.OutxDsrFlow, k.dsrFlow) << mode;
        EXPECT_EQ(s.DsrSensitivity, k.dsrFlow) << mode;
        EXPECT_EQ(s.OutxCtsFlow, k.ctsFlow) << mode;
        EXPECT_EQ(s.DtrControl, k.dtr) << mode;
        EXPECT_EQ(s.RtsControl, k.rts) << mode;
        EXPECT_EQ(s.XonLim, k.xonLim) << mode;
        EXPECT_EQ(s.XoffLim, k.xoffLim) << mode;
        EXPECT_EQ(s.XonChar, 17) << mode;
        EXPECT_EQ(s.XoffChar, 19) << mode;
        PseudoTerminal::LineState line = peer.DeviceLineState();
        EXPECT_EQ(line.SoftwareFlowOut, k.softwareFlow) << mode;
        EXPECT_EQ(line.SoftwareFlowIn, k.softwareFlow) << mode;
        EXPECT_EQ(line.HardwareFlow, k.hardwareFlow) << mode;
    }
}

TEST_F(EarlierQComm, DtrDsrAtOpenLeavesThePortsOwnLimits) {
    InspectableEarlierComm c(nullptr);
    const SerialLineSettings own = SerialLineSettings{};
    c.SetFlowControl(TFlowControl::DtrDsr);
    c.SetInBuffSize(1024);
    c.SetXonSendSize(256);
    c.SetXoffSendSize(768);
    c.OpenCommport();
    EXPECT_EQ(c.Settings().XonLim, own.XonLim);
    EXPECT_EQ(c.Settings().XoffLim, own.XoffLim);
    EXPECT_TRUE(c.Settings().TxContinueOnXoff);
}

} // namespace
