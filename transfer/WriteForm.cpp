#include "transfer/WriteForm.h"

#include "editor/MainForm.h"
#include "transfer/Commands.h"

TWriteForm* WriteForm = nullptr;

TWriteForm::TWriteForm(TComponent* Owner, const WriteStepTable& steps)
    : TTransferForm(Owner, "Write", "Writing data to the Radio.", steps.Title, steps.NewComm),
      steps_(steps) {
    ProgressBar1->SetMax(100);
    if (!steps_.LayoutAtShow) LayoutForDocument();
}

void TWriteForm::BeforeStart() {
    if (steps_.LayoutAtShow) LayoutForDocument();
}

void TWriteForm::LayoutForDocument() {
    const char region = DocumentRegion();
    LastChannel = region == '0' ? 149 : 199;
    const int vfoRows = MainForm && MainForm->StringGrid2 ? MainForm->StringGrid2->RowCount() : 0;
    ProgressBar1->SetMax(vfoRows + LastChannel + 36 +
                         (region == '0'   ? 41
                          : region == '1' ? 43
                                          : 46));
}

bool TWriteForm::SendWriteStep(int step) {
    StepNumber = step;
    WriteCommand c =
        BuildWriteCommand(steps_, step, {ChannelIndex, SubIndex, LastChannel}, *MainForm);
    StepNumber = c.Step;
    if (!c.Send) return false;
    SendLine(c.Text);
    return true;
}

AnsiString TWriteForm::CollectReply() {
    AnsiString reply;
    const WriteHandshakeStep* h = steps_.HandshakeStep(StepNumber);
    if (h && h->Action != WriteAction::Next && h->Action != WriteAction::TncOff)
        reply = ReadReplyBytes(0, 19);
    QComm1->ClearInBuff();
    return reply;
}

void TWriteForm::BandLimitLoop() {
    for (; SubIndex <= 5; ++SubIndex)
        if (SendWriteStep(28)) return;
    SubIndex = 0;
    SendWriteStep(steps_.AfterBandLimits);
}

void TWriteForm::NextChannel() {
    ProgressBar1->SetPosition(ChannelIndex);
    ++ChannelIndex;
    if (ChannelIndex <= LastChannel)
        SendWriteStep(1);
    else
        ScanEdgeRows(DocumentRegion());
}

void TWriteForm::ScanEdgeRows(char region) {
    for (; ChannelIndex <= LastChannel + 20; ++ChannelIndex) {
        if (SendWriteStep(4)) return;
        ProgressBar1->SetPosition(ChannelIndex);
    }
    if (region == '3') {
        StartVfos(true);
        return;
    }
    SubIndex = 0;
    CallRecord();
}

void TWriteForm::StartVfos(bool tick) {
    if (steps_.BeforeVfos != 0) { // its reply counts one and starts the VFO records
        SendWriteStep(steps_.BeforeVfos);
        return;
    }
    if (tick) Tick();
    SubIndex = 0;
    VfoLoop(false);
}

void TWriteForm::FinishScanEdgeRow(char region) {
    ProgressBar1->SetPosition(ChannelIndex);
    ++ChannelIndex;
    ScanEdgeRows(region);
}

// A CALL record without frequency is passed over as if it had been sent and answered, so
// the write never stands still with nothing outstanding.
void TWriteForm::CallRecord() {
    if (!SendWriteStep(9)) CallDone();
}

void TWriteForm::CallDone() {
    Tick();
    if (SubIndex == 0) {
        SubIndex = 1;
        CallRecord();
        return;
    }
    StartVfos(false);
}

// Each slot passed over counts one; a slot sent counts one when tickOnSend (after the reply
// of a slot without output power).
void TWriteForm::VfoLoop(bool tickOnSend) {
    for (; SubIndex <= 5; ++SubIndex) {
        if (SendWriteStep(8)) {
            if (tickOnSend) Tick();
            return;
        }
        Tick();
    }
    SubIndex = 0;
    ProgramVfoLoop();
}

