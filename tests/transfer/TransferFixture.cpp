#include "tests/transfer/TransferFixture.h"

#include "platform/ExtCtrls.h"
#include "platform/GuiPost.h"
#include "platform/Registry.h"
#include "platform/TestSeam.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

using namespace radiosim;

Faults CancelAt(TTransferForm* form, int at) {
    Faults f;
    f.Override = [form, at](int n, const std::string&,
                            const std::string&) -> std::optional<std::string> {
        if (n == at) PostToGuiThread([form] { form->Button1->OnClick(form->Button1); });
        return std::nullopt;
    };
    return f;
}

AnsiString SampleType(char region) {
    return SampleState(region).RadioType;
}

void TransferTest::SetUpTestSuite() {
    if (MainForm) return;
    TRegistry reg; // a first run would ask for the radio type
    reg.OpenKey(MainFormText::SettingsKey, true);
    reg.WriteString("Type", SampleType('1'));
    reg.CloseKey();
    Application->CreateForm(MainForm, TransferProgram());
    Application->CreateForm(ReadForm, *TransferProgram().ReadSteps);
    Application->CreateForm(WriteForm, *TransferProgram().WriteSteps);
}

void TransferTest::SetUp() {
    TestSeam().Active = true;
    MainForm->ModifiedFlag = 0;
    MainForm->CommPortName = "COM1";
}

void TransferTest::TearDown() {
    // A cancel completes on its own timer; let it finish before the next test.
    RunUntil([] { return !ReadForm->Timer3->Enabled() && !WriteForm->Timer3->Enabled(); });
    EXPECT_FALSE(ReadForm->QComm1->GetPortStatus());
    EXPECT_FALSE(WriteForm->QComm1->GetPortStatus());
    radio_.reset();
}

RadioSim& TransferTest::StartRadio(RadioState state, Faults faults) {
    radio_ = std::make_unique<RadioSim>(std::move(state), std::move(faults));
    PointComPortAt(1, radio_->SlavePath());
    return *radio_;
}

void TransferTest::UseDocumentType(const AnsiString& type) {
    MainForm->SetRadioType(type);
    MainForm->LayoutGrids();
    MainForm->ClearDocument();
    MainForm->ApplyRadioTypeToControls();
    MainForm->RefreshAllControls();
    MainForm->ModifiedFlag = 0;
}

namespace {

// Ends a transfer that never ends by itself, so a fault shows as a failure, not a hang.
class Watchdog {
  public:
    explicit Watchdog(TForm* form) : timer_(new TTimer(nullptr)) {
        timer_->SetInterval(60000);
        timer_->OnTimer = [form, this](TObject*) {
            timer_->SetEnabled(false);
            ADD_FAILURE() << "transfer did not end";
            form->Close();
        };
        timer_->SetEnabled(true);
    }
    ~Watchdog() { delete timer_; }

  private:
    TTimer* timer_;
};

} // namespace

void TransferTest::Read() {
    Watchdog dog(ReadForm);
    MainForm->Read1Click(nullptr);
}

void TransferTest::Write() {
    Watchdog dog(WriteForm);
    TestSeam().MessageBoxAnswers.push_back(IDYES);
    MainForm->Write1Click(nullptr);
}

bool TransferTest::RunUntil(const std::function<bool()>& done, int ms) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

std::vector<AnsiString> TransferTest::Messages() {
    std::vector<AnsiString> texts;
    for (const ShownMessageBox& b : TestSeam().MessageBoxes)
        texts.push_back(b.Text);
    return texts;
}

namespace {

AnsiString Field(int selector, int index, int k) {
    return MainForm->GetRecordField(selector, index, k);
}

void ExpectRecord(int selector, int index, const Record& want, const std::string& what) {
    for (int k = 0; k < 18; ++k)
        EXPECT_EQ(Field(selector, index, k), want[k]) << what << " field " << k;
}

std::set<AnsiString> Pairs(const std::string& list) {
    std::set<AnsiString> pairs;
    size_t at = 0;
    while (at + 11 <= list.size()) {
        pairs.insert(list.substr(at, 11));
        at += 12;
    }
    return pairs;
}

} // namespace

