// The CALL channel dialog: the VHF (0) and the UHF (1) CALL channel.
#pragma once
#include "editor/ChannelDialog.h"

class TCALL : public TChannelDialog {
  public:
    explicit TCALL(TComponent* Owner);

    TLabel* Label11; // "Band"
    TComboBox* ComboBox5;
    int CallIndex = 0;

    void FormShow(TObject* Sender);
    void LoadCall();
    bool StoreCall();
    void ComboBox5Click(TObject* Sender);
    void ComboBox5Change(TObject* Sender);

  protected:
    bool Store() override { return StoreCall(); }
    int CurrentRecord() const override { return CallIndex; }
    int LastRecord() const override { return 1; }
    void MoveTo(int target) override;
    int RxBand(const AnsiString& rxDigits) const override;
    AnsiString DefaultOffset(const AnsiString&) const override {
        return CallIndex == 0 ? "0.60" : "5.00";
    }
    bool Minus76EnabledOnLoad() const override { return CallIndex == 1; }
    void ApplyBandRules(int band) override { ShowAmForBand(band, CheckBox5->Checked()); }
    AnsiString RecordLabel() const override { return DigitText(CallIndex); }
    AnsiString LockoutField() const override { return {}; }
    AnsiString NameField() const override { return {}; }
    void WriteRecord(const AnsiString& record) override;
    void Reload() override { LoadCall(); }
};

extern TCALL* CALL;
