// The CALL channel dialog: defaults per channel, the band each channel is held in, switching.
#include "DialogFixture.h"

namespace {
class CallDialogTest : public DialogTest {
  protected:
    void Open(int index) {
        MainForm->StringGrid3->SetRow(index + 1);
        CALL->FormShow(CALL);
    }
    AnsiString Field(int slot, int k) { return MainForm->GetRecordField(selCall, slot, k); }
};

TEST_F(CallDialogTest, EmptyUhfChannelOpensWithTheRegionDefaults) {
    UseType("1,3,08,,,,");
    MainForm->SetCallRecord(1, "");
    Open(1);
    EXPECT_EQ(CALL->ComboBox5->Items(), (std::vector<AnsiString>{"144MHz", "430MHz"}));
    EXPECT_EQ(CALL->ComboBox5->ItemIndex(), 1);
    EXPECT_EQ(CALL->Edit1->Text(), "430.000");
    EXPECT_EQ(CALL->ComboBox3->ItemIndex(), 6);
    EXPECT_EQ(CALL->Edit2->Text(), "5.00");
    EXPECT_TRUE(CALL->RadioButton5->Visible());
    EXPECT_TRUE(CALL->RadioButton5->Enabled());
    KeyDown(CALL->Edit1, VK_HOME);
    EXPECT_EQ(CALL->CallIndex, 0);
    EXPECT_FALSE(CALL->RadioButton5->Enabled());

    UseType("1,3,05,,,,");
    Open(1);
    EXPECT_FALSE(CALL->RadioButton5->Visible());
}

TEST_F(CallDialogTest, EachChannelIsHeldInItsOwnSideOfTheBands) {
    Open(0);
    CALL->ComboBox3->SetItemIndex(0);
    CALL->Edit1->SetText("435");
    ASSERT_TRUE(CALL->StoreCall());
    EXPECT_EQ(Field(0, 1), "00147995000");
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Frequency is rounded."});
    Open(1);
    CALL->Edit1->SetText("145");
    ASSERT_TRUE(CALL->StoreCall());
    EXPECT_EQ(Field(1, 1), "00430000000");
}

TEST_F(CallDialogTest, StoredVhfRecordHasNoLockoutAndNoName) {
    MainForm->SetCallRecord(0, "0,00145500000,3,1,0,0,0,,09,,09,000600000,1,,,,,NAME");
    Open(0);
    EXPECT_TRUE(CALL->RadioButton2->Checked());
    EXPECT_EQ(CALL->Edit2->Text(), "0.60");
    ASSERT_TRUE(CALL->StoreCall());
    EXPECT_EQ(MainForm->GetCallRecord(0), "0,00145500000,3,1,0,0,0,,09,,09,000600000,,,,,,");

    CALL->Edit2->SetText("0.6.0");
    EXPECT_FALSE(CALL->StoreCall());
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Invalid Offset.\nPlease check and try again."});
    EXPECT_EQ(MainForm->GetCallRecord(0), "0,00145500000,3,1,0,0,0,,09,,09,000600000,,,,,,");
}

TEST_F(CallDialogTest, SwitchingChannelsAsksAndARefusedStoreStays) {
    Open(0);
    KeyDown(CALL->Edit2, VK_PRIOR);
    EXPECT_EQ(CALL->CallIndex, 1);
    EXPECT_EQ(CALL->ComboBox5->ItemIndex(), 1);
    KeyDown(CALL->Edit2, VK_PRIOR);
    EXPECT_EQ(CALL->CallIndex, 0);

    CALL->Edit1->SetText("14.4.0");
    Answer(IDYES);
    CALL->ComboBox5->SetItemIndex(1);
    CALL->ComboBox5->OnChange(CALL->ComboBox5);
    EXPECT_EQ(CALL->CallIndex, 0);
    EXPECT_EQ(CALL->ComboBox5->ItemIndex(), 0);
    EXPECT_EQ(CALL->Edit1->Text(), "14.4.0");

    CALL->Edit1->SetText("146");
    Answer(IDYES);
    KeyDown(CALL->ComboBox1, VK_END);
    EXPECT_EQ(CALL->CallIndex, 1);
    EXPECT_EQ(Field(0, 1), "00146000000");
}

TEST_F(CallDialogTest, AmModeOnTheVhfChannelIn118MHz) {
    UseType("1,2,00,1,1,,");
    Open(0);
    CALL->Edit1->SetText("120");
    KeyPress(CALL->Edit1, '\r');
    EXPECT_TRUE(CALL->CheckBox5->Visible());
    CALL->CheckBox5->SetChecked(true);
    ASSERT_TRUE(CALL->StoreCall());
    EXPECT_EQ(Field(0, 1), "00120000000");
    EXPECT_EQ(Field(0, 13), "1");
    EXPECT_TRUE(CALL->CheckBox5->Checked());
}
} // namespace
