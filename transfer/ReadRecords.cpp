#include "transfer/ReadRecords.h"

#include "editor/model/DocumentFile.h"
#include "transfer/Reshape.h"

namespace readrec {

namespace {

void Append(AnsiString& record, const AnsiString& text) {
    record += text;
    reshape::Bound(record);
}

} // namespace

bool StartMemory(AnsiString& record, const AnsiString& reply, char region) {
    if (reply.size() < 5) return false;
    record = reply;
    reshape::NormalizeMemoryReply(record, region);
    return true;
}

void AppendMemorySplit(AnsiString& record, const AnsiString& reply) {
    Append(record, reply.empty() ? AnsiString(",,") : "," + reply);
}

void FinishMemoryName(AnsiString& record, const AnsiString& reply) {
    Append(record, ",,");
    if (reply.compare(0, 7, "       ") != 0) Append(record, reply);
    reshape::SwapTwelfthField(record);
}

void AppendScanEdgeSplit(AnsiString& record, const AnsiString& reply) {
    Append(record, reply.size() >= 5 ? "," + reply + ",," : AnsiString(",,,,"));
}

void FinishScanEdgeName(AnsiString& record, const AnsiString& reply) {
    if (!reply.empty()) Append(record, reply);
    reshape::SwapTwelfthField(record);
}

void KeepAskedLabel(AnsiString& record, const AnsiString& asked, int lastChannel) {
    if (MemoryRecordSlot(record, lastChannel) == MemoryRecordSlot(asked + ",", lastChannel)) return;
    // Without a comma in its 99 characters the reply holds no fields: no channel to keep.
    const std::size_t comma = record.find(',');
    record = comma == AnsiString::npos ? AnsiString() : asked + record.substr(comma);
    reshape::Bound(record);
}

void StartCall(AnsiString& record, int slot, const AnsiString& reply, char region) {
    record = (slot == 0 ? "0," : "1,") + reply;
    reshape::NormalizeMemoryReply(record, region);
}

void FinishCall(AnsiString& record, const AnsiString& reply) {
    Append(record, reply.empty() ? AnsiString(",,,,") : "," + reply + ",,");
    reshape::ReorderVfoReply(record);
}

bool VfoWithoutPower(AnsiString& record, const AnsiString& reply) {
    if (reply.size() <= 1) return false;
    record = reply;
    Append(record, ",,,,,");
    reshape::ReorderVfoReply(record);
    return true;
}

void FinishVfoPower(AnsiString& record, const AnsiString& reply) {
    Append(record, ",,," + reply + ",");
    reshape::ReorderVfoReply(record);
}

bool StartDtmf(AnsiString& record, const AnsiString& reply) {
    if (reply.size() < 4) return false;
    record = reshape::DtmfCodeFromRadio(reply);
    return true;
}

void FinishDtmfName(AnsiString& record, const AnsiString& reply) {
    Append(record, ",");
    if (reply.size() > 1) Append(record, reply);
}

} // namespace readrec
