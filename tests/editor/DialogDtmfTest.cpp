// The DTMF memory dialog: key rules, the stored record and moving between memories.
#include "DialogFixture.h"

namespace {
class DtmfDialogTest : public DialogTest {
  protected:
    void Open(int index) {
        MainForm->StringGrid4->SetRow(index + 1);
        DTMF->FormShow(DTMF);
    }
};

TEST_F(DtmfDialogTest, CodeKeysAreDtmfCharacters) {
    Open(0);
    EXPECT_EQ(KeyPress(DTMF->Edit1, 'a'), 'A');
    EXPECT_EQ(KeyPress(DTMF->Edit1, 'd'), 'D');
    EXPECT_EQ(KeyPress(DTMF->Edit1, '*'), '*');
    EXPECT_EQ(KeyPress(DTMF->Edit1, '#'), '#');
    EXPECT_EQ(KeyPress(DTMF->Edit1, ' '), ' ');
    EXPECT_EQ(KeyPress(DTMF->Edit1, 27), 0);
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());
    EXPECT_EQ(KeyPress(DTMF->Edit1, 'e'), 0);
    EXPECT_EQ(BoxTexts(),
              std::vector<AnsiString>{"Invalid character.\nPlease check and try again."});
    EXPECT_EQ(KeyPress(DTMF->Edit2, '\xB1'), 0);
}

TEST_F(DtmfDialogTest, StoreWritesNumberCodeAndName) {
    Open(3);
    DTMF->Edit1->SetText("123*#");
    DTMF->Edit2->SetText("HOME");
    DTMF->Button2->OnClick(DTMF->Button2);
    EXPECT_EQ(MainForm->GetDtmfRecord(3), "03,123*#,HOME");
    EXPECT_EQ(MainForm->ModifiedFlag, 1);
    EXPECT_FALSE(DTMF->ContentsChanged);
    DTMF->Edit1->SetText("");
    DTMF->Edit2->SetText("");
    DTMF->StoreDtmf();
    EXPECT_EQ(MainForm->GetDtmfRecord(3), "03,,");
}

TEST_F(DtmfDialogTest, NameWithACommaLoadsWhole) {
    MainForm->SetDtmfRecord(4, "04,555,A,B");
    Open(4);
    EXPECT_EQ(DTMF->Edit1->Text(), "555");
    EXPECT_EQ(DTMF->Edit2->Text(), "A,B");
}

TEST_F(DtmfDialogTest, KeysWrapAndAPendingChangeIsAskedFor) {
    Open(0);
    KeyDown(DTMF->Edit1, VK_NEXT);
    EXPECT_EQ(DTMF->DtmfIndex, 9);
    EXPECT_EQ(DTMF->ComboBox1->Text(), "9");
    KeyDown(DTMF->Edit2, VK_PRIOR);
    EXPECT_EQ(DTMF->DtmfIndex, 0);
    KeyDown(DTMF->ComboBox1, VK_END);
    EXPECT_EQ(DTMF->DtmfIndex, 9);
    KeyDown(DTMF, VK_HOME);
    EXPECT_EQ(DTMF->DtmfIndex, 0);
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());

    DTMF->Edit1->SetText("11");
    Answer(IDYES);
    DTMF->ComboBox1->SetItemIndex(5);
    DTMF->ComboBox1->OnChange(DTMF->ComboBox1);
    DTMF->ComboBox1->OnClick(DTMF->ComboBox1);
    EXPECT_EQ(MainForm->GetDtmfRecord(0), "00,11,");
    EXPECT_EQ(DTMF->DtmfIndex, 5);
    DTMF->Edit1->SetText("22");
    Answer(IDNO);
    KeyDown(DTMF->Edit1, VK_PRIOR);
    EXPECT_EQ(MainForm->GetDtmfRecord(5), "");
    EXPECT_EQ(DTMF->DtmfIndex, 6);
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>(2, EntryText::ChangedMove));
}

TEST_F(DtmfDialogTest, CloseStoresOnlyWhenAnsweredYes) {
    TestSeam().OnShowModal = [](TForm* f) {
        DTMF->Edit1->SetText("99");
        Answer(IDNO);
        KeyDown(DTMF->Edit1, VK_ESCAPE);
        return f->ModalResult();
    };
    Open(2);
    EXPECT_EQ(DTMF->ShowModal(), mrCancel);
    EXPECT_EQ(MainForm->GetDtmfRecord(2), "");
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{EntryText::ChangedClose});

    TestSeam().OnShowModal = [](TForm* f) {
        DTMF->Edit1->SetText("98");
        Answer(IDYES);
        DTMF->Button1->OnClick(DTMF->Button1);
        return f->ModalResult();
    };
    EXPECT_EQ(DTMF->ShowModal(), mrCancel);
    EXPECT_EQ(MainForm->GetDtmfRecord(2), "02,98,");
}

TEST_F(DtmfDialogTest, Region3OpensOnTheSecondDtmfGrid) {
    UseType("1,3,08,,,,");
    MainForm->StringGrid4->SetRow(1);
    MainForm->StringGrid5->SetRow(8);
    DTMF->FormShow(DTMF);
    EXPECT_EQ(DTMF->DtmfIndex, 7);
}
} // namespace
