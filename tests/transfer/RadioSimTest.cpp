// The simulated radio: reply forms, state changes by set commands, and the faults on request.
#include "tools/radio_sim/RadioSim.h"
#include "tools/radio_sim/SimClient.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace radiosim;
using namespace std::chrono_literals;

namespace {

RadioState Small() {
    RadioState s;
    s.RadioType = "1,1,00,,,,";
    Record r = RecordFromText("007,00145500000,3,1,0,1,0,,08,,12,000600000,1,0,,,,HOME");
    s.Memory["007"] = r;
    s.Call[0] = RecordFromText("0,00145000000,3,0,0,0,0,,09,,09,000600000,,0,00146000000,3,,");
    s.Vfo['2'] = RecordFromText("2,00144000000,3,0,0,0,0,,09,,09,000600000,,0,,,2,");
    s.ProgramVfo['2'] = "00144,00146";
    s.DtmfCode[3] = "12EF";
    s.DtmfName[3] = "GATE";
    s.Menu["BEL 0"] = "1";
    s.Menu["MYC"] = "AB1CD";
    s.Menu["DL"] = "1";
    return s;
}

} // namespace

TEST(RadioModel, QueriesAnswerWithTheEchoedHeadThenTheValue) {
    RadioModel m(Small());
    EXPECT_EQ(m.Answer("ID"), "ID VQ-R2M");
    EXPECT_EQ(m.Answer("TYD"), "TYD 1,1,00,,,,");
    EXPECT_EQ(m.Answer("FL"), "FL 00144,00148,00430,00450");
    EXPECT_EQ(m.Answer("BCN"), "BCN 0");
    EXPECT_EQ(m.Answer("AI 0"), "AI 0");
    // The radio sends the mode before the lock-out; the split and the name come apart.
    EXPECT_EQ(m.Answer("MR 0,0,007"), "MR 0,0,007,00145500000,3,1,0,1,0,,08,,12,000600000,0,1");
    EXPECT_EQ(m.Answer("MR 0,1,007"), "MR 0,1,007,");
    EXPECT_EQ(m.Answer("MNA 0,007"), "MNA 0,007,HOME");
    EXPECT_EQ(m.Answer("CR 0,0"), "CR 0,0,00145000000,3,0,0,0,0,,09,,09,000600000,0");
    EXPECT_EQ(m.Answer("CR 0,1"), "CR 0,1,00146000000,3");
    EXPECT_EQ(m.Answer("VR 2"), "VR 2,00144000000,3,0,0,0,0,,09,,09,000600000,0");
    EXPECT_EQ(m.Answer("PC 0"), "PC 0,2");
    EXPECT_EQ(m.Answer("PV 2"), "PV 2,00144,00146");
    EXPECT_EQ(m.Answer("DM 03"), "DM 03,12EF");
    EXPECT_EQ(m.Answer("DMN 03"), "DMN 03,GATE");
    EXPECT_EQ(m.Answer("BEL 0"), "BEL 0,1");
    EXPECT_EQ(m.Answer("DL"), "DL 1");
    EXPECT_EQ(m.Answer("MYC"), "MYC AB1CD    "); // a fixed-width field
}

TEST(RadioModel, EmptySlotsAndUnknownCommands) {
    RadioModel m(Small());
    // Shorter than 5 after the 7-character echo.
    EXPECT_EQ(m.Answer("MR 0,0,008"), "MR 0,0,008");
    EXPECT_EQ(m.Answer("MR 0,0,L3"), "MR 0,0,L3");
    EXPECT_EQ(m.Answer("MNA 0,008"), "MNA 0,008,        ");
    EXPECT_EQ(m.Answer("VR 1"), "VR 1");
    EXPECT_EQ(m.Answer("DM 00"), "DM 00,");
    EXPECT_EQ(m.Answer("DMN 00"), "DMN 00, ");
    for (const char* bad : {"XYZ", "MR 0,0,200", "MR 0,0,L", "MR 0,2,007", "VR 4", "DM 10",
                            "CR 2,0", "MW 0,0,007,1,2", "BEL", "PC 2", ""})
        EXPECT_EQ(m.Answer(bad), "N") << bad;
    RadioState zero = Small();
    zero.RadioType = "1,0,0E,,,,";
    RadioModel m0(zero);
    EXPECT_EQ(m0.Answer("MR 0,0,149"), "MR 0,0,149");
    EXPECT_EQ(m0.Answer("MR 0,0,150"), "N");
}

