// The frequency panel of the memory channel and CALL channel dialogs: the entry frame plus
// the split transmit frequency, and the load, Enter and store steps both dialogs run on a
// ChannelRecord.
#pragma once
#include "editor/EntryDialog.h"

class TChannelDialog : public TEntryDialog {
  public:
    TRadioButton* RadioButton4; // "Split Channel"
    TLabel *Label4, *Label5, *Label6;
    TEdit* Edit3;         // Tx frequency
    TComboBox* ComboBox4; // Tx step

    void Edit1KeyPress(TObject* Sender, char& Key);
    void RadioButton4Click(TObject* Sender);
    void RadioButton1Click(TObject* Sender);

  protected:
    TChannelDialog(TComponent* owner, const AnsiString& caption, int top);
    void WireChannelEvents(std::initializer_list<TControl*> own);

    // The band whose limits hold the Rx frequency (9 digits).
    virtual int RxBand(const AnsiString& rxDigits) const = 0;
    // Offset shown for a record without one; `rx` is the shown Rx text.
    virtual AnsiString DefaultOffset(const AnsiString& rx) const = 0;
    virtual bool Minus76EnabledOnLoad() const = 0;
    // After Enter rounded the Rx frequency into `band`: the shift and AM rules of the dialog.
    virtual void ApplyBandRules(int band) = 0;
    // Record fields 0, 12 and 17, the record's slot, and the reload after a store.
    virtual AnsiString RecordLabel() const = 0;
    virtual AnsiString LockoutField() const = 0;
    virtual AnsiString NameField() const = 0;
    virtual void WriteRecord(const AnsiString& record) = 0;
    virtual void Reload() = 0;

    // Fills the panel from a ChannelRecord; an empty frequency or step takes the defaults.
    void LoadPanel(int selector, int slot, const AnsiString& defaultRx, int defaultStep);
    // Enter in a frequency or offset edit: brings the entries into form without storing.
    void ApplyEntries();
    // Checks, rounds, builds and writes the record; false (nothing written) when refused.
    bool StoreRecord();
    void SetSplitLayout(bool split);

  private:
    struct Entries {
        AnsiString Rx, Tx, Offset; // 9, 9 and 8 digits once read
        int Band = 0;
        bool Rounded = false;
    };
    // Normalizes the texts (the Tx text only with Split on); false after a message.
    bool ReadEntries(Entries& e) const;
    // Rounds Rx, and with Split on Tx, putting the resulting steps into the step lists.
    void RoundEntries(Entries& e);
    int TxBand(int rxBand, const AnsiString& txDigits) const;
};
