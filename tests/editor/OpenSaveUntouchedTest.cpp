// A document opened and saved untouched comes back byte for byte, whatever the document shown
// before it and whichever position layout the radio type shows.
#include "MainFormFixture.h"
#include "earlier/EarlierProgram.h"
#include "editor/model/DocumentFile.h"
#include "platform/FileIo.h"

namespace editortest {
namespace {

struct Untouched {
    const TProgramVariant& (*program)();
    const char* type;
    const char* position;
    const char* edited; // after the latitude degrees are changed to 36
};

class OpenSaveUntouched : public MainFormTest, public ::testing::WithParamInterface<Untouched> {
  protected:
    OpenSaveUntouched() { program_ = &GetParam().program(); }
};

TEST_P(OpenSaveUntouched, KeepsEveryByte) {
    const Untouched& c = GetParam();
    TMainForm* f = MakeWithType(c.type);
    const std::filesystem::path& dir = ScratchDir();
    const AnsiString before = (dir / "before.r2").string(), path = (dir / "doc.r2").string();
    std::string error;
    // The document shown first has both tone alerts on and another position.
    f->SetRadioMenuItem(3, "1");
    f->SetRadioMenuItem(4, "1");
    f->SetAprsMenuItem(4, "12345671123456711");
    ASSERT_TRUE(WriteFileAtomically(before, WriteDocumentText(*f, "before"), error));
    f->ClearDocument(); // tone alerts "0," as the default document holds them
    f->SetAprsMenuItem(4, c.position);
    const AnsiString text = WriteDocumentText(*f, "doc");
    ASSERT_TRUE(WriteFileAtomically(path, text, error));

    TestSeam().FileDialogAnswers = {before, path};
    f->Open1Click(f);
    f->Open1Click(f);
    f->Save1Click(f);
    AnsiString saved;
    EXPECT_TRUE(ReadWholeFile(path, saved));
    EXPECT_EQ(saved, text);
    EXPECT_TRUE(Boxes().empty());

    // Any refresh shows a position without rebuilding it; an edit stores what the fields show.
    f->SetAprsMenuItem(4, "12345671123456711");
    f->RefreshAllControls();
    f->SetAprsMenuItem(4, c.position);
    f->RefreshAllControls();
    EXPECT_EQ(f->GetAprsMenuItem(4), c.position);
    (f->RegionDigit() == '0' ? f->MaskEdit1 : f->MaskEdit7)->SetText("36");
    EXPECT_EQ(f->GetAprsMenuItem(4), c.edited);
}

// Region '0' shows seconds with one decimal, the others minutes with two decimals; a position
// of the other layout is shown in the type's own fields.
INSTANTIATE_TEST_SUITE_P(
    Positions, OpenSaveUntouched,
    ::testing::Values(
        Untouched{LaterProgram, "1,0,0E,,,,", "35413250139461230", "36413250139461230"},
        Untouched{LaterProgram, "1,2,00,1,1,,", "35413250139461230", "36413200139461200"},
        Untouched{LaterProgram, "1,1,00,,1,,", "35413201139461201", "36413201139461201"},
        Untouched{LaterProgram, "1,0,0E,,,,", "35413201139461201", "36413201139461201"},
        Untouched{EarlierProgram, "1,0,0E,,,,", "35413259139461239", "36413251139461231"},
        Untouched{EarlierProgram, "1,3,08,,,,", "35413250139461230", "36413200139461200"},
        Untouched{EarlierProgram, "1,2,00,1,1,,", "51285901000072501", "36285901000072501"}));

// The distance unit beside the position limit says what the Unit list shows, for a document
// opened at start-up and by Open.
using UnitLabel = MainFormTest;

TEST_F(UnitLabel, FollowsTheUnitList) {
    const struct {
        const TProgramVariant& (*program)();
        const char* type;
        const char* units;
    } cases[] = {{LaterProgram, "1,1,00,,1,,", "1"},
                 {LaterProgram, "1,1,00,,1,,", "0"},
                 {LaterProgram, "1,2,00,1,1,,", "1"},
                 {EarlierProgram, "1,3,08,,,,", "0"}};
    const AnsiString path = (ScratchDir() / "doc.r2").string();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " units " + c.units);
        program_ = &c.program();
        TMainForm* f = MakeWithType(c.type);
        f->SetAprsMenuItem(9, "0100");
        f->SetAprsMenuItem(12, c.units);
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, WriteDocumentText(*f, ""), error));
        SetArguments({path});
        f = Make();
        f->OpenCommandLineDocument(); // as when the window is first shown
        auto expectShown = [f] {
            EXPECT_TRUE(f->Label16->Visible());
            EXPECT_EQ(f->Label16->Caption(), f->ComboBox13->ItemIndex() == 0 ? "mile" : "km");
        };
        EXPECT_EQ(f->ComboBox13->ItemIndex(), *c.units - '0');
        expectShown();
        SetArguments({});
        TestSeam().FileDialogAnswers = {path};
        f->Open1Click(f);
        expectShown();
    }
}

} // namespace
} // namespace editortest
