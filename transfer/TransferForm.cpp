#include "transfer/TransferForm.h"

#include "editor/MainForm.h"

TTransferForm::TTransferForm(TComponent* owner, const AnsiString& caption, const AnsiString& label,
                             const AnsiString& title, TQComm* (*newComm)(TComponent*))
    : TForm(owner), Label1(new TLabel(this)), ProgressBar1(new TProgressBar(this)),
      Button1(new TButton(this)), Timer1(new TTimer(this)), Timer2(new TTimer(this)),
      Timer3(new TTimer(this)), QComm1(newComm ? newComm(this) : new TQComm(this)), title_(title) {
    SetCaption(caption);
    SetBorderStyle(bsSingle);
    SetCloseBox(false);
    Position = poScreenCenter;
    SetClientSize(218, 104);
    Font().SetName("Times New Roman");
    Font().SetHeight(-12);

    Label1->SetParent(this);
    Label1->SetCaption(label);
    Label1->SetBounds(16, 12, 186, 16);
    ProgressBar1->SetParent(this);
    ProgressBar1->SetBounds(16, 36, 186, 18);
    ProgressBar1->SetMin(0);
    Button1->SetParent(this);
    Button1->SetCaption("Cancel");
    Button1->SetBounds(72, 66, 75, 25);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };

    Timer1->SetEnabled(false);
    Timer1->SetInterval(2000);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
    Timer2->SetEnabled(false);
    Timer2->SetInterval(1000);
    Timer2->OnTimer = [this](TObject* s) { Timer2Timer(s); };
    Timer3->SetEnabled(false);
    Timer3->SetInterval(300);
    Timer3->OnTimer = [this](TObject* s) { Timer3Timer(s); };

    QComm1->SetFlowControl(TFlowControl::XonXoff);
    QComm1->SetEventType(TEventType::CharEvent);
    QComm1->SetInBuffSize(1024);
    QComm1->SetOutBuffSize(1024);
    QComm1->SetXonSendSize(256);
    QComm1->SetXoffSendSize(768);
    QComm1->SetEventChar(13);
    QComm1->OnCommEvent = [this](TObject* s, uint32_t& n) { QComm1CommEvent(s, n); };

    OnShow = [this](TObject* s) { FormShow(s); };
    // The window manager's close box or Alt+F4 never leaves a transfer running unseen.
    OnCloseRequest = [this](TObject* s) { Button1Click(s); };
}

char TTransferForm::DocumentRegion() {
    if (!MainForm) return '\0';
    AnsiString digit = MainForm->GetRecordField(selRadioType, 0, 1);
    return digit.empty() ? '\0' : digit[0];
}

// Starts from rest whatever the last transfer left: a cancel timer still armed would end this
// one. An ECommError from the open or the first send reaches the application's handler; the
// form is shown all the same and Cancel closes the port.
void TTransferForm::FormShow(TObject*) {
    StopTransfer();
    CancelRequested = false;
    ProgressBar1->SetPosition(0);
    BeforeStart();
    if (!OpenLine()) return;
    ChannelIndex = 0;
    StartTransfer();
}

bool TTransferForm::OpenLine() {
    const int p = MainForm ? MainForm->GetCommPortNumber() : 1;
    const int port = p >= 2 && p <= 4 ? p : 1;
    const AnsiString name = "COM" + std::to_string(port);
    QComm1->SetCommPort(static_cast<TCommPort>(port - 1));
    if (!QComm1->CheckCommportValid(name)) {
        StopBox("COM port is invalid.\nPlease check and try again.");
        return false;
    }
    QComm1->OpenCommport();
    return true;
}

void TTransferForm::SendLine(const AnsiString& command) {
    WriteLine(command);
    commandOutstanding_ = true;
    Timer1->SetEnabled(true);
}

void TTransferForm::WriteLine(const AnsiString& command) {
    QComm1->WriteData(command.data(), static_cast<uint32_t>(command.size()));
    const char cr = '\r';
    QComm1->WriteData(&cr, 1);
}

AnsiString TTransferForm::TakeWaitingBytes() {
    AnsiString bytes;
    while (QComm1->CountInBuff() > 0) {
        char c = 0;
        QComm1->ReadData(&c, 1);
        bytes += c;
    }
    return bytes;
}

AnsiString TTransferForm::ReadReplyBytes(int skip, size_t capacity) {
    AnsiString reply;
    for (char c : TakeWaitingBytes()) {
        if (c == '\r' || c == '\0') continue;
        if (skip > 0) {
            --skip;
            continue;
        }
        if (reply.size() < capacity) reply += c;
    }
    return reply;
}

void TTransferForm::QComm1CommEvent(TObject*, uint32_t&) {
    // A line while no command is outstanding (the beacon retry is pending, or a send failed)
    // answers nothing; taking it as a reply would put two commands on the line.
    if (!commandOutstanding_) {
        TakeWaitingBytes();
        return;
    }
    commandOutstanding_ = false;
    Timer1->SetEnabled(false);
    if (CancelRequested) StepNumber = 24;
    const char region = ReplyRegion();
    HandleReply(CollectReply(), region);
}

void TTransferForm::StopBox(const AnsiString& text) {
    Application->MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

void TTransferForm::StopTransfer() {
    commandOutstanding_ = false;
    Timer1->SetEnabled(false);
    Timer2->SetEnabled(false);
    Timer3->SetEnabled(false);
    QComm1->CloseCommport();
}

void TTransferForm::CloseTransfer(int result) {
    StopTransfer();
    if (Modal())
        SetModalResult(result);
    else
        Close();
}

void TTransferForm::InvalidRadio() {
    StopTransfer();
    StopBox("The radio is invalid.\nPlease check and try again.");
    HideForm();
    Close();
}

void TTransferForm::Timer1Timer(TObject*) {
    StopTransfer();
    StopBox("Communication timeout error.");
    Close();
}

void TTransferForm::Timer2Timer(TObject*) {
    Timer2->SetEnabled(false);
    RetryDone = true;
    SendStep(96);
}

void TTransferForm::Button1Click(TObject*) {
    Timer1->SetEnabled(false);
    // A pending beacon retry must not fire on the port the cancel is about to close.
    Timer2->SetEnabled(false);
    CancelRequested = true;
    Timer3->SetEnabled(true);
}

void TTransferForm::Timer3Timer(TObject*) {
    CloseTransfer();
}
