// The main window's start state, showing, closing, port menu, radio commands and Help menu.
#include "MainFormFixture.h"
#include "tools/radio_sim/RadioSim.h"

#include <unistd.h>

using namespace editortest;

namespace {
class MainWindow : public MainFormTest {};

TEST_F(MainWindow, StartsOnTheDefaultDocument) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    EXPECT_EQ(f->Caption(), "WYX-R2M [Untitled]");
    EXPECT_EQ(f->DocumentName, "Untitled");
    EXPECT_EQ(f->ActiveGrid, 1);
    EXPECT_EQ(f->ModifiedFlag, 0);
    EXPECT_TRUE(f->GroupBox1->Font().Style() & fsBold);
    EXPECT_FALSE(f->GroupBox2->Font().Style() & fsBold);
    EXPECT_EQ(f->LastValidText(lvEdit4), "NOCALL");
    EXPECT_EQ(f->LastValidText(lvEdit13), "APZ902");
    EXPECT_EQ(f->LastValidText(lvEdit17), "NOCALL");
    EXPECT_EQ(f->LastValidText(lvEdit18), "NOCALL");
    EXPECT_EQ(f->LastValidText(lvEdit7), "RELAY,WIDE");
    EXPECT_EQ(f->LastValidText(lvEdit14), "");
    EXPECT_EQ(f->GetRecordField(selVfo, 1, 1), "00144000000"); // defaults loaded
    EXPECT_NE(f->ClipboardFormat, 0u);
    EXPECT_TRUE(static_cast<bool>(Application->OnActivate));

    EXPECT_EQ(f->PageControl1->PageCount(), 4);
    EXPECT_EQ(f->TabSheet1->Caption(), "Memory");
    EXPECT_EQ(f->TabSheet2->Caption(), "Radio menu");
    EXPECT_EQ(f->StatusBar1->PanelCount(), 4);
    EXPECT_EQ(f->StatusBar1->Panel(0).Width, 170);
    EXPECT_EQ(f->StatusBar1->Panel(1).Alignment, taCenter);
    EXPECT_EQ(f->StringGrid1->Cells(2, 0), " RX Frequency");
    EXPECT_EQ(f->StringGrid4->Cells(1, 10), "9");
    EXPECT_EQ(f->StringGrid5->Cells(2, 0), "DTMF Code");
    EXPECT_EQ(f->ComboBox1->Text(), "8");
    EXPECT_EQ(f->ComboBox12->Text(), "88.5Hz");
    EXPECT_EQ(f->ComboBox12->Items().size(), 38u);
    EXPECT_FALSE(f->MaskEdit12->Visible());
    EXPECT_FALSE(f->Label15->Visible());
    EXPECT_TRUE(f->CheckBox12->Checked());
    EXPECT_FALSE(f->CheckBox12->Visible());
}

TEST_F(MainWindow, GridsShowWholeRows) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    const std::pair<TStringGrid*, int> views[] = {{f->StringGrid1, 15},
                                                  {f->StringGrid2, 3},
                                                  {f->StringGrid3, 3},
                                                  {f->StringGrid4, 5},
                                                  {f->StringGrid5, 11}};
    for (const auto& [g, rows] : views) {
        EXPECT_EQ(g->ClientHeight() % rows, 0);
        EXPECT_EQ(g->DefaultRowHeight(), g->ClientHeight() / rows);
        int sum = 0;
        for (int c = 0; c < g->ColCount(); ++c)
            sum += g->ColWidths(c);
        EXPECT_EQ(sum, g->ClientWidth()) << g->RowCount();
    }
}

