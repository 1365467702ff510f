// The earlier program reading and writing the simulated earlier radio: the whole sequences
// line by line, written out here from the earlier program's command orders, the refusals, the
// channel count fixed at start, the port choice and every way a transfer ends early.
#include "earlier/EarlierProgram.h"
#include "tests/transfer/TransferFixture.h"

#include "platform/TestSeam.h"

#include <algorithm>

using namespace radiosim;
using Lines = std::vector<std::string>;

namespace {

void Add(Lines& v, const Lines& more) {
    v.insert(v.end(), more.begin(), more.end());
}

AnsiString F(int selector, int index, int k) {
    return MainForm->GetRecordField(selector, index, k);
}

// The command order of a full read of radio s by a program started with a document whose
// last channel is n.
Lines ExpectedReadOrder(const RadioState& s, int n) {
    const char region = s.Region();
    Lines v{"BCN 0", "AI 0", "ID", "TYD", "FL", "DL", "DL 1"};
    auto channel = [&](const std::string& label) {
        v.push_back("MR 0,0," + label);
        if (s.Memory.count(label)) Add(v, {"MR 0,1," + label, "MNA 0," + label});
    };
    for (int i = 0; i <= n; ++i)
        channel(ChannelLabel(i));
    for (int k = 0; k < 20; ++k)
        channel(ScanEdgeLabel(k));
    if (region != '3') Add(v, {"CR 0,0", "CR 0,1", "CR 1,0", "CR 1,1"});
    Add(v, {"VR 1", "VR 2", "PC 0", "VR 3", "VR 5", "VR 6", "PC 1", "VR 7"});
    Add(v, {"PV 1", "PV 2", "PV 3", "PV 5", "PV 6", "PV 7"});
    for (int i = 0; i < 10; ++i) {
        const std::string nn = "0" + std::to_string(i);
        v.push_back("DM " + nn);
        if (!s.DtmfCode[i].empty()) v.push_back("DMN " + nn);
    }
    Add(v, {"BC",  "DUP", "BEL 0", "BEL 1", "LK",  "LMP", "NSFT", "TSP", "TXH",
            "PT",  "DTB", "DS",    "TNC",   "MES", "CNT", "LAN",  "SV",  "APO",
            "SCR", "BEP", "ELK",   "TXS",   "ARO", "AIP", "TH",   "TXN"});
    if (region == '0')
        Add(v, {"MYC", "NMSG", "GU", "MP", "ICO", "GM", "GC", "TXI", "PP"});
    else
        Add(v,
            {"MYC", "STAT", "POSC", "GU", "MP", "ICO", "DTX", "ARL", "TXI", "UPR", "UNIT", "PP"});
    Add(v, {"SMY", "MAC", "SMSG", "SMC", "RSV", "RSC"});
    if (region == '2') Add(v, {"SCC", "SCT", "SKTN"});
    v.push_back("DL " + s.Menu.at("DL"));
    return v;
}

// The command lines of a full write of the current document, every value as stored.
Lines ExpectedWriteOrder() {
    const char region = MainForm->RegionDigit();
    Lines v{"BCN 0", "AI 0", "ID", "TYD"};
    for (int i = 0; i < 6; ++i)
        if (!F(selBandLimit, i, 0).empty())
            v.push_back(std::string("PV ") + "123567"[i] + "," + F(selBandLimit, i, 0) + "," +
                        F(selBandLimit, i, 1));
    v.push_back("DL 1");
    Add(v, ChannelWriteLines(true));
    Add(v, CallWriteLines());
    Add(v, VfoToDtmfWriteLines());
    const std::pair<const char*, int> radio[] = {
        {"BC ", 0},   {"TNC ", 14}, {"DUP ", 2},  {"BEL 0,", 3}, {"BEL 1,", 4}, {"DL ", 1},
        {"LK ", 6},   {"LMP ", 7},  {"NSFT ", 8}, {"TSP ", 9},   {"TXH ", 10},  {"PT ", 11},
        {"DTB ", 12}, {"DS ", 13},  {"MES ", 15}, {"CNT ", 16},  {"LAN ", 17},  {"SV ", 18},
        {"APO ", 19}, {"SCR ", 20}, {"BEP ", 21}, {"ELK ", 22},  {"TXS ", 23},  {"ARO ", 24},
        {"AIP ", 25}, {"TH ", 26},  {"TXN ", 27}};
    for (auto [word, item] : radio)
        v.push_back(word + F(selRadioMenu, item, 0));
    const std::pair<const char*, int> aprs0[] = {{"MYC ", 0}, {"NMSG ", 1}, {"GU ", 3},
                                                 {"MP ", 4},  {"ICO ", 5},  {"GM ", 6},
                                                 {"GC ", 7},  {"TXI ", 10}, {"PP ", 13}};
    const std::pair<const char*, int> aprs[] = {
        {"MYC ", 0}, {"STAT ", 1}, {"POSC ", 2}, {"GU ", 3},    {"MP ", 4},   {"ICO ", 5},
        {"DTX ", 8}, {"ARL ", 9},  {"UPR ", 11}, {"UNIT ", 12}, {"TXI ", 10}, {"PP ", 13}};
    if (region == '0')
        for (auto [word, slot] : aprs0)
            v.push_back(word + MainForm->GetAprsMenuItem(slot));
    else
        for (auto [word, slot] : aprs)
            v.push_back(word + MainForm->GetAprsMenuItem(slot));
    const char* sstv[6] = {"SMY ", "MAC ", "SMSG ", "SMC ", "RSV ", "RSC "};
    for (int i = 0; i < 6; ++i)
        v.push_back(sstv[i] + MainForm->GetSstvMenuItem(i));
    const char* remote[3] = {"SCC ", "SCT ", "SKTN "};
    for (int i = 0; i < 3 && region == '2'; ++i)
        v.push_back(remote[i] + MainForm->GetRemoteMenuItem(i));
    Add(v, {"VMC 0,0", "VMC 1,0"});
    return v;
}

void ExpectSameLines(const Lines& got, const Lines& want) {
    EXPECT_EQ(got.size(), want.size());
    for (size_t i = 0; i < std::min(got.size(), want.size()); ++i)
        ASSERT_EQ(got[i], want[i]) << "line " << i;
}

} // namespace

