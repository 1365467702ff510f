// The earlier program's main window: its start state, port menu, icon refresh, clipboard rules
// and documents shared with the later program.
#include "MainFormFixture.h"
#include "earlier/EarlierProgram.h"
#include "platform/Clipbrd.h"
#include "platform/FileIo.h"
#include "tools/radio_sim/RadioSim.h"

namespace fs = std::filesystem;

namespace editortest {
namespace {

class EarlierMainWindow : public MainFormTest {
  protected:
    EarlierMainWindow() { program_ = &EarlierProgram(); }
};

TEST_F(EarlierMainWindow, StartsWithItsOwnTitleMenusAndPageControls) {
    for (const char* type : {"1,0,0E,,,,", "1,1,00,,,,"}) {
        TMainForm* f = MakeWithType(type);
        EXPECT_EQ(f->Caption(), "WYX-R2 [Untitled]");
        EXPECT_FALSE(f->Com3_Mnu->Visible());
        EXPECT_FALSE(f->Com4_Mnu->Visible());
        EXPECT_FALSE(f->MemorySort1->Visible());
        EXPECT_FALSE(f->N4->Visible());
        EXPECT_FALSE(static_cast<bool>(f->MemorySort1->OnClick));
        EXPECT_FALSE(f->Print1->Enabled());
        EXPECT_FALSE(f->SpeedButton9->Enabled());
        EXPECT_FALSE(f->Help2->Enabled());
        EXPECT_TRUE(f->About1->Enabled());
        EXPECT_EQ(f->Edit13->Text(), "APZ901");
        EXPECT_EQ(f->LastValidText(lvEdit13), "APZ901");
        EXPECT_EQ(f->GetAprsMenuItem(11), "APZ901");
        EXPECT_EQ(f->MaskEdit12->EditMask(), "999\\0;1;0");
        EXPECT_EQ(f->Edit17->MaxLength(), 0);
        EXPECT_EQ(f->Edit18->MaxLength(), 0);
        EXPECT_EQ(f->Edit5->Width(), 268) << type;
        EXPECT_LT(f->Edit5->Left() + f->Edit5->Width(), f->GroupBox24->Left());
        EXPECT_EQ(f->ModifiedFlag, 0);
    }
}

// Stored port: which item is checked, and the port the transfer forms open.
TEST_F(EarlierMainWindow, OnlyComOneOrTwoIsCheckedAndAnyOtherPortTransfersOverComOne) {
    const struct {
        const char* stored;
        bool com1, com2;
        int number;
    } cases[] = {
        {"COM1", true, false, 1},  {"COM2", false, true, 2},  {"COM3", false, false, 1},
        {"COM4", false, false, 1}, {"com2", false, false, 1}, {"COM2 ", false, false, 1},
    };
    for (const auto& c : cases) {
        WriteSetting("CommPort", c.stored);
        TMainForm* f = MakeWithType("1,1,00,,,,");
        EXPECT_EQ(f->Com1_Mnu->Checked(), c.com1) << c.stored;
        EXPECT_EQ(f->Com2_Mnu->Checked(), c.com2) << c.stored;
        EXPECT_EQ(f->CommPortName, c.stored);
        EXPECT_EQ(f->GetCommPortNumber(), c.number) << c.stored;
    }
}

TEST_F(EarlierMainWindow, ComMenuChecksAUsablePortAndRefusesAnother) {
    radiosim::RadioSim radio{radiosim::RadioState{}};
    SetPortDevice(2, radio.SlavePath());
    WriteSetting("CommPort", "COM3");
    TMainForm* f = MakeWithType("1,1,00,,,,");
    f->Com2_Mnu->Click();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(f->Com2_Mnu->Checked());
    EXPECT_FALSE(f->Com1_Mnu->Checked());
    EXPECT_EQ(ReadSetting("CommPort"), "COM2");
    EXPECT_EQ(f->GetCommPortNumber(), 2);

    f->Com1_Mnu->SetChecked(true);
    f->Com1_Mnu->Click();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "COM1 is invalid.\nPlease check comport status.");
    EXPECT_EQ(Boxes()[0].Caption, "WYX-R2");
    EXPECT_EQ(Boxes()[0].Flags, 48);
    EXPECT_FALSE(f->Com1_Mnu->Checked());
    EXPECT_TRUE(f->Com2_Mnu->Checked());
    EXPECT_EQ(f->CommPortName, "COM2");
}

TEST_F(EarlierMainWindow, SymbolTableIsShownBySlashOnlyAndTheIconIsKept) {
    const struct {
        const char* icon;
        int table;
    } cases[] = {{"1,/#", 0}, {"1,\\#", 1}, {"1,A#", 1}, {"1,9!", 1}, {"1,/v", 0}};
    TMainForm* f = MakeWithType("1,1,00,,,,");
    for (const auto& c : cases) {
        f->SetAprsMenuItem(5, c.icon);
        f->RefreshAllControls();
        EXPECT_EQ(f->UpDown1->Position(), 15) << c.icon;
        EXPECT_EQ(f->ComboBox6->Text(), AnsiString(1, c.icon[3])) << c.icon;
        EXPECT_EQ(f->ComboBox7->ItemIndex(), c.table) << c.icon;
        EXPECT_EQ(f->ComboBox7->Items().size(), 2u) << c.icon;
        EXPECT_EQ(f->GetAprsMenuItem(5), c.icon);
    }
}

class EarlierClipboard : public EarlierMainWindow {
  protected:
    void SetUp() override {
        EarlierMainWindow::SetUp();
        Clipboard()->Clear();
    }
    void Put(TMainForm* f, const AnsiString& text) {
        AnsiString block = text;
        block.push_back('\0');
        Clipboard()->SetData(f->ClipboardFormat, block);
    }
    bool PasteOffered(TMainForm* f, int grid, int row) {
        f->ActiveGrid = grid;
        (grid == 1 ? f->StringGrid1 : f->DtmfGridInUse())->SetRow(row);
        f->UpdatePasteAvailability();
        return f->Paste1->Enabled();
    }
};

// A channel record in line form, padded with empty fields to the length asked for.
AnsiString ChannelText(size_t length) {
    AnsiString text = "005\t00145500000\t";
    text.resize(length, '\t');
    return text;
}

TEST_F(EarlierClipboard, TextOfTwentyCharactersOrMoreIsAChannelRecord) {
    const struct {
        const TProgramVariant& (*program)();
        size_t length;
        bool memory, dtmf;
    } cases[] = {
        {EarlierProgram, 19, false, true}, {EarlierProgram, 20, true, false},
        {EarlierProgram, 25, true, false}, {EarlierProgram, 29, true, false},
        {EarlierProgram, 30, true, false}, {LaterProgram, 25, false, true},
        {LaterProgram, 29, false, true},   {LaterProgram, 30, true, false},
    };
    for (const auto& c : cases) {
        program_ = &c.program();
        TMainForm* f = MakeWithType("1,1,00,,,,");
        Put(f, ChannelText(c.length));
        EXPECT_EQ(PasteOffered(f, 1, 3), c.memory) << c.program().Title << " " << c.length;
        EXPECT_EQ(PasteOffered(f, 4, 3), c.dtmf) << c.program().Title << " " << c.length;
        // Pasting where it is not offered changes nothing; where it is, the slot holds it.
        f->Paste1Click(f);
        EXPECT_LE(f->GetDtmfRecord(2).size(), 29u);
    }
}

TEST_F(EarlierClipboard, PastedChannelNeverTakesTheAmModeAndDtmfNamesAreTakenUnchecked) {
    TMainForm* f = MakeWithType("1,1,00,1,1,,");
    f->SetMemoryRecord(5, "005,00118500000,5,0,0,0,0,,09,,09,000600000,0,1,,,,TOWER");
    f->ActiveGrid = 1;
    f->StringGrid1->SetRow(6);
    f->Copy1Click(f);
    ASSERT_TRUE(PasteOffered(f, 1, 10));
    f->Paste1Click(f);
    EXPECT_EQ(f->GetRecordField(selMemory, 9, 1), "00118500000");
    EXPECT_EQ(f->GetRecordField(selMemory, 9, 13), "");
    EXPECT_EQ(f->GetRecordField(selMemory, 9, 17), "TOWER");

    // Longer than a memory name and with bytes the name check refuses: kept whole.
    const AnsiString name = "ab\x01\x7f"
                            "CDEFGHIJ";
    Put(f, "0\t1#\t" + name);
    ASSERT_TRUE(PasteOffered(f, 4, 4));
    f->Paste1Click(f);
    EXPECT_EQ(f->GetDtmfRecord(3), "03,1#," + name);
}

// A DTMF record, whatever its length, pastes onto the DTMF rows only, in both programs.
TEST_F(EarlierClipboard, DtmfRecordsPasteOntoDtmfRowsOnly) {
    const struct {
        const TProgramVariant& (*program)();
        const char* code;
    } cases[] = {{EarlierProgram, "00145000000"},
                 {EarlierProgram, "0123456789ABCD*#"},
                 {LaterProgram, "00145000000"},
                 {LaterProgram, "0123456789ABCD*#"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program().Title + " " + c.code);
        program_ = &c.program();
        TMainForm* f = MakeWithType("1,1,00,,,,");
        Put(f, AnsiString("00\t") + c.code + "\tABCDEFGH");
        for (auto [grid, number] :
             {std::pair{f->StringGrid1, 1}, {f->StringGrid2, 2}, {f->StringGrid3, 3}}) {
            grid->SetRow(1);
            f->ActiveGrid = number;
            f->UpdatePasteAvailability();
            EXPECT_FALSE(f->Paste1->Enabled()) << number;
            f->Paste1Click(f);
        }
        EXPECT_EQ(f->GetMemoryRecord(0), "");
        EXPECT_EQ(f->GetVfoRecord(1), "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,");
        ASSERT_TRUE(PasteOffered(f, 4, 4));
        f->Paste1Click(f);
        EXPECT_EQ(f->GetDtmfRecord(3), AnsiString("03,") + c.code + ",ABCDEFGH");
    }
}

// Region '3' shows the tall DTMF grid; the clipboard commands take its selected row.
TEST_F(EarlierClipboard, RegionThreeDtmfCommandsTakeTheShownGridsRow) {
    TMainForm* f = MakeWithType("1,3,08,,,,");
    ASSERT_EQ(f->DtmfGridInUse(), f->StringGrid5);
    f->SetDtmfRecord(6, "06,123,HOME");
    f->StringGrid4->SetRow(2);
    f->ActiveGrid = 4;
    f->StringGrid5->SetRow(7);
    f->Copy1Click(f);
    ASSERT_TRUE(PasteOffered(f, 4, 9));
    f->Paste1Click(f);
    EXPECT_EQ(f->GetDtmfRecord(8), "08,123,HOME");
    EXPECT_EQ(f->GetDtmfRecord(1), "");
}

// A document saved by one program opens in the other with every slot the same, and saved
// again gives the same bytes.
class SharedDocuments : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        dir = ScratchDir();
    }
    static std::vector<AnsiString> EverySlot(const TMainForm& f) {
        std::vector<AnsiString> s{f.GetRadioType()};
        for (int i = 0; i < Slots::MemoryCount; ++i)
            s.push_back(f.GetMemoryRecord(i));
        for (int i = 0; i < Slots::CallCount; ++i)
            s.push_back(f.GetCallRecord(i));
        for (int i = 0; i < Slots::VfoCount; ++i) {
            s.push_back(f.GetVfoRecord(i));
            s.push_back(f.GetProgramVfoRecord(i));
            s.push_back(f.GetBandLimit(i));
        }
        for (int i = 0; i < Slots::DtmfCount; ++i)
            s.push_back(f.GetDtmfRecord(i));
        for (int i = 0; i < Slots::RadioMenuCount; ++i)
            s.push_back(f.GetRadioMenuItem(i));
        for (int i = 0; i < Slots::AprsCount; ++i)
            s.push_back(f.GetAprsMenuItem(i));
        for (int i = 0; i < Slots::SstvCount; ++i)
            s.push_back(f.GetSstvMenuItem(i));
        for (int i = 0; i < Slots::RemoteCount; ++i)
            s.push_back(f.GetRemoteMenuItem(i));
        return s;
    }
    static void Fill(TMainForm& f) {
        f.SetMemoryRecord(0, "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,,,,,HOME");
        f.SetMemoryRecord(7, "007,00433500000,5,2,1,1,0,,12,,09,005000000,1,,00145000000,0,,RPT");
        f.SetMemoryRecord(f.LastChannel + 1, "L0,00144000000,0,0,0,0,0,,09,,09,000600000,,,,,,");
        f.SetCallRecord(1, "1,00435000000,0,0,0,0,1,,09,,20,005000000,,,,,,");
        // A VFO line for every band slot, present in the radio type or not.
        const char* vfos[] = {"1,00120000000,3,0,0,0,0,,09,,09,000600000,,1,,,,",
                              "2,00146520000,3,1,0,1,0,,14,,09,000600000,,,,,2,",
                              "3,00144800000,0,0,0,0,0,,09,,09,000600000,,,,,,",
                              "5,00340000000,3,0,0,0,0,,09,,09,005000000,,,,,,",
                              "6,00433000000,5,2,0,0,1,,09,,15,005000000,,,,,1,",
                              "7,00438000000,0,0,0,0,0,,09,,09,005000000,,,,,,"};
        for (int i = 0; i < Slots::VfoCount; ++i)
            f.SetVfoRecord(i, vfos[i]);
        f.SetDtmfRecord(4, "04,12AB*#,OFFICE");
        f.SetRadioMenuItem(15, "HELLO");
        f.SetAprsMenuItem(0, "AB1CDE-5");
        f.SetAprsMenuItem(5, "1,/#");
        f.SetAprsMenuItem(9, "0120");
        f.SetAprsMenuItem(11, "APZ901");
        f.SetAprsMenuItem(13, "RELAY,WIDE2-2");
        f.SetSstvMenuItem(0, "JA1XYZ");
        if (f.RegionDigit() == '2') f.SetRemoteMenuItem(0, "AB1CDE-1"); // saved on region '2'

        f.Edit2->SetText("shared");
        f.RefreshAllControls();
    }
    fs::path dir;
};