void ExpectDocumentEqualsRadio(const RadioState& s) {
    const char region = s.Region();
    const int n = s.ChannelCount() - 1;
    EXPECT_EQ(MainForm->GetRadioType(), s.RadioType);
    std::set<AnsiString> limits;
    for (int i = 0; i < 6; ++i)
        if (!MainForm->GetBandLimit(i).empty()) limits.insert(MainForm->GetBandLimit(i));
    EXPECT_EQ(limits, Pairs(s.BandLimits));

    for (int i = 0; i <= n + 20; ++i) {
        const std::string label = i <= n ? ChannelLabel(i) : ScanEdgeLabel(i - n - 1);
        auto it = s.Memory.find(label);
        if (it == s.Memory.end()) {
            EXPECT_EQ(MainForm->GetMemoryRecord(i), "") << label;
            continue;
        }
        Record want = it->second;
        // A scan-edge row keeps the radio's blank name; a channel drops it.
        if (i > n && want[17].empty()) want[17] = "        ";
        ExpectRecord(selMemory, i, want, label);
    }
    for (int i = n + 21; i < 220; ++i)
        EXPECT_EQ(MainForm->GetMemoryRecord(i), "") << i;
    if (region != '3') {
        ExpectRecord(selCall, 0, s.Call[0], "CALL 0");
        ExpectRecord(selCall, 1, s.Call[1], "CALL 1");
    }
    for (int slot = 0; slot < 6; ++slot) {
        const char b = BandDigit(slot);
        auto it = s.Vfo.find(b);
        if (it == s.Vfo.end()) {
            EXPECT_EQ(MainForm->GetVfoRecord(slot), "") << "VFO " << b;
        } else {
            ExpectRecord(selVfo, slot, it->second, std::string("VFO ") + b);
        }
        EXPECT_EQ(MainForm->GetProgramVfoRecord(slot), b + ("," + s.ProgramVfo.at(b)));
    }
    for (int i = 0; i < 10; ++i) {
        AnsiString code = s.DtmfCode[i];
        for (char& c : code)
            c = c == 'E' ? '*' : c == 'F' ? '#' : c;
        const AnsiString nn = "0" + std::to_string(i);
        EXPECT_EQ(MainForm->GetDtmfRecord(i),
                  code.empty() ? "" : nn + "," + code + "," + s.DtmfName[i])
            << "DTMF " << i;
    }

    const char* radio[28] = {"BC",  "DL",   "DUP", "BEL 0", "BEL 1", nullptr, "LK",
                             "LMP", "NSFT", "TSP", "TXH",   "PT",    "DTB",   "DS",
                             "TNC", "MES",  "CNT", "LAN",   "SV",    "APO",   "SCR",
                             "BEP", "ELK",  "TXS", "ARO",   "AIP",   "TH",    "TXN"};
    for (int item = 0; item < 28; ++item) {
        if (!radio[item]) continue;
        EXPECT_EQ(MainForm->GetRadioMenuItem(item), s.Menu.at(radio[item])) << radio[item];
    }
    // The sample values pass their read rules unchanged, but for these; the earlier program
    // stores every reply as it comes and reads the position (and the status text where the
    // region has no VELTANO message).
    EXPECT_EQ(MainForm->GetAprsMenuItem(0), s.Menu.at("MYC"));
    EXPECT_EQ(MainForm->GetAprsMenuItem(3), s.Menu.at("GU"));
    EXPECT_EQ(MainForm->GetAprsMenuItem(5), s.Menu.at("ICO"));
    EXPECT_EQ(MainForm->GetAprsMenuItem(10),
              s.Earlier ? s.Menu.at("TXI") : AnsiString(1, s.Menu.at("TXI")[0] - 1));
    EXPECT_EQ(MainForm->GetAprsMenuItem(13), s.Menu.at("PP"));
    if (s.Earlier) {
        EXPECT_EQ(MainForm->GetAprsMenuItem(4), s.Menu.at("MP"));
    }
    if (region == '0') {
        EXPECT_EQ(MainForm->GetAprsMenuItem(1), s.Menu.at("NMSG"));
        EXPECT_EQ(MainForm->GetAprsMenuItem(6), s.Menu.at("GM"));
        EXPECT_EQ(MainForm->GetAprsMenuItem(7), s.Menu.at("GC"));
    } else {
        if (s.Earlier) {
            EXPECT_EQ(MainForm->GetAprsMenuItem(1), s.Menu.at("STAT"));
        }
        EXPECT_EQ(MainForm->GetAprsMenuItem(2),
                  s.Earlier ? s.Menu.at("POSC") : s.Menu.at("POSC").substr(1));
        EXPECT_EQ(MainForm->GetAprsMenuItem(8), s.Menu.at("DTX"));
        EXPECT_EQ(MainForm->GetAprsMenuItem(9), s.Menu.at("ARL"));
        EXPECT_EQ(MainForm->GetAprsMenuItem(11), s.Menu.at("UPR"));
        EXPECT_EQ(MainForm->GetAprsMenuItem(12), s.Menu.at("UNIT"));
    }
    const char* sstv[6] = {"SMY", "MAC", "SMSG", "SMC", "RSV", "RSC"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(MainForm->GetSstvMenuItem(i), s.Menu.at(sstv[i]));
    if (region == '2') {
        const char* remote[3] = {"SCC", "SCT", "SKTN"};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(MainForm->GetRemoteMenuItem(i), s.Menu.at(remote[i]));
    }
}

std::vector<AnsiString> DocumentSlots() {
    std::vector<AnsiString> v{MainForm->GetRadioType()};
    for (int i = 0; i < 220; ++i)
        v.push_back(MainForm->GetMemoryRecord(i));
    for (int i = 0; i < 2; ++i)
        v.push_back(MainForm->GetCallRecord(i));
    for (int i = 0; i < 6; ++i) {
        v.push_back(MainForm->GetVfoRecord(i));
        v.push_back(MainForm->GetProgramVfoRecord(i));
        v.push_back(MainForm->GetBandLimit(i));
    }
    for (int i = 0; i < 10; ++i)
        v.push_back(MainForm->GetDtmfRecord(i));
    for (int i = 0; i < 28; ++i)
        v.push_back(MainForm->GetRadioMenuItem(i));
    for (int i = 0; i < 14; ++i)
        v.push_back(MainForm->GetAprsMenuItem(i));
    for (int i = 0; i < 6; ++i)
        v.push_back(MainForm->GetSstvMenuItem(i));
    for (int i = 0; i < 3; ++i)
        v.push_back(MainForm->GetRemoteMenuItem(i));
    return v;
}

void ExpectSameSlots(const std::vector<AnsiString>& got, const std::vector<AnsiString>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "slot " << i;
}

namespace {

// ",f1,...,f11," + mode ("0" when empty) of a channel record.
AnsiString ChannelFields(int selector, int index) {
    AnsiString t;
    for (int k = 1; k <= 11; ++k)
        t += "," + Field(selector, index, k);
    const AnsiString mode = Field(selector, index, 13);
    return t + "," + (mode.empty() ? AnsiString("0") : mode);
}

} // namespace

std::vector<std::string> ChannelWriteLines(bool clearEmptyRows) {
    const int n = MainForm->RegionDigit() == '0' ? 149 : 199;
    std::vector<std::string> v;
    auto channel = [&](int slot, const std::string& label, bool scanEdge) {
        if (Field(selMemory, slot, 1).empty()) {
            if (!scanEdge || clearEmptyRows) v.push_back("MW 0,0," + label);
            return;
        }
        v.push_back("MW 0,0," + label + ChannelFields(selMemory, slot) + "," +
                    Field(selMemory, slot, 12));
        if (!Field(selMemory, slot, 14).empty())
            v.push_back("MW 0,1," + label + "," + Field(selMemory, slot, 14) + "," +
                        Field(selMemory, slot, 15));
        if (!scanEdge || !Field(selMemory, slot, 17).empty())
            v.push_back("MNA 0," + label + "," + Field(selMemory, slot, 17));
    };
    for (int i = 0; i <= n; ++i)
        channel(i, ChannelLabel(i), false);
    for (int k = 0; k < 20; ++k)
        channel(n + 1 + k, ScanEdgeLabel(k), true);
    return v;
}

std::vector<std::string> CallWriteLines() {
    std::vector<std::string> v;
    for (int s = 0; s < 2 && MainForm->RegionDigit() != '3'; ++s) {
        if (Field(selCall, s, 1).empty()) continue;
        v.push_back("CW " + Field(selCall, s, 0) + ",0" + ChannelFields(selCall, s));
        if (!Field(selCall, s, 14).empty())
            v.push_back("CW " + Field(selCall, s, 0) + ",1," + Field(selCall, s, 14) + "," +
                        Field(selCall, s, 15));
    }
    return v;
}

std::vector<std::string> VfoToDtmfWriteLines() {
    std::vector<std::string> v;
    for (int s = 0; s < 6; ++s) {
        if (Field(selVfo, s, 1).empty()) continue;
        v.push_back("VW " + Field(selVfo, s, 0) + ChannelFields(selVfo, s));
        if (s == 1) v.push_back("PC 0," + Field(selVfo, s, 16));
        if (s == 4) v.push_back("PC 1," + Field(selVfo, s, 16));
    }
    for (int s = 0; s < 6; ++s)
        if (!Field(selProgramVfo, s, 1).empty())
            v.push_back("PV " + Field(selProgramVfo, s, 0) + "," + Field(selProgramVfo, s, 1) +
                        "," + Field(selProgramVfo, s, 2));
    for (int i = 0; i < 10; ++i) {
        const AnsiString nn = "0" + std::to_string(i);
        AnsiString code = Field(selDtmf, i, 1);
        std::replace(code.begin(), code.end(), '*', 'E');
        std::replace(code.begin(), code.end(), '#', 'F');
        v.push_back(code.empty() ? "DM " + nn + "," : "DM " + Field(selDtmf, i, 0) + "," + code);
        v.push_back(Field(selDtmf, i, 2).empty()
                        ? "DMN " + nn + ","
                        : "DMN " + Field(selDtmf, i, 0) + "," + Field(selDtmf, i, 2));
    }
    return v;
}
