// What the read and the write form share: the small modal form with its title, progress bar,
// Cancel button, three timers and serial component; the line framing; the start, the reply
// time-out, Cancel, the invalid-radio end and the closing of a transfer.
#pragma once
#include "platform/ComCtrls.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "serial/QComm.h"

class TTransferForm : public TForm {
  public:
    TLabel* Label1;
    TProgressBar* ProgressBar1;
    TButton* Button1;
    TTimer* Timer1; // reply time-out
    TTimer* Timer2; // the one delayed retry of "BCN 0"
    TTimer* Timer3; // cancel completion
    TQComm* QComm1;

    // Transfer state.
    int StepNumber = 0;
    int ChannelIndex = 0;
    int SubIndex = 0;
    bool CancelRequested = false;
    bool RetryDone = false;
    int LastChannel = 199;

    void FormShow(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void Timer3Timer(TObject* Sender);
    void QComm1CommEvent(TObject* Sender, uint32_t& size);

  protected:
    TTransferForm(TComponent* owner, const AnsiString& caption, const AnsiString& label,
                  const AnsiString& title, TQComm* (*newComm)(TComponent*) = nullptr);

    // Sends the first command once the port is open.
    virtual void StartTransfer() = 0;
    virtual void BeforeStart() {}
    // Sends a step (for the beacon retry).
    virtual void SendStep(int step) = 0;
    virtual AnsiString CollectReply() = 0;
    virtual void HandleReply(const AnsiString& reply, char region) = 0;
    // Region digit that steers the handling of a reply.
    virtual char ReplyRegion() const { return DocumentRegion(); }

    // Command text, then CR, then the reply time-out starts.
    void SendLine(const AnsiString& command);
    // The waiting bytes as one reply: CRs and NULs dropped, the first `skip` others dropped, at
    // most `capacity` kept.
    AnsiString ReadReplyBytes(int skip, size_t capacity);
    // The line itself (QComm1): opening the port of the settings (false, after the message,
    // when it cannot be opened), the command and its CR out, the waiting bytes in.
    virtual bool OpenLine();
    virtual void WriteLine(const AnsiString& command);
    virtual AnsiString TakeWaitingBytes();

    // Every end stops the transfer before anything else: no timer left running and the port
    // closed, so no later reply is handled and nothing more is sent, even behind a message.
    void StopTransfer();
    // The closing branch: the end of the sequence, or the end of a cancel (its outstanding
    // reply, or its timer when the reply does not come first). A modal form returns result.
    void CloseTransfer(int result = mrCancel);
    void InvalidRadio();
    void StopBox(const AnsiString& text);
    void Tick() { ProgressBar1->SetPosition(ProgressBar1->Position() + 1); }
    // Region digit of the document's radio type ('\0' when it has none).
    static char DocumentRegion();

    const AnsiString title_;

  private:
    bool commandOutstanding_ = false; // a command was sent and its reply has not come
};
