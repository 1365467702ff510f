// Writing the document into the simulated radio: the whole sequence line by line, the round
// trip through the radio, the checks before anything is sent, and the early ends.
#include "tests/transfer/TransferFixture.h"

#include "platform/TestSeam.h"

#include <algorithm>

using namespace radiosim;
using Lines = std::vector<std::string>;

namespace {

AnsiString F(int selector, int index, int k) {
    return MainForm->GetRecordField(selector, index, k);
}

void Add(Lines& v, const Lines& more) {
    v.insert(v.end(), more.begin(), more.end());
}

AnsiString Item(int k) {
    return F(selRadioMenu, k, 0);
}

// The command lines of a full write of the current document, written out from the write
// sequence: handshake, band-limit resets, scan-edge clearing, channels, scan-edge rows, CALL,
// VFOs, programmable VFOs, DTMF, menus, VFO mode.
Lines ExpectedWriteOrder() {
    const char region = MainForm->RegionDigit();
    Lines v{"AI 0", "BCN", "ID", "TYD", "DL 1", "BCN 0"};
    if (region == '0') v.push_back("TNC 0");
    const char* bands = "123567";
    for (int i = 0; i < 6; ++i)
        if (!F(selBandLimit, i, 0).empty())
            v.push_back(std::string("PV ") + bands[i] + "," + F(selBandLimit, i, 0) + "," +
                        F(selBandLimit, i, 1));
    for (int k = 0; k < 20; ++k)
        v.push_back("MW 0,0," + ScanEdgeLabel(k));
    Add(v, ChannelWriteLines(false));
    Add(v, CallWriteLines());
    v.push_back("RSV ");
    Add(v, VfoToDtmfWriteLines());
    const std::pair<const char*, int> radio[] = {
        {"BC ", 0},   {"DUP ", 2},  {"BEL 0,", 3}, {"BEL 1,", 4}, {"LK ", 6},
        {"LMP ", 7},  {"NSFT ", 8}, {"TSP ", 9},   {"TXH ", 10},  {"PT ", 11},
        {"DTB ", 12}, {"DS ", 13},  {"MES ", 15},  {"CNT ", 16},  {"LAN ", 17},
        {"SV ", 18},  {"APO ", 19}, {"SCR ", 20},  {"BEP ", 21},  {"ELK ", 22},
        {"TXS ", 23}, {"ARO ", 24}, {"AIP ", 25},  {"TH ", 26},   {"TXN ", 27}};
    for (auto [word, item] : radio) {
        AnsiString value = Item(item);
        if (item == 21 && !value.empty() && value[0] > '1') value[0] = '1';
        v.push_back(word + value);
    }
    auto aprs = [](int slot) { return MainForm->GetAprsMenuItem(slot); };
    AnsiString txi = aprs(10);
    if (!txi.empty()) ++txi[0];
    if (region == '0') {
        v.insert(v.end(), {"MYC " + aprs(0), "NMSG " + aprs(1), "GU " + aprs(3), "ICO " + aprs(5),
                           "GM " + aprs(6), "GC " + aprs(7), "TXI " + txi, "PP " + aprs(13)});
    } else {
        AnsiString posc = aprs(2) == "7" ? "14" : "0" + aprs(2);
        v.insert(v.end(), {"MYC " + aprs(0), "POSC " + posc, "GU " + aprs(3), "ICO " + aprs(5),
                           "DTX " + aprs(8), "ARL " + aprs(9), "UPR " + aprs(11),
                           "UNIT " + aprs(12), "TXI " + txi, "PP " + aprs(13)});
    }
    v.push_back("TNC " + Item(14));
    const char* sstv[6] = {"SMY ", "MAC ", "SMSG ", "SMC ", "RSV ", "RSC "};
    for (int i = 0; i < 6; ++i)
        v.push_back(sstv[i] + MainForm->GetSstvMenuItem(i));
    v.push_back("DL " + Item(1));
    if (region == '2') {
        const char* remote[3] = {"SCC ", "SCT ", "SKTN "};
        for (int i = 0; i < 3; ++i)
            v.push_back(remote[i] + MainForm->GetRemoteMenuItem(i));
    }
    v.insert(v.end(), {"VMC 0,0", "VMC 1,0"});
    return v;
}

Lines From(const Lines& v, size_t first) {
    return Lines(v.begin() + std::min(first, v.size()), v.end());
}

bool Contains(const Lines& v, const std::string& line) {
    return std::find(v.begin(), v.end(), line) != v.end();
}

} // namespace

class WriteTest : public TransferTest {
  protected:
    // A document of the region, read from a sample radio.
    void LoadDocument(char region, unsigned seed = 5) {
        StartRadio(SampleState(region, false, seed));
        Read();
        ASSERT_EQ(Messages(), std::vector<AnsiString>{});
        TestSeam().Reset();
        TestSeam().Active = true;
    }
};

class WriteRegionTest : public WriteTest, public ::testing::WithParamInterface<char> {};