TEST_F(MainWindow, MenusAndToolButtons) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    EXPECT_EQ(f->Save2->Caption(), "Save &As...");
    EXPECT_EQ(f->Delete1->ShortCut().Key, VK_DELETE);
    EXPECT_EQ(f->Delete1->ShortCut().Shift, TShiftState(ssCtrl));
    EXPECT_EQ(f->N1->Caption(), "-");
    EXPECT_EQ(f->MemorySort1->Caption(), "Memory channel &Sort...");
    EXPECT_EQ(f->File1->Count(), 8);
    EXPECT_EQ(f->Radio1->Count(), 7);
    const std::pair<TSpeedButton*, const char*> hints[] = {
        {f->SpeedButton7, "New"},  {f->SpeedButton6, "Open"},  {f->SpeedButton8, "Save"},
        {f->SpeedButton4, "Read"}, {f->SpeedButton5, "Write"}, {f->SpeedButton9, "Print"},
        {f->SpeedButton1, "Copy"}, {f->SpeedButton2, "Cut"},   {f->SpeedButton3, "Paste"}};
    for (const auto& [b, hint] : hints)
        EXPECT_EQ(b->Hint(), hint);
    EXPECT_EQ(f->StringGrid1->PopupMenu(), f->PopupMenu1);
    EXPECT_EQ(f->StringGrid2->PopupMenu(), f->PopupMenu2);
    EXPECT_EQ(f->OpenDialog1->Filter, "WYX-R2 Files(*.r2)|*.r2");
    EXPECT_EQ(f->OpenDialog1->FileName, "*.r2");
    EXPECT_EQ(f->SaveDialog1->DefaultExt, "r2");
}

TEST_F(MainWindow, SplashShowsOnceAtTheFirstShowing) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    std::vector<TForm*> shown;
    TestSeam().OnShowModal = [&](TForm* form) {
        shown.push_back(form);
        return mrCancel;
    };
    f->FormShow(f);
    f->FormShow(f);
    EXPECT_EQ(shown, std::vector<TForm*>{Welcome});
}

TEST_F(MainWindow, SplashTimerRunsTwoSecondsAndClosesIt) {
    EXPECT_FALSE(Welcome->Timer1->Enabled());
    EXPECT_EQ(Welcome->Caption(), "Welcome");
    Welcome->ShowForm();
    Welcome->FormShow(Welcome);
    EXPECT_EQ(Welcome->Timer1->Interval(), 2000);
    EXPECT_TRUE(Welcome->Timer1->Enabled());
    Welcome->Timer1->OnTimer(Welcome->Timer1);
    EXPECT_FALSE(Welcome->Timer1->Enabled());
    EXPECT_FALSE(Welcome->Visible());
}

TEST_F(MainWindow, CloseAsksOnlyWhenChanged) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    TCloseAction action = caHide;
    f->FormClose(f, action);
    EXPECT_EQ(action, caHide);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(MainWindow, CloseWithChangesTakesTheAnswer) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    const std::filesystem::path saved = std::filesystem::temp_directory_path() /
                                        ("wyx-close-" + std::to_string(::getpid()) + ".r2");
    for (int answer : {IDCANCEL, IDNO, IDYES}) {
        Boxes().clear();
        f->ModifiedFlag = 1;
        Welcome->ShowForm();
        TestSeam().MessageBoxAnswers = {answer};
        TestSeam().FileDialogAnswers = {saved}; // Yes saves the document, then closes
        TCloseAction action = caHide;
        f->FormClose(f, action);
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].Text, "Data is changed.\nDo you want to save the changes?");
        EXPECT_EQ(Boxes()[0].Caption, "WYX-R2M");
        EXPECT_EQ(Boxes()[0].Flags, 51);
        EXPECT_EQ(action, answer == IDCANCEL ? caNone : caHide) << answer;
        EXPECT_EQ(Welcome->Visible(), answer == IDCANCEL) << answer;
    }
    EXPECT_TRUE(std::filesystem::exists(saved));
    std::filesystem::remove(saved);
}

