// Every way a transfer ends leaves nothing running: a late or extra reply behind a message, a
// failed start, the window manager's close request, a cancel whose reply came first.
#include "tests/transfer/TransferFixture.h"

#include "platform/GuiPost.h"
#include "platform/TestSeam.h"
#include "tests/support/WidgetInput.h"

using namespace radiosim;
using Lines = std::vector<std::string>;

namespace {

const char kWriteQuestion[] = "Do you want to write the data to the radio?";

struct Direction {
    const char* name;
    TTransferForm* (*form)();
    bool write;
};

TTransferForm* Reader() {
    return ReadForm;
}
TTransferForm* Writer() {
    return WriteForm;
}

} // namespace

class TransferEndTest : public TransferTest {
  protected:
    // Both directions, each against a fresh radio of region '1' with a document to match.
    template <class F> void ForBoth(F&& f) {
        const Direction both[] = {{"read", Reader, false}, {"write", Writer, true}};
        for (const Direction& d : both) {
            SCOPED_TRACE(d.name);
            UseDocumentType(SampleType('1'));
            TestSeam().Reset();
            TestSeam().Active = true;
            f(d);
        }
    }
    void Run(const Direction& d) { d.write ? Write() : Read(); }
    // The transfer went on to its last command.
    void ExpectRanThrough(const Direction& d) {
        ASSERT_FALSE(radio_->Transcript().empty());
        const std::string last = radio_->Transcript().back();
        if (d.form() == ReadForm)
            EXPECT_EQ(last.rfind("DL ", 0), 0u) << last;
        else
            EXPECT_EQ(last, "VMC 1,0");
    }
    void ExpectEnded(const Direction& d) {
        EXPECT_FALSE(d.form()->Visible());
        EXPECT_FALSE(d.form()->QComm1->GetPortStatus());
    }
};

// The message is shown for real and answered only after the late line has arrived: nothing
// of it is handled, nothing more is sent, and there is one message. The late "ID" comes a
// second after the reply time-out, so the message is up when it arrives.
TEST_F(TransferEndTest, ALateOrExtraReplyIsNeverHandledBehindTheMessage) {
    struct Case {
        const char* what;
        bool otherModel;
        double seconds;
        bool repeat;
        const char* message;
    };
    const Case cases[] = {
        {"ID 3 s late", false, 3.0, false, "Communication timeout error."},
        {"wrong ID twice", true, 0.4, true, "The radio is invalid.\nPlease check and try again."},
    };
    ForBoth([&](const Direction& d) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            Faults f;
            f.LateLine = 2; // "ID"
            f.LateSeconds = c.seconds;
            f.LateRepeat = c.repeat;
            RadioState state = SampleState('1');
            if (c.otherModel) state.Identity = "VQ-R2"; // the later command set, another name
            StartRadio(state, f);
            uint64_t atBox = 0;
            {
                widgetinput::RealMessageBoxes boxes(
                    [&](const AnsiString& text) {
                        if (text == kWriteQuestion) return true;
                        if (!atBox) atBox = radio_->BytesSent();
                        return radio_->BytesSent() > atBox; // the late line went out
                    },
                    300);
                Run(d);
                std::vector<AnsiString> shown = boxes.Texts();
                if (d.form() == WriteForm && !shown.empty()) shown.erase(shown.begin());
                EXPECT_EQ(shown, std::vector<AnsiString>{c.message});
            }
            EXPECT_EQ(radio_->Transcript(), (Lines{"AI 0", "BCN", "ID"}));
            ExpectEnded(d);
        }
    });
}

// The first send fails: the form is shown with the error, Cancel closes the port, and the next
// transfer runs through.
TEST_F(TransferEndTest, AFailedStartShowsTheFormAndTheNextTransferWorks) {
    ForBoth([&](const Direction& d) {
        TTransferForm* form = d.form();
        StartRadio(SampleState('1'));
        form->QComm1->SetOutBuffSize(2); // "AI 0" does not fit
        bool shownWithPortOpen = false;
        PostToGuiThread([&] {
            shownWithPortOpen = form->Visible() && form->QComm1->GetPortStatus();
            form->Button1->OnClick(form->Button1);
        });
        Run(d);
        form->QComm1->SetOutBuffSize(1024);
        EXPECT_TRUE(shownWithPortOpen);
        EXPECT_EQ(Messages().back(), "Too much write data");
        EXPECT_EQ(radio_->Transcript(), Lines{});
        ExpectEnded(d);

        TestSeam().MessageBoxes.clear();
        StartRadio(SampleState('1'));
        Run(d);
        ExpectRanThrough(d);
        for (const AnsiString& m : Messages())
            EXPECT_EQ(m, kWriteQuestion);
        ExpectEnded(d);
    });
}

// The close box or Alt+F4 in the middle of a transfer acts as Cancel: the outstanding reply
// ends it and nothing more is sent.
TEST_F(TransferEndTest, ACloseRequestMidTransferActsAsCancel) {
    ForBoth([&](const Direction& d) {
        TTransferForm* form = d.form();
        Faults f;
        f.Override = [form](int n, const std::string&,
                            const std::string&) -> std::optional<std::string> {
            if (n == 30) PostToGuiThread([form] { widgetinput::RequestClose(form); });
            return std::nullopt;
        };
        StartRadio(SampleState('1'), f);
        Run(d);
        EXPECT_EQ(radio_->Transcript().size(), 31u);
        EXPECT_TRUE(form->CancelRequested);
        ExpectEnded(d);
    });
}

// When the outstanding reply closes a cancelled transfer before the cancel timer, that timer
// does not end the transfer started right after.
TEST_F(TransferEndTest, ACancelEndedByItsReplyLeavesNoTimerForTheNextTransfer) {
    ForBoth([&](const Direction& d) {
        StartRadio(SampleState('1'), CancelAt(d.form(), 30));
        Run(d);
        EXPECT_EQ(radio_->Transcript().size(), 31u);
        ExpectEnded(d);
        EXPECT_FALSE(d.form()->Timer3->Enabled());

        StartRadio(SampleState('1'));
        Run(d);
        ExpectRanThrough(d);
        ExpectEnded(d);
    });
}