void TWriteForm::ProgramVfoLoop() {
    for (; SubIndex <= 5; ++SubIndex) {
        if (SendWriteStep(27)) return;
        Tick();
    }
    ChannelIndex = 0;
    SendWriteStep(7);
}

void TWriteForm::GoOn(int next) {
    switch (next) {
    case wnBandLimits:
        SubIndex = 0;
        BandLimitLoop();
        return;
    case wnChannels:
        ChannelIndex = 0;
        SendWriteStep(1);
        return;
    default:
        SendWriteStep(next);
    }
}

void TWriteForm::HandleHandshake(const WriteHandshakeStep& step, const AnsiString& reply,
                                 char region) {
    switch (step.Action) {
    case WriteAction::Next:
        break;
    case WriteAction::BeaconQuery:
        if (reply != "BCN 0") {
            RetryDone = false;
            SendWriteStep(96);
            return;
        }
        break;
    case WriteAction::BeaconOff:
        if (reply != "BCN 0" && !RetryDone) {
            Timer2->SetEnabled(true);
            return;
        }
        break;
    case WriteAction::Identity:
        if (reply != steps_.Identity) {
            InvalidRadio();
            return;
        }
        break;
    case WriteAction::RadioType:
        if (reply.size() < 7 || reply[6] != region) {
            InvalidRadio();
            return;
        }
        break;
    case WriteAction::TncOff:
        if (region == '0') {
            SendWriteStep(95);
            return;
        }
        break;
    }
    GoOn(step.Next);
}

void TWriteForm::HandleReply(const AnsiString& reply, char region) {
    if (const WriteItem* item = steps_.Item(StepNumber)) {
        Tick();
        const int next = steps_.Order.Next(item->Step, region);
        if (next != 0) {
            SendWriteStep(next);
            return;
        }
        SubIndex = 0;
        SendWriteStep(25);
        return;
    }
    if (const WriteHandshakeStep* h = steps_.HandshakeStep(StepNumber)) {
        HandleHandshake(*h, reply, region);
        return;
    }
    switch (StepNumber) {
    case 28:
        ++SubIndex;
        BandLimitLoop();
        return;
    case 98:
        if (++SubIndex <= 19) {
            SendWriteStep(98);
            return;
        }
        GoOn(wnChannels);
        return;
    case 1:
        if (!SendWriteStep(2)) SendWriteStep(3);
        return;
    case 2:
        SendWriteStep(3);
        return;
    case 3:
    case 15:
        NextChannel();
        return;
    case 4:
        if (!SendWriteStep(13) && !SendWriteStep(12)) FinishScanEdgeRow(region);
        return;
    case 13:
        if (!SendWriteStep(12)) FinishScanEdgeRow(region);
        return;
    case 12:
        FinishScanEdgeRow(region);
        return;
    case 9:
        if (!SendWriteStep(10)) CallDone();
        return;
    case 10:
        CallDone();
        return;
    case 97:
        Tick();
        SubIndex = 0;
        VfoLoop(false);
        return;
    case 8:
        if (SubIndex == 1 || SubIndex == 4) {
            SendWriteStep(11);
            return;
        }
        ++SubIndex;
        VfoLoop(true);
        return;
    case 11:
        ++SubIndex;
        Tick();
        VfoLoop(false);
        return;
    case 27:
        ++SubIndex;
        Tick();
        ProgramVfoLoop();
        return;
    case 7:
        SendWriteStep(26);
        return;
    case 26:
        if (++ChannelIndex < 10) {
            Tick();
            SendWriteStep(7);
        } else {
            SendWriteStep(steps_.Order.For(region).front());
        }
        return;
    case 25:
        if (SubIndex == 0) {
            SubIndex = 1;
            SendWriteStep(25);
            return;
        }
        CloseTransfer();
        return;
    default:
        CloseTransfer();
    }
}
