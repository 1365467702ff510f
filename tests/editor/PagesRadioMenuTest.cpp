// The radio menu page: every control stores its item's exact text and marks the document
// changed; the power-on message key filter by region; the page switch.
#include "PagesSupport.h"

using namespace pagestest;

namespace {
class RadioMenuPage : public PagesTest {};

TEST_F(RadioMenuPage, CheckBoxesStoreOneOrZeroAndMarkTheDocument) {
    Open(Region1);
    const std::pair<TCheckBox*, int> boxes[] = {
        {f->CheckBox16, 1}, {f->CheckBox17, 2},  {f->CheckBox14, 3}, {f->CheckBox15, 4},
        {f->CheckBox12, 5}, {f->CheckBox11, 6},  {f->CheckBox13, 7}, {f->CheckBox21, 8},
        {f->CheckBox1, 10}, {f->CheckBox18, 14}, {f->CheckBox4, 22}, {f->CheckBox5, 23},
        {f->CheckBox2, 24}, {f->CheckBox20, 25}, {f->CheckBox6, 26}, {f->CheckBox7, 27}};
    for (auto [box, item] : boxes) {
        for (bool on : {!box->Checked(), box->Checked()}) {
            f->ModifiedFlag = 0;
            box->SetChecked(on);
            EXPECT_EQ(f->GetRadioMenuItem(item), on ? "1" : "0") << "item " << item;
            EXPECT_EQ(f->ModifiedFlag, 1) << "item " << item;
        }
    }
    // The tone alerts lose the default's trailing comma once touched.
    EXPECT_EQ(f->GetRadioMenuItem(3), "0");
}

TEST_F(RadioMenuPage, RadioGroupsStoreTheirChoice) {
    Open(Region1);
    struct Case {
        TRadioGroup* group;
        int item, index;
        const char* stored;
    };
    // Each case changes the choice the default document shows (a group set to the index it
    // already has runs no handler).
    const Case cases[] = {
        {f->RadioGroup9, 0, 1, "1"},   {f->RadioGroup9, 0, 0, "0"},   {f->RadioGroup2, 9, 0, "0"},
        {f->RadioGroup2, 9, 1, "1"},   {f->RadioGroup3, 12, 1, "1"},  {f->RadioGroup4, 13, 1, "1"},
        {f->RadioGroup4, 13, 0, "0"},  {f->RadioGroup1, 17, 1, "1"},  {f->RadioGroup5, 20, 2, "2"},
        {f->RadioGroup5, 20, 1, "1"},  {f->RadioGroup5, 20, 0, "0"},  {f->RadioGroup10, 21, 2, "2"},
        {f->RadioGroup10, 21, 3, "3"}, {f->RadioGroup10, 21, 0, "0"}, {f->RadioGroup10, 21, 1, "1"},
    };
    for (const Case& c : cases) {
        f->ModifiedFlag = 0;
        c.group->SetItemIndex(c.index);
        EXPECT_EQ(f->GetRadioMenuItem(c.item), c.stored) << "item " << c.item << " " << c.index;
        EXPECT_EQ(f->ModifiedFlag, 1);
    }
    // No selection checks no button: nothing is stored and the document stays unchanged.
    f->SetRadioMenuItem(0, "-3");
    f->ModifiedFlag = 0;
    f->RadioGroup9->SetItemIndex(-1);
    EXPECT_EQ(f->GetRadioMenuItem(0), "-3");
    EXPECT_EQ(f->ModifiedFlag, 0);
}

TEST_F(RadioMenuPage, ListsStoreTheirIndexAndContrastTwoDigits) {
    Open(Region1);
    Choose(f->ComboBox1, 8);
    EXPECT_EQ(f->GetRadioMenuItem(16), "09");
    Choose(f->ComboBox1, 9);
    EXPECT_EQ(f->GetRadioMenuItem(16), "10");
    Choose(f->ComboBox1, 15);
    EXPECT_EQ(f->GetRadioMenuItem(16), "16");
    Choose(f->ComboBox1, 0);
    EXPECT_EQ(f->GetRadioMenuItem(16), "01");
    Choose(f->ComboBox4, 6);
    EXPECT_EQ(f->GetRadioMenuItem(11), "6");
    Choose(f->ComboBox2, 9);
    EXPECT_EQ(f->GetRadioMenuItem(18), "9");
    f->ModifiedFlag = 0;
    Choose(f->ComboBox3, 1); // "30min" replaces the default "1,0"
    EXPECT_EQ(f->GetRadioMenuItem(19), "1");
    EXPECT_EQ(f->ModifiedFlag, 1);
}

TEST_F(RadioMenuPage, PowerOnMessageFilterJudgesTypedBytesByRegion) {
    struct Case {
        const AnsiString& type;
        char byte;
        bool accepted;
    };
    const Case cases[] = {
        {Region1, '\xE9', true},  {Region0, '\xE9', false}, {Region0, '\xB1', true},
        {Region1, '\xB1', false}, {Region1, '\x7F', false}, {Region0, '\x7F', false},
        {Region2, '\xD7', false}, {Region2, '\xFF', true},  {Region1, '\x80', false},
        {Region0, '\xA0', false}, {Region1, '~', true},     {Region0, ' ', true},
    };
    for (const Case& c : cases) {
        Open(c.type);
        f->Edit3->SetText("AB");
        f->ModifiedFlag = 0;
        TypeAtEnd(f->Edit3, AnsiString(1, c.byte));
        const AnsiString expected = c.accepted ? AnsiString("AB") + c.byte : "AB";
        EXPECT_EQ(f->Edit3->Text(), expected) << int(static_cast<unsigned char>(c.byte));
        EXPECT_EQ(f->GetRadioMenuItem(15), expected);
        EXPECT_EQ(f->ModifiedFlag, c.accepted ? 1 : 0);
        const std::vector<AnsiString> shown = Refusals();
        if (c.accepted)
            EXPECT_TRUE(shown.empty());
        else
            EXPECT_EQ(shown, std::vector<AnsiString>{InvalidCharacter});
    }
}

TEST_F(RadioMenuPage, PowerOnMessageStoresPastedAndEmptyTextAsItStands) {
    Open(Region0);
    f->Edit3->SetText("a,\xE9\x7F");
    EXPECT_EQ(f->GetRadioMenuItem(15), "a,\xE9\x7F");
    f->ModifiedFlag = 0;
    f->Edit3->SetText("");
    EXPECT_EQ(f->GetRadioMenuItem(15), "");
    EXPECT_EQ(f->ModifiedFlag, 1);
    EXPECT_EQ(RefusalCount(), 0u);
}

TEST_F(RadioMenuPage, CommentMarksTheDocumentOnly) {
    Open(Region1);
    const AnsiString before = f->GetRadioMenuItem(15);
    f->Edit2->SetText("my radio");
    EXPECT_EQ(f->ModifiedFlag, 1);
    EXPECT_EQ(f->GetRadioMenuItem(15), before);
}

TEST_F(RadioMenuPage, PageSwitchTurnsEditingCommandsAndStatusBarOffAndOn) {
    Open(Region1);
    f->UpdateStatusBar();
    std::vector<AnsiString> shown;
    for (int i = 0; i < 4; ++i)
        shown.push_back(f->StatusBar1->PanelText(i));

    for (TTabSheet* page : {f->TabSheet2, f->TabSheet3, f->TabSheet4}) {
        f->PageControl1->SetActivePage(f->TabSheet1);
        f->PageControl1->SetActivePage(page);
        EXPECT_FALSE(f->Edit1->Enabled());
        for (TSpeedButton* b : {f->SpeedButton1, f->SpeedButton2, f->SpeedButton3})
            EXPECT_FALSE(b->Enabled());
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(f->StatusBar1->PanelText(i), "");
    }
    f->PageControl1->SetActivePage(f->TabSheet1);
    EXPECT_TRUE(f->Edit1->Enabled());
    EXPECT_TRUE(f->SpeedButton1->Enabled());
    EXPECT_TRUE(f->SpeedButton2->Enabled());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f->StatusBar1->PanelText(i), shown[size_t(i)]);
    EXPECT_EQ(f->ModifiedFlag, 0);
}
} // namespace