class EarlierTransfer : public TransferTest {
  protected:
    // The program as it starts with a document of the region: its transfer forms take the
    // channel count and the progress maxima from that document when they are created.
    void StartProgramWith(char region) {
        UseDocumentType(SampleType(region));
        read_ = std::make_unique<TReadForm>(nullptr, Earlier::ReadSteps());
        write_ = std::make_unique<TWriteForm>(nullptr, Earlier::WriteSteps());
        ReadForm = read_.get();
        WriteForm = write_.get();
    }
    void TearDown() override {
        TransferTest::TearDown();
        ReadForm = suiteRead_;
        WriteForm = suiteWrite_;
    }
    // A document of the region, read from a sample earlier radio.
    void LoadDocument(char region, unsigned seed = 5) {
        StartProgramWith(region);
        StartRadio(SampleState(region, true, seed));
        Read();
        ASSERT_EQ(Messages(), std::vector<AnsiString>{});
        TestSeam().Reset();
        TestSeam().Active = true;
    }
    // Runs the event loop a while so that anything sent late would show.
    static void Linger() {
        RunUntil([] { return false; }, 500);
    }
    static AnsiString LastCaption() {
        return TestSeam().MessageBoxes.empty() ? "" : TestSeam().MessageBoxes.back().Caption;
    }

    TReadForm* suiteRead_ = ReadForm;
    TWriteForm* suiteWrite_ = WriteForm;
    std::unique_ptr<TReadForm> read_;
    std::unique_ptr<TWriteForm> write_;
};

class EarlierRegion : public EarlierTransfer, public ::testing::WithParamInterface<char> {};

TEST_P(EarlierRegion, ReadsTheWholeRadioInItsOrder) {
    const char region = GetParam();
    StartProgramWith(region);
    const int maximum = ReadForm->ProgressBar1->Max();
    RadioState state = SampleState(region, true, 3);
    StartRadio(state);
    Read();
    EXPECT_EQ(Messages(), std::vector<AnsiString>{});
    ExpectSameLines(radio_->Transcript(), ExpectedReadOrder(state, region == '0' ? 149 : 199));
    ExpectDocumentEqualsRadio(state);
    EXPECT_EQ(ReadForm->ProgressBar1->Max(), maximum);
    EXPECT_EQ(maximum, (region == '0' ? 149 + 43 + 41 : 199 + 43 + (region == '1' ? 43 : 46)));
}

