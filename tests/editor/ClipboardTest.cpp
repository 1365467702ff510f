// Single records through the clipboard: copy and paste between rows, refusals by grid kind,
// cut and delete, and clipboard text that is not a record.
#include "MainFormFixture.h"

#include "platform/Clipbrd.h"

namespace {

const AnsiString Channel = "005,00145500000,5,0,0,0,0,,09,,09,000600000,0,,,,,RELAY,1";

class ClipboardTest : public editortest::MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        f = MakeWithType("1,1,00,,,,");
        f->ActiveGrid = 1;
        Clipboard()->Clear();
    }
    void SelectMemoryRow(int slot) {
        f->ActiveGrid = 1;
        f->StringGrid1->SetRow(slot + 1);
    }
    TMainForm* f = nullptr;
};

} // namespace

TEST_F(ClipboardTest, CopiedChannelPastesIntoAnotherRowUnderItsLabel) {
    f->SetMemoryRecord(5, Channel);
    SelectMemoryRow(5);
    f->Copy1Click(nullptr);
    ASSERT_TRUE(Clipboard()->HasFormat(f->ClipboardFormat));
    SelectMemoryRow(9);
    f->UpdatePasteAvailability();
    EXPECT_TRUE(f->Paste1->Enabled());
    f->ModifiedFlag = 0;
    f->Paste1Click(nullptr);
    EXPECT_EQ(f->GetRecordField(selMemory, 9, 0), "009");
    EXPECT_EQ(f->GetRecordField(selMemory, 9, 1), "00145500000");
    EXPECT_EQ(f->GetRecordField(selMemory, 9, 17), "RELAY,1");
    EXPECT_EQ(f->ModifiedFlag, 1);
    EXPECT_EQ(f->GetMemoryRecord(5), Channel);
    EXPECT_EQ(f->StringGrid1->Cells(2, 10), f->StringGrid1->Cells(2, 6));
}

TEST_F(ClipboardTest, DtmfRecordIsNotPasteableIntoTheMemoryGrid) {
    f->SetDtmfRecord(2, "02,123A*#,HOME");
    f->ActiveGrid = 4;
    f->StringGrid4->SetRow(3);
    f->Copy1Click(nullptr);
    SelectMemoryRow(0);
    f->UpdatePasteAvailability();
    EXPECT_FALSE(f->Paste1->Enabled());
    const AnsiString before = f->GetMemoryRecord(0);
    f->Paste1Click(nullptr);
    EXPECT_EQ(f->GetMemoryRecord(0), before);
}

TEST_F(ClipboardTest, CutClearsTheSlotAndKeepsTheRecordOnTheClipboard) {
    f->SetMemoryRecord(5, Channel);
    SelectMemoryRow(5);
    f->Cut1Click(nullptr);
    EXPECT_EQ(f->GetMemoryRecord(5), "");
    SelectMemoryRow(6);
    f->Paste1Click(nullptr);
    EXPECT_EQ(f->GetRecordField(selMemory, 6, 1), "00145500000");
}

TEST_F(ClipboardTest, CutAndDeleteAreRefusedOnTheVfoGrid) {
    const AnsiString vfo = f->GetVfoRecord(1);
    f->ActiveGrid = 2;
    f->Delete1Click(nullptr);
    f->Cut1Click(nullptr);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].Text, "Invalid function.");
    EXPECT_EQ(f->GetVfoRecord(1), vfo);
}

TEST_F(ClipboardTest, ForeignOrOverlongClipboardTextNeverWritesOutsideASlot) {
    const AnsiString garbage[] = {AnsiString(5000, 'x'), AnsiString("005\t\t\t") + '\0' + "x",
                                  "005\t1\t2", AnsiString(200, '\t')};
    SelectMemoryRow(5);
    for (const AnsiString& g : garbage) {
        Clipboard()->SetData(f->ClipboardFormat, g);
        f->UpdatePasteAvailability();
        f->Paste1Click(nullptr);
        EXPECT_LE(f->GetMemoryRecord(5).size(), 99u);
        EXPECT_LE(f->GetRecordField(selScratch, 0, 0).size(), 99u);
    }
}

TEST_F(ClipboardTest, NoCommandReachesAGridWhileASettingsPageIsShown) {
    const AnsiString first = "000,00146000000,5,0,0,0,0,,09,,09,000600000,0,,,,,FIRST";
    f->SetMemoryRecord(5, Channel);
    SelectMemoryRow(5);
    f->Copy1Click(nullptr); // a record that fits row 9 is on the clipboard
    for (TTabSheet* page : {f->TabSheet2, f->TabSheet3, f->TabSheet4}) {
        f->SetMemoryRecord(0, first);
        f->SetMemoryRecord(9, "");
        SelectMemoryRow(9);
        f->PageControl1->SetActivePage(page);
        Application->OnActivate(Application); // the program becomes the active application
        for (TSpeedButton* b : {f->SpeedButton2, f->SpeedButton3})
            EXPECT_FALSE(b->Enabled());
        SelectMemoryRow(0);
        f->SpeedButton2->Click();
        f->Cut1->Click();
        f->Delete1->Click();
        SelectMemoryRow(9);
        f->SpeedButton3->Click();
        f->Paste1->Click();
        f->StringGrid1->SetRow(1);
        f->Copy1->Click();
        EXPECT_EQ(f->GetMemoryRecord(0), first);
        EXPECT_EQ(f->GetMemoryRecord(9), "");
        EXPECT_EQ(Clipboard()->GetData(f->ClipboardFormat)->find("FIRST"), AnsiString::npos);
        f->PageControl1->SetActivePage(f->TabSheet1);
        EXPECT_TRUE(f->SpeedButton3->Enabled()); // back on the grids the commands work again
    }
}
