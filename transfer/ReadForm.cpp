#include "transfer/ReadForm.h"

#include "editor/MainForm.h"
#include "transfer/Commands.h"
#include "transfer/ReadRecords.h"
#include "transfer/Reshape.h"

TReadForm* ReadForm = nullptr;

namespace {

AnsiString ApplyRule(ReadRule rule, const AnsiString& v) {
    switch (rule) {
    case ReadRule::FirstAboveOneToZero:
        return reshape::FirstAboveOneToZero(v);
    case ReadRule::EmptyToZero:
        return reshape::EmptyToZero(v);
    case ReadRule::TrimTrailingBlanks:
        return reshape::TrimTrailingBlanks(v);
    case ReadRule::PositionComment:
        return reshape::PositionCommentFromRadio(v);
    case ReadRule::GpsUnit:
        return reshape::GpsUnitFromRadio(v);
    case ReadRule::TxInterval:
        return reshape::TxIntervalFromRadio(v);
    case ReadRule::AsIs:
        break;
    }
    return v;
}

} // namespace

TReadForm::TReadForm(TComponent* Owner, const ReadStepTable& steps)
    : TTransferForm(Owner, "Read", "Reading data from the Radio.", steps.Title, steps.NewComm),
      steps_(steps) {
    ProgressBar1->SetMax(193);
    LayoutForRegion(DocumentRegion());
}

void TReadForm::LayoutForRegion(char region) {
    LastChannel = region == '0' ? 149 : 199;
    ProgressBar1->SetMax(LastChannel + 43 + (region == '0' ? 41 : region == '1' ? 43 : 46));
}

int TReadForm::RecordSlot() const {
    return ::RecordSlot({ChannelIndex, SubIndex, LastChannel}, ReadDocument);
}

void TReadForm::StoreMemoryRecord() {
    const AnsiString asked = ChannelIndex > LastChannel ? ScanEdgeLabel(ChannelIndex, LastChannel)
                                                        : ThreeDigits(ChannelIndex);
    readrec::KeepAskedLabel(ReplyRecord, asked, ReadDocument.ChannelsLastForType());
    ReadDocument.SetMemoryRecord(RecordSlot(), ReplyRecord);
}

void TReadForm::SendReadStep(int step) {
    StepNumber = step;
    SendLine(ReadCommand(steps_, step, {ChannelIndex, SubIndex, LastChannel}, ReadDocument));
}

AnsiString TReadForm::CollectReply() {
    return ReadReplyBytes(steps_.EchoSkipLength(StepNumber), reshape::kRecordCapacity);
}

void TReadForm::BeforeStart() {
    if (MainForm) ReadDocument = *MainForm;
}

void TReadForm::HandleHandshake(const ReadHandshakeStep& step, const AnsiString& reply) {
    switch (step.Action) {
    case ReadAction::ClearDocument:
        ReadDocument.ClearDocument();
        break;
    case ReadAction::BeaconQuery:
        if (reply != "BCN 0") {
            RetryDone = false;
            SendReadStep(steps_.BeaconOffStep);
            return;
        }
        break;
    case ReadAction::BeaconOff:
        if (reply != "BCN 0" && !RetryDone) {
            Timer2->SetEnabled(true);
            return;
        }
        break;
    case ReadAction::Identity:
        if (reply != steps_.Identity) {
            InvalidRadio();
            return;
        }
        break;
    case ReadAction::RadioType:
        ReadDocument.SetRadioType(reply);
        // Nothing but the type has been stored yet: clear again so that the defaults of what
        // the read does not fill (bands, CALL of region '3', menu slots) are those of this
        // radio's type, not of the document's earlier one.
        ReadDocument.ClearDocument();
        if (steps_.LayoutFromRadioType) LayoutForRegion(reply.size() > 2 ? reply[2] : '\0');
        break;
    case ReadAction::BandLimits:
        ReadDocument.SetBandLimits(reply);
        break;
    case ReadAction::DualQuery:
        ReadDocument.SetRadioMenuItem(1, reply);
        break;
    case ReadAction::StartRecords:
        ChannelIndex = 0;
        break;
    case ReadAction::Nothing:
        break;
    }
    SendReadStep(step.Next);
}

