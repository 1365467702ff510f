// The radio memory image and the slots beside it, with the record accessors every other part
// of the program goes through. Slots hold NUL-free byte text up to their capacity.
#pragma once
#include <array>
#include <string>

using AnsiString = std::string;

// Slot counts and widths (capacity = width - 1).
namespace Slots {
constexpr int MemoryCount = 220, MemoryWidth = 100;
constexpr int CallCount = 2, VfoCount = 6, RecordWidth = 100;
constexpr int ProgramVfoWidth = 15, DtmfCount = 10, DtmfWidth = 30;
constexpr int BandLimitCount = 6, BandLimitWidth = 15;
constexpr int RadioTypeWidth = 20, ScratchWidth = 100;
constexpr int RadioMenuCount = 28, RadioMenuWidth = 9;
constexpr int AprsCount = 14, SstvCount = 6, RemoteCount = 3;
constexpr std::array<int, AprsCount> AprsWidths{10, 56, 2, 2, 18, 5, 2, 4, 2, 5, 2, 10, 2, 33};
constexpr std::array<int, SstvCount> SstvWidths{10, 2, 10, 2, 11, 2};
constexpr std::array<int, RemoteCount> RemoteWidths{10, 10, 3};
} // namespace Slots

// GetRecordField selectors.
enum : int {
    selMemory = 1,
    selVfo = 2,
    selCall = 3,
    selDtmf = 4,
    selRadioType = 5,
    selBandLimit = 6,
    selScratch = 7,
    selRadioMenu = 9,
    selProgramVfo = 10,
    selScratchName = 15,
    selScratchDtmfName = 16,
};

// Which settings edit a LastValidText buffer guards.
enum TLastValid : int {
    lvEdit4,  // MyCallsign, width 10
    lvEdit14, // SstvCallsign, 9
    lvEdit15, // SstvMessage, 10
    lvEdit16, // SstvRsv, 11
    lvEdit13, // UnprotoAddress, 10
    lvEdit17, // CommanderCallsign, 10
    lvEdit18, // TransporterCallsign, 10
    lvEdit7,  // PacketPath, 33
    lvCount
};

class TMemoryDocument {
  public:
    // unitIdentifier: the program's APRS unit identifier, the default unproto address.
    explicit TMemoryDocument(const AnsiString& unitIdentifier = "APZ902");
    virtual ~TMemoryDocument() = default;
    TMemoryDocument(const TMemoryDocument&) = default;
    TMemoryDocument& operator=(const TMemoryDocument&) = default;

    // Field k of a record (rest-of-line rule for memory names, DTMF names, radio-menu items
    // and the scratch-name selectors); empty for unknown selectors and indexes.
    AnsiString GetRecordField(int selector, int index, int field) const;

    void SetMemoryRecord(int slot, const AnsiString& text); // slot 0..219
    AnsiString GetMemoryRecord(int slot) const;
    void ClearMemoryRecord(int slot);
    void SetCallRecord(int slot, const AnsiString& text);
    void SetVfoRecord(int slot, const AnsiString& text);
    void SetProgramVfoRecord(int slot, const AnsiString& text);
    void SetDtmfRecord(int slot, const AnsiString& text);
    void ClearDtmfRecord(int slot);
    void SetRadioMenuItem(int item, const AnsiString& text);
    void SetRadioType(const AnsiString& text);
    // The "FL" reply without its command word: pairs of 5-digit MHz edges.
    void SetBandLimits(const AnsiString& text);
    // One band-limit slot (registry start-up).
    void SetBandLimit(int slot, const AnsiString& text);
    // Empties memory 0..N+20, CALL, VFO and DTMF slots, then LoadDefaults.
    void ClearDocument();
    // Takes over every slot of another document (a radio read filled it); ActiveGrid,
    // LastChannel and ModifiedFlag, which belong to the window showing it, stay.
    void TakeSlots(const TMemoryDocument& other);

    AnsiString GetAprsMenuItem(int slot) const;
    void SetAprsMenuItem(int slot, const AnsiString& text);
    AnsiString GetSstvMenuItem(int slot) const;
    void SetSstvMenuItem(int slot, const AnsiString& text);
    AnsiString GetRemoteMenuItem(int slot) const;
    void SetRemoteMenuItem(int slot, const AnsiString& text);

    // The clipboard scratch record, written only by the paste availability check.
    void SetClipboardScratch(const AnsiString& text);

    // Whole-slot readers the document file, printing and transfers use.
    AnsiString GetCallRecord(int slot) const;
    AnsiString GetVfoRecord(int slot) const;
    AnsiString GetProgramVfoRecord(int slot) const;
    AnsiString GetDtmfRecord(int slot) const;
    AnsiString GetRadioMenuItem(int item) const;
    AnsiString GetRadioType() const;
    AnsiString GetBandLimit(int slot) const;

    AnsiString LastValidText(TLastValid which) const;
    void SetLastValidText(TLastValid which, const AnsiString& text); // cut to its width - 1

    // Radio type: region digit (field 1, first character; 0 when empty) and flags.
    char RegionDigit() const;
    // First character of radio-type field k, NUL when the field is empty.
    char RadioTypeFlag(int field) const;
    // N for the current radio type: 149 for region '0', else 199.
    int ChannelsLastForType() const;

    // Default document for the current radio type.
    void LoadDefaults();
    AnsiString DefaultVhfFrequency() const;
    AnsiString DefaultUhfFrequency() const;
    AnsiString DefaultHighBandFrequency() const;
    int DefaultVhfStep() const;
    int DefaultUhfStep() const;

    int ActiveGrid = 1;
    int LastChannel = 199; // N, set by the grid layout
    int ModifiedFlag = 0;

  private:
    // The slot a GetRecordField selector and index name, or nullptr.
    const AnsiString* SelectSlot(int selector, int index) const;

    std::array<AnsiString, Slots::MemoryCount> memory_;
    std::array<AnsiString, Slots::CallCount> call_;
    std::array<AnsiString, Slots::VfoCount> vfo_;
    std::array<AnsiString, Slots::VfoCount> programVfo_;
    std::array<AnsiString, Slots::DtmfCount> dtmf_;
    std::array<AnsiString, Slots::BandLimitCount> bandLimit_;
    AnsiString radioType_;
    AnsiString scratch_;
    std::array<AnsiString, Slots::RadioMenuCount> radioMenu_;
    std::array<AnsiString, Slots::AprsCount> aprs_;
    std::array<AnsiString, Slots::SstvCount> sstv_;
    std::array<AnsiString, Slots::RemoteCount> remote_;
    std::array<AnsiString, lvCount> lastValid_;
    AnsiString unitIdentifier_;
};
