// The memory channel dialog: loading, rounding, the stored record, moving between slots.
#include "DialogFixture.h"
#include "tests/support/WidgetInput.h"
#include <algorithm>

namespace {
class MemoryDialogTest : public DialogTest {
  protected:
    void Open(int slot) {
        MainForm->StringGrid1->SetRow(slot + 1);
        Memory->FormShow(Memory);
    }
    AnsiString Field(int slot, int k) { return MainForm->GetRecordField(selMemory, slot, k); }
    void Enter(TEdit* e) { EXPECT_EQ(KeyPress(e, '\r'), 0); }
};

TEST_F(MemoryDialogTest, EmptySlotOpensWithDefaultsAndStoresACompleteRecord) {
    Open(5);
    EXPECT_EQ(Memory->Edit6->Text(), "5");
    EXPECT_EQ(Memory->Edit1->Text(), "144.000");
    EXPECT_EQ(Memory->ComboBox3->ItemIndex(), 3);
    EXPECT_TRUE(Memory->RadioButton1->Checked());
    EXPECT_TRUE(Memory->Edit2->Visible());
    EXPECT_FALSE(Memory->Edit3->Visible());
    EXPECT_EQ(Memory->Edit2->Text(), "0.60");
    EXPECT_EQ(Memory->ComboBox1->Text(), "88.5Hz");
    EXPECT_EQ(Memory->ComboBox2->Text(), "88.5Hz");
    EXPECT_FALSE(Memory->ContentsChanged);

    Memory->Button2->OnClick(Memory->Button2);
    EXPECT_EQ(MainForm->GetMemoryRecord(5), "005,00144000000,3,0,0,0,0,,09,,09,000600000,0,,,,,");
    EXPECT_EQ(MainForm->ModifiedFlag, 1);
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());
}

TEST_F(MemoryDialogTest, ToneCodesMapOntoTheShortListAndCtcssWins) {
    MainForm->SetMemoryRecord(7, "007,00145000000,0,0,0,1,1,,02,,01,000600000,1,,,,,HOME,1");
    Open(7);
    EXPECT_EQ(Memory->ComboBox1->Text(), "71.9Hz");
    EXPECT_EQ(Memory->ComboBox2->Text(), "67.0Hz");
    EXPECT_TRUE(Memory->CheckBox2->Checked());
    EXPECT_FALSE(Memory->CheckBox1->Checked());
    EXPECT_TRUE(Memory->CheckBox3->Checked());
    EXPECT_EQ(Memory->Edit5->Text(), "HOME,1");
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(MainForm->GetMemoryRecord(7),
              "007,00145000000,0,0,0,0,1,,03,,01,000600000,1,,,,,HOME,1");

    Memory->CheckBox1->SetChecked(true); // Tone clears CTCSS
    EXPECT_FALSE(Memory->CheckBox2->Checked());
    Memory->ComboBox1->SetItemIndex(37);
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(7, 5), "1");
    EXPECT_EQ(Field(7, 6), "0");
    EXPECT_EQ(Field(7, 8), "39");
}

TEST_F(MemoryDialogTest, FrequencyTextsAreRoundedOrRefused) {
    Open(0);
    Memory->ComboBox3->SetItemIndex(0);
    Memory->Edit1->SetText("144.1234");
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(0, 1), "00144120000");
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Frequency is rounded."});
    EXPECT_EQ(TestSeam().MessageBoxes[0].Flags, 64);
    EXPECT_EQ(TestSeam().MessageBoxes[0].Caption, "WYX-R2M");
    EXPECT_EQ(Memory->Edit1->Text(), "144.120");

    TestSeam().MessageBoxes.clear();
    Memory->Edit1->SetText("144");
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(0, 1), "00144000000");
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());

    const AnsiString before = MainForm->GetMemoryRecord(0);
    MainForm->ModifiedFlag = 0;
    Memory->Edit1->SetText("144.0.5");
    EXPECT_FALSE(Memory->StoreChannel());
    EXPECT_EQ(MainForm->GetMemoryRecord(0), before);
    EXPECT_EQ(Memory->Edit1->Text(), "144.0.5");
    EXPECT_EQ(MainForm->ModifiedFlag, 1);
    EXPECT_EQ(BoxTexts(),
              std::vector<AnsiString>{"Invalid Frequency.\nPlease check and try again."});
}