void TReadForm::HandleItem(const ReadItem& item, const AnsiString& reply, char region) {
    const AnsiString value = ApplyRule(item.Rule, reply);
    switch (item.Group) {
    case MenuGroup::Radio:
        ReadDocument.SetRadioMenuItem(item.Slot, value);
        break;
    case MenuGroup::Aprs:
        ReadDocument.SetAprsMenuItem(item.Slot, value);
        break;
    case MenuGroup::Sstv:
        ReadDocument.SetSstvMenuItem(item.Slot, value);
        break;
    case MenuGroup::Remote:
        ReadDocument.SetRemoteMenuItem(item.Slot, value);
        break;
    }
    Tick();
    const int next = steps_.Order.Next(item.Step, region);
    if (next == 0) {
        SendReadStep(steps_.EndStep);
        return;
    }
    if (steps_.ExtraTickBeforeRemote && steps_.Order.StartsRemote(next)) Tick();
    SendReadStep(next);
}

void TReadForm::NextChannel() {
    ProgressBar1->SetPosition(ChannelIndex);
    ++ChannelIndex;
    SendReadStep(ChannelIndex <= LastChannel ? 1 : 4);
}

void TReadForm::NextScanEdgeRow(char region) {
    ProgressBar1->SetPosition(ChannelIndex);
    ++ChannelIndex;
    if (ChannelIndex <= LastChannel + 20) {
        SendReadStep(4);
        return;
    }
    SubIndex = 0;
    SendReadStep(region == '3' ? 8 : 9);
}

void TReadForm::NextDtmf(char region) {
    Tick();
    ++ChannelIndex;
    SendReadStep(ChannelIndex <= 9 ? 7 : steps_.Order.For(region).front());
}

void TReadForm::HandleReply(const AnsiString& reply, char region) {
    if (StepNumber != steps_.EndStep) {
        if (const ReadHandshakeStep* h = steps_.HandshakeStep(StepNumber)) {
            HandleHandshake(*h, reply);
            return;
        }
        if (const ReadItem* item = steps_.Item(StepNumber)) {
            HandleItem(*item, reply, region);
            return;
        }
    }
    switch (StepNumber) {
    case 1: // a channel with nothing in it leaves its slot empty, whatever it held before
        if (readrec::StartMemory(ReplyRecord, reply, region)) return SendReadStep(2);
        ReadDocument.ClearMemoryRecord(RecordSlot());
        return NextChannel();
    case 2:
        readrec::AppendMemorySplit(ReplyRecord, reply);
        return SendReadStep(3);
    case 3:
        readrec::FinishMemoryName(ReplyRecord, reply);
        StoreMemoryRecord();
        return NextChannel();
    case 4:
        if (readrec::StartMemory(ReplyRecord, reply, region)) return SendReadStep(13);
        ReadDocument.ClearMemoryRecord(RecordSlot());
        return NextScanEdgeRow(region);
    case 13:
        readrec::AppendScanEdgeSplit(ReplyRecord, reply);
        return SendReadStep(12);
    case 12:
        readrec::FinishScanEdgeName(ReplyRecord, reply);
        StoreMemoryRecord();
        return NextScanEdgeRow(region);
    case 9:
        readrec::StartCall(ReplyRecord, SubIndex, reply, region);
        return SendReadStep(10);
    case 10:
        readrec::FinishCall(ReplyRecord, reply);
        ReadDocument.SetCallRecord(SubIndex, ReplyRecord);
        Tick();
        SubIndex = SubIndex == 0 ? 1 : 0;
        return SendReadStep(SubIndex == 1 ? 9 : 8);
    case 8:
        if (SubIndex == 1 || SubIndex == 4) {
            ReplyRecord = reply;
            return SendReadStep(11);
        }
        if (readrec::VfoWithoutPower(ReplyRecord, reply))
            ReadDocument.SetVfoRecord(SubIndex, ReplyRecord);
        Tick();
        if (SubIndex >= 5) {
            SubIndex = 0;
            return SendReadStep(27);
        }
        ++SubIndex;
        return SendReadStep(8);
    case 11:
        readrec::FinishVfoPower(ReplyRecord, reply);
        ReadDocument.SetVfoRecord(SubIndex, ReplyRecord);
        Tick();
        ++SubIndex;
        return SendReadStep(8);
    case 27:
        ReadDocument.SetProgramVfoRecord(SubIndex, reply);
        Tick();
        if (SubIndex < 5) {
            ++SubIndex;
            return SendReadStep(27);
        }
        ChannelIndex = 0;
        return SendReadStep(7);
    case 7:
        if (readrec::StartDtmf(ReplyRecord, reply)) return SendReadStep(26);
        return NextDtmf(region);
    case 26:
        readrec::FinishDtmfName(ReplyRecord, reply);
        ReadDocument.SetDtmfRecord(ChannelIndex, ReplyRecord);
        return NextDtmf(region);
    default: // the end step, a cancelled transfer, or a step the table does not handle
        CloseTransfer(StepNumber == steps_.EndStep ? mrOk : mrCancel);
    }
}
