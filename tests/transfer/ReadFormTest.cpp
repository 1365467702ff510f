// Reading the simulated radio over a pseudo-terminal: the whole sequence, the handshake
// paths, and every way a read can end early.
#include "tests/transfer/TransferFixture.h"

#include "editor/model/DocumentFile.h"
#include "platform/GuiPost.h"
#include "platform/Registry.h"
#include "platform/TestSeam.h"

using namespace radiosim;
using Lines = std::vector<std::string>;

namespace {

Lines Concat(std::initializer_list<Lines> parts) {
    Lines v;
    for (const Lines& p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

// The command order of a full read of radio s, written out from the read sequence.
Lines ExpectedReadOrder(const RadioState& s) {
    const char region = s.Region();
    Lines v{"AI 0", "BCN", "ID", "TYD", "FL", "DL", "DL 1", "BCN 0"};
    const int n = s.ChannelCount() - 1;
    for (int i = 0; i <= n; ++i) {
        const std::string nnn = ChannelLabel(i);
        v.push_back("MR 0,0," + nnn);
        if (s.Memory.count(nnn)) {
            v.push_back("MR 0,1," + nnn);
            v.push_back("MNA 0," + nnn);
        }
    }
    for (int k = 0; k < 20; ++k) {
        const std::string label = ScanEdgeLabel(k);
        v.push_back("MR 0,0," + label);
        if (s.Memory.count(label)) {
            v.push_back("MR 0,1," + label);
            v.push_back("MNA 0," + label);
        }
    }
    if (region != '3') v = Concat({v, {"CR 0,0", "CR 0,1", "CR 1,0", "CR 1,1"}});
    v = Concat({v,
                {"VR 1", "VR 2", "PC 0", "VR 3", "VR 5", "VR 6", "PC 1", "VR 7"},
                {"PV 1", "PV 2", "PV 3", "PV 5", "PV 6", "PV 7"}});
    for (int i = 0; i < 10; ++i) {
        const std::string nn = "0" + std::to_string(i);
        v.push_back("DM " + nn);
        if (!s.DtmfCode[i].empty()) v.push_back("DMN " + nn);
    }
    v = Concat({v, {"BC",  "DUP", "BEL 0", "BEL 1", "LK",  "LMP", "NSFT", "TSP", "TXH",
                    "PT",  "DTB", "DS",    "TNC",   "MES", "CNT", "LAN",  "SV",  "APO",
                    "SCR", "BEP", "ELK",   "TXS",   "ARO", "AIP", "TH",   "TXN"}});
    if (region == '0')
        v = Concat({v, {"MYC", "NMSG", "GU", "ICO", "GM", "GC", "TXI", "PP"}});
    else
        v = Concat({v, {"MYC", "POSC", "GU", "ICO", "DTX", "ARL", "TXI", "UPR", "UNIT", "PP"}});
    v = Concat({v, {"SMY", "MAC", "SMSG", "SMC", "RSV", "RSC"}});
    if (region == '2') v = Concat({v, {"SCC", "SCT", "SKTN"}});
    v.push_back("DL " + s.Menu.at("DL"));
    return v;
}

Lines Head(const Lines& v, size_t n) {
    return Lines(v.begin(), v.begin() + std::min(n, v.size()));
}

} // namespace

class ReadTest : public TransferTest, public ::testing::WithParamInterface<char> {};

TEST_P(ReadTest, FullReadFillsTheDocumentAsTheRadioHoldsIt) {
    const char region = GetParam();
    RadioState state = SampleState(region, false, 3);
    UseDocumentType(SampleType(region == '0' ? '1' : '0')); // the other channel count
    MainForm->SetMemoryRecord(180, "180,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,STALE");
    StartRadio(state);
    Read();
    EXPECT_EQ(Messages(), std::vector<AnsiString>{});
    EXPECT_EQ(radio_->Transcript(), ExpectedReadOrder(state));
    ExpectDocumentEqualsRadio(state);
    EXPECT_EQ(MainForm->LastChannel, region == '0' ? 149 : 199);
    EXPECT_EQ(MainForm->ModifiedFlag, 0);
    EXPECT_EQ(ReadForm->ProgressBar1->Max(), MainForm->LastChannel + 43 +
                                                 (region == '0'   ? 41
                                                  : region == '1' ? 43
                                                                  : 46));
    // The radio's dual-band setting is as it was.
    EXPECT_EQ(radio_->State().Menu.at("DL"), state.Menu.at("DL"));
}

INSTANTIATE_TEST_SUITE_P(Regions, ReadTest, ::testing::Values('0', '1', '2', '3'));

TEST_F(TransferTest, ReadHandshakeRetriesTheBeaconOffOnceAfterASecond) {
    const Lines start{"AI 0", "BCN", "ID", "TYD"};
    const Lines once{"AI 0", "BCN", "BCN 0", "ID", "TYD"};
    const Lines twice{"AI 0", "BCN", "BCN 0", "BCN 0", "ID", "TYD"};
    struct Case {
        int bad;
        Lines order;
    };
    // Three wrong answers: the second "BCN 0" goes on to "ID" whatever it got.
    for (const Case& c : {Case{0, start}, Case{1, once}, Case{2, twice}, Case{3, twice}}) {
        RadioState state = SampleState('1');
        Faults f;
        f.BadBeaconReplies = c.bad;
        StartRadio(state, f);
        Read();
        EXPECT_EQ(Head(radio_->Transcript(), c.order.size()), c.order) << c.bad;
        const size_t extra = c.order.size() - start.size();
        EXPECT_EQ(radio_->Transcript().size(), ExpectedReadOrder(state).size() + extra) << c.bad;
        EXPECT_EQ(Messages(), std::vector<AnsiString>{});
        TestSeam().Reset();
        TestSeam().Active = true;
    }
}

TEST_F(TransferTest, ReadRefusesAnotherModel) {
    // The earlier model knows no beacon query ("N") and answers "ID VQ-R2".
    RadioState state = SampleState('1', true);
    UseDocumentType(SampleType('1'));
    MainForm->SetMemoryRecord(3, "003,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,OLD");
    StartRadio(state);
    Read();
    EXPECT_EQ(radio_->Transcript(), (Lines{"AI 0", "BCN", "BCN 0", "ID"}));
    ASSERT_EQ(TestSeam().MessageBoxes.size(), 1u);
    EXPECT_EQ(TestSeam().MessageBoxes[0].Text,
              "The radio is invalid.\nPlease check and try again.");
    EXPECT_EQ(TestSeam().MessageBoxes[0].Caption, "WYX-R2M");
    EXPECT_EQ(TestSeam().MessageBoxes[0].Flags, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(MainForm->GetRecordField(selMemory, 3, 17), "OLD"); // the document is kept
}

TEST_F(TransferTest, ReadTimesOutWhenTheRadioFallsSilent) {
    RadioState state = SampleState('1');
    Faults f;
    f.SilentAfter = 40;
    StartRadio(state, f);
    const std::vector<AnsiString> before = DocumentSlots();
    Read();
    EXPECT_EQ(Messages(), std::vector<AnsiString>{"Communication timeout error."});
    Lines sent = radio_->Transcript();
    EXPECT_EQ(sent, Head(ExpectedReadOrder(state), 41));
    ExpectSameSlots(DocumentSlots(), before); // nothing of what arrived is taken over
}

TEST_F(TransferTest, CancelMidReadSendsNothingMoreAndKeepsTheDocument) {
    RadioState state = SampleState('0');
    UseDocumentType(SampleType('1'));
    StartRadio(state, CancelAt(ReadForm, 30));
    Read();
    EXPECT_TRUE(RunUntil([] { return !ReadForm->Timer3->Enabled(); }));
    EXPECT_EQ(radio_->Transcript(), Head(ExpectedReadOrder(state), 31));
    EXPECT_EQ(Messages(), std::vector<AnsiString>{});
    EXPECT_EQ(MainForm->LastChannel, 199); // not the radio type read before the cancel
    EXPECT_FALSE(ReadForm->QComm1->GetPortStatus());
}

// A read that does not reach its end leaves the document as it was before Read: file text,
// name, caption, changed mark, radio type, grid layout and stored settings. The radio is of
// another region, so a type taken over on the way would show in the layout.
TEST_F(TransferTest, AReadThatDoesNotFinishLeavesTheDocumentAsItWas) {
    auto state = [] {
        const TMainForm& f = *MainForm;
        std::vector<AnsiString> v{WriteDocumentText(f, f.Edit2->Text()), f.Caption(),
                                  std::to_string(f.ModifiedFlag), std::to_string(f.LastChannel),
                                  std::to_string(f.StringGrid2->RowCount())};
        TRegistry reg;
        reg.OpenKey(MainFormText::SettingsKey, true);
        for (const char* name : {"Type", "Limit0", "Limit3", "Limit4", "Limit5"})
            v.push_back(reg.ReadString(name));
        return v;
    };
    Faults silent, hangUp;
    silent.SilentAfter = 40;
    hangUp.HangUpAfter = 25;
    const struct {
        const char* what;
        bool otherModel;
        Faults faults;
    } cases[] = {{"other model", true, {}},
                 {"time-out", false, silent},
                 {"cancel", false, CancelAt(ReadForm, 30)},
                 {"line gone", false, hangUp}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        UseDocumentType(SampleType('1'));
        MainForm->Edit2->SetText("kept comment");
        MainForm->DocumentName = "/tmp/reads/kept.r2";
        MainForm->UpdateCaption();
        MainForm->StoreTypeAndLimits();
        MainForm->ModifiedFlag = 1;
        TestSeam().MessageBoxAnswers = {IDNO}; // not saved first
        const std::vector<AnsiString> before = state();
        StartRadio(SampleState('0', c.otherModel), c.faults);
        Read();
        EXPECT_TRUE(RunUntil([] { return !ReadForm->Timer3->Enabled(); }));
        EXPECT_EQ(state(), before);
    }
}

TEST_F(TransferTest, CancelDuringTheBeaconRetryStopsTheRetry) {
    // Cancel once the retry timer runs, after the first "BCN 0" was answered wrongly.
    std::function<void()> cancelWhenRetryPending = [&] {
        if (ReadForm->Timer2->Enabled())
            ReadForm->Button1->OnClick(ReadForm->Button1);
        else
            PostToGuiThread(cancelWhenRetryPending);
    };
    Faults f;
    f.BadBeaconReplies = 2;
    f.Override = [&](int n, const std::string&, const std::string&) -> std::optional<std::string> {
        if (n == 2) PostToGuiThread(cancelWhenRetryPending);
        return std::nullopt;
    };
    StartRadio(SampleState('1'), f);
    Read();
    // Wait past the moment the retry would have fired on the closed port.
    bool fired = false;
    TTimer later(nullptr);
    later.SetInterval(1300);
    later.OnTimer = [&](TObject*) { fired = true; };
    later.SetEnabled(true);
    EXPECT_TRUE(RunUntil([&] { return fired; }));
    EXPECT_EQ(radio_->Transcript(), (Lines{"AI 0", "BCN", "BCN 0"}));
    EXPECT_EQ(Messages(), std::vector<AnsiString>{}); // no error from a send on a closed port
}

TEST_F(TransferTest, InvalidPortShowsTheMessageAndCancelCloses) {
    StartRadio(SampleState('1'));
    // The main window's own check passes; the port is gone when the form opens it.
    ReadForm->OnShow = [](TObject* s) {
        PointComPortAt(1, "/nonexistent/port");
        ReadForm->FormShow(s);
        PostToGuiThread([] { ReadForm->Button1->OnClick(ReadForm->Button1); });
    };
    Read();
    ReadForm->OnShow = [](TObject* s) { ReadForm->FormShow(s); };
    EXPECT_FALSE(ReadForm->Visible());
    EXPECT_EQ(Messages(),
              std::vector<AnsiString>{"COM port is invalid.\nPlease check and try again."});
    EXPECT_EQ(TestSeam().MessageBoxes.at(0).Flags, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(radio_->Transcript(), Lines{});
}

TEST_F(TransferTest, HangUpMidReadEndsTheReadWithoutFreezing) {
    Faults f;
    f.HangUpAfter = 25;
    StartRadio(SampleState('2'), f);
    Read();
    EXPECT_FALSE(ReadForm->Visible());
    EXPECT_EQ(Messages(), std::vector<AnsiString>{"Communication timeout error."});
    EXPECT_EQ(radio_->Transcript().size(), 26u);
}

TEST_F(TransferTest, SerialErrorShowsItsTextAndCancelStillCloses) {
    // The port goes away while the beacon retry is pending; the retry's send then fails.
    std::function<void()> step = [&] {
        if (ReadForm->Timer2->Enabled()) {
            ReadForm->QComm1->CloseCommport();
        } else if (!TestSeam().MessageBoxes.empty()) {
            ReadForm->Button1->OnClick(ReadForm->Button1);
            return;
        }
        PostToGuiThread(step);
    };
    Faults f;
    f.BadBeaconReplies = 2;
    f.Override = [&](int n, const std::string&, const std::string&) -> std::optional<std::string> {
        if (n == 2) PostToGuiThread(step);
        return std::nullopt;
    };
    StartRadio(SampleState('1'), f);
    Read();
    EXPECT_FALSE(ReadForm->Visible());
    EXPECT_EQ(Messages(), std::vector<AnsiString>{"Have not started communications"});
    EXPECT_EQ(radio_->Transcript(), (Lines{"AI 0", "BCN", "BCN 0"}));
}

TEST_F(TransferTest, GarbageAndOverlongRepliesStayWithinTheirSlots) {
    Faults f;
    f.Override = [](int n, const std::string& line,
                    const std::string& answer) -> std::optional<std::string> {
        if (n < 8) return std::nullopt;
        if (line.rfind("MNA", 0) == 0) return std::string(400, 'N') + "\r";
        if (line.rfind("MR 0,0", 0) == 0 && n % 3 == 0) return "MR 0,0,1,2,3\r";
        if (line.rfind("VR", 0) == 0) return "VR " + std::string(300, ',') + "\r";
        if (line.rfind("CR", 0) == 0) return "garbage\r";
        if (line == "POSC" || line == "TXI") return line + " \x01\xff\r";
        return answer + std::string(n % 2 == 0 ? 150 : 0, '#') + "\r";
    };
    StartRadio(SampleState('2'), f);
    Read();
    // The transfer itself reports nothing; the refresh after the read puts the garbage menu
    // values into the settings edits, whose own checks refuse them.
    for (const AnsiString& m : Messages())
        EXPECT_EQ(m, "Invalid character.\nPlease check and try again.");
    for (const AnsiString& slot : DocumentSlots())
        EXPECT_LE(slot.size(), 99u);
    EXPECT_EQ(radio_->Transcript().back().rfind("DL ", 0), 0u); // it went through to the end
}

// A reply about another channel than the one asked for is kept under the asked label, so the
// saved document opened again puts it back in the row it was read into; the rows follow the
// radio type's region digit, also where its field has more characters.
TEST_F(TransferTest, EveryRowReadKeepsTheLabelOfItsSlot) {
    const struct {
        char region;
        const char* type; // the radio's TYD reply, or empty for its own
        std::vector<std::pair<std::string, std::string>> answered; // asked label -> replied
        std::vector<std::pair<int, std::string>> labels;           // slot -> label read there
    } cases[] = {
        {'1', "", {{"L0", "003"}, {"001", "U9"}}, {{1, "001"}, {200, "L0"}}},
        {'0', "1,05,0E,,1,1,", {}, {{150, "L0"}, {168, "L9"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.region);
        Faults f;
        f.Override = [&c](int, const std::string& line,
                          const std::string& answer) -> std::optional<std::string> {
            if (line == "TYD" && *c.type) return "TYD " + std::string(c.type) + "\r";
            for (const auto& [asked, replied] : c.answered)
                if (line == "MR 0,0," + asked && answer.size() > line.size())
                    return "MR 0,0," + replied + answer.substr(line.size()) + "\r";
            return std::nullopt;
        };
        StartRadio(SampleState(c.region), f);
        Read();
        for (const auto& [slot, label] : c.labels)
            EXPECT_EQ(MainForm->GetMemoryRecord(slot).substr(0, label.size() + 1), label + ",")
                << slot;
        EXPECT_TRUE(MainForm->GetMemoryRecord(MainForm->LastChannel + 21).empty());
        TestSeam().Reset();
        TestSeam().Active = true;
    }
}

TEST_F(TransferTest, FuzzedRepliesNeverCrashOrHang) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    unsigned seed = 1;
    for (; seed <= 40 && std::chrono::steady_clock::now() < until; ++seed) {
        Faults f;
        f.Override = RandomReplies(seed, 8, 10 + static_cast<int>(seed % 5) * 20);
        StartRadio(SampleState("0123"[seed % 4], false, seed), f);
        Read();
        EXPECT_FALSE(ReadForm->Visible()) << seed;
        for (const AnsiString& slot : DocumentSlots())
            EXPECT_LE(slot.size(), 99u) << seed;
        EXPECT_LE(radio_->Transcript().size(), 800u) << seed;
        TestSeam().Reset();
        TestSeam().Active = true;
    }
    EXPECT_GT(seed, 3u);
}
