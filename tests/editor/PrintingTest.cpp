// The printed listing: line positions, page breaks, region-dependent lines and the print
// command's answers to a missing printer and a cancelled dialog.
#include "MainFormFixture.h"
#include "editor/PrintReport.h"
#include "platform/Charset.h"
#include "platform/Printers.h"
#include <algorithm>
#include <utility>

namespace {

using editortest::MainFormTest;

TMemoryDocument EmptyDocument(const AnsiString& type) {
    TMemoryDocument doc;
    doc.SetRadioType(type);
    doc.LoadDefaults();
    doc.ClearDocument();
    return doc;
}

AnsiString Channel(const AnsiString& label, const AnsiString& freq) {
    return label + "," + freq + ",0,0,0,0,0,,09,,09,000600000,,,,,,";
}

const ReportLine* Find(const std::vector<ReportLine>& lines, const AnsiString& text) {
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const ReportLine& l) { return l.Text == text; });
    return it == lines.end() ? nullptr : &*it;
}

bool HasPrefix(const std::vector<ReportLine>& lines, const AnsiString& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const ReportLine& l) { return l.Text.rfind(prefix, 0) == 0; });
}

TEST(PrintReport, CommentMovesTheFirstHeadingAndChannel) {
    TMemoryDocument doc = EmptyDocument("1,2,00,1,1,,");
    doc.SetMemoryRecord(0, Channel("000", "00145000000"));
    auto plain = BuildPrintReport(doc, "WYX-R2M [a.r2]", "");
    EXPECT_EQ(plain[0].Line, 0);
    EXPECT_EQ(plain[0].Text, "WYX-R2M [a.r2]");
    EXPECT_EQ(plain[1].Line, 2);
    EXPECT_EQ(plain[1].Text, "Memory Channel");
    EXPECT_EQ(plain[2].Line, 3);

    auto commented = BuildPrintReport(doc, "H", AnsiString(60, 'c'));
    EXPECT_EQ(commented[1].Text, "Comment");
    EXPECT_EQ(commented[1].Line, 2);
    EXPECT_EQ(commented[2].Text, AnsiString(50, 'c'));
    EXPECT_EQ(commented[3].Text, "Memory Channel");
    EXPECT_EQ(commented[3].Line, 5);
    EXPECT_EQ(commented[4].Line, 6);
}

TEST(PrintReport, RecordsBreakAtLineSixtyAndEmptySlotsBreakToo) {
    TMemoryDocument doc = EmptyDocument("1,2,00,1,1,,");
    // Heading on line 2: channels 0..56 fill lines 3..59.
    for (int i = 0; i < 57; ++i)
        doc.SetMemoryRecord(i, Channel(std::to_string(1000 + i).substr(1), "00145000000"));
    doc.SetMemoryRecord(57, Channel("057", "00146000000"));
    auto lines = BuildPrintReport(doc, "H", "");
    const ReportLine* last = Find(lines, "056 145.000MHz 5kHz");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Page, 1);
    EXPECT_EQ(last->Line, 59);
    const ReportLine* moved = Find(lines, "057 146.000MHz 5kHz");
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->Page, 2);
    EXPECT_EQ(moved->Line, 2);

    // Without channel 57 the empty slot after 56 breaks the page; "VFO" stands on line 3.
    doc.ClearMemoryRecord(57);
    lines = BuildPrintReport(doc, "H", "");
    const ReportLine* vfo = Find(lines, "VFO");
    ASSERT_NE(vfo, nullptr);
    EXPECT_EQ(vfo->Page, 2);
    EXPECT_EQ(vfo->Line, 3);
    EXPECT_NE(Find(lines, "H"), nullptr);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const ReportLine& l) { return l.Text == "H" && l.Page == 2; }),
              1);
}

