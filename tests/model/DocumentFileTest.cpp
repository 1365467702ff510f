// The document file: golden files per radio type, round trips and the reader's edge cases.
#include "editor/model/DocumentFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const char* const TypeOfRegion[] = {"1,0,0E,,1,1,", "1,1,05,,,,", "1,2,00,1,1,,", "1,3,08,,,1,"};

std::string Golden(int region) {
    const auto path = std::filesystem::path(__FILE__).parent_path() / "golden" /
                      ("region" + std::to_string(region) + ".r2");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh document of a radio type, laid out and filled with its defaults.
void Prepare(TMemoryDocument& doc, const char* type) {
    doc.SetRadioType(type);
    doc.LastChannel = doc.ChannelsLastForType();
    doc.SetBandLimits("00118,00135,00144,00147,00430,00440");
    doc.ClearDocument();
}

// The document the golden files hold.
void FillSample(TMemoryDocument& doc) {
    const int n = doc.LastChannel;
    doc.SetMemoryRecord(0, "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,HOME");
    doc.SetMemoryRecord(5, "005,00433500000,6,1,0,1,0,,12,,09,005000000,1,0,,,,HO,ME");
    doc.SetMemoryRecord(7, "007,"); // too short to be written
    doc.SetMemoryRecord(n + 1, "L0,00144000000,3,0,0,0,0,,09,,09,000600000,,0,,,,");
    doc.SetMemoryRecord(n + 20, "U9,00146000000,3,0,0,0,0,,09,,09,000600000,,0,,,,");
    doc.SetDtmfRecord(0, "00,123ABC*#,HOME");
    doc.SetDtmfRecord(4, "4");
    doc.SetDtmfRecord(9, "09,5,A,B");
    doc.SetRadioMenuItem(15, "Hi,there");
    doc.SetAprsMenuItem(0, "JA1ABC-9");
}

void ExpectSameDocument(const TMemoryDocument& a, const TMemoryDocument& b) {
    for (int i = 0; i < Slots::MemoryCount; ++i)
        EXPECT_EQ(a.GetMemoryRecord(i), b.GetMemoryRecord(i)) << "memory " << i;
    for (int i = 0; i < Slots::CallCount; ++i)
        EXPECT_EQ(a.GetCallRecord(i), b.GetCallRecord(i));
    for (int i = 0; i < Slots::VfoCount; ++i) {
        EXPECT_EQ(a.GetVfoRecord(i), b.GetVfoRecord(i)) << "VFO " << i;
        EXPECT_EQ(a.GetProgramVfoRecord(i), b.GetProgramVfoRecord(i)) << "program VFO " << i;
    }
    for (int i = 0; i < Slots::DtmfCount; ++i)
        EXPECT_EQ(a.GetDtmfRecord(i), b.GetDtmfRecord(i)) << "DTMF " << i;
    for (int i = 0; i < Slots::RadioMenuCount; ++i)
        EXPECT_EQ(a.GetRadioMenuItem(i), b.GetRadioMenuItem(i)) << "menu " << i;
    for (int i = 0; i < Slots::AprsCount; ++i)
        EXPECT_EQ(a.GetAprsMenuItem(i), b.GetAprsMenuItem(i)) << "APRS " << i;
    for (int i = 0; i < Slots::SstvCount; ++i)
        EXPECT_EQ(a.GetSstvMenuItem(i), b.GetSstvMenuItem(i)) << "SSTV " << i;
    for (int i = 0; i < Slots::RemoteCount; ++i)
        EXPECT_EQ(a.GetRemoteMenuItem(i), b.GetRemoteMenuItem(i)) << "HALCYRA " << i;
}

TEST(DocumentFile, WriterMatchesHandWrittenFiles) {
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        TMemoryDocument doc;
        Prepare(doc, TypeOfRegion[r]);
        FillSample(doc);
        const std::string golden = Golden(r);
        ASSERT_FALSE(golden.empty());
        EXPECT_EQ(WriteDocumentText(doc, "Test\tcomment"), golden);
    }
}