TEST(RadioModel, SetCommandsAreAcknowledgedAndReadBack) {
    RadioModel m(Small());
    const std::string mw = "MW 0,0,010,00433000000,6,2,0,0,1,,09,,14,005000000,1,0";
    EXPECT_EQ(m.Answer(mw), mw);
    EXPECT_EQ(m.Answer("MR 0,0,010"), "MR 0,0,010,00433000000,6,2,0,0,1,,09,,14,005000000,1,0");
    EXPECT_EQ(m.State().Memory.at("010")[12], "0"); // lock-out is the last field sent
    EXPECT_EQ(m.State().Memory.at("010")[13], "1");
    EXPECT_EQ(m.Answer("MW 0,1,010,00438000000,6"), "MW 0,1,010,00438000000,6");
    EXPECT_EQ(m.Answer("MR 0,1,010"), "MR 0,1,010,00438000000,6");
    EXPECT_EQ(m.Answer("MNA 0,010,A,B"), "MNA 0,010,A,B");
    EXPECT_EQ(m.Answer("MNA 0,010"), "MNA 0,010,A,B");
    // Writing the channel again starts it afresh: no split, no name.
    m.Answer(mw);
    EXPECT_EQ(m.Answer("MR 0,1,010"), "MR 0,1,010,");
    EXPECT_EQ(m.Answer("MNA 0,010"), "MNA 0,010,        ");
    EXPECT_EQ(m.Answer("MW 0,0,010"), "MW 0,0,010"); // clears
    EXPECT_EQ(m.Answer("MR 0,0,010"), "MR 0,0,010");
    EXPECT_EQ(m.Answer("MNA 0,010,X"), "N"); // no name for an empty channel

    m.Answer("CW 1,0,00430000000,6,0,0,0,0,,09,,09,005000000,1");
    m.Answer("CW 1,1,00435000000,6");
    EXPECT_EQ(m.Answer("CR 1,0"), "CR 1,0,00430000000,6,0,0,0,0,,09,,09,005000000,1");
    EXPECT_EQ(m.Answer("CR 1,1"), "CR 1,1,00435000000,6");
    m.Answer("VW 6,00430000000,6,0,0,0,0,,09,,09,005000000,0");
    m.Answer("PC 1,3");
    EXPECT_EQ(m.Answer("VR 6"), "VR 6,00430000000,6,0,0,0,0,,09,,09,005000000,0");
    EXPECT_EQ(m.Answer("PC 1"), "PC 1,3");
    m.Answer("PV 6,00430,00440");
    EXPECT_EQ(m.Answer("PV 6"), "PV 6,00430,00440");
    m.Answer("DM 03,");
    m.Answer("DMN 3,X");
    EXPECT_EQ(m.Answer("DM 03"), "DM 03,");
    EXPECT_EQ(m.Answer("DMN 03"), "DMN 03,X");
    EXPECT_EQ(m.Answer("DM 04,*1"), "N"); // the radio takes E and F, never * and #
    EXPECT_EQ(m.Answer("BEL 1,1"), "BEL 1,1");
    EXPECT_EQ(m.Answer("BEL 1"), "BEL 1,1");
    EXPECT_EQ(m.Answer("RSV "), "RSV ");
    EXPECT_EQ(m.Answer("RSV"), "RSV ");
    EXPECT_EQ(m.Answer("BCN 1"), "BCN 1");
    EXPECT_EQ(m.Answer("BCN"), "BCN 1");
}

TEST(RadioModel, SampleStatesFitTheirRegion) {
    for (char region : {'0', '1', '2', '3'}) {
        RadioState s = SampleState(region);
        EXPECT_EQ(s.Region(), region);
        EXPECT_EQ(s.ChannelCount(), region == '0' ? 150 : 200);
        EXPECT_EQ(s.Vfo.count('7'), region == '0' ? 1u : 0u);
        EXPECT_EQ(s.Vfo.count('1'), region == '2' ? 1u : 0u);
        EXPECT_FALSE(s.Vfo.at('2')[16].empty());
        EXPECT_FALSE(s.Vfo.at('6')[16].empty());
        for (const auto& [label, r] : s.Memory) {
            EXPECT_EQ(r[0], label);
            if (label.size() == 3) {
                EXPECT_LT(std::stoi(label), s.ChannelCount());
            }
        }
        for (bool earlier : {false, true})
            for (const MenuHead& h : MenuHeads(earlier))
                EXPECT_EQ(s.Menu.count(h.MenuKey()), 1u) << h.Head;
    }
    EXPECT_EQ(SampleState('1', true).Identity, "VQ-R2");
    EXPECT_NE(SampleState('1', false, 1).Memory, SampleState('1', false, 2).Memory);
}

TEST(RadioModel, EarlierModelKnowsItsOwnCommandSet) {
    RadioModel older(SampleState('1', true));
    RadioModel later(SampleState('1'));
    struct Case {
        const char* line;
        std::string earlier, later;
    };
    for (const Case& c : {
             Case{"ID", "ID VQ-R2", "ID VQ-R2M"},
             Case{"BCN", "N", "BCN 0"},
             Case{"BCN 0", "BCN 0", "BCN 0"},
             Case{"BCN 1", "N", "BCN 1"},
             Case{"STAT", "STAT QRV", "N"},
             Case{"STAT 1", "STAT 1", "STAT 1,QRV"}, // the earlier one takes "1" as the text
             Case{"MP", "MP 35000000139000000", "N"},
             Case{"MP 1,X", "MP 1,X", "MP 1,X"},
             Case{"POSC", "POSC 3", "POSC 03"},
             Case{"TXI", "TXI 4", "TXI 5"},
         }) {
        EXPECT_EQ(older.Answer(c.line), c.earlier) << c.line;
        EXPECT_EQ(later.Answer(c.line), c.later) << c.line;
    }
    EXPECT_EQ(older.State().Menu.at("STAT"), "1");
    EXPECT_EQ(later.State().Menu.at("MP"), "X");
}

