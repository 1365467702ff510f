// The memory channel dialog: one numbered channel or scan-edge slot at a time.
#pragma once
#include "editor/ChannelDialog.h"
#include "platform/ComCtrls.h"
#include <array>

class TMemory : public TChannelDialog {
  public:
    explicit TMemory(TComponent* Owner);

    TLabel* Label11; // "Memory Channel Number"
    TEdit* Edit6;
    TUpDown* UpDown1;
    TGroupBox* GroupBox3; // "Option"
    TLabel* Label12;
    TEdit* Edit5;         // memory name
    TCheckBox* CheckBox3; // Lock Out

    // N of the layout in force, and the labels of slots N+1.. ("L0".."U9", then "PR").
    int LastChannel = 199;
    std::array<AnsiString, 21> SlotNames;
    bool IgnoreChannelFieldChange = false;
    bool ReleaseCaptureOnPress = false;

    void FormShow(TObject* Sender);
    void LoadChannel(int index);
    bool StoreChannel();

    void Edit6KeyPress(TObject* Sender, char& Key);
    void Edit6Change(TObject* Sender);
    void UpDown1Changing(TObject* Sender, bool& AllowChange);
    void UpDown1Click(TObject* Sender, TUDBtnType Button);
    void UpDown1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Edit5KeyPress(TObject* Sender, char& Key);

  protected:
    bool Store() override { return StoreChannel(); }
    int CurrentRecord() const override { return UpDown1->Position(); }
    int LastRecord() const override { return LastChannel + 20; }
    void MoveTo(int target) override;
    int RxBand(const AnsiString& rxDigits) const override;
    AnsiString DefaultOffset(const AnsiString& rx) const override;
    bool Minus76EnabledOnLoad() const override;
    void ApplyBandRules(int band) override;
    AnsiString RecordLabel() const override;
    AnsiString LockoutField() const override;
    AnsiString NameField() const override { return Edit5->Text(); }
    void WriteRecord(const AnsiString& record) override;
    void Reload() override { LoadChannel(UpDown1->Position()); }

  private:
    // The channel field's text for a slot: the number, or the scan-edge label.
    AnsiString FieldLabel(int index) const;
    // Rewrites the channel field without taking it as a new choice.
    void ShowFieldLabel(int index);
    // The slot a channel-field text names, or -1.
    int SlotOfFieldText(const AnsiString& text) const;
};

extern TMemory* Memory;