TEST_P(EarlierRegion, WritesEveryRecordInOrderAndReadsBackTheSameDocument) {
    const char region = GetParam();
    LoadDocument(region);
    const std::vector<AnsiString> before = DocumentSlots();
    const Lines expected = ExpectedWriteOrder();
    StartRadio(SampleState(region, true, 9)); // same type, other contents
    Write();
    EXPECT_EQ(Messages(), std::vector<AnsiString>{"Do you want to write the data to the radio?"});
    ExpectSameLines(radio_->Transcript(), expected);
    ExpectSameSlots(DocumentSlots(), before);
    Read();
    ExpectSameSlots(DocumentSlots(), before);
}

INSTANTIATE_TEST_SUITE_P(Regions, EarlierRegion, ::testing::Values('0', '1', '2', '3'));

TEST_F(EarlierTransfer, ARegionZeroDocumentAtStartReadsOneHundredFiftyChannels) {
    StartProgramWith('0');
    const int readMax = ReadForm->ProgressBar1->Max(), writeMax = WriteForm->ProgressBar1->Max();
    RadioState state = SampleState('1', true, 3);
    StartRadio(state);
    Read();
    const Lines sent = radio_->Transcript();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "MR 0,0,149"), 1);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "MR 0,0,150"), 0);
    ExpectSameLines(sent, ExpectedReadOrder(state, 149));
    EXPECT_EQ(MainForm->RegionDigit(), '1'); // the radio's type is stored
    EXPECT_EQ(ReadForm->LastChannel, 149);
    EXPECT_EQ(ReadForm->ProgressBar1->Max(), readMax);
    EXPECT_EQ(WriteForm->LastChannel, 149);
    EXPECT_EQ(WriteForm->ProgressBar1->Max(), writeMax);
}

// The channel count stays what it was at start, but the scan-edge rows go to the slots of their
// labels in the document the read leaves, never into channel slots, and a write fetches them
// from there: the radio keeps its scan edges.
TEST_F(EarlierTransfer, ScanEdgeRowsKeepTheirLabelsWhenTheRadioHasAnotherChannelCount) {
    auto rows = [](const Lines& lines) {
        Lines out;
        for (const std::string& l : lines) {
            const size_t at = l.rfind(',', l.find_first_of("LU"));
            if ((l.rfind("MW 0,", 0) == 0 || l.rfind("MNA 0,", 0) == 0) &&
                at != std::string::npos && (l[at + 1] == 'L' || l[at + 1] == 'U'))
                out.push_back(l);
        }
        return out;
    };
    const RadioState region0 = SampleState('0', true, 5);
    StartProgramWith('2');
    StartRadio(region0);
    Read();
    ExpectDocumentEqualsRadio(region0);
    StartRadio(region0);
    Write();
    const Lines written = rows(radio_->Transcript());
    EXPECT_EQ(written.size(), rows(ChannelWriteLines(true)).size());
    ExpectSameLines(written, rows(ChannelWriteLines(true)));

    StartProgramWith('0');
    StartRadio(SampleState('1', true, 5));
    Read();
    int shown = 0;
    for (int r = 0; r < 20; ++r) {
        EXPECT_TRUE(MainForm->GetMemoryRecord(150 + r).empty()) << r;
        shown += !MainForm->GetMemoryRecord(200 + r).empty();
    }
    EXPECT_GT(shown, 0);
}

TEST_F(EarlierTransfer, RefusesTheLaterRadioBothWays) {
    struct Case {
        bool write;
        Lines sent;
    };
    for (const Case& c :
         {Case{false, {"BCN 0", "AI 0", "ID"}}, Case{true, {"BCN 0", "AI 0", "ID"}}}) {
        StartProgramWith('1');
        MainForm->SetMemoryRecord(3, "003,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,OLD");
        StartRadio(SampleState('1')); // "ID VQ-R2M"
        c.write ? Write() : Read();
        Linger();
        EXPECT_EQ(radio_->Transcript(), c.sent) << c.write;
        EXPECT_EQ(Messages().back(), "The radio is invalid.\nPlease check and try again.");
        EXPECT_EQ(LastCaption(), "WYX-R2");
        EXPECT_EQ(TestSeam().MessageBoxes.back().Flags, MB_OK | MB_ICONSTOP);
        // Neither direction changes the document.
        EXPECT_EQ(MainForm->GetRecordField(selMemory, 3, 17), "OLD");
        TestSeam().Reset();
        TestSeam().Active = true;
    }
}

