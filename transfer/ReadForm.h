// The "Read" form: reads the whole radio, one command at a time, following a read step table.
// The read fills a copy of the main window's document taken when it starts; ShowModal returns
// mrOk only for a read that reached its end, and any other end leaves the main window's
// document as it was.
#pragma once
#include "editor/model/MemoryDocument.h"
#include "transfer/StepTables.h"
#include "transfer/TransferForm.h"

class TReadForm : public TTransferForm {
  public:
    explicit TReadForm(TComponent* Owner, const ReadStepTable& steps = ReadSteps());

    // One record assembled from several replies, at most 99 characters.
    AnsiString ReplyRecord;

    void SendReadStep(int step);

    // The document the read fills, from a copy of the main window's.
    TMemoryDocument ReadDocument;

  protected:
    void StartTransfer() override { SendReadStep(steps_.FirstStep); }
    void SendStep(int step) override { SendReadStep(step); }
    AnsiString CollectReply() override;
    void HandleReply(const AnsiString& reply, char region) override;
    void BeforeStart() override;
    char ReplyRegion() const override { return ReadDocument.RegionDigit(); }

    virtual void HandleHandshake(const ReadHandshakeStep& step, const AnsiString& reply);
    void HandleItem(const ReadItem& item, const AnsiString& reply, char region);
    // Sets LastChannel and the progress maximum from a region digit.
    void LayoutForRegion(char region);
    // The document slot of the channel or scan-edge row at ChannelIndex.
    int RecordSlot() const;
    // Stores ReplyRecord in that slot, under a label that names the channel or row asked for.
    void StoreMemoryRecord();
    void NextChannel();
    void NextScanEdgeRow(char region);
    void NextDtmf(char region);

    const ReadStepTable& steps_;
};

extern TReadForm* ReadForm;