TEST_F(MemoryDialogTest, FrequenciesAreHeldInsideTheBandLimits) {
    Open(1);
    Memory->ComboBox3->SetItemIndex(0);
    Memory->Edit1->SetText("150");
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(1, 1), "00147995000");
    Memory->Edit1->SetText("137");
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(1, 1), "00144000000");

    // 15 and 30 kHz do not divide 1 MHz: rounding down must not cross the lower edge.
    MainForm->SetBandLimit(1, "00145,00147");
    Memory->Edit1->SetText("140");
    Memory->ComboBox3->SetItemIndex(4);
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(1, 1), "00145005000");
    Memory->Edit1->SetText("140");
    Memory->ComboBox3->SetItemIndex(7);
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(1, 1), "00145020000");
}

TEST_F(MemoryDialogTest, OffsetsFallOnTheFiftyKilohertzRaster) {
    Open(2);
    const std::pair<const char*, const char*> cases[] = {
        {"0.67", "000650000"}, {"0.64", "000600000"}, {"5", "005000000"}, {"35", "029950000"}};
    for (auto [typed, stored] : cases) {
        Memory->Edit2->SetText(typed);
        ASSERT_TRUE(Memory->StoreChannel());
        EXPECT_EQ(Field(2, 11), stored) << typed;
    }
    Memory->Edit2->SetText("0..6");
    EXPECT_FALSE(Memory->StoreChannel());
    EXPECT_EQ(BoxTexts().back(), "Invalid Offset.\nPlease check and try again.");
    EXPECT_EQ(Field(2, 11), "029950000");
}

TEST_F(MemoryDialogTest, EnterShowsTheRoundedEntriesWithoutStoring) {
    Open(3);
    Memory->ComboBox3->SetItemIndex(0);
    Memory->Edit1->SetText("145.0123");
    Memory->Edit2->SetText("0.68");
    Enter(Memory->Edit1);
    EXPECT_EQ(Memory->Edit1->Text(), "145.010");
    EXPECT_EQ(Memory->Edit3->Text(), "145.010"); // mirrors Rx without Split
    EXPECT_EQ(Memory->Edit2->Text(), "0.65");
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Frequency is rounded."});
    EXPECT_TRUE(Memory->ContentsChanged);
    EXPECT_EQ(MainForm->GetMemoryRecord(3), "");
    EXPECT_EQ(MainForm->ModifiedFlag, 0);
    // Letters never reach the frequency edits.
    EXPECT_EQ(KeyPress(Memory->Edit1, 'a'), 0);
    EXPECT_EQ(KeyPress(Memory->Edit1, '.'), '.');
}

TEST_F(MemoryDialogTest, SplitChannelStoresTheTxFrequencyOnTheRxSideOfTheBand) {
    Open(4);
    Memory->CheckBox4->SetChecked(true);
    Memory->RadioButton4->SetChecked(true);
    EXPECT_FALSE(Memory->CheckBox4->Checked());
    EXPECT_FALSE(Memory->CheckBox4->Enabled());
    EXPECT_TRUE(Memory->Edit3->Visible());
    EXPECT_FALSE(Memory->Edit2->Visible());
    Memory->Edit1->SetText("145");
    Memory->Edit3->SetText("435");
    Memory->ComboBox4->SetItemIndex(0);
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(MainForm->GetMemoryRecord(4),
              "004,00145000000,3,0,0,0,0,,09,,09,000600000,0,,00147995000,0,,");
    EXPECT_EQ(BoxTexts(), std::vector<AnsiString>{"Frequency is rounded."});
    // The reload keeps the split layout.
    EXPECT_TRUE(Memory->RadioButton4->Checked());
    EXPECT_EQ(Memory->Edit3->Text(), "147.995");

    // Back to Simplex: the hidden Tx text is neither checked nor stored.
    Memory->Edit3->SetText("1.2.3");
    Memory->RadioButton1->SetChecked(true);
    EXPECT_TRUE(Memory->CheckBox4->Enabled());
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(4, 14), "");
    EXPECT_EQ(Field(4, 15), "");
}

