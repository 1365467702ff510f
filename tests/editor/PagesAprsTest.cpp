// The APRS page's station icon selector, own position, position limit and its plain controls.
#include "PagesSupport.h"

using namespace pagestest;

namespace {
class AprsPage : public PagesTest {
  protected:
    AnsiString Icon() { return f->GetAprsMenuItem(5); }
    // The picture shown by the selector of the radio type: Image1..15, or Image16..30.
    int ShownImage() {
        const int first = f->RegionDigit() == '0' ? 16 : 1;
        int shown = 0;
        for (int k = first; k < first + 15; ++k)
            if (f->StationImage(k)->Visible()) {
                EXPECT_EQ(shown, 0) << "two pictures shown";
                shown = k;
            }
        return shown;
    }
};

TEST_F(AprsPage, UpDownStepsThroughTheIconsAndTheOthersControls) {
    Open(Region1);
    f->UpDown1->SetPosition(13);
    f->UpDown1->Press(btNext);
    EXPECT_EQ(Icon(), "0,E");
    EXPECT_EQ(f->Label23->Caption(), "Van");
    EXPECT_EQ(ShownImage(), 15);
    f->UpDown1->Press(btNext);
    EXPECT_EQ(f->UpDown1->Position(), 15);
    EXPECT_EQ(Icon(), "1," + f->ComboBox7->Text() + f->ComboBox6->Text());
    EXPECT_EQ(Icon(), "1,/!");
    EXPECT_EQ(ShownImage(), 0);
    for (TControl* c : std::initializer_list<TControl*>{f->Label20, f->Label21, f->Label22,
                                                        f->ComboBox6, f->ComboBox7})
        EXPECT_TRUE(c->Visible());
    EXPECT_FALSE(f->Label23->Visible());
    f->UpDown1->Press(btNext);
    EXPECT_EQ(f->UpDown1->Position(), 0);
    EXPECT_EQ(Icon(), "0,0");
    EXPECT_EQ(f->Label23->Caption(), "QUORVEL");
    EXPECT_TRUE(f->Label23->Visible());
    EXPECT_FALSE(f->ComboBox6->Visible());
    f->UpDown1->Press(btPrev);
    EXPECT_EQ(f->UpDown1->Position(), 15);
}

TEST_F(AprsPage, PageKeysStepBothSelectorsFromAnyInputControl) {
    Open(Region1);
    f->UpDown1->SetPosition(0);
    f->UpDown2->SetPosition(0);
    EXPECT_TRUE(PressKeyDown(f->Edit4, VK_NEXT));
    EXPECT_EQ(f->UpDown1->Position(), 15);
    EXPECT_EQ(f->UpDown2->Position(), 14);
    EXPECT_TRUE(PressKeyDown(f->MaskEdit8, VK_PRIOR));
    EXPECT_TRUE(PressKeyDown(f->CheckBox8, VK_PRIOR));
    EXPECT_EQ(f->UpDown1->Position(), 1);
    EXPECT_EQ(f->UpDown2->Position(), 1);
    EXPECT_EQ(Icon(), "0,1");
    EXPECT_EQ(f->Label23->Caption(), "Jogger");
    const AnsiString text = f->Edit4->Text();
    EXPECT_FALSE(PressKeyDown(f->Edit4, VK_HOME)); // other keys pass on
    EXPECT_EQ(f->UpDown1->Position(), 1);
    EXPECT_EQ(f->Edit4->Text(), text);
}

TEST_F(AprsPage, RegionZeroSelectorStoresItsOwnPosition) {
    Open(Region0);
    f->UpDown1->SetPosition(3);
    f->UpDown2->SetPosition(10);
    f->UpDown2->Press(btNext);
    EXPECT_EQ(Icon(), "0,B");
    EXPECT_EQ(ShownImage(), 27);
    f->UpDown2->Press(btNext);
    f->UpDown2->Press(btNext);
    f->UpDown2->Press(btNext);
    EXPECT_EQ(Icon(), "0,E");
    f->UpDown2->Press(btNext);
    EXPECT_EQ(Icon(), "0,0");
    EXPECT_EQ(ShownImage(), 16);
}

TEST_F(AprsPage, IconPicturesAreDistinguishable) {
    Open(Region1);
    std::vector<std::vector<uint32_t>> pictures;
    for (int k = 1; k <= 30; ++k) {
        int w = 0, h = 0;
        pictures.push_back(f->StationImage(k)->PixelsArgb(&w, &h));
        EXPECT_GT(w * h, 0) << k;
    }
    for (size_t a = 0; a < pictures.size(); ++a)
        for (size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_NE(pictures[a], pictures[b]) << a + 1 << " and " << b + 1;
}

TEST_F(AprsPage, SymbolChoiceExtendsAndShrinksTheTableList) {
    Open(Region1);
    f->UpDown1->SetPosition(14);
    f->UpDown1->Press(btNext);
    const int hash = '#' - '!';
    Choose(f->ComboBox6, hash);
    EXPECT_EQ(f->ComboBox7->Items().size(), 38u);
    EXPECT_EQ(f->ComboBox7->ItemIndex(), 0);
    EXPECT_EQ(Icon(), "1,/#");
    Choose(f->ComboBox7, 2 + 9); // "9"
    EXPECT_EQ(Icon(), "1,9#");
    Choose(f->ComboBox6, 'A' - '!'); // another overlay symbol keeps the list and its choice
    EXPECT_EQ(Icon(), "1,9A");
    Choose(f->ComboBox6, 0); // "!"
    EXPECT_EQ(f->ComboBox7->Items().size(), 2u);
    EXPECT_EQ(Icon(), "1,/!");
    Choose(f->ComboBox7, 1);
    EXPECT_EQ(Icon(), "1,\\!");
}

TEST_F(AprsPage, IconChangesMarkTheDocumentChanged) {
    Open(Region1);
    f->UpDown1->Press(btNext);
    EXPECT_EQ(f->ModifiedFlag, 1);
    f->ModifiedFlag = 0;
    f->UpDown1->SetPosition(15);
    f->UpDown1->Press(btNext);
    f->UpDown1->Press(btPrev); // back to what the slot held
    f->ModifiedFlag = 0;
    Choose(f->ComboBox6, 5);
    EXPECT_EQ(f->ModifiedFlag, 1);
    f->ModifiedFlag = 0;
    Choose(f->ComboBox6, 5); // the same choice again changes nothing
    EXPECT_EQ(f->ModifiedFlag, 0);
}

TEST_F(AprsPage, PositionFieldsAboveTheirLimitsBecomeTheLimit) {
    struct Case {
        const AnsiString& type;
        TMaskEdit* TMainForm::*edit;
        const char* typed;
        const char* shown;
        const AnsiString* message; // nullptr: accepted
    };
    const Case cases[] = {
        {Region0, &TMainForm::MaskEdit1, "95", "90", &InvalidCharacter},
        {Region0, &TMainForm::MaskEdit1, "90", "90", nullptr},
        {Region0, &TMainForm::MaskEdit2, "60", "59", &InvalidCharacter},
        {Region0, &TMainForm::MaskEdit3, "60.0", "59.9", &InvalidCharacter},
        {Region0, &TMainForm::MaskEdit3, "59.9", "59.9", nullptr},
        {Region0, &TMainForm::MaskEdit4, "181", "180", &InvalidData},
        {Region0, &TMainForm::MaskEdit4, "180", "180", nullptr},
        {Region0, &TMainForm::MaskEdit5, "99", "59", &InvalidData},
        {Region0, &TMainForm::MaskEdit6, "70.5", "59.9", &InvalidData},
        {Region1, &TMainForm::MaskEdit7, "91", "90", &InvalidData},
        {Region1, &TMainForm::MaskEdit8, "60.50", "59.99", &InvalidData},
        {Region1, &TMainForm::MaskEdit8, "59.99", "59.99", nullptr},
        {Region1, &TMainForm::MaskEdit9, "999", "180", &InvalidData},
        {Region1, &TMainForm::MaskEdit10, "60.00", "59.99", &InvalidData},
    };
    for (const Case& c : cases) {
        Open(c.type);
        TMaskEdit* e = f->*c.edit;
        e->SetText(c.typed);
        EXPECT_EQ(e->Text(), c.shown) << c.typed;
        const std::vector<AnsiString> shown = Refusals();
        if (c.message)
            EXPECT_EQ(shown, std::vector<AnsiString>{*c.message}) << c.typed;
        else
            EXPECT_TRUE(shown.empty()) << c.typed;
    }
}

TEST_F(AprsPage, PositionItemJoinsTheFieldsByRegion) {
    Open(Region0);
    f->MaskEdit1->SetText("35");
    f->MaskEdit2->SetText("");
    f->MaskEdit3->SetText("");
    f->MaskEdit4->SetText("139");
    f->MaskEdit5->SetText("");
    f->MaskEdit6->SetText("");
    f->RadioButton5->SetChecked(true);
    f->RadioButton7->SetChecked(true);
    f->BuildPositionItem();
    EXPECT_EQ(f->GetAprsMenuItem(4), "35000000139000000");
    f->ModifiedFlag = 0;
    f->RadioButton6->SetChecked(true);
    f->MaskEdit3->SetText("12.3");
    f->RadioButton8->SetChecked(true);
    EXPECT_EQ(f->GetAprsMenuItem(4), "35001231139000001");
    EXPECT_EQ(f->ModifiedFlag, 1);

    Open(Region1);
    for (TMaskEdit* e : {f->MaskEdit7, f->MaskEdit8, f->MaskEdit9, f->MaskEdit10})
        e->SetText("");
    f->RadioButton1->SetChecked(true);
    f->RadioButton4->SetChecked(true);
    EXPECT_EQ(f->GetAprsMenuItem(4), "00000000000000001");
    f->MaskEdit7->SetText("51");
    f->MaskEdit8->SetText("28.50");
    f->RadioButton2->SetChecked(true);
    f->MaskEdit9->SetText("  0");
    f->MaskEdit10->SetText(" 7.25");
    EXPECT_EQ(f->GetAprsMenuItem(4), "51285001000072501");
    EXPECT_EQ(f->GetAprsMenuItem(4).size(), 17u);
}

TEST_F(AprsPage, PositionKeysAndPastesMarkTheDocument) {
    Open(Region1);
    f->MaskEdit7->SetSelStart(0);
    Type(f->MaskEdit7, "x"); // refused by the mask, still a key
    EXPECT_EQ(f->ModifiedFlag, 1);
    f->ModifiedFlag = 0;
    f->MaskEdit9->SetText("123");
    EXPECT_EQ(f->ModifiedFlag, 1);
}

TEST_F(AprsPage, PositionLimitIsAMultipleOfTenUpTo2500) {
    Open(Region2);
    ASSERT_FALSE(f->CheckBox8->Checked());
    f->CheckBox8->SetChecked(true);
    EXPECT_EQ(f->GetAprsMenuItem(9), "0010");
    EXPECT_EQ(f->MaskEdit12->Text(), "0010");
    EXPECT_TRUE(f->MaskEdit12->Visible());
    EXPECT_TRUE(f->Label15->Visible());
    EXPECT_EQ(f->Label16->Caption(), "mile");

    f->MaskEdit12->SetText("3000");
    EXPECT_EQ(f->GetAprsMenuItem(9), "2500");
    EXPECT_EQ(f->MaskEdit12->Text(), "2500");
    EXPECT_EQ(Refusals(), std::vector<AnsiString>{InvalidData});
    f->MaskEdit12->SetText("2501"); // the last digit is always 0
    EXPECT_EQ(f->GetAprsMenuItem(9), "2500");
    EXPECT_EQ(RefusalCount(), 0u);
    f->MaskEdit12->SetText("2510");
    EXPECT_EQ(f->GetAprsMenuItem(9), "2500");
    EXPECT_EQ(RefusalCount(), 1u);
    f->MaskEdit12->SetText("   5");
    EXPECT_EQ(f->GetAprsMenuItem(9), "0010");
    f->MaskEdit12->SetText("0010");
    f->MaskEdit12->SetSelStart(0);
    Type(f->MaskEdit12, "1234");
    EXPECT_EQ(f->GetAprsMenuItem(9), "1230");
    EXPECT_EQ(f->MaskEdit12->Text(), "1230");

    f->ModifiedFlag = 0;
    f->CheckBox8->SetChecked(false);
    EXPECT_EQ(f->GetAprsMenuItem(9), "0000");
    EXPECT_FALSE(f->MaskEdit12->Visible());
    EXPECT_FALSE(f->Label15->Visible());
    EXPECT_FALSE(f->Label16->Visible());
    EXPECT_EQ(f->ModifiedFlag, 1);

    Choose(f->ComboBox13, 1);
    EXPECT_EQ(f->GetAprsMenuItem(12), "1");
    EXPECT_EQ(f->Label16->Caption(), "km");
    f->CheckBox8->SetChecked(true);
    EXPECT_EQ(f->Label16->Caption(), "km");
    Choose(f->ComboBox13, 0);
    EXPECT_EQ(f->GetAprsMenuItem(12), "0");
    EXPECT_EQ(f->Label16->Caption(), "mile");
}

TEST_F(AprsPage, ButtonsListsAndGroupCodeStoreTheirSlots) {
    Open(Region0);
    struct Case {
        TRadioButton* button;
        int slot;
        const char* stored;
    };
    const Case cases[] = {{f->RadioButton13, 3, "2"}, {f->RadioButton12, 3, "1"},
                          {f->RadioButton11, 3, "0"}, {f->RadioButton10, 3, "1"},
                          {f->RadioButton9, 3, "0"},  {f->RadioButton16, 8, "2"},
                          {f->RadioButton15, 8, "1"}, {f->RadioButton14, 8, "0"}};
    for (const Case& c : cases) {
        f->ModifiedFlag = 0;
        c.button->SetChecked(true);
        EXPECT_EQ(f->GetAprsMenuItem(c.slot), c.stored);
        EXPECT_EQ(f->ModifiedFlag, 1);
    }
    f->CheckBox10->SetChecked(!f->CheckBox10->Checked());
    EXPECT_EQ(f->GetAprsMenuItem(6), f->CheckBox10->Checked() ? "1" : "0");
    Choose(f->ComboBox5, 7);
    EXPECT_EQ(f->GetAprsMenuItem(2), "7");
    Choose(f->ComboBox8, 5);
    EXPECT_EQ(f->GetAprsMenuItem(10), "5");
    f->MaskEdit11->SetText("a b");
    EXPECT_EQ(f->GetAprsMenuItem(7), "A0B");
    f->MaskEdit11->SetText("");
    EXPECT_EQ(f->GetAprsMenuItem(7), "000");
    f->Edit5->SetText("Hello, world");
    EXPECT_EQ(f->GetAprsMenuItem(1), "Hello, world"); // pasted text as it stands
}
} // namespace
