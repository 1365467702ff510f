// Program start: application title and help file, and the forms in their creation order.
#include "editor/Startup.h"
#include "MainFormFixture.h"
#include "editor/CallDialog.h"
#include "editor/DtmfDialog.h"
#include "editor/MemoryDialog.h"
#include "editor/SortDialog.h"
#include "editor/VfoDialog.h"

using namespace editortest;

namespace {
TEST(Startup, FormsAreCreatedInOrderWithTheFirstRunDialogFirst) {
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
    InitialiseApplication();
    EXPECT_EQ(Application->Title, "WYX-R2M");
    EXPECT_EQ(Application->HelpFile, "Wyx-r2.hlp");

    CreateProgramForms();
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

    // The forms stay with the application; the other tests bring their own.
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
} // namespace
