// The earlier program's entry dialogs: Escape in the name edits, the band question after a
// refused store, and the frequency edits of the CALL dialog.
#include "DialogFixture.h"
#include "earlier/EarlierProgram.h"

namespace {
class EarlierDialogs : public DialogTest {
  protected:
    EarlierDialogs() { program_ = &EarlierProgram(); }
};

TEST_F(EarlierDialogs, NameEditsPassEscapeOnAndStillRefuseOtherControlKeys) {
    MainForm->StringGrid1->SetRow(1);
    Memory->FormShow(Memory);
    DTMF->FormShow(DTMF);
    for (TEdit* name : {Memory->Edit5, DTMF->Edit2}) {
        TestSeam().MessageBoxes.clear();
        EXPECT_EQ(KeyPress(name, 27), 27);
        EXPECT_EQ(KeyPress(name, '\b'), '\b');
        EXPECT_TRUE(TestSeam().MessageBoxes.empty());
        EXPECT_EQ(KeyPress(name, '\x01'), 0);
        ASSERT_EQ(TestSeam().MessageBoxes.size(), 1u);
        EXPECT_EQ(TestSeam().MessageBoxes[0].Text, EntryText::InvalidCharacter);
        EXPECT_EQ(TestSeam().MessageBoxes[0].Caption, "WYX-R2");
    }
    // The DTMF code edit drops Escape as before.
    EXPECT_EQ(KeyPress(DTMF->Edit1, 27), 0);
}

// A refused store on Yes keeps the band shown and the change pending, so the next band choice
// asks again.
TEST_F(EarlierDialogs, BandChoiceAfterARefusedStoreAsksAgain) {
    struct Dialog {
        TEntryDialog* form;
        TComboBox* bands;
        std::function<void()> show;
    };
    const Dialog dialogs[] = {
        {VFO, VFO->ComboBox5,
         [] {
             MainForm->StringGrid2->SetRow(1);
             VFO->FormShow(VFO);
         }},
        {CALL, CALL->ComboBox5,
         [] {
             MainForm->StringGrid3->SetRow(1);
             CALL->FormShow(CALL);
         }},
    };
    for (const Dialog& d : dialogs) {
        d.show();
        const int shown = d.bands->ItemIndex();
        d.form->Edit1->SetText("4.3.0");
        TestSeam().MessageBoxes.clear();
        for (int attempt = 0; attempt < 2; ++attempt) {
            Answer(IDYES);
            d.bands->SetItemIndex(1 - shown);
            d.bands->OnChange(d.bands);
            EXPECT_EQ(d.bands->ItemIndex(), shown) << d.form->Caption();
            EXPECT_TRUE(d.form->ContentsChanged) << d.form->Caption();
        }
        const auto texts = BoxTexts();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), EntryText::ChangedMove), 2)
            << d.form->Caption();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), EntryText::InvalidFrequency), 2)
            << d.form->Caption();
        for (const auto& b : TestSeam().MessageBoxes)
            EXPECT_EQ(b.Caption, "WYX-R2");
        Answer(IDNO);
        d.bands->SetItemIndex(1 - shown);
        d.bands->OnChange(d.bands);
        EXPECT_EQ(d.bands->ItemIndex(), 1 - shown);
        EXPECT_FALSE(d.form->ContentsChanged);
    }
}

// The CALL dialog's frequency edits take at most what the record's frequency holds.
TEST_F(EarlierDialogs, CallFrequencyEditsAreLimitedAndProgramVfoEditsUseTheDialogFont) {
    EXPECT_EQ(CALL->Edit1->MaxLength(), 9);
    EXPECT_EQ(CALL->Edit3->MaxLength(), 9);
    EXPECT_EQ(VFO->Edit3->Font().Name(), VFO->Font().Name());
    EXPECT_EQ(VFO->Edit4->Font().Name(), VFO->Font().Name());
}

} // namespace