TEST_F(MemoryDialogTest, NavigationKeysWrapAndAskBeforeLeavingAChange) {
    Open(0);
    EXPECT_EQ(KeyDown(Memory->ComboBox1, VK_NEXT), 0);
    EXPECT_EQ(Memory->UpDown1->Position(), 219);
    EXPECT_EQ(Memory->Edit6->Text(), "U9");
    KeyDown(Memory->Edit1, VK_PRIOR);
    EXPECT_EQ(Memory->UpDown1->Position(), 0);
    KeyDown(Memory->Edit5, VK_END);
    EXPECT_EQ(Memory->UpDown1->Position(), 219);
    KeyDown(Memory, VK_HOME);
    EXPECT_EQ(Memory->UpDown1->Position(), 0);
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());

    // Yes with a refused store keeps the slot and the typed text, whichever way the move went.
    Memory->Edit1->SetText("14.5.0");
    for (int attempt = 0; attempt < 3; ++attempt) {
        Answer(IDYES);
        Answer(IDOK); // the refusal's own box
    }
    KeyDown(Memory->Edit1, VK_PRIOR);
    Memory->UpDown1->Press(btNext);
    Memory->Edit6->SetText("12");
    EXPECT_EQ(Memory->UpDown1->Position(), 0);
    EXPECT_EQ(Memory->Edit6->Text(), "0");
    EXPECT_EQ(Memory->Edit1->Text(), "14.5.0");
    const auto texts = BoxTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), EntryText::ChangedMove), 3);
    EXPECT_EQ(TestSeam().MessageBoxes[0].Flags, 36);
    EXPECT_TRUE(Memory->ReleaseCaptureOnPress);
    Memory->UpDown1->OnMouseDown(Memory->UpDown1, mbLeft, 0, 1, 1);
    EXPECT_FALSE(Memory->ReleaseCaptureOnPress);

    // No drops the change and moves on; Yes with a valid entry stores before moving.
    Answer(IDNO);
    Memory->UpDown1->Press(btPrev);
    EXPECT_EQ(Memory->UpDown1->Position(), 219);
    EXPECT_EQ(MainForm->GetMemoryRecord(0), "");
    Memory->Edit1->SetText("146");
    Answer(IDYES);
    Memory->UpDown1->Press(btNext);
    EXPECT_EQ(Memory->UpDown1->Position(), 0);
    EXPECT_EQ(Field(219, 0), "U9");
    EXPECT_EQ(Field(219, 1), "00146000000");
}

TEST_F(MemoryDialogTest, ChannelFieldSelectsNumbersAndLabels) {
    Open(0);
    EXPECT_EQ(KeyPress(Memory->Edit6, 'l'), 'L');
    EXPECT_EQ(KeyPress(Memory->Edit6, 'x'), 0);
    EXPECT_EQ(KeyPress(Memory->Edit6, '7'), '7');

    Memory->Edit6->SetText("1");
    Memory->Edit6->SetText("15");
    Memory->Edit6->SetText("150");
    EXPECT_EQ(Memory->UpDown1->Position(), 150);
    Memory->Edit6->SetText("L");
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());
    Memory->Edit6->SetText("L1");
    EXPECT_EQ(Memory->UpDown1->Position(), 202);
    Memory->Edit6->SetText("PR");
    EXPECT_EQ(Memory->UpDown1->Position(), 219);
    EXPECT_EQ(Memory->Edit6->Text(), "U9");
    Memory->Edit6->SetText("250");
    EXPECT_EQ(Memory->UpDown1->Position(), 219);
    EXPECT_EQ(Memory->Edit6->Text(), "250");
    EXPECT_EQ(BoxTexts(),
              std::vector<AnsiString>{"Invalid channel Number.\nPlease check and try again."});
}