TEST_F(MainWindow, AnUnusablePortIsRefusedAndUnchecked) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    f->Com2_Mnu->SetChecked(true);
    f->Com2_Mnu->Click();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "COM2 is invalid.\nPlease check comport status.");
    EXPECT_EQ(Boxes()[0].Flags, 48);
    EXPECT_FALSE(f->Com2_Mnu->Checked());
    EXPECT_TRUE(f->Com1_Mnu->Checked());
    EXPECT_EQ(f->CommPortName, "COM1");
    EXPECT_EQ(ReadSetting("CommPort"), "COM1");
    f->Com4_MnuClick(f);
    EXPECT_EQ(Boxes().back().Text, "COM4 is invalid.\nPlease check comport status.");
}

TEST_F(MainWindow, AUsablePortIsCheckedAndStored) {
    radiosim::RadioSim radio{radiosim::RadioState{}};
    SetPortDevice(3, radio.SlavePath());
    TMainForm* f = MakeWithType("1,1,00,,,,");
    f->Com3_MnuClick(f);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(f->Com3_Mnu->Checked());
    for (TMenuItem* m : {f->Com1_Mnu, f->Com2_Mnu, f->Com4_Mnu})
        EXPECT_FALSE(m->Checked());
    EXPECT_EQ(f->CommPortName, "COM3");
    EXPECT_EQ(ReadSetting("CommPort"), "COM3");
    EXPECT_EQ(f->GetCommPortNumber(), 3);
}

TEST_F(MainWindow, ReadAndWriteRefuseAnUnusablePort) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    int modal = 0;
    TestSeam().OnShowModal = [&](TForm*) { return ++modal, mrOk; };
    f->ModifiedFlag = 1;
    f->Read1Click(f);
    f->Write1Click(f);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].Text, "COM port is invalid.\nPlease check comport status.");
    EXPECT_EQ(Boxes()[1].Text, "COM port is invalid.\nPlease check and try again.");
    EXPECT_EQ(Boxes()[0].Flags, 48);
    EXPECT_EQ(Boxes()[1].Flags, 48);
    EXPECT_EQ(modal, 0);
    EXPECT_EQ(f->ModifiedFlag, 1);
    EXPECT_EQ(f->Caption(), "WYX-R2M [Untitled]");
}

class RadioCommands : public MainWindow {
  protected:
    void SetUp() override {
        MainWindow::SetUp();
        SetPortDevice(1, radio_.SlavePath());
    }
    radiosim::RadioSim radio_{radiosim::RadioState{}};
};

TEST_F(RadioCommands, ReadAsksToSaveChangesFirst) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    std::vector<TForm*> shown;
    TestSeam().OnShowModal = [&](TForm* form) {
        shown.push_back(form);
        return mrOk;
    };
    f->ModifiedFlag = 1;
    TestSeam().MessageBoxAnswers = {IDCANCEL};
    f->Read1Click(f);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(f->ModifiedFlag, 1);
    EXPECT_EQ(Boxes().back().Flags, 51);

    TestSeam().MessageBoxAnswers = {IDNO};
    f->DocumentName = "/tmp/old.r2";
    f->Read1Click(f);
    EXPECT_EQ(shown, std::vector<TForm*>{ReadForm});
    EXPECT_EQ(f->ModifiedFlag, 0);
    EXPECT_EQ(f->DocumentName, "Untitled");
    EXPECT_EQ(f->Caption(), "WYX-R2M [Radio]");
}

