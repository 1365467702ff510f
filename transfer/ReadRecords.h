// Assembly of one document record from the replies of a read, step by step. The record never
// grows beyond 99 characters, whatever the replies hold.
#pragma once
#include "platform/System.h"

namespace readrec {

// Step 1 or 4: false for an empty channel (reply shorter than 5), else starts the record.
bool StartMemory(AnsiString& record, const AnsiString& reply, char region);
// Step 2: the split of a numbered channel.
void AppendMemorySplit(AnsiString& record, const AnsiString& reply);
// Step 3: the name (a reply of 7 or more leading blanks is no name), then the field swap.
void FinishMemoryName(AnsiString& record, const AnsiString& reply);
// Step 13: the split of a scan-edge row.
void AppendScanEdgeSplit(AnsiString& record, const AnsiString& reply);
// Step 12: the name of a scan-edge row, then the field swap.
void FinishScanEdgeName(AnsiString& record, const AnsiString& reply);
// Steps 3 and 12: a record whose label names another memory slot than the label the read
// asked for (a reply about another channel) takes the asked label, so that the saved document
// opened again puts it back in its own slot; one without any field separator becomes empty.
void KeepAskedLabel(AnsiString& record, const AnsiString& asked, int lastChannel);
// Step 9: CALL slot 0 or 1.
void StartCall(AnsiString& record, int slot, const AnsiString& reply, char region);
// Step 10: the CALL split.
void FinishCall(AnsiString& record, const AnsiString& reply);
// Step 8 for slots without output power: false when the reply is too short to be a VFO.
bool VfoWithoutPower(AnsiString& record, const AnsiString& reply);
// Step 11: the output power of slot 1 or 4, after the VFO reply kept at step 8.
void FinishVfoPower(AnsiString& record, const AnsiString& reply);
// Step 7: false for an empty DTMF memory (reply shorter than 4).
bool StartDtmf(AnsiString& record, const AnsiString& reply);
// Step 26: the DTMF name (a name of one character is none).
void FinishDtmfName(AnsiString& record, const AnsiString& reply);

} // namespace readrec
