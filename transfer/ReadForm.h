// The "Read" form: reads the whole radio into the document, one command at a time, following
// a read step table.
#pragma once
#include "transfer/StepTables.h"
#include "transfer/TransferForm.h"

class TReadForm : public TTransferForm {
  public:
    explicit TReadForm(TComponent* Owner, const ReadStepTable& steps = ReadSteps());

    // One record assembled from several replies, at most 99 characters.
    AnsiString ReplyRecord;

    void SendReadStep(int step);

  protected:
    void StartTransfer() override { SendReadStep(steps_.FirstStep); }
    void SendStep(int step) override { SendReadStep(step); }
    AnsiString CollectReply() override;
    void HandleReply(const AnsiString& reply, char region) override;
    void CancelCompleted() override;

    virtual void HandleHandshake(const ReadHandshakeStep& step, const AnsiString& reply);
    void HandleItem(const ReadItem& item, const AnsiString& reply, char region);
    // Sets LastChannel and the progress maximum from a region digit.
    void LayoutForRegion(char region);
    // The document slot of the channel or scan-edge row at ChannelIndex.
    int RecordSlot() const;
    void NextChannel();
    void NextScanEdgeRow(char region);
    void NextDtmf(char region);

    const ReadStepTable& steps_;
};

extern TReadForm* ReadForm;