TEST_F(RadioCommands, ASaveThatDidNotHappenStopsTheCommandThatAsked) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    const AnsiString record = "003,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,KEEP";
    int modal = 0;
    TestSeam().OnShowModal = [&](TForm*) { return ++modal, mrOk; };
    // Save As cancelled, or a file that cannot be written.
    const std::optional<AnsiString> cancelled, unwritable = AnsiString("/nonexistent/dir/a.r2");
    const struct {
        TMenuItem* command;
        std::optional<AnsiString> saveAs;
    } cases[] = {{f->Exit1, cancelled}, {f->New1, cancelled},   {f->Open1, cancelled},
                 {f->Read1, cancelled}, {f->Exit1, unwritable}, {f->Read1, unwritable}};
    for (const auto& c : cases) {
        f->SetMemoryRecord(3, record);
        f->ModifiedFlag = 1;
        Welcome->ShowForm(); // closing the main window would close it too
        TestSeam().FileDialogTitles.clear();
        TestSeam().MessageBoxAnswers = {IDYES};
        TestSeam().FileDialogAnswers = {c.saveAs, std::nullopt};
        c.command->Click();
        const AnsiString what = c.command->Caption() + (c.saveAs ? " unwritable" : " cancelled");
        EXPECT_EQ(TestSeam().FileDialogTitles.size(), 1u) << what; // no open dialog after it
        EXPECT_EQ(modal, 0) << what;
        EXPECT_TRUE(Welcome->Visible()) << what;
        EXPECT_EQ(f->GetMemoryRecord(3), record) << what;
        EXPECT_EQ(f->ModifiedFlag, 1) << what;
        EXPECT_EQ(f->Caption(), "WYX-R2M [Untitled]") << what;
    }
}

TEST_F(RadioCommands, AfterAReadTheTypeReadIsLaidOutAndStored) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    TestSeam().OnShowModal = [&](TForm*) {
        // What a read of a region-'0' radio hands over.
        ReadForm->ReadDocument.SetRadioType("1,0,0E,,,,");
        ReadForm->ReadDocument.SetBandLimits("00144,00145,00430,00439,00430,00439");
        return mrOk;
    };
    f->Read1Click(f);
    EXPECT_EQ(f->LastChannel, 149);
    EXPECT_EQ(f->StringGrid1->RowCount(), 171);
    EXPECT_EQ(f->TabSheet3->Caption(), "VELTANO menu");
    EXPECT_EQ(ReadSetting("Type"), "1,0,0E,,,,");
    EXPECT_EQ(ReadSetting("Limit5"), "00430,00439");
    EXPECT_EQ(f->ModifiedFlag, 0);
}

TEST_F(RadioCommands, WriteRunsOnlyAfterYes) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    std::vector<TForm*> shown;
    TestSeam().OnShowModal = [&](TForm* form) {
        shown.push_back(form);
        return mrOk;
    };
    f->ModifiedFlag = 1;
    TestSeam().MessageBoxAnswers = {IDNO};
    f->Write1Click(f);
    EXPECT_TRUE(shown.empty());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "Do you want to write the data to the radio?");
    EXPECT_EQ(Boxes()[0].Flags, 36);
    TestSeam().MessageBoxAnswers = {IDYES};
    f->Write1Click(f);
    EXPECT_EQ(shown, std::vector<TForm*>{WriteForm});
    EXPECT_EQ(f->ModifiedFlag, 1);
    EXPECT_EQ(f->Caption(), "WYX-R2M [Untitled]");
}

TEST_F(MainWindow, HelpTellsWhenTheHelpFileCannotBeOpened) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    TestSeam().HelpAvailable = true;
    f->Help2Click(f);
    EXPECT_TRUE(Boxes().empty());
    TestSeam().HelpAvailable = false;
    f->Help2Click(f);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Flags, 48);
    EXPECT_NE(Boxes()[0].Text.find("cannot be opened"), AnsiString::npos);
}

TEST_F(MainWindow, AboutShowsTheAboutBox) {
    TMainForm* f = MakeWithType("1,1,00,,,,");
    std::vector<TForm*> shown;
    TestSeam().OnShowModal = [&](TForm* form) {
        shown.push_back(form);
        return mrOk;
    };
    f->About1->Click();
    EXPECT_EQ(shown, std::vector<TForm*>{AboutBox});
    EXPECT_EQ(AboutBox->Caption(), "About WYX-R2M");
    EXPECT_EQ(AboutBox->Version->Caption(), "beta Version 0.00");
}
} // namespace
