#include "transfer/WriteForm.h"

#include "editor/MainForm.h"
#include "transfer/Commands.h"

TWriteForm* WriteForm = nullptr;

TWriteForm::TWriteForm(TComponent* Owner, const WriteStepTable& steps)
    : TTransferForm(Owner, "Write", "Writing data to the Radio.", steps.Title), steps_(steps) {
    ProgressBar1->SetMax(100);
}

void TWriteForm::BeforeStart() {
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
    if (StepNumber == 21 || StepNumber == 23 || StepNumber == 58 || StepNumber == 96)
        reply = ReadReplyBytes(0, 19);
    QComm1->ClearInBuff();
    return reply;
}

void TWriteForm::BandLimitLoop() {
    for (; SubIndex <= 5; ++SubIndex)
        if (SendWriteStep(28)) return;
    SubIndex = 0;
    SendWriteStep(98);
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
        SendWriteStep(97);
        return;
    }
    SubIndex = 0;
    CallRecord();
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
    SendWriteStep(97);
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
    switch (StepNumber) {
    case 22:
        SendWriteStep(58);
        return;
    case 58:
        if (reply == "BCN 0") {
            SendWriteStep(23);
            return;
        }
        RetryDone = false;
        SendWriteStep(96);
        return;
    case 96:
        if (reply == "BCN 0" || RetryDone)
            SendWriteStep(23);
        else
            Timer2->SetEnabled(true);
        return;
    case 23:
        if (reply == steps_.Identity)
            SendWriteStep(21);
        else
            InvalidRadio();
        return;
    case 21:
        if (reply.size() >= 7 && reply[6] == region)
            SendWriteStep(59);
        else
            InvalidRadio();
        return;
    case 59:
        SendWriteStep(99);
        return;
    case 99:
        if (region == '0') {
            SendWriteStep(95);
            return;
        }
        [[fallthrough]];
    case 95:
        SubIndex = 0;
        BandLimitLoop();
        return;
    case 28:
        ++SubIndex;
        BandLimitLoop();
        return;
    case 98:
        if (++SubIndex <= 19) {
            SendWriteStep(98);
            return;
        }
        ChannelIndex = 0;
        SendWriteStep(1);
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
