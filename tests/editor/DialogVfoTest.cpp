// The VFO dialog: band list, programmable range, output power and the stored records.
#include "DialogFixture.h"

namespace {
class VfoDialogTest : public DialogTest {
  protected:
    // Opens the dialog on the VFO grid row with this band label.
    void Open(const AnsiString& label) {
        TStringGrid* grid = MainForm->StringGrid2;
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->Cells(1, r) == label) grid->SetRow(r);
        ASSERT_EQ(grid->Cells(1, grid->Row()), label);
        VFO->FormShow(VFO);
    }
    AnsiString Field(int slot, int k) { return MainForm->GetRecordField(selVfo, slot, k); }
};

TEST_F(VfoDialogTest, EmptySecondVhfVfoOpensWithDefaultsAndNoPowerChoice) {
    MainForm->SetVfoRecord(2, "");
    Open("S144MHz");
    EXPECT_EQ(VFO->BandIndex, 2);
    EXPECT_EQ(VFO->ComboBox5->Text(), "S144MHz");
    EXPECT_EQ(VFO->Edit1->Text(), "144.000");
    EXPECT_EQ(VFO->ComboBox3->ItemIndex(), 3);
    EXPECT_EQ(VFO->Edit2->Text(), "0.60");
    EXPECT_FALSE(VFO->ComboBox4->Enabled());
    EXPECT_EQ(VFO->ComboBox4->Text(), "High");
    ASSERT_TRUE(VFO->StoreVfo());
    EXPECT_EQ(MainForm->GetVfoRecord(2), "3,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_EQ(MainForm->ModifiedFlag, 1);
}

TEST_F(VfoDialogTest, OutputPowerMapsMidToHigh) {
    MainForm->SetVfoRecord(1, "2,00145000000,3,1,1,1,0,,12,,09,000600000,,,,,1,");
    Open("144MHz");
    EXPECT_TRUE(VFO->ComboBox4->Enabled());
    EXPECT_EQ(VFO->ComboBox4->Text(), "High");
    EXPECT_TRUE(VFO->RadioButton2->Checked());
    EXPECT_TRUE(VFO->CheckBox4->Checked());
    ASSERT_TRUE(VFO->StoreVfo());
    EXPECT_EQ(MainForm->GetVfoRecord(1), "2,00145000000,3,1,1,1,0,,12,,09,000600000,,,,,0,");
    VFO->ComboBox4->SetItemIndex(2);
    ASSERT_TRUE(VFO->StoreVfo());
    EXPECT_EQ(Field(1, 16), "3");
    EXPECT_EQ(VFO->ComboBox4->Text(), "EL");
}

TEST_F(VfoDialogTest, ProgramVfoEdgesStayInsideTheBandLimits) {
    Open("144MHz");
    VFO->Edit3->SetText("100");
    EXPECT_EQ(VFO->Edit3->Text(), "144");
    VFO->Edit4->SetText("150");
    EXPECT_EQ(VFO->Edit4->Text(), "147");
    VFO->Edit3->SetText("146");
    VFO->Edit4->SetText("145");
    EXPECT_EQ(VFO->Edit3->Text(), "145");
    VFO->Edit4->SetText("14"); // short texts wait for the store
    EXPECT_EQ(VFO->Edit4->Text(), "14");
    EXPECT_EQ(KeyPress(VFO->Edit3, 'x'), 0);
    ASSERT_TRUE(VFO->StoreVfo());
    EXPECT_EQ(MainForm->GetProgramVfoRecord(1), "2,00145,00147");
}

TEST_F(VfoDialogTest, FrequencyIsHeldInTheProgrammableRangeWhichIsStoredFirst) {
    Open("144MHz");
    VFO->Edit3->SetText("144");
    VFO->Edit4->SetText("145");
    VFO->ComboBox3->SetItemIndex(0);
    VFO->Edit1->SetText("146.5");
    ASSERT_TRUE(VFO->StoreVfo());
    EXPECT_EQ(Field(1, 1), "00145995000");
    EXPECT_EQ(MainForm->GetProgramVfoRecord(1), "2,00144,00145");
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Frequency is rounded."});

    const AnsiString vfo = MainForm->GetVfoRecord(1);
    VFO->Edit4->SetText("146");
    VFO->Edit1->SetText("145.1.0");
    EXPECT_FALSE(VFO->StoreVfo());
    EXPECT_EQ(MainForm->GetVfoRecord(1), vfo);
    EXPECT_EQ(MainForm->GetProgramVfoRecord(1), "2,00144,00146");
}

TEST_F(VfoDialogTest, EnterStoresTheRangeAndMarksTheDocument) {
    Open("144MHz");
    VFO->Edit4->SetText("145");
    VFO->Edit1->SetText("147");
    EXPECT_EQ(KeyPress(VFO->Edit1, '\r'), 0);
    EXPECT_EQ(VFO->Edit1->Text(), "145.9875");
    EXPECT_EQ(MainForm->GetProgramVfoRecord(1), "2,00144,00145");
    EXPECT_EQ(MainForm->ModifiedFlag, 1);
    EXPECT_TRUE(VFO->ContentsChanged);
}

TEST_F(VfoDialogTest, AProgrammableRangeIsStoredWholeOrRefused) {
    // This document has no limits for "S144MHz": nothing completes a missing edge.
    MainForm->SetProgramVfoRecord(2, "");
    const AnsiString vfo = MainForm->GetVfoRecord(2);
    Open("S144MHz");
    const struct {
        const char *lower, *upper;
        bool viaEnter;
    } refused[] = {{"150", "0", false}, {"0", "150", true}, {"152", "150", false}};
    for (const auto& r : refused) {
        TestSeam().MessageBoxes.clear();
        VFO->Edit3->SetText(r.lower);
        VFO->Edit4->SetText(r.upper);
        if (r.viaEnter)
            KeyPress(VFO->Edit1, '\r');
        else
            VFO->Button2->Click();
        EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Invalid data.\nPlease check and try again."})
            << r.lower << "-" << r.upper;
        EXPECT_EQ(MainForm->GetProgramVfoRecord(2), "") << r.lower << "-" << r.upper;
        EXPECT_EQ(MainForm->GetVfoRecord(2), vfo);
    }
    VFO->Edit3->SetText("150");
    VFO->Edit4->SetText("152");
    VFO->Button2->Click();
    EXPECT_EQ(MainForm->GetProgramVfoRecord(2), "3,00150,00152");
}

TEST_F(VfoDialogTest, BandKeysWrapOverTheBandsOfTheRadioType) {
    Open("144MHz");
    EXPECT_EQ(VFO->ComboBox5->Items(), (std::vector<AnsiString>{"144MHz", "S144MHz", "430MHz"}));
    KeyDown(VFO->Edit1, VK_END);
    EXPECT_EQ(VFO->BandIndex, 4);
    KeyDown(VFO->Edit1, VK_PRIOR);
    EXPECT_EQ(VFO->BandIndex, 1);
    KeyDown(VFO->Edit1, VK_NEXT);
    EXPECT_EQ(VFO->BandIndex, 4);
    EXPECT_EQ(VFO->Edit2->Text(), "5.00");

    // A refused store on Yes keeps the band and asks again on the next choice.
    VFO->Edit1->SetText("4.3.0");
    Answer(IDYES);
    VFO->ComboBox5->SetItemIndex(0);
    VFO->ComboBox5->OnChange(VFO->ComboBox5);
    VFO->ComboBox5->OnClick(VFO->ComboBox5);
    EXPECT_EQ(VFO->BandIndex, 4);
    EXPECT_EQ(VFO->ComboBox5->ItemIndex(), 2);
    Answer(IDNO);
    KeyDown(VFO->ComboBox3, VK_HOME);
    EXPECT_EQ(VFO->BandIndex, 1);
    const auto texts = BoxTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), EntryText::ChangedMove), 2);
}