TEST(DocumentFile, ReaderRestoresHandWrittenFiles) {
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        TMemoryDocument expected, read;
        Prepare(expected, TypeOfRegion[r]);
        FillSample(expected);
        expected.ClearMemoryRecord(7); // not in the file
        expected.ClearDtmfRecord(4);
        Prepare(read, TypeOfRegion[r]);
        read.SetRemoteMenuItem(0, "CHANGED"); // only the region-'2' file restores it
        AnsiString comment = "old";
        ReadDocumentText(read, Golden(r), comment);
        EXPECT_EQ(comment, "Test\tcomment");
        if (r != 2) expected.SetRemoteMenuItem(0, "CHANGED");
        ExpectSameDocument(read, expected);
    }
}

TEST(DocumentFile, FullDocumentRoundTrip) {
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        TMemoryDocument doc, back;
        Prepare(doc, TypeOfRegion[r]);
        const int n = doc.LastChannel;
        for (int i = 0; i <= n + 20; ++i) {
            char label[12];
            std::snprintf(label, sizeof label, "%03d", i);
            AnsiString l =
                i <= n ? AnsiString(label)
                       : AnsiString(1, (i - n - 1) % 2 ? 'U' : 'L') + char('0' + (i - n - 1) / 2);
            doc.SetMemoryRecord(i, l + ",00145" + label +
                                       "000,3,0,0,0,0,x,09,y,09,000600000,1,,"
                                       ",,,N" +
                                       std::to_string(i % 7) + ",a,b");
        }
        for (int i = 0; i < 10; ++i)
            doc.SetDtmfRecord(i, "0" + std::to_string(i) + ",12*#,N,X");
        for (int i = 0; i < 28; ++i)
            doc.SetRadioMenuItem(i, i % 3 ? "" : "1,0");
        for (int i = 0; i < 14; ++i)
            doc.SetAprsMenuItem(i, i == 13 ? "RELAY,WIDE" : "");
        for (int i = 0; i < 6; ++i)
            doc.SetSstvMenuItem(i, std::to_string(i));
        doc.SetRemoteMenuItem(0, "R2D2");
        doc.SetVfoRecord(5, "9,00435000000"); // an unknown band digit belongs to slot 5
        Prepare(back, TypeOfRegion[r]);
        AnsiString comment;
        const AnsiString text = WriteDocumentText(doc, "c,d\te");
        ReadDocumentText(back, text, comment);
        EXPECT_EQ(comment, "c,d\te");
        if (r != 2) back.SetRemoteMenuItem(0, "R2D2");
        ExpectSameDocument(back, doc);
        EXPECT_EQ(back.GetRecordField(selMemory, 3, 17), "N3,a,b");
    }
}

class Reading : public ::testing::Test {
  protected:
    void Read(const AnsiString& text, const char* type = "1,1,00,,,,") {
        Prepare(doc, type);
        ReadDocumentText(doc, text, comment);
    }
    TMemoryDocument doc;
    AnsiString comment;
};

TEST_F(Reading, LineEnds) {
    Read("COMMENT\nhello\r\nMEMORY\n001,00145000000\r\nDTMF\r\n03,99,X");
    EXPECT_EQ(comment, "hello");
    EXPECT_EQ(doc.GetMemoryRecord(1), "001,00145000000");
    EXPECT_EQ(doc.GetDtmfRecord(3), "03,99,X"); // last line without a line end
    Read("");
    EXPECT_EQ(comment, "");
    Read("COMMENT");
    EXPECT_EQ(comment, "");
    Read("COMMENT\r\n\r\nMEMORY\r\n\r\n");
    EXPECT_EQ(comment, "");
    Read("C\r\nx\ry\r\nSSTV\r MENU\r\nSSTV\rMENU\r\r\n");
    EXPECT_EQ(comment, "xy");
    EXPECT_EQ(doc.GetSstvMenuItem(0), "SSTVMENU"); // the line before it was a heading
}

TEST_F(Reading, FirstTwoLinesAreNeverHeadings) {
    Read("MEMORY\nMEMORY\n001,x\nMEMORY\n002,y\n");
    EXPECT_EQ(comment, "MEMORY");
    EXPECT_EQ(doc.GetMemoryRecord(1), ""); // before the first heading
    EXPECT_EQ(doc.GetMemoryRecord(2), "002,y");
}

TEST_F(Reading, TabsBecomeCommasButTheCommentKeepsThem) {
    Read("COMMENT\na\tb\nMEMORY\n004\t00145000000\t1\tN,M\n");
    EXPECT_EQ(comment, "a\tb");
    EXPECT_EQ(doc.GetMemoryRecord(4), "004,00145000000,1,N,M");
}

