// The VFO dialog: the VFO record of one band with the band's programmable-VFO range.
#pragma once
#include "editor/EntryDialog.h"
#include <vector>

class TVFO : public TEntryDialog {
  public:
    explicit TVFO(TComponent* Owner);

    TLabel* Label11; // "Band"
    TComboBox* ComboBox5;
    TLabel* Label6; // "Output Power"
    TComboBox* ComboBox4;
    TGroupBox* GroupBox3; // "Program VFO"
    TEdit *Edit3, *Edit4; // lower and upper edge in whole MHz
    TLabel *Label4, *Label5;

    // 0..5 the VFO slots, 6 the 800 MHz band, which has no slot.
    int BandIndex = 1;

    void FormShow(TObject* Sender);
    void LoadVfo();
    bool StoreVfo();
    void FillProgramVfoEdits();
    void Edit1KeyPress(TObject* Sender, char& Key);
    void RadioButton1Click(TObject* Sender);
    void ComboBox5Click(TObject* Sender);
    void ComboBox5Change(TObject* Sender);
    void Edit3KeyPress(TObject* Sender, char& Key);
    void Edit3Change(TObject* Sender);
    void Edit4Change(TObject* Sender);

  protected:
    bool Store() override { return StoreVfo(); }
    int CurrentRecord() const override { return ComboBox5->ItemIndex(); }
    int LastRecord() const override { return static_cast<int>(bands_.size()) - 1; }
    void MoveTo(int target) override;

  private:
    void RebuildBandList();
    // The band's limits in whole MHz; false when the radio type has none for it.
    bool BandLimits(int& lo, int& hi) const;
    // Writes the programmable-VFO record from the two edits: both edges, or none. A range with
    // one edge missing or the edges crossed is refused with a message (false) and not stored.
    bool StoreProgramVfo();
    // Checks the frequency and offset and rounds the frequency into the programmable range.
    bool ReadEntries(AnsiString& rx, AnsiString& offset, bool& rounded);
    std::vector<int> bands_; // band index of each list entry
};

extern TVFO* VFO;