TEST(PrintReport, HeadingOnLine58StaysAndAtCounter58Breaks) {
    TMemoryDocument doc = EmptyDocument("1,2,00,1,1,,");
    // 54 channels fill lines 3..56; counter 57; "VFO" goes on 58.
    for (int i = 0; i < 54; ++i)
        doc.SetMemoryRecord(i, Channel("c", "00145000000"));
    auto lines = BuildPrintReport(doc, "H", "");
    EXPECT_EQ(Find(lines, "VFO")->Page, 1);
    EXPECT_EQ(Find(lines, "VFO")->Line, 58);
    doc.SetMemoryRecord(54, Channel("c", "00145000000"));
    lines = BuildPrintReport(doc, "H", "");
    EXPECT_EQ(Find(lines, "VFO")->Page, 2);
    EXPECT_EQ(Find(lines, "VFO")->Line, 2);
}

TEST(PrintReport, ShortFrequencyIsSkippedAndScanEdgesFollow) {
    TMemoryDocument doc = EmptyDocument("1,2,00,1,1,,");
    doc.SetMemoryRecord(0, Channel("000", "1"));
    doc.SetMemoryRecord(200, Channel("L0", "00145000000"));
    auto lines = BuildPrintReport(doc, "H", "");
    EXPECT_FALSE(HasPrefix(lines, "000 "));
    EXPECT_EQ(lines[2].Text, "L0 145.000MHz 5kHz");
}

TEST(PrintReport, ChannelLineElements) {
    TMemoryDocument doc = EmptyDocument("1,2,00,1,1,,");
    doc.SetMemoryRecord(0, "001,00145000000,2,1,1,1,0,,09,,09,000600000,1,,,,2,Base");
    doc.SetMemoryRecord(1, "002,00145000000,2,3,0,0,1,,09,,12,000600000,,,,,,");
    doc.SetCallRecord(1, "1,00440000000,6,2,0,0,0,,09,,09,005000000,,,00445000000,4,0,");
    doc.SetVfoRecord(1, "2,00145000000,0,0,0,0,0,,99,,09,000600000,,,,,1,");
    AnsiString line;
    FormatChannelLine(doc, selMemory, 0, line);
    EXPECT_EQ(line, "001 145.000MHz 10kHz + R T:88.5Hz Offset:0.60MHz Name:Base RF:Low *");
    FormatChannelLine(doc, selMemory, 1, line);
    EXPECT_EQ(line, "002 145.000MHz 10kHz -7.6 CT:97.4Hz");
    FormatChannelLine(doc, selCall, 1, line);
    EXPECT_EQ(line, "440MHz 440.000MHz 25kHz - TX:445.000MHz 15kHz RF:High");
    FormatChannelLine(doc, selVfo, 1, line);
    EXPECT_EQ(line, "144MHz 145.000MHz 5kHz RF:Mid");
}

TEST(PrintReport, Region3Lines) {
    TMemoryDocument doc;
    doc.SetRadioType("1,3,08,,,,");
    doc.LoadDefaults();
    doc.SetVfoRecord(4, "6,00430000000,6,0,0,0,0,,09,,09,005000000,,,,,,");
    doc.SetProgramVfoRecord(4, "6,00430,00440");
    auto lines = BuildPrintReport(doc, "H", "");
    EXPECT_EQ(Find(lines, "CALL Channel"), nullptr);
    EXPECT_TRUE(HasPrefix(lines, "TX Hold(1750Hz) : "));
    EXPECT_TRUE(HasPrefix(lines, "144MHz TX narrow : "));
    EXPECT_TRUE(HasPrefix(lines, "VHF Tone alert : "));
    EXPECT_TRUE(HasPrefix(lines, "UHF Tone alert : "));
    EXPECT_NE(Find(lines, "APRS Menu"), nullptr);
    EXPECT_NE(Find(lines, "440MHz Program VFO : 430MHz - 440MHz"), nullptr);
    EXPECT_TRUE(HasPrefix(lines, "430MHz 430.000MHz"));
    // Program-VFO lines follow item 27 directly.
    auto narrow = std::find_if(lines.begin(), lines.end(), [](const ReportLine& l) {
        return l.Text.rfind("144MHz TX narrow", 0) == 0;
    });
    ASSERT_NE(narrow + 1, lines.end());
    EXPECT_NE((narrow + 1)->Text.find("Program VFO"), AnsiString::npos);
}

