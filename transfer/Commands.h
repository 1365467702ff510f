// Command lines of the read and write steps, built from the step tables, the position in the
// sequence and (for the write) the document. Pure: nothing is sent here.
#pragma once
#include "editor/model/MemoryDocument.h"
#include "transfer/StepTables.h"

struct TransferCursor {
    int ChannelIndex = 0;
    int SubIndex = 0;
    int LastChannel = 199;
};

// The document slot of the memory record at ChannelIndex: a channel its own number, a scan-edge
// row the slot of its label in the document as it now is. The earlier program fixes its channel
// count when its forms are made, so the document's own count can differ: its scan edges must not
// land in slots the document shows as channels, or be fetched from them. -1: a channel number
// the document has no slot for.
int RecordSlot(const TransferCursor& at, const TMemoryDocument& doc);

// The command of a read step ("" for a step the table does not know).
AnsiString ReadCommand(const ReadStepTable& table, int step, const TransferCursor& at,
                       const TMemoryDocument& doc);

struct WriteCommand {
    bool Send = false; // false: the step's record has nothing to send
    int Step = 0;      // the step whose reply is awaited (an empty channel becomes 15)
    AnsiString Text;
};

WriteCommand BuildWriteCommand(const WriteStepTable& table, int step, const TransferCursor& at,
                               const TMemoryDocument& doc);

// Write steps of the sequence.
enum : int {
    wsMemory = 1,
    wsMemorySplit = 2,
    wsMemoryName = 3,
    wsScanEdge = 4,
    wsDtmf = 7,
    wsVfo = 8,
    wsCall = 9,
    wsCallSplit = 10,
    wsOutputPower = 11,
    wsScanEdgeName = 12,
    wsScanEdgeSplit = 13,
    wsMemoryClear = 15,
    wsRadioType = 21,
    wsAutoInfoOff = 22,
    wsRadioId = 23,
    wsClose = 24,
    wsVfoMode = 25,
    wsDtmfName = 26,
    wsProgramVfo = 27,
    wsProgramVfoReset = 28,
    wsDualBand = 31,
    wsBeaconQuery = 58,
    wsDualOn = 59,
    wsTncOff = 95,
    wsBeaconOff = 96,
    wsRsvBlank = 97,
    wsScanEdgeClear = 98,
    wsBeaconOffAgain = 99,
};