TEST_F(MemoryDialogTest, ScanEdgeSlotsFollowTheLayoutOfTheRadioType) {
    UseType("1,0,0E,,,,");
    Open(150);
    EXPECT_EQ(Memory->Edit6->Text(), "L0");
    EXPECT_FALSE(Memory->CheckBox3->Enabled());
    EXPECT_EQ(Memory->Edit1->Text(), "145.000");
    Memory->Edit6->SetText("150"); // above N = 149: not a channel
    EXPECT_EQ(BoxTexts().size(), 1u);
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(MainForm->GetMemoryRecord(150), "L0,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,,,");
    KeyDown(Memory->Edit1, VK_END);
    EXPECT_EQ(Memory->UpDown1->Position(), 169);
}

TEST_F(MemoryDialogTest, AmModeBelongsToThe118MHzBandOnly) {
    UseType("1,2,00,1,1,,");
    MainForm->SetMemoryRecord(9, "009,00120000000,3,0,0,0,0,,09,,09,000600000,0,1,,,,");
    Open(9);
    EXPECT_TRUE(Memory->CheckBox5->Visible());
    EXPECT_TRUE(Memory->CheckBox5->Checked());
    Memory->CheckBox5->SetChecked(false);
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(9, 13), "0");
    Memory->Edit1->SetText("145");
    Enter(Memory->Edit1);
    EXPECT_FALSE(Memory->CheckBox5->Visible());
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(9, 13), "");
}

TEST_F(MemoryDialogTest, MinusSevenSixShiftOnlyAboveThreeHundredMegahertz) {
    Open(0);
    EXPECT_FALSE(Memory->RadioButton5->Visible());
    UseType("1,3,08,,,,");
    MainForm->SetMemoryRecord(0, "000,00435000000,6,3,0,0,0,,09,,09,005000000,0,,,,,");
    Open(0);
    EXPECT_TRUE(Memory->RadioButton5->Visible());
    EXPECT_TRUE(Memory->RadioButton5->Enabled());
    EXPECT_TRUE(Memory->RadioButton5->Checked());
    Memory->Edit1->SetText("145");
    Enter(Memory->Edit1);
    EXPECT_FALSE(Memory->RadioButton5->Enabled());
    EXPECT_TRUE(Memory->RadioButton1->Checked());
    ASSERT_TRUE(Memory->StoreChannel());
    EXPECT_EQ(Field(0, 3), "0");
}

TEST_F(MemoryDialogTest, EnterKeepsAStoredMinusSevenSixShiftWhereOkKeepsIt) {
    // Region '1' does not offer the shift; a record from elsewhere may still carry it.
    const AnsiString uhf = "000,00435000000,6,3,0,0,0,,09,,09,005000000,0,,,,,";
    for (bool enter : {false, true}) {
        MainForm->SetMemoryRecord(0, uhf);
        Open(0);
        EXPECT_FALSE(Memory->RadioButton5->Visible());
        if (enter) Enter(Memory->Edit1);
        EXPECT_TRUE(Memory->RadioButton5->Checked()) << enter;
        Memory->Button2->Click();
        EXPECT_EQ(MainForm->GetMemoryRecord(0), uhf) << enter;
    }
}