TEST(PrintReport, Region0AndRegion2Lines) {
    TMemoryDocument doc;
    doc.SetRadioType("1,0,0E,,,,");
    doc.LoadDefaults();
    auto lines = BuildPrintReport(doc, "H", "");
    EXPECT_NE(Find(lines, "VELTANO Menu"), nullptr);
    EXPECT_TRUE(HasPrefix(lines, "VHF BELL : "));
    EXPECT_TRUE(HasPrefix(lines, "Language : "));
    EXPECT_FALSE(HasPrefix(lines, "Advanced Intercept Point : "));
    EXPECT_TRUE(HasPrefix(lines, "Message : "));
    EXPECT_FALSE(HasPrefix(lines, "Position comment : "));
    EXPECT_EQ(Find(lines, "Halcyra Menu"), nullptr);

    doc.SetRadioType("1,2,00,1,1,,");
    doc.LoadDefaults();
    lines = BuildPrintReport(doc, "H", "");
    const ReportLine* sstv = Find(lines, "SSTV Menu");
    const ReportLine* halcyra = Find(lines, "Halcyra Menu");
    ASSERT_NE(halcyra, nullptr);
    EXPECT_GT(halcyra, sstv);
    EXPECT_EQ(lines.back().Text.rfind("Tone frequency : ", 0), 0u);
}

TEST(PrintReport, MenuValueTexts) {
    TMemoryDocument doc = EmptyDocument("1,2,00,1,1,,");
    doc.SetRadioMenuItem(3, "0,");
    doc.SetRadioMenuItem(19, "1,0");
    doc.SetRadioMenuItem(16, "08");
    doc.SetAprsMenuItem(10, "6");
    doc.SetDtmfRecord(0, "05,123,Home");
    doc.SetDtmfRecord(1, "5,456,");
    auto lines = BuildPrintReport(doc, "H", "");
    EXPECT_NE(Find(lines, "VHF Tone alert : OFF"), nullptr);
    EXPECT_NE(Find(lines, "Automatic Power Off : 30minutes"), nullptr);
    EXPECT_NE(Find(lines, "Contrast : Level 8"), nullptr);
    EXPECT_NE(Find(lines, "TX interval : 20minutes"), nullptr);
    EXPECT_NE(Find(lines, "05 123 Name:Home"), nullptr);
    EXPECT_NE(Find(lines, "5 456"), nullptr);
    for (const ReportLine& l : lines)
        EXPECT_LT(l.Line, PrintLayout::LinesPerPage);
}

TEST(PrintReport, ShortPositionAndIconItemsDoNotOverrun) {
    TMemoryDocument doc = EmptyDocument("1,0,0E,,,,");
    doc.SetAprsMenuItem(4, "35");
    doc.SetAprsMenuItem(5, "0");
    auto lines = BuildPrintReport(doc, "H", "");
    EXPECT_NE(Find(lines, "Icon : "), nullptr);
    EXPECT_TRUE(HasPrefix(lines, "Position : 35"));
}

class PrintCommandTest : public MainFormTest {};

TEST_F(PrintCommandTest, NoPrinterShowsTheMessageOnly) {
    TMainForm* f = MakeWithType("1,2,00,1,1,,");
    TestSeam().PrinterCount = 0;
    TestSeam().PrintDialogAnswers = {true};
    f->Print1Click(f->Print1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Text, "There is no default printer.");
    EXPECT_EQ(Boxes()[0].Caption, "WYX-R2M");
    EXPECT_EQ(Boxes()[0].Flags, MB_OK | MB_ICONWARNING);
    EXPECT_TRUE(TestSeam().Printed.empty());
    EXPECT_EQ(TestSeam().PrintDialogAnswers.size(), 1u);
}

