// A document of a radio type with more channels, opened through Open and the command line:
// channels without a row are left out with one warning, never stored in the scan-edge rows.
#include "MainFormFixture.h"
#include "earlier/EarlierProgram.h"
#include "editor/model/DocumentFile.h"
#include "platform/FileIo.h"

#include <cstdio>

namespace fs = std::filesystem;

namespace editortest {
namespace {

AnsiString Channel(const char* label) {
    return AnsiString(label) + ",00145000000,5,0,0,0,0,,09,,09,000600000,0,0,,,,CH" + label;
}

// A file of the given type with channels 0, 149, 150, 151, 170 and 199 (as far as the type has
// them) and the scan edges L0 and U9.
AnsiString FileOfType(const char* type) {
    TMemoryDocument doc;
    doc.SetRadioType(type);
    doc.LastChannel = doc.ChannelsLastForType();
    doc.SetBandLimits("00144,00145,00144,00145,00430,00439,00430,00439"); // region '0' defaults
    doc.ClearDocument();
    for (int ch : {0, 149, 150, 151, 170, 199})
        if (ch <= doc.LastChannel) {
            char label[4];
            std::snprintf(label, sizeof label, "%03d", ch);
            doc.SetMemoryRecord(ch, Channel(label));
        }
    doc.SetMemoryRecord(doc.LastChannel + 1, Channel("L0"));
    doc.SetMemoryRecord(doc.LastChannel + 20, Channel("U9"));
    return WriteDocumentText(doc, "cross");
}

class CrossTypeDocument : public MainFormTest {};

TEST_F(CrossTypeDocument, ChannelsWithoutARowAreLeftOutWithOneWarning) {
    const fs::path& dir = ScratchDir();
    const struct {
        const TProgramVariant& (*program)();
        const char* fileType;
        bool commandLine;
    } cases[] = {
        {LaterProgram, "1,1,00,,,,", false},
        {LaterProgram, "1,1,00,,,,", true},
        {EarlierProgram, "1,2,00,1,1,,", false},
        {LaterProgram, "1,0,0E,,,,", false}, // the same type: nothing left out
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fileType) + (c.commandLine ? " command line" : " Open"));
        program_ = &c.program();
        TMainForm* f = MakeWithType("1,0,0E,,,,");
        const AnsiString path = (dir / "doc.r2").string(), saved = (dir / "saved.r2").string();
        const AnsiString file = FileOfType(c.fileType);
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, file, error));
        Boxes().clear();
        if (c.commandLine) {
            SetArguments({path});
            f->OpenCommandLineDocument();
        } else {
            TestSeam().FileDialogAnswers = {path};
            f->Open1Click(f);
        }
        const bool sameType = AnsiString(c.fileType) == "1,0,0E,,,,";
        if (sameType) {
            EXPECT_TRUE(Boxes().empty());
        } else {
            ASSERT_EQ(Boxes().size(), 1u);
            EXPECT_EQ(Boxes()[0].Text, "The file holds memory channels above 149, which this "
                                       "radio type cannot show.\nSaving the document will not "
                                       "keep them.");
            EXPECT_EQ(Boxes()[0].Caption, c.program().Title);
            EXPECT_EQ(Boxes()[0].Flags, MB_OK | MB_ICONWARNING);
        }
        EXPECT_EQ(f->GetMemoryRecord(151), ""); // the "U0" row, not channel 151

        // Saved: channels 0 and 149 and the scan edges of the file, nothing else.
        TestSeam().FileDialogAnswers = {saved};
        f->Save2Click(f);
        AnsiString bytes;
        ASSERT_TRUE(ReadWholeFile(saved, bytes));
        auto memory = [](const AnsiString& t) {
            return t.substr(t.find("MEMORY\r\n"), t.find("CALL\r\n") - t.find("MEMORY\r\n"));
        };
        EXPECT_EQ(memory(bytes), memory(FileOfType("1,0,0E,,,,")));
        if (sameType) {
            EXPECT_EQ(bytes, file);
        }
    }
}

} // namespace
} // namespace editortest