TEST_F(VfoDialogTest, AmAndPowerFieldsBelongToTheirBands) {
    UseType("1,2,00,1,1,,");
    Open("118MHz");
    EXPECT_EQ(VFO->ComboBox5->Items().front(), "118MHz");
    EXPECT_TRUE(VFO->CheckBox5->Visible());
    EXPECT_TRUE(VFO->CheckBox5->Checked());
    ASSERT_TRUE(VFO->StoreVfo());
    EXPECT_EQ(Field(0, 13), "1");
    EXPECT_EQ(Field(0, 16), "");
    Open("440MHz");
    EXPECT_FALSE(VFO->CheckBox5->Visible());
    ASSERT_TRUE(VFO->StoreVfo());
    EXPECT_EQ(Field(4, 13), "");
    EXPECT_EQ(Field(4, 16), "0");
}

TEST_F(VfoDialogTest, The800MHzBandIsShownButNeverStored) {
    UseType("1,1,00,,,,1");
    Open("430MHz");
    ASSERT_EQ(VFO->ComboBox5->Items().back(), "800MHz");
    std::vector<AnsiString> before;
    for (int i = 0; i < 6; ++i)
        before.push_back(MainForm->GetVfoRecord(i) + MainForm->GetProgramVfoRecord(i));
    KeyDown(VFO->Edit1, VK_END);
    EXPECT_EQ(VFO->BandIndex, 6);
    EXPECT_EQ(VFO->Edit1->Text(), "870.000");
    EXPECT_EQ(VFO->Edit2->Text(), "5.00");
    EXPECT_FALSE(VFO->Edit1->Enabled());
    EXPECT_FALSE(VFO->Button2->Enabled());
    EXPECT_FALSE(VFO->StoreVfo());
    KeyPress(VFO->Edit1, '\r');
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(MainForm->GetVfoRecord(i) + MainForm->GetProgramVfoRecord(i),
                  before[static_cast<size_t>(i)]);
    KeyDown(VFO->Edit1, VK_HOME); // the other bands are editable again
    EXPECT_TRUE(VFO->Edit1->Enabled());
    EXPECT_TRUE(VFO->Button2->Enabled());
}
} // namespace