TEST_F(Reading, ScanEdgeAndNumberLabels) {
    const char* file = "C\n\nMEMORY\nU9,1\nL0,2\n150,3\n169,4\n170,5\n199,6\n,7\nX5,8\n1000,9\n"
                       "L9,10\nl0,11\n8,12\n";
    Prepare(doc, "1,0,0E,,,,");
    EXPECT_EQ(ReadDocumentText(doc, file, comment), 4); // 150, 169, 170 and 199 have no row
    EXPECT_EQ(doc.GetMemoryRecord(169), "U9,1");        // channels past N never land in scan edges
    EXPECT_EQ(doc.GetMemoryRecord(150), "L0,2");
    EXPECT_EQ(doc.GetMemoryRecord(168), "L9,10");
    EXPECT_EQ(doc.GetMemoryRecord(8), "8,12");
    for (int i = 170; i < Slots::MemoryCount; ++i)
        EXPECT_EQ(doc.GetMemoryRecord(i), "") << i;
    for (int i : {0, 1, 7, 100, 151})
        EXPECT_EQ(doc.GetMemoryRecord(i), "") << i;

    Read(file, "1,1,00,,,,");
    EXPECT_EQ(doc.GetMemoryRecord(219), "U9,1");
    EXPECT_EQ(doc.GetMemoryRecord(200), "L0,2");
    EXPECT_EQ(doc.GetMemoryRecord(170), "170,5");
    EXPECT_EQ(doc.GetMemoryRecord(199), "199,6");
}