TEST(RadioSim, AnswersEachLineOverThePtyAndKeepsATranscript) {
    RadioSim sim(Small());
    SimClient c(sim.SlavePath());
    EXPECT_EQ(c.Ask("ID"), "ID VQ-R2M");
    const std::string mw = "MW 0,0,020,00145000000,0,0,0,0,0,,09,,09,000600000,0,0";
    EXPECT_EQ(c.Ask(mw), mw);
    EXPECT_EQ(c.Ask("MR 0,0,020"), "MR 0,0,020,00145000000,0,0,0,0,0,,09,,09,000600000,0,0");
    EXPECT_EQ(sim.Transcript(), (std::vector<std::string>{"ID", mw, "MR 0,0,020"}));
    EXPECT_EQ(sim.State().Memory.count("020"), 1u);
    EXPECT_EQ(sim.BytesReceived(), 3u + (mw.size() + 1) + 11u);
    // The simulator counts a reply once its write returned, which may be just after the
    // client has read it.
    const uint64_t sent = 10u + 2 * (mw.size() + 1);
    for (int i = 0; i < 200 && sim.BytesSent() < sent; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(sim.BytesSent(), sent);
}

TEST(RadioSim, ServesAgainAfterTheClientClosedAndReopened) {
    RadioSim sim(Small());
    { SimClient(sim.SlavePath()).Ask("AI 0"); }
    SimClient again(sim.SlavePath());
    EXPECT_EQ(again.Ask("ID"), "ID VQ-R2M");
}

TEST(RadioSim, FallsSilentAfterNCommands) {
    Faults f;
    f.SilentAfter = 2;
    RadioSim sim(Small(), f);
    SimClient c(sim.SlavePath());
    EXPECT_TRUE(c.Ask("AI 0"));
    EXPECT_TRUE(c.Ask("ID"));
    EXPECT_FALSE(c.Ask("TYD", 300ms));
    EXPECT_EQ(sim.Transcript().size(), 3u);
}

TEST(RadioSim, AnswersTheBeaconQueryWronglyOnRequest) {
    Faults f;
    f.BadBeaconReplies = 2;
    RadioSim sim(Small(), f);
    SimClient c(sim.SlavePath());
    EXPECT_EQ(c.Ask("BCN"), "BCN 1");
    EXPECT_EQ(c.Ask("BCN 0"), "BCN 1");
    EXPECT_EQ(c.Ask("BCN 0"), "BCN 0");
    EXPECT_EQ(c.Ask("BCN"), "BCN 0");
}

TEST(RadioSim, HangsUpMidway) {
    Faults f;
    f.HangUpAfter = 1;
    RadioSim sim(Small(), f);
    SimClient c(sim.SlavePath());
    EXPECT_EQ(c.Ask("ID"), "ID VQ-R2M");
    c.Send("TYD");
    EXPECT_FALSE(c.Receive(2s));
    EXPECT_TRUE(c.HungUp());
}

TEST(RadioSim, OverriddenAnswersMayLackTheirCr) {
    Faults f;
    f.Override = [](int n, const std::string& line,
                    const std::string& answer) -> std::optional<std::string> {
        if (n == 0) return answer; // no CR
        if (line == "FL") return std::string(300, 'x') + "\r";
        return std::nullopt;
    };
    RadioSim sim(Small(), f);
    SimClient c(sim.SlavePath());
    EXPECT_FALSE(c.Ask("ID", 300ms));
    EXPECT_EQ(c.Pending(), "ID VQ-R2M");
    EXPECT_EQ(c.Ask("TYD"), "ID VQ-R2MTYD 1,1,00,,,,");
    EXPECT_EQ(c.Ask("FL"), std::string(300, 'x'));
}

TEST(RadioSim, RandomRepliesAreSingleLinesWithoutFlowControlBytes) {
    auto random = RandomReplies(7, 1, 100);
    EXPECT_FALSE(random(0, "ID", "ID VQ-R2M"));
    for (int i = 1; i < 300; ++i) {
        auto r = random(i, "X", "X");
        ASSERT_TRUE(r);
        ASSERT_FALSE(r->empty());
        EXPECT_EQ(r->back(), '\r');
        EXPECT_LE(r->size(), 201u);
        EXPECT_EQ(r->find_first_of(std::string("\x11\x13", 2)), std::string::npos);
        EXPECT_EQ(r->find('\r'), r->size() - 1);
    }
}

TEST(RadioSim, PacedLineNeverBeatsNineThousandSixHundredBitsPerSecond) {
    Faults f;
    f.Paced = true;
    RadioSim sim(SampleState('1'), f);
    SimClient c(sim.SlavePath());
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(c.Ask("MR 0,0," + ChannelLabel(i)));
    auto elapsed = std::chrono::steady_clock::now() - start;
    double bound = static_cast<double>(sim.BytesReceived() + sim.BytesSent()) / 960.0;
    EXPECT_GE(std::chrono::duration<double>(elapsed).count(), bound);
}
