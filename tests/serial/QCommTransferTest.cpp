// Reading and writing byte blocks: sizes, time-outs, queues and a peer that goes away.
#include "SerialFixture.h"
#include <ctime>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

class QCommTransfer : public SerialTest {
  protected:
    void SetUp() override {
        SerialTest::SetUp();
        ConfigureForRadio(comm);
        comm.OpenCommport();
    }
    // Runs f on another thread after ms, as the far end acting while a transfer waits.
    void Later(int ms, std::function<void()> f) {
        peerThread = std::thread([ms, f = std::move(f)] {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            f();
        });
    }
    void TearDown() override {
        if (peerThread.joinable()) peerThread.join();
        SerialTest::TearDown();
    }
    // Stops our output as a far end's Xoff does. The byte after it arrives only once the
    // driver has taken the Xoff.
    void HoldOutput() {
        ASSERT_TRUE(peer.Send("\x13m"));
        ASSERT_TRUE(WaitUntil([&] { return comm.CountInBuff() == 1; }));
        comm.ClearInBuff();
    }

    TQComm comm{nullptr};
    std::thread peerThread;
};

TEST_F(QCommTransfer, WritesAndReadsBlocks) {
    comm.WriteData("AI 0", 4);
    comm.WriteData("\r", 1);
    EXPECT_EQ(peer.Receive(5, 1000), "AI 0\r");
    ASSERT_TRUE(peer.Send(std::string("ID\0VQ", 5)));
    char buf[5] = {};
    comm.ReadData(buf, 5);
    EXPECT_EQ(std::string(buf, 5), std::string("ID\0VQ", 5));
    ASSERT_TRUE(peer.Send(std::string("a\0b", 3)));
    EXPECT_EQ(comm.ReadStringData(3), std::string("a\0b", 3));
    comm.WriteStringData("");
    EXPECT_EQ(comm.CountInBuff(), 0);
}

TEST_F(QCommTransfer, WriteMustBeBelowTheFreeTransmitSpace) {
    // OutBuffSize 1024 and an empty transmit queue.
    ASSERT_EQ(comm.CountOutBuff(), 0);
    std::string block(1024, 'x');
    EXPECT_EQ(CommErrorOf([&] { comm.WriteData(block.data(), 1024); }), "Too much write data");
    EXPECT_EQ(peer.Receive(1, 100), "");
    EXPECT_EQ(CommErrorOf([&] { comm.WriteData(block.data(), 1023); }), "");
    EXPECT_EQ(peer.Receive(1023, 2000).size(), 1023u);
}

TEST_F(QCommTransfer, SilentLineEndsAOneByteReadWithoutError) {
    char b = 'Z';
    auto start = Clock::now();
    EXPECT_EQ(CommErrorOf([&] { comm.ReadData(&b, 1); }), "");
    auto ms = MsSince(start);
    EXPECT_GE(ms, 990);
    EXPECT_LT(ms, 3000);
    EXPECT_EQ(b, 'Z');
}

TEST_F(QCommTransfer, ShortReadEndsAfterTheIntervalAndKeepsTheRest) {
    char buf[4] = {'W', 'X', 'Y', 'Z'};
    Later(100, [&] { peer.Send("ab"); });
    auto start = Clock::now();
    comm.ReadData(buf, 4);
    // The total time-out (1020 ms) ends it.
    auto ms = MsSince(start);
    EXPECT_GE(ms, 990);
    EXPECT_LT(ms, 3000);
    EXPECT_EQ(std::string(buf, 4), "abYZ");
}

TEST_F(QCommTransfer, ReadWaitsForBytesThatArriveLater) {
    Later(200, [&] { peer.Send("OK\r"); });
    EXPECT_EQ(comm.ReadStringData(3), "OK\r");
}

TEST_F(QCommTransfer, ClearInBuffDiscardsTheReceiveQueue) {
    ASSERT_TRUE(peer.Send("stale"));
    ASSERT_TRUE(WaitUntil([&] { return comm.CountInBuff() == 5; }));
    comm.ClearInBuff();
    EXPECT_EQ(comm.CountInBuff(), 0);
    comm.ClearOutBuff();
    ASSERT_TRUE(peer.Send("new"));
    EXPECT_EQ(comm.ReadStringData(3), "new");
}

TEST_F(QCommTransfer, XoffHoldsOurOutputUntilXon) {
    HoldOutput();
    Later(300, [&] { peer.Send("\x11"); });
    auto start = Clock::now();
    comm.WriteStringData("held");
    EXPECT_GE(MsSince(start), 250);
    EXPECT_EQ(peer.Receive(4, 1000), "held");
}

TEST_F(QCommTransfer, WriteHeldPastItsTotalTimeEndsWithoutError) {
    HoldOutput();
    auto start = Clock::now();
    EXPECT_EQ(CommErrorOf([&] { comm.WriteStringData("0123456789"); }), "");
    auto ms = MsSince(start);
    EXPECT_GE(ms, 1040); // 10 bytes: 5 ms each plus 1000 ms
    EXPECT_LT(ms, 3000);
}

TEST_F(QCommTransfer, HangUpEarlyInAReadIsAReadError) {
    char buf[20];
    Later(50, [&] { peer.HangUp(); }); // a 20-byte read's deadline is 2000 ms
    EXPECT_EQ(CommErrorOf([&] { comm.ReadData(buf, 20); }),
              "Communication Read Error  ErrorMask=1024");
    char b = 0;
    // Later reads fail at once, and the port still closes cleanly.
    auto start = Clock::now();
    EXPECT_EQ(CommErrorOf([&] { comm.ReadData(&b, 1); }),
              "Communication Read Error  ErrorMask=1024");
    EXPECT_LT(MsSince(start), 900); // not the 1005 ms time-out
    EXPECT_EQ(comm.CountInBuff(), 0);
    comm.CloseCommport();
    EXPECT_FALSE(comm.GetPortStatus());
}

TEST_F(QCommTransfer, HangUpPastTheDeadlineIsAReadTimeout) {
    char b = 0;
    Later(400, [&] { peer.HangUp(); }); // a 1-byte read's deadline is 100 ms
    EXPECT_EQ(CommErrorOf([&] { comm.ReadData(&b, 1); }), "Read data Timeout");
}

TEST_F(QCommTransfer, HangUpDuringAHeldWriteIsAWriteError) {
    HoldOutput();
    Later(200, [&] { peer.HangUp(); });
    std::string block(100, 'w'); // deadline 10 s
    EXPECT_EQ(CommErrorOf([&] { comm.WriteData(block.data(), 100); }),
              "Communication Write Error  ErrorMask=1024");
    EXPECT_EQ(CommErrorOf([&] { comm.WriteStringData("x"); }),
              "Communication Write Error  ErrorMask=1024");
}

TEST_F(QCommTransfer, HangUpPastAWriteDeadlineIsAWriteTimeout) {
    HoldOutput();
    Later(400, [&] { peer.HangUp(); });
    EXPECT_EQ(CommErrorOf([&] { comm.WriteStringData("x"); }), "Write data Timeout");
}

TEST_F(QCommTransfer, GoneDeviceCostsNoProcessorTime) {
    peer.HangUp();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::clock_t cpu = std::clock();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    double usedMs = 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC;
    EXPECT_LT(usedMs, 50.0);
    auto start = Clock::now();
    comm.CloseCommport();
    EXPECT_LT(MsSince(start), 2000);
}

} // namespace