TEST_F(SharedDocuments, EitherProgramOpensWhatTheOtherSaved) {
    const struct {
        const TProgramVariant& (*from)();
        const TProgramVariant& (*to)();
    } directions[] = {{LaterProgram, EarlierProgram}, {EarlierProgram, LaterProgram}};
    // Region '0' has the second UHF VFO, region '2' the HALCYRA menu.
    for (const char* type : {"1,0,0E,1,1,,", "1,2,00,1,1,,"}) {
        for (const auto& d : directions) {
            const AnsiString path = (dir / "a.r2").string(), again = (dir / "b.r2").string();
            program_ = &d.from();
            TMainForm* f = MakeWithType(type);
            Fill(*f);
            const std::vector<AnsiString> saved = EverySlot(*f);
            TestSeam().FileDialogAnswers.assign({path});
            f->Save2Click(f);

            program_ = &d.to();
            TMainForm* g = MakeWithType(type);
            TestSeam().FileDialogAnswers.assign({path, again});
            g->Open1Click(g);
            for (const ShownMessageBox& b : Boxes())
                ADD_FAILURE() << b.Text;
            const std::vector<AnsiString> opened = EverySlot(*g);
            ASSERT_EQ(opened.size(), saved.size());
            for (size_t i = 0; i < saved.size(); ++i)
                EXPECT_EQ(opened[i], saved[i])
                    << type << " from " << d.from().Title << ", slot " << i;
            EXPECT_EQ(g->Edit2->Text(), "shared");
            EXPECT_EQ(g->ModifiedFlag, 0);
            g->Save2Click(g);
            AnsiString first, second;
            ASSERT_TRUE(ReadWholeFile(path, first));
            ASSERT_TRUE(ReadWholeFile(again, second));
            EXPECT_EQ(first, second) << type << " from " << d.from().Title;
        }
    }
}

} // namespace
} // namespace editortest
