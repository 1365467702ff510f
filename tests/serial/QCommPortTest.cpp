// Opening, closing, properties, line settings and port checks of TQComm.
#include "SerialFixture.h"

namespace {

// Shows the open port's line-settings record.
class InspectableComm : public TQComm {
  public:
    using TQComm::TQComm;
    SerialLineSettings Settings() const { return GetCommState(); }
};

class QCommPort : public SerialTest {};

TEST_F(QCommPort, DefaultsAreThePublishedOnes) {
    TQComm c(nullptr);
    EXPECT_EQ(c.CommPort(), TCommPort::Com1);
    EXPECT_EQ(c.BaudRate(), TBaudRate::___9600bps);
    EXPECT_EQ(c.Parity(), TParity::None);
    EXPECT_EQ(c.ByteSize(), TByteSize::_8bit);
    EXPECT_EQ(c.StopBits(), TStopBits::_1bit);
    EXPECT_EQ(c.FlowControl(), TFlowControl::Disable);
    EXPECT_EQ(c.EventType(), TEventType::RxEvent);
    EXPECT_EQ(c.InBuffSize(), 4096u);
    EXPECT_EQ(c.OutBuffSize(), 4096u);
    EXPECT_EQ(c.RxThreshold(), 256u);
    EXPECT_EQ(c.RxStartSize(), 1024);
    EXPECT_EQ(c.RxStopSize(), 2048);
    EXPECT_EQ(c.EventChar(), 65);
    EXPECT_FALSE(c.OnCommEvent);
    EXPECT_FALSE(c.GetPortStatus());
}

TEST_F(QCommPort, ClosedPortCountsMinusOneAndRefusesTransfers) {
    TQComm c(nullptr);
    EXPECT_EQ(c.CountInBuff(), -1);
    EXPECT_EQ(c.CountOutBuff(), -1);
    char b = 0;
    const std::string text = "Have not started communications";
    EXPECT_EQ(CommErrorOf([&] { c.ReadData(&b, 1); }), text);
    EXPECT_EQ(CommErrorOf([&] { c.WriteData("x", 1); }), text);
    EXPECT_EQ(CommErrorOf([&] { c.ReadStringData(1); }), text);
    EXPECT_EQ(CommErrorOf([&] { c.WriteStringData("x"); }), text);
    // The queue and break operations do nothing on a closed port.
    c.ClearInBuff();
    c.ClearOutBuff();
    c.WriteStop();
    c.WriteRestart();
    c.CloseCommport();
    EXPECT_FALSE(c.GetPortStatus());
}

TEST_F(QCommPort, OpenCloseAndReopen) {
    TQComm c(nullptr);
    c.OpenCommport();
    EXPECT_TRUE(c.GetPortStatus());
    EXPECT_EQ(c.CountInBuff(), 0);
    EXPECT_GE(c.CountOutBuff(), 0);
    c.CloseCommport();
    EXPECT_FALSE(c.GetPortStatus());
    EXPECT_EQ(c.CountInBuff(), -1);
    c.CloseCommport(); // a second close does nothing
    EXPECT_FALSE(c.GetPortStatus());
    c.OpenCommport(); // the device is free again
    c.WriteStringData("ok");
    EXPECT_EQ(peer.Receive(2, 1000), "ok");
}

TEST_F(QCommPort, SecondOpenNeitherPurgesNorRestarts) {
    TQComm c(nullptr);
    c.OpenCommport();
    ASSERT_TRUE(peer.Send("abc"));
    ASSERT_TRUE(WaitUntil([&] { return c.CountInBuff() == 3; }));
    c.OpenCommport();
    EXPECT_TRUE(c.GetPortStatus());
    EXPECT_EQ(c.CountInBuff(), 3);
    EXPECT_EQ(c.ReadStringData(3), "abc");
}

TEST_F(QCommPort, FailedOpenLeavesTheComponentClosed) {
    TQComm missing(nullptr);
    missing.SetCommPort(TCommPort::Com2);
    EXPECT_EQ(CommErrorOf([&] { missing.OpenCommport(); }),
              "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_FALSE(missing.GetPortStatus());
    EXPECT_EQ(missing.CountInBuff(), -1);

    TQComm holder(nullptr), second(nullptr);
    holder.OpenCommport();
    EXPECT_EQ(CommErrorOf([&] { second.OpenCommport(); }),
              "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_FALSE(second.GetPortStatus());
    EXPECT_TRUE(holder.GetPortStatus());
}

TEST_F(QCommPort, DestructorClosesThePort) {
    auto* c = new TQComm(nullptr);
    c->OpenCommport();
    delete c;
    TQComm again(nullptr);
    EXPECT_TRUE(again.CheckCommportValid("COM1"));
    again.OpenCommport();
    EXPECT_TRUE(again.GetPortStatus());
}

TEST_F(QCommPort, OwnerFreesTheComponent) {
    TComponent owner(nullptr);
    auto* c = new TQComm(&owner);
    c->OpenCommport();
    EXPECT_EQ(c->Owner(), &owner);
    // Leaving the scope frees c with its owner, which closes the port.
}

TEST_F(QCommPort, CommPortSetsThePortName) {
    setenv("WYX_COM1", kMissingDevice, 1);
    setenv("WYX_COM3", peer.DevicePath().c_str(), 1);
    TQComm c(nullptr);
    c.SetCommPort(TCommPort::Com3);
    c.SetCommPort(TCommPort::Com3);
    EXPECT_EQ(c.CommPort(), TCommPort::Com3);
    c.OpenCommport();
    EXPECT_TRUE(c.GetPortStatus());
    EXPECT_TRUE(c.CheckCommportValid("COM3"));
    // An open port keeps its name when CommPort changes; the next open uses the new one.
    c.SetCommPort(TCommPort::Com1);
    c.WriteStringData("still");
    EXPECT_EQ(peer.Receive(5, 1000), "still");
    c.CloseCommport();
    EXPECT_EQ(CommErrorOf([&] { c.OpenCommport(); }), "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
}

TEST_F(QCommPort, CheckCommportValid) {
    TQComm a(nullptr), b(nullptr);
    EXPECT_TRUE(a.CheckCommportValid("COM1"));
    EXPECT_FALSE(a.CheckCommportValid("COM2")); // missing device
    EXPECT_FALSE(a.CheckCommportValid("LPT1"));
    EXPECT_FALSE(a.CheckCommportValid(""));
    // The probe leaves the port free.
    a.OpenCommport();
    // Its own open port is valid without a probe (a probe would find it held).
    EXPECT_TRUE(a.CheckCommportValid("COM1"));
    EXPECT_FALSE(b.CheckCommportValid("COM1"));
    a.CloseCommport();
    EXPECT_TRUE(b.CheckCommportValid("COM1"));
}

TEST_F(QCommPort, RadioLineSettingsReachTheDevice) {
    InspectableComm c(nullptr);
    ConfigureForRadio(c);
    c.OpenCommport();
    PseudoTerminal::LineState line = peer.DeviceLineState();
    EXPECT_TRUE(line.SoftwareFlowOut);
    EXPECT_TRUE(line.SoftwareFlowIn);
    EXPECT_FALSE(line.HardwareFlow);
    EXPECT_TRUE(line.Raw);
    EXPECT_EQ(line.Baud, 9600u);
    EXPECT_EQ(line.DataBits, 8);
    EXPECT_FALSE(line.Parity);
    EXPECT_FALSE(line.TwoStopBits);
    EXPECT_EQ(line.XonChar, 17);
    EXPECT_EQ(line.XoffChar, 19);

    SerialLineSettings s = c.Settings();
    EXPECT_EQ(s.XonLim, 256);
    EXPECT_EQ(s.XoffLim, 256);
    EXPECT_TRUE(s.OutX);
    EXPECT_TRUE(s.InX);
    EXPECT_EQ(s.RtsControl, SerialLineControl::Enable);
    EXPECT_EQ(s.DtrControl, SerialLineControl::Enable);
    EXPECT_FALSE(s.OutxCtsFlow);
    EXPECT_FALSE(s.OutxDsrFlow);
    EXPECT_FALSE(s.DsrSensitivity);
    EXPECT_EQ(s.EventChar, 13);
}

TEST_F(QCommPort, LineWritersActWhileOpen) {
    InspectableComm c(nullptr);
    c.SetFlowControl(TFlowControl::XonXoff);
    c.OpenCommport();
    c.SetBaudRate(TBaudRate::__19200bps);
    c.SetStopBits(TStopBits::_2bit);
    c.SetFlowControl(TFlowControl::RtsCts);
    PseudoTerminal::LineState line = peer.DeviceLineState();
    EXPECT_EQ(line.Baud, 19200u);
    EXPECT_TRUE(line.TwoStopBits);
    EXPECT_TRUE(line.HardwareFlow);
    EXPECT_FALSE(line.SoftwareFlowOut);
    EXPECT_FALSE(line.SoftwareFlowIn);
    // (A pseudo-terminal refuses parity and other byte sizes, so those are not shown here.)
    SerialLineSettings s = c.Settings();
    EXPECT_EQ(s.StopBits, 2);
    EXPECT_EQ(s.BaudRate, 19200u);
    EXPECT_EQ(s.RtsControl, SerialLineControl::Handshake);
    EXPECT_EQ(s.DtrControl, SerialLineControl::Enable);
    // The default limits: Xon at RxStartSize, Xoff at InBuffSize - RxStopSize.
    EXPECT_EQ(s.XonLim, 1024);
    EXPECT_EQ(s.XoffLim, 2048);
    c.SetFlowControl(TFlowControl::DtrDsr);
    s = c.Settings();
    EXPECT_EQ(s.DtrControl, SerialLineControl::Handshake);
    EXPECT_TRUE(s.OutxDsrFlow);
    EXPECT_TRUE(s.DsrSensitivity);
    EXPECT_EQ(s.RtsControl, SerialLineControl::Enable);
    EXPECT_FALSE(peer.DeviceLineState().HardwareFlow);
}

TEST_F(QCommPort, StoreOnlyWritersWaitForTheNextOpen) {
    InspectableComm c(nullptr);
    c.OpenCommport();
    c.SetInBuffSize(1024);
    c.SetXoffSendSize(1000);
    EXPECT_EQ(c.Settings().XoffLim, 4096 - 2048); // not applied yet
    c.SetFlowControl(TFlowControl::Disable);
    EXPECT_EQ(c.Settings().XoffLim, 24); // the limits come with SetFlowControl
    // 16-bit arithmetic when RxStopSize exceeds InBuffSize.
    c.SetXoffSendSize(1030);
    c.SetFlowControl(TFlowControl::Disable);
    EXPECT_EQ(c.Settings().XoffLim, 65530);
}

} // namespace
