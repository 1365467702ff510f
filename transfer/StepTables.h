// The step tables of the two transfer directions as data: echo lengths, handshake steps, the
// menu items with their commands and value rules, and the order in which the items go. A
// build with other sequences supplies tables of its own.
#pragma once
#include "platform/System.h"

#include <array>
#include <vector>

enum class MenuGroup { Radio, Aprs, Sstv, Remote };

// Order of the menu items, by region digit: radio menu, APRS (two forms), a tail, and the
// HALCYRA items (region '2' only).
struct ItemOrder {
    std::vector<int> RadioMenu, AprsRegion0, AprsOther, Tail, Remote;
    std::vector<int> For(char region) const;
    // The item after step in the order for region; 0 after the last (or for an unknown step).
    int Next(int step, char region) const;
    // Whether step is the first of the HALCYRA items.
    bool StartsRemote(int step) const { return !Remote.empty() && Remote.front() == step; }
};

enum class ReadRule {
    AsIs,
    FirstAboveOneToZero,
    EmptyToZero,
    TrimTrailingBlanks,
    PositionComment,
    GpsUnit,
    TxInterval,
};

struct ReadItem {
    int Step;
    const char* Command;
    MenuGroup Group;
    int Slot;
    ReadRule Rule;
};

enum class ReadAction {
    ClearDocument,
    BeaconQuery, // "BCN 0" goes on, anything else sends the beacon-off step
    BeaconOff,   // "BCN 0" or a retry made goes on, else the delayed retry
    Identity,
    RadioType, // stores the type, clears for it and takes the channel count from it
    BandLimits,
    DualQuery,
    Nothing,
    StartRecords, // memory channels from channel 0
};

struct ReadHandshakeStep {
    int Step;
    const char* Command;
    ReadAction Action;
    int Next;
};

struct ReadStepTable {
    const char* Title;    // message-box caption
    const char* Identity; // the reply to "ID" after its echo
    int FirstStep;
    int BeaconOffStep; // the step the beacon query falls back on
    int EndStep;       // "DL " + the dual-band value read at the start
    bool ExtraTickBeforeRemote;
    std::array<int, 101> Echo; // EchoSkipLength by step
    std::vector<ReadHandshakeStep> Handshake;
    std::vector<ReadItem> Items;
    ItemOrder Order;

    int EchoSkipLength(int step) const;
    const ReadHandshakeStep* HandshakeStep(int step) const;
    const ReadItem* Item(int step) const;
};

enum class WriteRule { AsIs, Beep, PositionComment, TxInterval };

struct WriteItem {
    int Step;
    const char* Prefix; // command word with its blank or comma
    MenuGroup Group;
    int Slot;
    WriteRule Rule;
};

struct WriteStepTable {
    const char* Title;
    const char* Identity; // the whole reply to "ID"
    std::vector<WriteItem> Items;
    ItemOrder Order;
    const WriteItem* Item(int step) const;
};

const ReadStepTable& ReadSteps();
const WriteStepTable& WriteSteps();

// Command parameters: nnn, the scan-edge label of row ChannelIndex - LastChannel (1..20),
// nn and the band digit of a slot.
AnsiString ThreeDigits(int n);
AnsiString TwoDigits(int n);
AnsiString ScanEdgeLabel(int channelIndex, int lastChannel);
char BandDigitOfSlot(int slot);
