// Settings at start-up: defaults on a first run, values of a previous run, damaged values.
#include "MainFormFixture.h"

using namespace editortest;

namespace {
class StartSettings : public MainFormTest {};

TEST_F(StartSettings, FirstRunAsksTheRadioTypeAndWritesEveryDefault) {
    std::vector<TForm*> shown;
    TestSeam().OnShowModal = [&](TForm* f) {
        shown.push_back(f);
        return mrOk;
    };
    TMainForm* f = Make();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], ::Setup);

    EXPECT_EQ(ReadSetting("Path"), GetCurrentDir());
    EXPECT_EQ(ReadSetting("CommPort"), "COM1");
    EXPECT_EQ(ReadSetting("Type"), "1,2,00,1,1,,");
    EXPECT_EQ(ReadSetting("Limit0"), "00118,00135");
    EXPECT_EQ(ReadSetting("Limit1"), "00136,00173");
    EXPECT_EQ(ReadSetting("Limit2"), "00144,00147");
    EXPECT_EQ(ReadSetting("Limit3"), "");
    EXPECT_EQ(ReadSetting("Limit4"), "00410,00469");
    EXPECT_EQ(ReadSetting("Limit5"), "");

    EXPECT_EQ(f->GetRadioType(), "1,2,00,1,1,,");
    EXPECT_EQ(f->GetBandLimit(0), "00118,00135");
    EXPECT_EQ(f->GetBandLimit(4), "00410,00469");
    EXPECT_EQ(f->CommPortName, "COM1");
    EXPECT_TRUE(f->Com1_Mnu->Checked());
    EXPECT_EQ(f->OpenDialog1->InitialDir, GetCurrentDir());
    EXPECT_EQ(f->SaveDialog1->InitialDir, GetCurrentDir());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(StartSettings, FirstRunTakesTheChoiceOfTheDialog) {
    struct Case {
        int button;
        const char* type;
        const char* limit1;
        const char* limit5;
    };
    for (const Case& c : {Case{2, "1,3,08,,,,", "00144,00145", ""},
                          Case{3, "1,0,0E,,,,", "00144,00145", "00430,00439"}}) {
        ClearSettings();
        TestSeam().OnShowModal = [&](TForm* f) {
            auto* s = dynamic_cast<TSetup*>(f);
            EXPECT_NE(s, nullptr);
            if (s) (c.button == 2 ? s->RadioButton2 : s->RadioButton3)->SetChecked(true);
            return mrOk;
        };
        TMainForm* f = Make();
        EXPECT_EQ(f->GetRadioType(), c.type);
        EXPECT_EQ(ReadSetting("Type"), c.type);
        EXPECT_EQ(ReadSetting("Limit0"), "");
        EXPECT_EQ(ReadSetting("Limit1"), c.limit1);
        EXPECT_EQ(ReadSetting("Limit5"), c.limit5);
        ::Setup->RadioButton1->SetChecked(true);
    }
}

TEST_F(StartSettings, TheDialogOffersOnlyTheFirstChoice) {
    EXPECT_EQ(::Setup->Caption(), "WYX-R2");
    EXPECT_TRUE(::Setup->RadioButton1->Checked());
    EXPECT_TRUE(::Setup->RadioButton1->Visible());
    for (TRadioButton* b : {::Setup->RadioButton2, ::Setup->RadioButton3}) {
        EXPECT_FALSE(b->Visible());
        EXPECT_FALSE(b->Enabled());
    }
    EXPECT_EQ(::Setup->Button1->ModalResult, mrOk);
}

TEST_F(StartSettings, StoredValuesAreUsedWithoutAsking) {
    Seed({{"Path", "/srv/radio/"},
          {"CommPort", "COM3"},
          {"Type", "1,0,0E,,1,1,"},
          {"Limit0", "00118,00136"},
          {"Limit3", "00300,00390"},
          {"Limit5", "00431,00438"}});
    int dialogs = 0;
    TestSeam().OnShowModal = [&](TForm*) { return ++dialogs, mrOk; };
    TMainForm* f = Make();
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(f->OpenDialog1->InitialDir, "/srv/radio/");
    EXPECT_EQ(f->CommPortName, "COM3");
    EXPECT_TRUE(f->Com3_Mnu->Checked());
    for (TMenuItem* m : {f->Com1_Mnu, f->Com2_Mnu, f->Com4_Mnu})
        EXPECT_FALSE(m->Checked());
    EXPECT_EQ(f->GetBandLimit(0), "00118,00136");
    EXPECT_EQ(f->GetBandLimit(3), "00300,00390");
    EXPECT_EQ(f->GetBandLimit(5), "00431,00438");
    EXPECT_EQ(f->GetBandLimit(1), "00144,00145");
    EXPECT_EQ(ReadSetting("Limit1"), "00144,00145");
}