TEST_F(EarlierTransfer, EveryEarlyEndClosesThePortAndSendsNothingMore) {
    struct Case {
        const char* what;
        bool write;
        Faults faults;
        const char* message;
        size_t sent; // command lines on the line in all
    };
    Faults silent, hangUp, refusing, wrongType;
    silent.SilentAfter = 30;
    hangUp.HangUpAfter = 40;
    refusing.Override = [](int, const std::string&, const std::string&) {
        return std::optional<std::string>("N\r");
    };
    wrongType.Override = [](int, const std::string& line,
                            const std::string& answer) -> std::optional<std::string> {
        return line == "TYD" ? "TYD 1,2,00,1,1,,\r" : answer + "\r";
    };
    const char* timeout = "Communication timeout error.";
    const char* invalid = "The radio is invalid.\nPlease check and try again.";
    const Case cases[] = {
        {"silent read", false, silent, timeout, 31},
        {"silent write", true, silent, timeout, 31},
        {"hang-up read", false, hangUp, timeout, 41},
        {"hang-up write", true, hangUp, timeout, 41},
        {"N read", false, refusing, invalid, 3},
        {"N write", true, refusing, invalid, 3},
        {"other type write", true, wrongType, invalid, 4},
    };
    for (const Case& c : cases) {
        StartProgramWith('1');
        StartRadio(SampleState('1', true), c.faults);
        c.write ? Write() : Read();
        Linger();
        EXPECT_EQ(radio_->Transcript().size(), c.sent) << c.what;
        EXPECT_EQ(Messages().back(), c.message) << c.what;
        EXPECT_EQ(LastCaption(), "WYX-R2") << c.what;
        EXPECT_FALSE(ReadForm->Visible() || WriteForm->Visible()) << c.what;
        EXPECT_FALSE(ReadForm->QComm1->GetPortStatus() || WriteForm->QComm1->GetPortStatus());
        TestSeam().Reset();
        TestSeam().Active = true;
    }
}

TEST_F(EarlierTransfer, GarbageRepliesNeverCrashOrHang) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        StartProgramWith("0123"[seed % 4]);
        Faults f;
        f.Override = RandomReplies(seed, 3, 20 + static_cast<int>(seed % 4) * 25);
        StartRadio(SampleState("0123"[seed % 4], true, seed), f);
        seed % 2 ? Read() : Write();
        EXPECT_FALSE(ReadForm->Visible() || WriteForm->Visible()) << seed;
        for (const AnsiString& slot : DocumentSlots())
            EXPECT_LE(slot.size(), 99u) << seed;
        TestSeam().Reset();
        TestSeam().Active = true;
    }
}

TEST_F(EarlierTransfer, AStoredCom3OpensCom1) {
    StartProgramWith('1');
    RadioSim elsewhere(SampleState('1', true)); // what COM3 names: checked, never opened
    PointComPortAt(3, elsewhere.SlavePath());
    MainForm->CommPortName = "COM3";
    StartRadio(SampleState('1', true));
    Read();
    EXPECT_EQ(Messages(), std::vector<AnsiString>{});
    EXPECT_EQ(radio_->Transcript().back(), "DL " + radio_->State().Menu.at("DL"));
    EXPECT_EQ(elsewhere.Transcript(), Lines{});
}

TEST_F(EarlierTransfer, ACallRecordWithoutFrequencyIsPassedOver) {
    LoadDocument('1');
    MainForm->SetCallRecord(0, "0,,3,0,0,0,0,,09,,09,000600000,,0,,,");
    StartRadio(SampleState('1', true, 9));
    Write();
    const Lines w = radio_->Transcript();
    ExpectSameLines(w, ExpectedWriteOrder());
    EXPECT_FALSE(std::any_of(w.begin(), w.end(),
                             [](const std::string& l) { return l.rfind("CW 0,", 0) == 0; }));
}