TEST_F(Reading, ChannelSectionsBySlotCharacter) {
    Read("C\n\nCALL\n0,a\n7,b\n\nVFO\n1,a\n2,b\n3,c\n5,d\n6,e\n7,f\n9,g\n\n");
    EXPECT_EQ(doc.GetCallRecord(0), "0,a");
    EXPECT_EQ(doc.GetCallRecord(1), "7,b"); // an empty line does not clear it
    const char* vfo[] = {"1,a", "2,b", "3,c", "5,d", "6,e", "9,g"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(doc.GetVfoRecord(i), vfo[i]);
}

TEST_F(Reading, DtmfNumbers) {
    Read("C\n\nDTMF\n0,a\n09,b\n10,c\n,d\nx,e\n5\n007,f\n0001,g\n");
    EXPECT_EQ(doc.GetDtmfRecord(0), "0,a");
    EXPECT_EQ(doc.GetDtmfRecord(9), "09,b");
    EXPECT_EQ(doc.GetDtmfRecord(7), "007,f");
    EXPECT_EQ(doc.GetDtmfRecord(1), "");
    EXPECT_EQ(doc.GetDtmfRecord(5), "");
}

TEST_F(Reading, MenusCountTheirLinesAndHeadingsSwitchAnywhere) {
    AnsiString file = "C\n\nRADIO MENU\n";
    for (int i = 0; i < 28; ++i)
        file += std::to_string(i) + "\n";
    file += "2\t00144\t00148\n\n8\t00800\t00900\nVELTANO MENU\n";
    for (int i = 0; i < 16; ++i)
        file += "A" + std::to_string(i) + "\n";
    file += "SSTV MENU\nme\nCALL\n0,call\nHALCYRA MENU\nX\nY\nZ\nW\n";
    Read(file, "1,2,00,,,,");
    EXPECT_EQ(doc.GetRadioMenuItem(27), "27");
    EXPECT_EQ(doc.GetProgramVfoRecord(1), "2,00144,00148");
    EXPECT_EQ(doc.GetProgramVfoRecord(5), "8,00800,00900");
    EXPECT_EQ(doc.GetAprsMenuItem(13), "A13");
    EXPECT_EQ(doc.GetSstvMenuItem(0), "me");
    EXPECT_EQ(doc.GetSstvMenuItem(1), "7"); // "CALL" cannot be a colour: it switched the section
    EXPECT_EQ(doc.GetCallRecord(0), "0,call");
    EXPECT_EQ(doc.GetRemoteMenuItem(2), "Z");
}

TEST_F(Reading, HeadingWordsAsMenuValuesSurviveARoundTrip) {
    TMemoryDocument doc2;
    Prepare(doc2, "1,2,00,,,,");
    doc2.SetRadioMenuItem(0, "DTMF");
    doc2.SetRadioMenuItem(15, "MEMORY");
    doc2.SetAprsMenuItem(11, "SSTV MENU");
    doc2.SetAprsMenuItem(7, "VFO");
    doc2.SetSstvMenuItem(2, "CALL");
    doc2.SetRemoteMenuItem(0, "APRS MENU");
    const AnsiString written = WriteDocumentText(doc2, "CALL");
    Read(written, "1,2,00,,,,");
    EXPECT_EQ(comment, "CALL");
    EXPECT_EQ(doc.GetRadioMenuItem(0), "DTMF");
    EXPECT_EQ(doc.GetRadioMenuItem(15), "MEMORY");
    EXPECT_EQ(doc.GetAprsMenuItem(11), "SSTV MENU");
    EXPECT_EQ(doc.GetAprsMenuItem(7), "VFO");
    EXPECT_EQ(doc.GetAprsMenuItem(12), "0");
    EXPECT_EQ(doc.GetSstvMenuItem(2), "CALL");
    EXPECT_EQ(doc.GetSstvMenuItem(3), "7");
    EXPECT_EQ(doc.GetRemoteMenuItem(0), "APRS MENU");
    EXPECT_EQ(doc.GetCallRecord(1), "1,00440000000,6,0,0,0,0,,09,,09,005000000,,,,,,");

    // A short section ends at a heading too long for the next slot.
    Read("C\n\nRADIO MENU\n1\nAPRS MENU\nJA1ABC\n");
    EXPECT_EQ(doc.GetRadioMenuItem(0), "1");
    EXPECT_EQ(doc.GetRadioMenuItem(1), "1"); // default kept
    EXPECT_EQ(doc.GetAprsMenuItem(0), "JA1ABC");
}

TEST_F(Reading, OverlongLinesAndNulAreCut) {
    const AnsiString longLine = "001," + AnsiString(200, 'x');
    Read("C\n" + AnsiString(150, 'c') + "\nMEMORY\n" + longLine + "\nDTMF\n02," +
         AnsiString(100, '1') + "\nAPRS MENU\n" + AnsiString(80, 'A') + "\n" +
         AnsiString("ab\0cd", 5) + "\n");
    EXPECT_EQ(comment.size(), 99u);
    EXPECT_EQ(doc.GetMemoryRecord(1), longLine.substr(0, 99));
    EXPECT_EQ(doc.GetDtmfRecord(2).size(), 29u);
    EXPECT_EQ(doc.GetAprsMenuItem(0), AnsiString(9, 'A'));
    EXPECT_EQ(doc.GetAprsMenuItem(1), "ab");
}

TEST(DocumentWriting, FiltersAndLineBreaksInValues) {
    TMemoryDocument doc;
    Prepare(doc, "1,1,00,,,,");
    doc.SetMemoryRecord(3, "0030");
    doc.SetMemoryRecord(4, "00400");
    doc.SetDtmfRecord(1, "1");
    doc.SetDtmfRecord(2, "02");
    doc.SetSstvMenuItem(2, "a\nb");
    const AnsiString text = WriteDocumentText(doc, "one\r\ntwo");
    EXPECT_NE(text.find("\r\none  two\r\n"), AnsiString::npos);
    EXPECT_EQ(text.find("0030"), AnsiString::npos);
    EXPECT_NE(text.find("\r\n00400\r\n"), AnsiString::npos);
    EXPECT_NE(text.find("DTMF\r\n02\r\nRADIO"), AnsiString::npos);
    EXPECT_NE(text.find("\r\na b\r\n"), AnsiString::npos);
    EXPECT_EQ(text.find("HALCYRA"), AnsiString::npos);
    EXPECT_EQ(text.substr(text.size() - 3), "7\r\n");
}

TEST(Tabify, WhichCommasBecomeTabs) {
    AnsiString mem = "000,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,HO,ME";
    TabifyMemoryRecord(mem);
    EXPECT_EQ(mem, "000\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\tHO,ME");
    AnsiString dtmf = "01,123,NA,ME";
    TabifyDtmfRecord(dtmf);
    EXPECT_EQ(dtmf, "01\t123\tNA,ME");
    AnsiString rec = "0,,a,";
    TabifyRecord(rec);
    EXPECT_EQ(rec, "0\t\ta\t");
    AnsiString shortRec = "0,1";
    TabifyMemoryRecord(shortRec);
    EXPECT_EQ(shortRec, "0\t1");
}

} // namespace