TEST_P(WriteRegionTest, WritesEveryRecordInOrderAndReadsBackTheSameDocument) {
    const char region = GetParam();
    LoadDocument(region);
    const std::vector<AnsiString> before = DocumentSlots();
    const Lines expected = ExpectedWriteOrder();

    StartRadio(SampleState(region, false, 9)); // same type, other contents
    Write();
    EXPECT_EQ(Messages(), std::vector<AnsiString>{"Do you want to write the data to the radio?"});
    const Lines written = radio_->Transcript();
    EXPECT_EQ(written.size(), expected.size());
    for (size_t i = 0; i < std::min(written.size(), expected.size()); ++i)
        ASSERT_EQ(written[i], expected[i]) << "line " << i;
    ExpectSameSlots(DocumentSlots(), before); // the write only reads the document

    Read(); // back from the same radio
    ExpectSameSlots(DocumentSlots(), before);
}

INSTANTIATE_TEST_SUITE_P(Regions, WriteRegionTest, ::testing::Values('0', '1', '2', '3'));

TEST_F(WriteTest, ValueMappingsDtmfNumbersAndEmptyRecords) {
    LoadDocument('1');
    MainForm->SetRadioMenuItem(21, "3");
    MainForm->SetAprsMenuItem(2, "7");
    MainForm->SetAprsMenuItem(10, "2");
    MainForm->SetDtmfRecord(2, "2,12*#,X"); // the number as a document file holds it
    MainForm->SetDtmfRecord(3, "03,,NAME");
    MainForm->SetMemoryRecord(7, "");
    MainForm->SetBandLimit(3, "");
    StartRadio(SampleState('1', false, 9));
    Write();
    const Lines w = radio_->Transcript();
    EXPECT_EQ(w, ExpectedWriteOrder());
    for (const char* line : {"BEP 1", "POSC 14", "TXI 3", "DM 2,12EF", "DMN 2,X", "DM 03,",
                             "DMN 03,NAME", "MW 0,0,007"})
        EXPECT_TRUE(Contains(w, line)) << line;
    EXPECT_FALSE(Contains(w, "MNA 0,007,"));
    // VFO slot 5 is empty here: the UHF power goes straight on to the programmable VFOs.
    auto pc1 = std::find(w.begin(), w.end(), "PC 1," + F(selVfo, 4, 16));
    ASSERT_NE(pc1, w.end());
    EXPECT_EQ((pc1 + 1)->rfind("PV ", 0), 0u);
    EXPECT_EQ(radio_->State().Menu.at("TXI"), "3");
}

TEST_F(WriteTest, CallRecordWithoutFrequencyIsPassedOver) {
    LoadDocument('1');
    MainForm->SetCallRecord(0, "0,,3,0,0,0,0,,09,,09,000600000,,0,,,");
    StartRadio(SampleState('1', false, 9));
    Write();
    const Lines w = radio_->Transcript();
    EXPECT_EQ(w, ExpectedWriteOrder());
    EXPECT_EQ(w.back(), "VMC 1,0");
    auto rsv = std::find(w.begin(), w.end(), "RSV ");
    ASSERT_NE(rsv, w.begin());
    EXPECT_EQ((rsv - 1)->rfind("CW 1,", 0), 0u);
    EXPECT_FALSE(std::any_of(w.begin(), w.end(),
                             [](const std::string& l) { return l.rfind("CW 0,", 0) == 0; }));
}

TEST_F(WriteTest, RefusesAnotherRadioTypeOrModelBeforeSendingAnything) {
    LoadDocument('1');
    RadioState other = SampleState('2', false, 9);
    StartRadio(other);
    Write();
    EXPECT_EQ(radio_->Transcript(), (Lines{"AI 0", "BCN", "ID", "TYD"}));
    EXPECT_EQ(Messages(),
              (std::vector<AnsiString>{"Do you want to write the data to the radio?",
                                       "The radio is invalid.\nPlease check and try again."}));
    EXPECT_EQ(radio_->State().Memory, other.Memory);

    TestSeam().Reset();
    TestSeam().Active = true;
    StartRadio(SampleState('1', true));
    Write();
    EXPECT_EQ(radio_->Transcript(), (Lines{"AI 0", "BCN", "BCN 0", "ID"}));
    EXPECT_EQ(Messages().back(), "The radio is invalid.\nPlease check and try again.");
}

TEST_F(WriteTest, TimeOutCancelAndHangUpEndTheWrite) {
    LoadDocument('3');
    const Lines expected = ExpectedWriteOrder();
    Faults silent;
    silent.SilentAfter = 60;
    StartRadio(SampleState('3', false, 9), silent);
    Write();
    EXPECT_EQ(Messages().back(), "Communication timeout error.");
    EXPECT_EQ(radio_->Transcript(), Lines(expected.begin(), expected.begin() + 61));

    TestSeam().Reset();
    TestSeam().Active = true;
    StartRadio(SampleState('3', false, 9), CancelAt(WriteForm, 70));
    Write();
    EXPECT_TRUE(RunUntil([] { return !WriteForm->Timer3->Enabled(); }));
    EXPECT_EQ(radio_->Transcript(), Lines(expected.begin(), expected.begin() + 71));
    EXPECT_EQ(From(Messages(), 1), std::vector<AnsiString>{});

    TestSeam().Reset();
    TestSeam().Active = true;
    Faults hangUp;
    hangUp.HangUpAfter = 80;
    StartRadio(SampleState('3', false, 9), hangUp);
    Write();
    EXPECT_FALSE(WriteForm->Visible());
    EXPECT_EQ(Messages().back(), "Communication timeout error.");
    EXPECT_EQ(radio_->Transcript().size(), 81u);
}
