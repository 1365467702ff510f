// Program start: application title and help file, and the forms in their creation order.
#include "editor/Startup.h"
#include "MainFormFixture.h"
#include "earlier/EarlierProgram.h"
#include "editor/CallDialog.h"
#include "editor/DtmfDialog.h"
#include "editor/MemoryDialog.h"
#include "editor/SortDialog.h"
#include "editor/VfoDialog.h"

using namespace editortest;

namespace {
// What each program shows of its own at start-up.
struct ProgramStart {
    const TProgramVariant& (*program)();
    const char* title;
    const char* splash[2];
    const char* about[3]; // caption, product line, version
    const char* setup[3]; // the first-run dialog's radio types
    bool everyTypeOffered;
};

const ProgramStart kPrograms[] = {
    {LaterProgram,
     "WYX-R2M",
     {"WYX-R2M", "Wyxolan for VQ-R2(M)"},
     {"About WYX-R2M", "Wyxolan for VQ-R2(M)", "beta Version 0.00"},
     {"VQ-R2U (U.S.A./Canada)", "VQ-R2K (Europe)", "VQ-R2 (Japan)"},
     false},
    {EarlierProgram,
     "WYX-R2",
     {"WYX-R2", "Wyxolan for VQ-R2"},
     {"About WYX-R2", "Wyxolan for VQ-R2", "Version 0.01 Beta"},
     {"VQ-R2U (U.S.A/Canada model)", "VQ-R2K (Europe model)", "VQ-R2 (Japan model)"},
     true},
};

class Startup : public ::testing::TestWithParam<ProgramStart> {};

TEST_P(Startup, FormsAreCreatedInOrderWithTheFirstRunDialogFirst) {
    const ProgramStart& p = GetParam();
    ClearSettings();
    MakeAllPortsMissing();
    const AnsiString oldTitle = Application->Title;
    // What the main window's constructor finds when it asks for the radio type.
    TForm* askedWith = nullptr;
    bool mainFormSet = true, welcomeSet = true;
    TestSeam().OnShowModal = [&](TForm* f) {
        askedWith = f;
        mainFormSet = MainForm != nullptr;
        welcomeSet = Welcome != nullptr;
        return mrOk;
    };
    InitialiseApplication(p.program());
    EXPECT_EQ(Application->Title, p.title);
    EXPECT_EQ(Application->HelpFile, "Wyx-r2.hlp");

    CreateProgramForms(p.program());
    ASSERT_NE(askedWith, nullptr);
    EXPECT_NE(dynamic_cast<TSetup*>(askedWith), nullptr);
    EXPECT_FALSE(mainFormSet);
    EXPECT_FALSE(welcomeSet);
    EXPECT_EQ(Application->MainForm(), MainForm);
    EXPECT_EQ(askedWith->Owner(), Application);
    // The dialog created last replaces the first one.
    ASSERT_NE(::Setup, nullptr);
    EXPECT_NE(static_cast<TForm*>(::Setup), askedWith);
    for (TForm* f : std::initializer_list<TForm*>{MainForm, Welcome, Memory, VFO, CALL, DTMF,
                                                  ReadForm, WriteForm, AboutBox, Sort, ::Setup}) {
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->Owner(), Application);
    }
    EXPECT_EQ(Memory->Caption(), "Memory Channel");
    EXPECT_EQ(Sort->Caption(), "Memory Channel Sort");
    EXPECT_EQ(ReadSetting("Type"), "1,2,00,1,1,,");

    // The program's own texts: caption, splash, about box and first-run dialog.
    EXPECT_EQ(MainForm->Caption(), AnsiString(p.title) + " [Untitled]");
    EXPECT_EQ(Welcome->Label1->Caption(), p.splash[0]);
    EXPECT_EQ(Welcome->Label2->Caption(), p.splash[1]);
    EXPECT_EQ(AboutBox->Caption(), p.about[0]);
    EXPECT_EQ(AboutBox->ProductName->Caption(), p.about[1]);
    EXPECT_EQ(AboutBox->Version->Caption(), p.about[2]);
    EXPECT_EQ(::Setup->Caption(), "WYX-R2");
    TRadioButton* types[] = {::Setup->RadioButton1, ::Setup->RadioButton2, ::Setup->RadioButton3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(types[i]->Caption(), p.setup[i]);
        EXPECT_EQ(types[i]->Visible(), i == 0 || p.everyTypeOffered);
        EXPECT_EQ(types[i]->Enabled(), i == 0 || p.everyTypeOffered);
    }

    // The other tests bring their own forms.
    for (TForm* f :
         std::initializer_list<TForm*>{::Setup, Sort, AboutBox, WriteForm, ReadForm, DTMF, CALL,
                                       VFO, Memory, Welcome, MainForm, askedWith})
        delete f;
    MainForm = nullptr;
    Welcome = nullptr;
    Memory = nullptr;
    VFO = nullptr;
    CALL = nullptr;
    DTMF = nullptr;
    ReadForm = nullptr;
    WriteForm = nullptr;
    AboutBox = nullptr;
    Sort = nullptr;
    ::Setup = nullptr;
    Application->OnActivate = nullptr;
    Application->Title = oldTitle;
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, Startup, ::testing::ValuesIn(kPrograms));
} // namespace
