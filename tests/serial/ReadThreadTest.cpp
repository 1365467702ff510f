// Receive events: what wakes the read thread, what it hands to the GUI thread, and that
// nothing arrives after the port was closed.
#include "SerialFixture.h"
#include "platform/TestSeam.h"
#include <thread>
#include <vector>

namespace {

class ReadEvents : public SerialTest {
  protected:
    void SetUp() override {
        SerialTest::SetUp();
        comm = std::make_unique<TQComm>(nullptr);
        ConfigureForRadio(*comm);
    }
    // Records every event; reads the line as the transfer forms do, byte by byte.
    void RecordLines() {
        comm->OnCommEvent = [this](TObject* sender, uint32_t& size) {
            senders.push_back(sender);
            sizes.push_back(size);
            std::string line;
            while (comm->CountInBuff() != 0) {
                char c = 0;
                comm->ReadData(&c, 1);
                line += c;
            }
            lines.push_back(line);
        };
    }
    // Lets the read thread post whatever it will without the GUI thread taking it.
    static void LetThreadPost() { std::this_thread::sleep_for(std::chrono::milliseconds(200)); }

    std::unique_ptr<TQComm> comm;
    std::vector<TObject*> senders;
    std::vector<uint32_t> sizes;
    std::vector<std::string> lines;
};

TEST_F(ReadEvents, OneEventPerCarriageReturn) {
    RecordLines();
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("ID VQ-R2M\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "ID VQ-R2M\r");
    EXPECT_EQ(senders[0], comm.get());
    EXPECT_EQ(sizes[0], 10u);
    ASSERT_TRUE(peer.Send("TYD 1\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(lines[1], "TYD 1\r");
    ProcessPendingEvents(200);
    EXPECT_EQ(lines.size(), 2u);
}

TEST_F(ReadEvents, NoCarriageReturnNoEvent) {
    RecordLines();
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("ID VQ-R2M"));
    ProcessPendingEvents(300);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(comm->CountInBuff(), 9);
    // The carriage return completes the line.
    ASSERT_TRUE(peer.Send("\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "ID VQ-R2M\r");
}

TEST_F(ReadEvents, EventCharacterIsTheLowByteOfEventChar) {
    RecordLines();
    comm->SetEventChar(0x100 | '!');
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("no\r"));
    ProcessPendingEvents(200);
    EXPECT_TRUE(lines.empty());
    ASSERT_TRUE(peer.Send("yes!"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "no\ryes!");
}

TEST_F(ReadEvents, RxEventWaitsForTheThreshold) {
    comm->SetEventType(TEventType::RxEvent);
    comm->SetRxThreshold(256);
    comm->OnCommEvent = [this](TObject*, uint32_t& size) { sizes.push_back(size); };
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send(std::string(255, 'a')));
    ASSERT_TRUE(WaitUntil([&] { return comm->CountInBuff() == 255; }));
    ProcessPendingEvents(200);
    EXPECT_TRUE(sizes.empty());
    ASSERT_TRUE(peer.Send("b"));
    ASSERT_TRUE(WaitUntil([&] { return sizes.size() == 1; }));
    EXPECT_EQ(sizes[0], 256u);
    ProcessPendingEvents(200);
    EXPECT_EQ(sizes.size(), 1u);
}

TEST_F(ReadEvents, NoEventAfterClose) {
    RecordLines();
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("late\r"));
    LetThreadPost();
    comm->CloseCommport();
    ProcessPendingEvents(100);
    EXPECT_TRUE(lines.empty());
}

TEST_F(ReadEvents, EventOfAnEarlierOpenNeverReachesALaterOne) {
    RecordLines();
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("old\r"));
    LetThreadPost();
    comm->CloseCommport();
    comm->OpenCommport();
    ProcessPendingEvents(100);
    EXPECT_TRUE(lines.empty());
    ASSERT_TRUE(peer.Send("new\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "new\r");
}

TEST_F(ReadEvents, EventAfterTheComponentIsGoneIsDropped) {
    RecordLines();
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("late\r"));
    LetThreadPost();
    comm.reset();
    ProcessPendingEvents(100);
    EXPECT_TRUE(lines.empty());
}

TEST_F(ReadEvents, CloseWhileWaitingIsPrompt) {
    RecordLines();
    comm->OpenCommport();
    ProcessPendingEvents(50);
    auto start = std::chrono::steady_clock::now();
    comm->CloseCommport();
    EXPECT_LT(MsSince(start), 2000);
    ProcessPendingEvents(100);
    EXPECT_TRUE(lines.empty());
}

TEST_F(ReadEvents, HandlerMayCloseThePort) {
    comm->OnCommEvent = [this](TObject*, uint32_t&) {
        lines.push_back("closing");
        comm->CloseCommport();
    };
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("A\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_FALSE(comm->GetPortStatus());
    ProcessPendingEvents(100);
    EXPECT_EQ(lines.size(), 1u);
}

TEST_F(ReadEvents, NoHandlerNoEventNoFailure) {
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("unheard\r"));
    LetThreadPost();
    ProcessPendingEvents(100);
    EXPECT_EQ(comm->CountInBuff(), 8);
    comm->ClearInBuff();
    RecordLines();
    ASSERT_TRUE(peer.Send("heard\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    EXPECT_EQ(lines[0], "heard\r");
}

TEST_F(ReadEvents, HandlerErrorGoesToTheExceptionDisplayAndEventsGoOn) {
    comm->OnCommEvent = [this](TObject*, uint32_t&) {
        lines.push_back(comm->ReadStringData(static_cast<uint32_t>(comm->CountInBuff())));
        if (lines.size() == 1) throw ECommError("Communication Read Error  ErrorMask=%d", 8);
    };
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("one\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    ASSERT_EQ(TestSeam().MessageBoxes.size(), 1u);
    EXPECT_EQ(TestSeam().MessageBoxes[0].Text, "Communication Read Error  ErrorMask=8");
    EXPECT_EQ(TestSeam().MessageBoxes[0].Flags, MB_ICONSTOP | MB_OK);
    ASSERT_TRUE(peer.Send("two\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 2; }));
    EXPECT_EQ(lines[1], "two\r");
}

TEST_F(ReadEvents, HangUpEndsEventsQuietly) {
    RecordLines();
    comm->OpenCommport();
    ASSERT_TRUE(peer.Send("last\r"));
    ASSERT_TRUE(WaitUntil([&] { return lines.size() == 1; }));
    peer.HangUp();
    ProcessPendingEvents(200);
    EXPECT_EQ(lines.size(), 1u);
    auto start = std::chrono::steady_clock::now();
    comm->CloseCommport();
    EXPECT_LT(MsSince(start), 2000);
}

} // namespace
