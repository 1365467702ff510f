// The sort dialog from the Edit menu: the chosen order, the changed flag and Cancel.
#include "editor/SortDialog.h"
#include "MainFormFixture.h"

namespace {

class SortDialogTest : public editortest::MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        MakeWithType("1,1,00,,,,");
        Sort = new TSort(nullptr);
        MainForm->ClearDocument();
        MainForm->SetMemoryRecord(2, "002,00145000000,0,0,0,0,0,,08,,08,000600000,0,,,,,B");
        MainForm->SetMemoryRecord(5, "005,00144000000,0,0,0,0,0,,08,,08,000600000,0,,,,,C");
        MainForm->ModifiedFlag = 0;
    }
    void TearDown() override {
        TestSeam().OnShowModal = nullptr;
        delete Sort;
        Sort = nullptr;
        MainFormTest::TearDown();
    }
    // Runs Edit > Memory channel Sort... and presses `button` in the dialog.
    void RunSort(TButton* TSort::*button, TRadioButton* TSort::*choice = nullptr) {
        TestSeam().OnShowModal = [=](TForm* f) {
            EXPECT_EQ(f, Sort);
            if (choice) (Sort->*choice)->SetChecked(true);
            (Sort->*button)->Click();
            return Sort->ModalResult();
        };
        MainForm->MemorySort1Click(MainForm->MemorySort1);
    }
    AnsiString NameAt(int slot) { return MainForm->GetRecordField(selMemory, slot, 17); }
};

TEST_F(SortDialogTest, SortMarksChangedAndChoiceIsKept) {
    EXPECT_TRUE(Sort->RadioButton1->Checked());
    RunSort(&TSort::Button1);
    EXPECT_EQ(NameAt(0), "C");
    EXPECT_EQ(NameAt(1), "B");
    EXPECT_EQ(MainForm->ModifiedFlag, 1);

    RunSort(&TSort::Button1, &TSort::RadioButton2);
    EXPECT_EQ(NameAt(0), "B");
    EXPECT_TRUE(Sort->RadioButton2->Checked());
    MainForm->ModifiedFlag = 0;
    RunSort(&TSort::Button1);
    EXPECT_EQ(NameAt(0), "B");
    EXPECT_EQ(MainForm->ModifiedFlag, 1);
}

TEST_F(SortDialogTest, CancelLeavesTheDocument) {
    RunSort(&TSort::Button2);
    EXPECT_EQ(NameAt(2), "B");
    EXPECT_EQ(MainForm->GetRecordField(selMemory, 0, 1), "");
    EXPECT_EQ(MainForm->ModifiedFlag, 0);
}

} // namespace
