// The DTMF memory dialog: code and name of the ten DTMF memories.
#pragma once
#include "platform/Controls.h"
#include "platform/Forms.h"

class TDTMF : public TForm {
  public:
    explicit TDTMF(TComponent* Owner);

    TLabel* Label1; // "Channel Number"
    TComboBox* ComboBox1;
    TGroupBox* GroupBox1; // "DTMF Code"
    TEdit* Edit1;
    TLabel* Label2; // "Name"
    TEdit* Edit2;
    TButton *Button1, *Button2;

    int DtmfIndex = 0;
    bool ContentsChanged = false;

    void FormShow(TObject* Sender);
    void LoadDtmf();
    void StoreDtmf();
    void Button2Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void Edit1KeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void Edit1KeyPress(TObject* Sender, char& Key);
    void Edit2KeyPress(TObject* Sender, char& Key);
    void Edit1Change(TObject* Sender);

  private:
    void MoveTo(int target);
};

extern TDTMF* DTMF;
