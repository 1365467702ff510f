// Fuzz target: arbitrary reply sequences, with time-outs, cancels and timer ticks between
// them, fed to the read and write forms' reply handlers with no serial line. Nothing may
// crash or be stored outside a slot, and after every event the step machine has either ended
// (every timer stopped) or waits for exactly one thing: the reply to the one command it just
// sent, the beacon retry, or the end of a cancel. A read fills only its own document, with
// channels and scan-edge rows in their slots; no transfer changes the main window's document.
//
// Input: byte 0 chooses the form (bit 2: write), the program whose step tables it follows
// (bit 3: the earlier program's) and the document's region (bits 0-1); the rest is split at CRs
// into events: a part starting with 0x01 lets the running timer fire, one starting with 0x02
// presses Cancel, any other part is one reply line.
#include "earlier/EarlierProgram.h"
#include "editor/MainForm.h"
#include "platform/Registry.h"
#include "platform/TestSeam.h"
#include "tests/fuzz/SlotChecks.h"
#include "tools/radio_sim/Environment.h"
#include "transfer/ReadForm.h"
#include "transfer/WriteForm.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

using fuzzcheck::Require;

namespace {

// A transfer form whose line is the fuzz input: commands are counted, replies handed in.
template <class Form> class Harness : public Form {
  public:
    template <class... Steps>
    explicit Harness(Steps&&... steps) : Form(nullptr, std::forward<Steps>(steps)...) {
        this->OnClose = [this](TObject*, TCloseAction&) { ended = true; };
    }
    int sent = 0;
    bool ended = false;

    void Start() {
        ended = false;
        this->FormShow(this);
    }
    void Reply(AnsiString line) {
        waiting_ = std::move(line) + '\r';
        uint32_t n = static_cast<uint32_t>(waiting_.size());
        this->QComm1CommEvent(this, n);
        waiting_.clear(); // what the handler left unread is purged with the queue
    }
    // The timer that is due fires: the retry, the cancel completion, or the reply time-out.
    void Tick() {
        if (this->Timer2->Enabled())
            this->Timer2Timer(this);
        else if (this->Timer3->Enabled())
            this->Timer3Timer(this);
        else if (this->Timer1->Enabled())
            this->Timer1Timer(this);
    }
    void Stop() { this->StopTransfer(); }

  protected:
    bool OpenLine() override { return true; }
    void WriteLine(const AnsiString& command) override {
        Require(command.size() <= 99, "command longer than 99 characters");
        ++sent;
    }
    AnsiString TakeWaitingBytes() override { return std::exchange(waiting_, {}); }

  private:
    AnsiString waiting_;
};

template <class Form> void CheckWaiting(const Harness<Form>& f, int sentBefore) {
    const int sent = f.sent - sentBefore;
    const bool t1 = f.Timer1->Enabled(), t2 = f.Timer2->Enabled(), t3 = f.Timer3->Enabled();
    if (f.ended) {
        Require(!t1 && !t2 && !t3, "a timer runs after the end");
        Require(sent == 0, "a command sent by the event that ended the transfer");
    } else if (t3) {
        Require(f.CancelRequested && !t1 && !t2 && sent == 0, "cancel pending with more going on");
    } else if (t2) {
        Require(!t1 && sent == 0, "beacon retry pending with a command outstanding");
    } else {
        Require(t1 && sent == 1, "not exactly one command outstanding");
    }
}

template <class Form> void Run(Harness<Form>& form, const std::uint8_t* data, std::size_t size) {
    int before = form.sent;
    form.Start();
    CheckWaiting(form, before);
    std::size_t at = 1;
    while (at < size && !form.ended) {
        std::size_t end = at;
        while (end < size && data[end] != '\r')
            ++end;
        AnsiString part(reinterpret_cast<const char*>(data + at), end - at);
        at = end + 1;
        before = form.sent;
        if (!part.empty() && part[0] == '\x01') {
            form.Tick();
        } else if (!part.empty() && part[0] == '\x02') {
            form.Button1->OnClick(form.Button1);
        } else {
            // Before a cancel's reply or with the retry pending a line may still come; after a
            // time-out or the end the port is closed and none does.
            form.Reply(part);
        }
        CheckWaiting(form, before);
    }
    form.Stop();
}

const char* const kTypes[] = {"1,0,0E,,1,1,", "1,1,05,,,,", "1,2,00,1,1,,", "1,3,08,,,1,"};

// A document of the region with records in every group the write sends.
void FreshDocument(char region) {
    MainForm->SetRadioType(kTypes[region - '0']);
    MainForm->SetBandLimits("00118,00135,00144,00147,00430,00440");
    MainForm->ClearDocument();
    MainForm->LastChannel = MainForm->ChannelsLastForType();
    MainForm->SetMemoryRecord(0, "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,NAME");
    MainForm->SetMemoryRecord(1, "001,00435000000,0,2,0,1,0,,09,,09,005000000,1,0,00440000000,0,,");
    MainForm->SetMemoryRecord(MainForm->LastChannel + 1,
                              "L0,00144000000,0,0,0,0,0,,09,,09,000600000,0,0,00144100000,0,,EDGE");
    MainForm->SetDtmfRecord(0, "00,123*#,DTMF");
}

struct World {
    TApplication* app = nullptr;
    Harness<TReadForm>* read = nullptr;
    Harness<TWriteForm>* write = nullptr;
    Harness<TReadForm>* earlierRead = nullptr;
    Harness<TWriteForm>* earlierWrite = nullptr;
};

World& Once() {
    static World s = [] {
        World x;
        radiosim::UsePrivateSettingsFolder();
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "transfer_fuzz";
        static char* argv[] = {name, nullptr};
        x.app = new TApplication(argc, argv);
        DialogSeam::ActiveByDefault = true;
        TestSeam().Reset();
        TRegistry reg; // no first-run question
        reg.OpenKey(MainFormText::SettingsKey, true);
        reg.WriteString("Type", kTypes[1]);
        reg.CloseKey();
        Application->CreateForm(MainForm, LaterProgram());
        x.read = new Harness<TReadForm>();
        x.write = new Harness<TWriteForm>();
        x.earlierRead = new Harness<TReadForm>(Earlier::ReadSteps());
        x.earlierWrite = new Harness<TWriteForm>(Earlier::WriteSteps());
        return x;
    }();
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    World& s = Once();
    TestSeam().Reset();
    const char region = static_cast<char>('0' + (data[0] & 3));
    FreshDocument(region);
    const auto before = fuzzcheck::Snapshot(*MainForm);
    const bool earlier = data[0] & 8;
    if (data[0] & 4) {
        Run(earlier ? *s.earlierWrite : *s.write, data, size);
    } else {
        Harness<TReadForm>& read = earlier ? *s.earlierRead : *s.read;
        Run(read, data, size);
        // Channels and scan-edge rows go by the radio type in the read's document (the one it
        // read, or the copied one where it stopped before), whatever channel count the read
        // asked for: the rows the main window lays out for that type once it takes the read.
        const TMemoryDocument& doc = read.ReadDocument;
        const int last = doc.ChannelsLastForType();
        fuzzcheck::CheckImage(doc, last);
        fuzzcheck::CheckMemoryLabels(doc, last);
    }
    Application->ProcessMessages();
    Require(fuzzcheck::Snapshot(*MainForm) == before, "a transfer changed the main document");
    return 0;
}
