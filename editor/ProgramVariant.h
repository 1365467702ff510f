// What makes one program of the family: its texts, serial ports and features, the step tables
// of its transfers, and the few rules in which the earlier program differs. The entry point
// picks one at start-up; the main window keeps it for the run and the other forms reach it
// there.
#pragma once
#include "editor/PageTextChecks.h"
#include "editor/model/MemoryDocument.h"

#include <array>
#include <cstddef>

class TMainForm;
struct ReadStepTable;
struct WriteStepTable;

struct TProgramVariant {
    AnsiString Title;          // application title, caption base, message-box caption
    AnsiString ProductLine;    // splash Label2, about box ProductName
    AnsiString SplashTitle;    // splash Label1
    AnsiString AboutCaption;   // about box caption
    AnsiString VersionLabel;   // about box Version
    AnsiString UnitIdentifier; // default unproto address, Edit13's first text
    int PortCount = 4;         // the COM menu offers COM1..COM<PortCount>
    // A stored port the COM menu does not name checks "Com&1" (else no item is checked).
    bool OtherPortChecksCom1 = true;
    bool SortOffered = true;
    bool PrintAndHelpEnabled = true;
    // A clipboard text that is not a DTMF record by its shape is a channel record when this
    // long or longer, else a DTMF record.
    std::size_t ChannelPasteLength = 30;
    // First-run dialog: the captions of its three radio types, and whether all three are
    // offered (else only the first).
    std::array<const char*, 3> SetupCaptions{};
    bool SetupOffersEveryType = false;
    // Position-limit edit: mask and first text.
    AnsiString PositionLimitMask;
    AnsiString PositionLimitText;
    int HalcyraCallMaxLength = 9; // Edit17, Edit18; 0: no limit
    int FixedStatusTextWidth = 0; // Edit5; 0: set by the radio type's region
    // The name edits of the entry dialogs pass Escape on (else it is dropped).
    bool NameEditsTakeEscape = false;
    // The VFO dialog's program-VFO edits have a font of their own (else the dialog's).
    bool ProgramVfoEditsOwnFont = true;

    // Transfer step tables, with the radio identity each expects and its message caption.
    const ReadStepTable* ReadSteps = nullptr;
    const WriteStepTable* WriteSteps = nullptr;

    // Rules of the settings-page checks (CallSsidCheck, PacketPathCheck, Edit14Change ..
    // Edit16Change), each a walk over the edit's whole text.
    TextVerdict (*CallSignWalk)(const AnsiString& text, bool acceptZeroSsid) = nullptr;
    TextVerdict (*PacketPathWalk)(const AnsiString& text) = nullptr;
    TextVerdict (*SstvTextWalk)(const AnsiString& text, std::size_t capacity) = nullptr;

    // Handlers and steps the earlier program replaces; null keeps the main window's own.
    void (*MaskEdit12Change)(TMainForm& form) = nullptr;
    // RefreshAllControls: the table list of a "1," station icon for its table character.
    void (*ShowSymbolTable)(TMainForm& form, char table) = nullptr;
    // Paste1Click: the AM-mode field a pasted channel record takes from the clipboard's, and
    // the name a pasted DTMF record keeps.
    AnsiString (*PastedAmMode)(const AnsiString& clipboardAmMode) = nullptr;
    AnsiString (*PastedDtmfName)(const TMainForm& form, const AnsiString& name) = nullptr;
};

// Wyx_r2m, the program for the VQ-R2M radio.
const TProgramVariant& LaterProgram();