TEST_F(MemoryDialogTest, NameKeysFollowTheRegionCharacterSet) {
    Open(0);
    EXPECT_EQ(KeyPress(Memory->Edit5, ','), ',');
    EXPECT_EQ(KeyPress(Memory->Edit5, '\xE9'), '\xE9');
    EXPECT_EQ(KeyPress(Memory->Edit5, 27), 0);
    EXPECT_TRUE(TestSeam().MessageBoxes.empty());
    EXPECT_EQ(KeyPress(Memory->Edit5, '\xB1'), 0);
    EXPECT_EQ(BoxTexts(),
              std::vector<AnsiString>{"Invalid character.\nPlease check and try again."});
    EXPECT_EQ(Memory->Edit5->Font().Charset(), 0);

    UseType("1,0,0E,,,,");
    Open(0);
    EXPECT_EQ(Memory->Edit5->Font().Charset(), 128);
    EXPECT_EQ(KeyPress(Memory->Edit5, '\xB1'), '\xB1');
    EXPECT_EQ(KeyPress(Memory->Edit5, '\xE9'), 0);
}

TEST_F(MemoryDialogTest, CloseAsksAndAStoreItRefusesKeepsTheDialogOpen) {
    int result = mrNone;
    TestSeam().OnShowModal = [&](TForm* f) {
        Memory->Edit1->SetText("1.4.5");
        Answer(IDYES);
        KeyDown(Memory->Edit2, VK_ESCAPE);
        Answer(IDYES);
        widgetinput::RequestClose(Memory); // the close box or Alt+F4 asks as Close does
        result = f->ModalResult();         // still open
        Answer(IDNO);
        Memory->Button1->OnClick(Memory->Button1);
        return f->ModalResult();
    };
    MainForm->StringGrid1->SetRow(11);
    EXPECT_EQ(Memory->ShowModal(), mrCancel);
    EXPECT_EQ(result, mrNone);
    const std::vector<AnsiString> texts = BoxTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), EntryText::ChangedClose), 3);
    EXPECT_EQ(MainForm->GetMemoryRecord(10), "");
}
} // namespace

// Tab runs through the dialog in its form's order, passing the controls the layout hides:
// the channel field, the frequency group, the tone group, the option group, OK and Close.
TEST_F(MemoryDialogTest, TabFollowsTheFormsOrder) {
    // The frequency group's middle differs: offset and Reverse, or the split Tx frequency and
    // step (Reverse is disabled with a split).
    auto order = [](std::initializer_list<TWinControl*> middle) {
        std::vector<TWinControl*> o{
            Memory->Edit6,        Memory->Edit1,        Memory->ComboBox3,   Memory->RadioButton4,
            Memory->RadioButton1, Memory->RadioButton2, Memory->RadioButton3};
        o.insert(o.end(), middle);
        o.insert(o.end(), {Memory->CheckBox1, Memory->CheckBox2, Memory->ComboBox1,
                           Memory->ComboBox2, Memory->Edit5, Memory->CheckBox3, Memory->Button2,
                           Memory->Button1, Memory->Edit6});
        return o;
    };
    struct Case {
        const char* record;
        std::vector<TWinControl*> order;
    };
    const Case cases[] = {
        {"", order({Memory->Edit2, Memory->CheckBox4})},
        {"005,00145000000,3,0,0,0,0,,09,,09,000600000,0,,00146000000,3,,",
         order({Memory->Edit3, Memory->ComboBox4})},
    };
    for (const Case& c : cases) {
        MainForm->SetMemoryRecord(5, c.record);
        Open(5);
        // The focus after each of n Tab (or Shift+Tab) presses, from where it stands.
        auto walk = [&](TShiftState shift) {
            std::vector<TWinControl*> seen{widgetinput::FocusedControl(Memory)};
            for (size_t i = 1; i < c.order.size(); ++i) {
                widgetinput::PressKey(seen.back(), VK_TAB, shift);
                seen.push_back(widgetinput::FocusedControl(Memory));
            }
            return seen;
        };
        c.order.front()->SetFocus();
        EXPECT_EQ(walk(0), c.order) << c.record;
        std::vector<TWinControl*> back = walk(ssShift);
        EXPECT_EQ(back, std::vector<TWinControl*>(c.order.rbegin(), c.order.rend())) << c.record;
    }
}
