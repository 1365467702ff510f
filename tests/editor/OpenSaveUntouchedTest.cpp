// What a document's menu values become when it is opened and saved.
#include "MainFormFixture.h"
#include "earlier/EarlierProgram.h"
#include "editor/model/DocumentFile.h"
#include "platform/FileIo.h"

namespace editortest {
namespace {

const char* const InvalidData = "Invalid data.\nPlease check and try again.";
const char* const InvalidCharacter = "Invalid character.\nPlease check and try again.";

struct Opened {
    const TProgramVariant& (*program)();
    const char* type;
    int slot; // APRS menu slot
    const char* loaded;
    const char* kept;             // what the page shows and the document holds after Open
    const char* told = nullptr;   // the check's message, if it tells
    const char* edited = nullptr; // position: after the longitude degrees are changed to 140
};

class OpenSave : public MainFormTest, public ::testing::WithParamInterface<Opened> {
  protected:
    OpenSave() { program_ = &GetParam().program(); }
};

// A value the page checks accept comes back byte for byte, whatever the document shown before
// it and whichever position layout the radio type shows; one they refuse or correct is told as
// when typed, and the document holds what the page shows.
TEST_P(OpenSave, KeepsWhatTheChecksAccept) {
    const Opened& c = GetParam();
    TMainForm* f = MakeWithType(c.type);
    const std::filesystem::path& dir = ScratchDir();
    const AnsiString before = (dir / "before.r2").string(), path = (dir / "doc.r2").string();
    std::string error;
    // The document shown first has both tone alerts on, another position, and a limit and a
    // group code its controls show as "0010" and "A B".
    f->SetRadioMenuItem(3, "1");
    f->SetRadioMenuItem(4, "1");
    f->SetAprsMenuItem(4, "12345011123450011");
    f->SetAprsMenuItem(7, "A B");
    f->SetAprsMenuItem(9, "0010");
    ASSERT_TRUE(WriteFileAtomically(before, WriteDocumentText(*f, "before"), error));
    f->ClearDocument(); // tone alerts "0," as the default document holds them
    f->SetAprsMenuItem(c.slot, c.kept);
    const AnsiString expected = WriteDocumentText(*f, "doc");
    f->SetAprsMenuItem(c.slot, c.loaded);
    ASSERT_TRUE(WriteFileAtomically(path, WriteDocumentText(*f, "doc"), error));

    TestSeam().FileDialogAnswers = {before, path};
    f->Open1Click(f);
    f->Open1Click(f);
    f->Save1Click(f);
    AnsiString saved;
    EXPECT_TRUE(ReadWholeFile(path, saved));
    EXPECT_EQ(saved, expected);
    ASSERT_EQ(Boxes().size(), c.told ? 1u : 0u);
    if (c.told) {
        EXPECT_EQ(Boxes()[0].Text, c.told);
    }
    if (c.slot != 4) return;

    // An edit stores what the fields show.
    (f->RegionDigit() == '0' ? f->MaskEdit4 : f->MaskEdit9)->SetText("140");
    EXPECT_EQ(f->GetAprsMenuItem(4), c.edited);
    // Any refresh shows a position without rebuilding it.
    f->SetAprsMenuItem(4, "12345011123450011");
    f->RefreshAllControls();
    f->SetAprsMenuItem(4, c.kept);
    f->RefreshAllControls();
    EXPECT_EQ(f->GetAprsMenuItem(4), c.kept);
}

// A position the fields accept, and what it becomes when the longitude degrees are edited.
Opened Position(const TProgramVariant& (*program)(), const char* type, const char* position,
                const char* edited) {
    return {program, type, 4, position, position, nullptr, edited};
}

// Region '0' shows seconds with one decimal, the others minutes with two decimals; a position
// of the other layout is shown in the type's own fields.
INSTANTIATE_TEST_SUITE_P(
    MenuValues, OpenSave,
    ::testing::Values(
        Position(LaterProgram, "1,0,0E,,,,", "35413250139461230", "35413250140461230"),
        Position(LaterProgram, "1,2,00,1,1,,", "35413250139461230", "35413200140461200"),
        Position(LaterProgram, "1,1,00,,1,,", "35413201139461201", "35413201140461201"),
        Position(LaterProgram, "1,0,0E,,,,", "35413201139461201", "35413201140461201"),
        Position(EarlierProgram, "1,0,0E,,,,", "35413259139461239", "35413251140461231"),
        Position(EarlierProgram, "1,3,08,,,,", "35413250139461230", "35413200140461200"),
        Position(EarlierProgram, "1,2,00,1,1,,", "51285901000072501", "51285901140072501"),
        // Fields above their limits are held there, told once per field.
        Opened{LaterProgram, "1,2,00,1,1,,", 4, "95301200139461200", "90301200139461200",
               InvalidData, "90301200140461200"},
        Opened{EarlierProgram, "1,1,00,,1,,", 4, "35650000139000000", "35599900139000000",
               InvalidData, "35599900140000000"},
        Opened{LaterProgram, "1,0,0E,,,,", 4, "95000000139000000", "90000000139000000",
               InvalidCharacter, "90000000140000000"},
        // Position limit: at most 2500, in tens.
        Opened{LaterProgram, "1,2,00,1,1,,", 9, "0120", "0120"},
        Opened{LaterProgram, "1,2,00,1,1,,", 9, "9999", "2500", InvalidData},
        Opened{EarlierProgram, "1,2,00,1,1,,", 9, "3000", "2500", InvalidData},
        Opened{LaterProgram, "1,2,00,1,1,,", 9, "0015", "0010"},
        Opened{EarlierProgram, "1,3,08,,,,", 9, "0015", "0010"},
        Opened{EarlierProgram, "1,2,00,1,1,,", 9, "0125", "0120"},
        // Group code: upper case, a blank as "0".
        Opened{LaterProgram, "1,0,0E,,,,", 7, "a b", "A0B"},
        Opened{EarlierProgram, "1,0,0E,,,,", 7, "A B", "A0B"}));

// The distance unit beside the position limit says what the Unit list shows, for a document
// opened at start-up and by Open.
using UnitLabel = MainFormTest;

TEST_F(UnitLabel, FollowsTheUnitList) {
    const struct {
        const TProgramVariant& (*program)();
        const char* type;
        const char* units;
        int shown;        // the Unit list's index
        const char* unit; // the caption beside the distance
    } cases[] = {{LaterProgram, "1,1,00,,1,,", "1", 1, "km"},
                 {LaterProgram, "1,1,00,,1,,", "0", 0, "mile"},
                 {LaterProgram, "1,2,00,1,1,,", "1", 1, "km"},
                 {EarlierProgram, "1,3,08,,,,", "0", 0, "mile"}};
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
        auto expectShown = [f, &c] {
            EXPECT_EQ(f->ComboBox13->ItemIndex(), c.shown);
            EXPECT_TRUE(f->Label16->Visible());
            EXPECT_EQ(f->Label16->Caption(), c.unit);
        };
        expectShown();
        SetArguments({});
        TestSeam().FileDialogAnswers = {path};
        f->Open1Click(f);
        expectShown();
    }
}

} // namespace
} // namespace editortest
