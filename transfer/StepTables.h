// The step tables of the two transfer directions as data: echo lengths, handshake steps, the
// menu items with their commands and value rules, and the order in which the items go. A
// build with other sequences supplies tables of its own.
#pragma once
#include "platform/System.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class TComponent;
class TQComm;

// Makes the serial component of a transfer form; the program's own flow-control rules come
// with it.
using CommMaker = TQComm* (*)(TComponent* owner);

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
    // The radio type read sets LastChannel and the progress maximum; else they keep what the
    // form took from the document when it was created.
    bool LayoutFromRadioType;
    CommMaker NewComm;         // null: the plain component
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
    AnsiString Prefix; // command word with its blank or comma
    MenuGroup Group;
    int Slot;
    WriteRule Rule;
};

enum class WriteAction {
    Next,        // any reply goes on
    BeaconQuery, // "BCN 0" goes on, anything else sends the beacon-off step
    BeaconOff,   // "BCN 0" or a retry made goes on, else the delayed retry
    Identity,    // the whole reply must be the identity
    RadioType,   // the seventh reply character must be the document's region digit
    TncOff,      // region '0' sends "TNC 0" first
};

// Where a write step goes on: a step number, or one of the loops.
enum : int { wnBandLimits = -1, wnChannels = -2 };

struct WriteHandshakeStep {
    int Step;
    const char* Command;
    WriteAction Action;
    int Next;
};

struct WriteStepTable {
    const char* Title;
    const char* Identity; // the whole reply to "ID"
    int FirstStep;
    std::vector<WriteHandshakeStep> Handshake;
    int AfterBandLimits; // the step sent once the band-limit resets are done
    // A scan-edge row without frequency is cleared by its bare "MW 0,0," command (else it is
    // passed over).
    bool ClearEmptyScanEdges;
    int BeforeVfos; // the step sent before the VFO records ("RSV "), 0 for none
    // LastChannel and the progress maximum are taken when the form is shown; else once, when
    // it is created.
    bool LayoutAtShow;
    CommMaker NewComm;
    std::vector<WriteItem> Items;
    ItemOrder Order;
    const WriteItem* Item(int step) const;
    const WriteHandshakeStep* HandshakeStep(int step) const;
};

const ReadStepTable& ReadSteps();
const WriteStepTable& WriteSteps();

// The command word of every menu item as a read sends it, with the item it carries: radio
// menu (steps 30..34, 36..57), APRS (60..74), SSTV (80..85), HALCYRA (90..92).
struct MenuWord {
    int Step;
    const char* Word;
    MenuGroup Group;
    int Slot;
};
const std::vector<MenuWord>& MenuWords();
// The items of a table: the words for which rule gives a value rule (none: not transferred).
// A write sends the word, "," after "BEL 0" and "BEL 1" or else a blank, then the value.
std::vector<ReadItem> ReadItemsOf(const std::function<std::optional<ReadRule>(int step)>& rule);
std::vector<WriteItem> WriteItemsOf(const std::function<std::optional<WriteRule>(int step)>& rule);

// Helpers for building step tables.
std::vector<int> StepRange(int first, int last);
std::vector<int> ConcatSteps(std::initializer_list<std::vector<int>> parts);
// Echo lengths by step: 7 for every step not listed.
std::array<int, 101> EchoTable(std::initializer_list<std::pair<int, std::vector<int>>> lengths);

// Command parameters: nnn, the scan-edge label of row ChannelIndex - LastChannel (1..20),
// nn and the band digit of a slot.
AnsiString ThreeDigits(int n);
AnsiString TwoDigits(int n);
AnsiString ScanEdgeLabel(int channelIndex, int lastChannel);
char BandDigitOfSlot(int slot);