TEST_F(PrintCommandTest, CancelledDialogPrintsNothing) {
    TMainForm* f = MakeWithType("1,2,00,1,1,,");
    TestSeam().PrintDialogAnswers = {false};
    f->Print1Click(f->Print1);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(TestSeam().Printed.empty());
}

TEST_F(PrintCommandTest, PrintsTheCaptionAndKeepsTheDocumentUnchanged) {
    TMainForm* f = MakeWithType("1,2,00,1,1,,");
    f->ModifiedFlag = 0;
    TestSeam().PrintDialogAnswers = {true, true};
    f->Print1Click(f->Print1);
    auto& printed = TestSeam().Printed;
    ASSERT_FALSE(printed.empty());
    const int lineHeight = Printer()->PageHeight() / PrintLayout::LinesPerPage;
    EXPECT_EQ(printed[0].Text, f->Caption());
    EXPECT_EQ(printed[0].X, 200);
    EXPECT_EQ(printed[1].Y, 2 * lineHeight);
    EXPECT_EQ(Printer()->CanvasFont().Height, lineHeight - 5);
    EXPECT_EQ(f->ModifiedFlag, 0);
    EXPECT_FALSE(Printer()->Printing());
    // A second job starts afresh on page 1.
    printed.clear();
    f->Print1Click(f->Print1);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed[0].Page, 1);
}

// The printer's font takes the document's character set, as the screen fonts do: region '0'
// names print as half-width katakana.
TEST_F(PrintCommandTest, PrinterFontCarriesTheDocumentsCharacterSet) {
    for (const auto& [type, charset] :
         {std::pair{"1,0,0E,,,,", SHIFTJIS_CHARSET}, std::pair{"1,2,00,1,1,,", ANSI_CHARSET},
          std::pair{"1,0,0E,,,,", SHIFTJIS_CHARSET}}) {
        TMainForm* f = MakeWithType(type);
        TestSeam().PrintDialogAnswers = {true};
        f->Print1Click(f->Print1);
        EXPECT_EQ(Printer()->CanvasFont().Charset, charset) << type;
        EXPECT_EQ(Printer()->CanvasFont().Charset, f->StringGrid1->Font().Charset()) << type;
    }
}

TEST_F(PrintCommandTest, TxIntervalIsTheOneTheAprsPageShows) {
    const struct {
        const char* type;
        int index;
        const char* printed;
    } cases[] = {{"1,0,0E,,,,", 2, "3minutes"},  {"1,0,0E,,,,", 5, "30minutes"},
                 {"1,1,00,,,,", 2, "2minutes"},  {"1,2,00,1,1,,", 3, "3minutes"},
                 {"1,3,08,,,,", 6, "20minutes"}, {"1,3,08,,,,", 7, "30minutes"},
                 {"1,2,00,1,1,,", 4, "5minutes"}};
    for (const auto& c : cases) {
        TMainForm* f = MakeWithType(c.type);
        f->ComboBox8->SetItemIndex(c.index); // the user's choice in the list
        f->ComboBox8->OnChange(f->ComboBox8);
        AnsiString shown = f->ComboBox8->Text(); // "3min"
        ASSERT_EQ(shown.substr(shown.size() - 3), "min");
        EXPECT_EQ(shown + "utes", c.printed) << c.type << " " << c.index;
        TestSeam().Printed.clear();
        TestSeam().PrintDialogAnswers = {true};
        f->Print1Click(f->Print1);
        const auto& printed = TestSeam().Printed;
        EXPECT_TRUE(std::any_of(
            printed.begin(), printed.end(),
            [&](const auto& p) { return p.Text == AnsiString("TX interval : ") + c.printed; }))
            << c.type << " " << c.index;
    }
}

} // namespace