TEST_F(StartSettings, ARangeTheRadioTypeLacksIsEmptiedInTheStore) {
    Seed({{"Type", "1,1,00,,,,"},
          {"Limit0", "00118,00135"},
          {"Limit3", "00300,00399"},
          {"Limit5", "00430,00439"}});
    TMainForm* f = Make();
    for (int slot : {0, 3, 5}) {
        EXPECT_EQ(ReadSetting("Limit" + std::to_string(slot)), "") << slot;
        EXPECT_EQ(f->GetBandLimit(slot), "") << slot;
    }
    EXPECT_EQ(f->GetBandLimit(1), "00144,00147");
    EXPECT_EQ(f->GetBandLimit(4), "00430,00439");
}

TEST_F(StartSettings, DamagedValuesAreCutOrReplacedAndNeverCrash) {
    const AnsiString longLimit(300, '7');
    const AnsiString longType = "1,2,00,1,1,,XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX";
    Seed({{"CommPort", "COM9"},
          {"Type", longType},
          {"Limit1", longLimit},
          {"Limit4", "\x01\xff garbage, with commas,,,"}});
    TMainForm* f = Make();
    EXPECT_EQ(f->GetRadioType(), longType.substr(0, 19));
    EXPECT_EQ(f->GetBandLimit(1), longLimit.substr(0, 14));
    EXPECT_EQ(ReadSetting("Limit1"), longLimit.substr(0, 14));
    EXPECT_EQ(f->GetBandLimit(4).size(), 14u);
    EXPECT_EQ(f->CommPortName, "COM9");
    EXPECT_EQ(f->GetCommPortNumber(), 1);
    EXPECT_TRUE(f->Com1_Mnu->Checked());
    EXPECT_EQ(ReadSetting("CommPort"), "COM9");
}

TEST_F(StartSettings, ATypeWithoutFieldsGivesTheOtherRegionLook) {
    TMainForm* f = MakeWithType("garbage");
    EXPECT_EQ(f->LastChannel, 199);
    EXPECT_EQ(f->StringGrid1->RowCount(), 221);
    EXPECT_EQ(f->StringGrid2->RowCount(), 4); // 144MHz, S144MHz, 430MHz
    EXPECT_EQ(f->TabSheet3->Caption(), "APRS menu");
    EXPECT_EQ(ReadSetting("Type"), "garbage");
}

TEST_F(StartSettings, WritersStoreTheirValues) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    f->StorePathSetting("/home/op/radio files/club.r2");
    EXPECT_EQ(ReadSetting("Path"), "/home/op/radio files/");
    EXPECT_EQ(f->OpenDialog1->InitialDir, "/home/op/radio files/");
    EXPECT_EQ(f->SaveDialog1->InitialDir, "/home/op/radio files/");

    f->CommPortName = "COM4";
    f->StoreCommPort();
    EXPECT_EQ(ReadSetting("CommPort"), "COM4");

    f->SetRadioType("1,0,0E,,,,");
    f->SetBandLimits("00144,00146,00430,00440,00420,00450");
    f->StoreTypeAndLimits();
    EXPECT_EQ(ReadSetting("Type"), "1,0,0E,,,,");
    EXPECT_EQ(ReadSetting("Limit1"), "00144,00146");
    EXPECT_EQ(ReadSetting("Limit4"), "00430,00440");
    EXPECT_EQ(ReadSetting("Limit5"), "00420,00450");
    EXPECT_EQ(ReadSetting("Limit0"), "");
}

TEST_F(StartSettings, PortNumberNeedsTheExactName) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    const std::pair<const char*, int> cases[] = {{"COM1", 1}, {"COM2", 2}, {"COM3", 3},
                                                 {"COM4", 4}, {"com2", 1}, {"COM2 ", 1},
                                                 {"COM5", 1}, {"", 1}};
    for (const auto& [name, number] : cases) {
        f->CommPortName = name;
        EXPECT_EQ(f->GetCommPortNumber(), number) << name;
    }
}
} // namespace
