// The device layer under TQComm: port names, the receive queue and the event wait.
#include "platform/SerialDevice.h"
#include "SerialFixture.h"
#include <thread>

namespace {

class SerialDeviceTest : public SerialTest {};

TEST_F(SerialDeviceTest, PortNamesMapToDevicePaths) {
    EXPECT_EQ(SerialDevicePath("COM1"), peer.DevicePath());
    unsetenv("WYX_COM1");
    unsetenv("WYX_COM4");
    EXPECT_EQ(SerialDevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(SerialDevicePath("COM4"), "/dev/ttyS3");
    setenv("WYX_COM2", "", 1); // empty counts as unset
    EXPECT_EQ(SerialDevicePath("COM2"), "/dev/ttyS1");
    for (const char* bad : {"", "COM", "COM0", "COM01", "com1", "LPT1", "COM1x", "/dev/ttyS0"})
        EXPECT_EQ(SerialDevicePath(bad), "") << bad;
}

TEST_F(SerialDeviceTest, ExclusiveOpenAndProbe) {
    EXPECT_FALSE(SerialDevice::CanOpen(kMissingDevice));
    EXPECT_FALSE(SerialDevice::Open(kMissingDevice));
    EXPECT_FALSE(SerialDevice::CanOpen("/dev/null")); // not a terminal
    EXPECT_TRUE(SerialDevice::CanOpen(peer.DevicePath()));
    auto held = SerialDevice::Open(peer.DevicePath());
    ASSERT_TRUE(held);
    EXPECT_FALSE(SerialDevice::CanOpen(peer.DevicePath()));
    EXPECT_FALSE(SerialDevice::Open(peer.DevicePath()));
    held.reset();
    EXPECT_TRUE(SerialDevice::Open(peer.DevicePath()));
}

TEST_F(SerialDeviceTest, FullReceiveQueueHoldsTheRestBackAndLosesNothing) {
    auto dev = SerialDevice::Open(peer.DevicePath());
    ASSERT_TRUE(dev);
    dev->SetQueueSizes(64, 4096);
    dev->SetTimeouts({1000, 5, 1000, 5, 1000});
    std::string sent;
    for (int i = 0; i < 20000; ++i)
        sent += static_cast<char>('A' + i % 23);
    std::thread sender([&] { peer.Send(sent, 5000); });
    ASSERT_TRUE(WaitUntil([&] { return dev->InQueue() == 64; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(dev->InQueue(), 64u);
    std::string got(sent.size(), '\0');
    SerialTransfer r = dev->Read(got.data(), got.size());
    sender.join();
    EXPECT_TRUE(r.Completed);
    EXPECT_EQ(r.Bytes, sent.size());
    EXPECT_TRUE(got == sent);
    EXPECT_EQ(dev->TakeErrors(), 0u);
}

TEST_F(SerialDeviceTest, EventWait) {
    auto dev = SerialDevice::Open(peer.DevicePath());
    ASSERT_TRUE(dev);
    unsigned events = 99;
    EXPECT_FALSE(dev->WaitEvent(events)); // no mask: fails at once
    EXPECT_EQ(events, 0u);

    SerialLineSettings s = dev->LineSettings();
    s.EventChar = '\r';
    ASSERT_TRUE(dev->SetLineSettings(s));
    dev->SetEventMask(EV_RXFLAG);
    // An event that came while nobody waited is reported by the next wait.
    ASSERT_TRUE(peer.Send("x\r"));
    ASSERT_TRUE(WaitUntil([&] { return dev->InQueue() == 2; }));
    ASSERT_TRUE(dev->WaitEvent(events));
    EXPECT_EQ(events, unsigned(EV_RXFLAG));

    // Changing the mask releases a pending wait with no events.
    bool released = false;
    std::thread waiter([&] {
        unsigned e = 99;
        released = dev->WaitEvent(e) && e == 0;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    auto start = std::chrono::steady_clock::now();
    dev->SetEventMask(0);
    waiter.join();
    EXPECT_LT(MsSince(start), 2000);
    EXPECT_TRUE(released);
}

TEST_F(SerialDeviceTest, PurgeEmptiesTheReceiveQueue) {
    auto dev = SerialDevice::Open(peer.DevicePath());
    ASSERT_TRUE(dev);
    ASSERT_TRUE(peer.Send("abc"));
    ASSERT_TRUE(WaitUntil([&] { return dev->InQueue() == 3; }));
    dev->Purge(true, true);
    EXPECT_EQ(dev->InQueue(), 0u);
}

} // namespace
