// Pieces the four entry dialogs share: their messages, the step and tone lists, the key rules
// of frequency and name edits, the question before leaving a changed record and the record
// navigation keys.
#pragma once
#include "platform/Controls.h"
#include "platform/Forms.h"
#include <functional>
#include <initializer_list>
#include <vector>

namespace EntryText {
inline const AnsiString ChangedMove = "The contents has been changed.\nDo you want to change?";
inline const AnsiString ChangedClose = "The contents has been changed.\nDo you want to change? ";
inline const AnsiString InvalidFrequency = "Invalid Frequency.\nPlease check and try again.";
inline const AnsiString InvalidOffset = "Invalid Offset.\nPlease check and try again.";
inline const AnsiString Rounded = "Frequency is rounded.";
inline const AnsiString InvalidChannel = "Invalid channel Number.\nPlease check and try again.";
inline const AnsiString InvalidCharacter = "Invalid character.\nPlease check and try again.";
} // namespace EntryText

// An information box (flags 64) captioned with the program title.
void ShowEntryInfo(const AnsiString& text);

// "5kHz" .. "100kHz", list index = step code.
std::vector<AnsiString> StepListItems();
// A step field's code 0..9; `fallback` for an empty or unreadable field.
int StepCodeOfField(const AnsiString& field, int fallback);
AnsiString DigitText(int value);

// The 38-entry tone lists leave out code 02: code 1 and 2 show entry code-1, higher codes
// entry code-2; an empty field counts as code 9, an unreadable one as code 1.
int ToneListIndexOfCode(const AnsiString& code);
// Entry 0 is code "01", entry e above 0 code e+2, always two digits.
AnsiString ToneCodeOfListIndex(int index);

// Tone and CTCSS check boxes with their lists. CTCSS wins when a record has both on.
struct TonePanel {
    TCheckBox* Tone;
    TCheckBox* Ctcss;
    TComboBox* ToneList;
    TComboBox* CtcssList;
    // From record fields 5, 6, 8 and 10.
    void Load(const std::function<AnsiString(int)>& field) const;
    // Fields 5 to 10 of a record: tone, CTCSS, an empty field, tone code, empty, CTCSS code.
    AnsiString RecordFields() const;
};
// The Tone and CTCSS boxes exclude each other: checking one clears the other.
void ClearOtherWhenChecked(TCheckBox* clicked, TCheckBox* other);

// Key rule of the frequency and offset edits: digits, '.' and Backspace pass, any other key is
// dropped. Returns true for Enter (which is dropped too, the caller applies the entries).
bool FilterFrequencyKey(char& key);
// Key rule of the name edits for the region digit of the radio type: printable ASCII and the
// region's own letters pass; Esc passes when passEscape, else it is dropped silently; anything
// else is dropped with a message.
void FilterNameKey(char region, bool passEscape, char& key);
// The name edits' font for the region: Japanese Mincho in Shift-JIS for '0', else Times New
// Roman in the ANSI set.
void SetNameFont(TFont& font, char region);

// The target of a record navigation key among records 0..last (PageUp next, PageDown
// previous, both wrapping; Home first; End last), or -1 for any other key.
int NavigationTarget(uint16_t key, int current, int last);

// Before leaving a changed record: asks whether to store it (Yes stores). True when the move
// may go on: nothing was pending, the answer was No, or the store succeeded.
bool ResolvePendingChange(bool contentsChanged, const std::function<bool()>& store);
// Close or Esc: asks first when changed; a refused store keeps the dialog open.
void CloseAsking(TForm* form, bool& contentsChanged, const std::function<bool()>& store);

// Whole-MHz number a text begins with (0 when it begins with no digit).
int LeadingNumber(const AnsiString& text);

// Field k of the radio type text, and whether it offers the -7.6 MHz shift (region '3' unless
// the version code is "05").
AnsiString RadioTypeField(int k);
bool Minus76Offered();

// The frame the memory, CALL and VFO dialogs share: receive frequency and step, the shift
// buttons, offset and Reverse, the tone panel, OK and Close, and the key handling that moves
// between records. A derived form adds its own controls, names what a store and a move do,
// then calls WireEntryEvents with every control it owns.
class TEntryDialog : public TForm {
  public:
    TGroupBox* GroupBox1; // "Frequency"
    TLabel *Label1, *Label2, *Label3;
    TEdit* Edit1; // Rx frequency
    TComboBox* ComboBox3;
    TRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton5;
    TLabel *Label7, *Label8;
    TEdit* Edit2; // offset
    TCheckBox* CheckBox4;
    TGroupBox* GroupBox2; // "Tone/CTCSS"
    TCheckBox *CheckBox1, *CheckBox2;
    TLabel *Label9, *Label10;
    TComboBox *ComboBox1, *ComboBox2;
    TCheckBox* CheckBox5 = nullptr; // AM Mode, placed by the derived form
    TButton *Button1, *Button2;

    bool ContentsChanged = false;

    void Button2Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Edit1KeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void Edit1Change(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);

  protected:
    // shiftTop: where the first shift button sits in the frequency group.
    TEntryDialog(TComponent* owner, const AnsiString& caption, int top, int shiftTop,
                 int groupHeight);
    virtual bool Store() = 0;
    // Record navigation: the current record, the last one, and a move to another (which
    // handles the pending change itself).
    virtual int CurrentRecord() const = 0;
    virtual int LastRecord() const = 0;
    virtual void MoveTo(int target) = 0;

    void WireEntryEvents(std::initializer_list<TControl*> own);
    TonePanel Tones() const { return {CheckBox1, CheckBox2, ComboBox1, ComboBox2}; }
    // Selects the shift button of a record's field 3; false when it names no shift.
    bool SelectShift(const AnsiString& code);
    AnsiString ShiftCode() const;
    int SelectedStep() const;
    // AM Mode shows only in the 118 MHz band (index 0); elsewhere it is hidden and cleared.
    void ShowAmForBand(int band, bool checked);
    AnsiString AmField(int band) const;
    bool AskedToStore() {
        return ResolvePendingChange(ContentsChanged, [this] { return Store(); });
    }
};
