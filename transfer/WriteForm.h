// The "Write" form: writes the whole document into a radio of the same type, record by
// record and menu by menu, following a write step table. The document is only read.
#pragma once
#include "transfer/StepTables.h"
#include "transfer/TransferForm.h"

class TWriteForm : public TTransferForm {
  public:
    explicit TWriteForm(TComponent* Owner, const WriteStepTable& steps = WriteSteps());

    // Builds and sends a step; false (nothing sent) when its record has nothing to send.
    bool SendWriteStep(int step);

  protected:
    void BeforeStart() override;
    void StartTransfer() override { SendWriteStep(steps_.FirstStep); }
    void SendStep(int step) override { SendWriteStep(step); }
    AnsiString CollectReply() override;
    void HandleReply(const AnsiString& reply, char region) override;

    // LastChannel and the progress maximum from the document's region digit.
    void LayoutForDocument();
    void HandleHandshake(const WriteHandshakeStep& step, const AnsiString& reply, char region);
    void GoOn(int next);
    void BandLimitLoop();
    void NextChannel();
    void ScanEdgeRows(char region);
    void FinishScanEdgeRow(char region);
    void CallRecord();
    void CallDone();
    // The VFO records follow the scan-edge rows (region '3') or the CALL records.
    void StartVfos(bool tick);
    void VfoLoop(bool tickOnSend);
    void ProgramVfoLoop();

    const WriteStepTable& steps_;
};

extern TWriteForm* WriteForm;
