// Reply reshaping, record assembly, value mappings and command building, without a port.
#include "transfer/Reshape.h"
#include "transfer/Commands.h"
#include "transfer/ReadRecords.h"

#include <gtest/gtest.h>
#include <random>

using namespace reshape;

TEST(Reshape, DefaultOffsetByBandAndRegion) {
    AnsiString air = "000,00118000000,0,0,0,0,0,,09,,09,,0,1";
    NormalizeMemoryReply(air, '1');
    EXPECT_EQ(air, "000,00118000000,0,0,0,0,0,,09,,09,000600000,0,1");
    AnsiString uhf = "000,00430000000,0,0,0,0,0,,09,,09,,0,1";
    AnsiString uhf3 = uhf;
    NormalizeMemoryReply(uhf, '1');
    NormalizeMemoryReply(uhf3, '3');
    EXPECT_EQ(uhf, "000,00430000000,0,0,0,0,0,,09,,09,005000000,0,1");
    EXPECT_EQ(uhf3, "000,00430000000,0,0,0,0,0,,09,,09,001600000,0,1");
    AnsiString kept = "000,00430000000,0,0,0,0,0,,09,,09,007000000,0,1";
    NormalizeMemoryReply(kept, '1');
    EXPECT_EQ(kept, "000,00430000000,0,0,0,0,0,,09,,09,007000000,0,1");
    AnsiString shortRec = "000,004";
    NormalizeMemoryReply(shortRec, '1');
    EXPECT_EQ(shortRec, "000,004");
}

TEST(Reshape, SwapAndReorderFields) {
    // Mode 0 and lock-out 1 arrive in that order; the document keeps lock-out first.
    AnsiString r = "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,1,,,,NAME";
    SwapTwelfthField(r);
    EXPECT_EQ(r, "000,00145000000,0,0,0,0,0,,09,,09,000600000,1,0,,,,NAME");
    // An empty lock-out swaps as a field, never into the next field.
    AnsiString edge = "L0,00145000000,0,0,0,0,0,,09,,09,000600000,1,,,,,E";
    SwapTwelfthField(edge);
    EXPECT_EQ(edge, "L0,00145000000,0,0,0,0,0,,09,,09,000600000,,1,,,,E");
    AnsiString fewer = "a,b,c";
    SwapTwelfthField(fewer);
    EXPECT_EQ(fewer, "a,b,c");

    AnsiString vfo = "2,00145000000,5,0,0,0,0,,09,,09,000600000,0,,,2,";
    ReorderVfoReply(vfo);
    EXPECT_EQ(vfo, "2,00145000000,5,0,0,0,0,,09,,09,000600000,,0,,,2");
    AnsiString garbage = "xyz,,,3,";
    ReorderVfoReply(garbage);
    EXPECT_EQ(garbage, "xyz,,,3,");
}

TEST(Reshape, MenuValueMappings) {
    EXPECT_EQ(PositionCommentFromRadio("06"), "6");
    EXPECT_EQ(PositionCommentFromRadio("00"), "0");
    EXPECT_EQ(PositionCommentFromRadio("14"), "7");
    EXPECT_EQ(PositionCommentFromRadio("09"), "0");
    EXPECT_EQ(PositionCommentFromRadio("0"), "0");
    EXPECT_EQ(PositionCommentFromRadio(""), "0");
    EXPECT_EQ(PositionCommentToRadio("7"), "14");
    EXPECT_EQ(PositionCommentToRadio("3"), "03");
    EXPECT_EQ(TxIntervalFromRadio("3"), "2");
    EXPECT_EQ(TxIntervalFromRadio("0"), "0");
    EXPECT_EQ(TxIntervalFromRadio(""), "");
    EXPECT_EQ(TxIntervalToRadio("2"), "3");
    EXPECT_EQ(TxIntervalToRadio("0"), "1");
    EXPECT_EQ(GpsUnitFromRadio("2"), "1");
    EXPECT_EQ(GpsUnitFromRadio("1"), "1");
    EXPECT_EQ(FirstAboveOneToZero("2"), "0");
    EXPECT_EQ(FirstAboveOneToZero("1"), "1");
    EXPECT_EQ(BeepToRadio("3"), "1");
    EXPECT_EQ(BeepToRadio("0"), "0");
    EXPECT_EQ(EmptyToZero(""), "0");
    EXPECT_EQ(TrimTrailingBlanks("AB1CD    "), "AB1CD");
    EXPECT_EQ(TrimTrailingBlanks("     "), " ");
    EXPECT_EQ(DtmfCodeFromRadio("05,12EF"), "05,12*#");
    EXPECT_EQ(DtmfCodeToRadio("12*#"), "12EF");
}

TEST(ReadRecords, MemoryChannelFromItsThreeReplies) {
    AnsiString r;
    EXPECT_FALSE(readrec::StartMemory(r, "007", '1')); // empty channel
    ASSERT_TRUE(readrec::StartMemory(r, "007,00145000000,0,0,0,0,0,,09,,09,000600000,0,1", '1'));
    AnsiString noSplit = r;
    readrec::AppendMemorySplit(noSplit, "");
    readrec::FinishMemoryName(noSplit, "        ");
    EXPECT_EQ(noSplit, "007,00145000000,0,0,0,0,0,,09,,09,000600000,1,0,,,,");
    readrec::AppendMemorySplit(r, "00146000000,3");
    readrec::FinishMemoryName(r, "A,B");
    EXPECT_EQ(r, "007,00145000000,0,0,0,0,0,,09,,09,000600000,1,0,00146000000,3,,A,B");

    AnsiString edge;
    ASSERT_TRUE(readrec::StartMemory(edge, "L0,00145000000,0,0,0,0,0,,09,,09,000600000,0,", '1'));
    readrec::AppendScanEdgeSplit(edge, "");
    readrec::FinishScanEdgeName(edge, "");
    EXPECT_EQ(edge, "L0,00145000000,0,0,0,0,0,,09,,09,000600000,,0,,,,");
}

TEST(ReadRecords, CallVfoAndDtmf) {
    AnsiString call;
    readrec::StartCall(call, 1, "00430000000,6,0,0,0,0,,09,,09,,0", '1');
    readrec::FinishCall(call, "00435000000,6");
    EXPECT_EQ(call, "1,00430000000,6,0,0,0,0,,09,,09,005000000,,0,00435000000,6,");
    AnsiString noSplit;
    readrec::StartCall(noSplit, 0, "00145000000,3,0,0,0,0,,09,,09,000600000,0", '1');
    readrec::FinishCall(noSplit, "");
    EXPECT_EQ(noSplit, "0,00145000000,3,0,0,0,0,,09,,09,000600000,,0,,,");

    AnsiString vfo;
    EXPECT_FALSE(readrec::VfoWithoutPower(vfo, "1"));
    ASSERT_TRUE(readrec::VfoWithoutPower(vfo, "3,00144500000,3,0,0,0,0,,09,,09,000600000,0"));
    EXPECT_EQ(vfo, "3,00144500000,3,0,0,0,0,,09,,09,000600000,,0,,,,");
    AnsiString power = "2,00145000000,5,0,0,0,0,,09,,09,000600000,0";
    readrec::FinishVfoPower(power, "2");
    EXPECT_EQ(power, "2,00145000000,5,0,0,0,0,,09,,09,000600000,,0,,,2");

    AnsiString d;
    EXPECT_FALSE(readrec::StartDtmf(d, "00,"));
    ASSERT_TRUE(readrec::StartDtmf(d, "03,1EF"));
    AnsiString oneChar = d;
    readrec::FinishDtmfName(d, "GATE");
    readrec::FinishDtmfName(oneChar, "X");
    EXPECT_EQ(d, "03,1*#,GATE");
    EXPECT_EQ(oneChar, "03,1*#,");
}

TEST(ReadRecords, ArbitraryRepliesStayWithinARecord) {
    std::mt19937 gen(42);
    auto random = [&] {
        AnsiString t(gen() % 120, ' ');
        for (char& c : t)
            c = gen() % 4 == 0 ? ',' : static_cast<char>(' ' + gen() % 90);
        return t;
    };
    for (int i = 0; i < 3000; ++i) {
        AnsiString r;
        readrec::StartMemory(r, random().substr(0, 99), "0123"[i % 4]);
        readrec::AppendMemorySplit(r, random());
        readrec::FinishMemoryName(r, random());
        EXPECT_LE(r.size(), 99u);
        AnsiString e = random().substr(0, 99);
        readrec::AppendScanEdgeSplit(e, random());
        readrec::FinishScanEdgeName(e, random());
        EXPECT_LE(e.size(), 99u);
        AnsiString c;
        readrec::StartCall(c, i % 2, random().substr(0, 99), '1');
        readrec::FinishCall(c, random());
        EXPECT_LE(c.size(), 99u);
        AnsiString v = random().substr(0, 99);
        readrec::FinishVfoPower(v, random());
        EXPECT_LE(v.size(), 99u);
    }
}

namespace {

// A document with one record of each kind the write commands read.
TMemoryDocument WriteDocument() {
    TMemoryDocument d;
    d.SetRadioType("1,1,00,,,,");
    d.LastChannel = 199;
    d.SetMemoryRecord(5, "005,00145000000,0,1,0,1,0,,08,,12,000600000,1,,00146000000,3,,HI,THERE");
    d.SetMemoryRecord(200, "L0,00144000000,3,0,0,0,0,,09,,09,000600000,,0,,,,");
    d.SetMemoryRecord(203, "U1,00430000000,6,0,0,0,0,,09,,09,005000000,,1,00435000000,6,,TOP");
    d.SetVfoRecord(1, "2,00145000000,5,0,0,0,0,,09,,09,000600000,,,,,2,");
    d.SetCallRecord(0, "0,00145000000,3,0,0,0,0,,09,,09,000600000,,1,,,,");
    d.SetDtmfRecord(2, "02,12*#,GATE");
    d.SetDtmfRecord(3, "3,99,");
    d.SetProgramVfoRecord(1, "2,00144,00146");
    d.SetProgramVfoRecord(0, "1,,");
    d.SetBandLimit(1, "00144,00148");
    d.SetBandLimit(0, "");
    return d;
}

AnsiString Cmd(const TMemoryDocument& d, int step, int ci, int si = 0) {
    WriteCommand c = BuildWriteCommand(WriteSteps(), step, {ci, si, 199}, d);
    return c.Send ? c.Text : "(nothing)";
}

} // namespace

TEST(WriteCommands, RecordsGoOutInTheRadiosFieldOrder) {
    TMemoryDocument d = WriteDocument();
    // Mode (empty: "0") before lock-out.
    EXPECT_EQ(Cmd(d, 1, 5), "MW 0,0,005,00145000000,0,1,0,1,0,,08,,12,000600000,0,1");
    EXPECT_EQ(Cmd(d, 2, 5), "MW 0,1,005,00146000000,3");
    EXPECT_EQ(Cmd(d, 3, 5), "MNA 0,005,HI,THERE");
    WriteCommand empty = BuildWriteCommand(WriteSteps(), 1, {6, 0, 199}, d);
    EXPECT_EQ(empty.Step, 15);
    EXPECT_EQ(empty.Text, "MW 0,0,006");
    EXPECT_EQ(Cmd(d, 2, 6), "(nothing)");
    EXPECT_EQ(Cmd(d, 3, 6), "MNA 0,006,");
    EXPECT_EQ(Cmd(d, 4, 200), "MW 0,0,L0,00144000000,3,0,0,0,0,,09,,09,000600000,0,");
    EXPECT_EQ(Cmd(d, 13, 200), "(nothing)");
    EXPECT_EQ(Cmd(d, 12, 200), "(nothing)");
    EXPECT_EQ(Cmd(d, 4, 201), "(nothing)");
    EXPECT_EQ(Cmd(d, 13, 203), "MW 0,1,U1,00435000000,6");
    EXPECT_EQ(Cmd(d, 12, 203), "MNA 0,U1,TOP");
    EXPECT_EQ(Cmd(d, 8, 0, 1), "VW 2,00145000000,5,0,0,0,0,,09,,09,000600000,0");
    EXPECT_EQ(Cmd(d, 8, 0, 0), "(nothing)");
    EXPECT_EQ(Cmd(d, 11, 0, 1), "PC 0,2");
    EXPECT_EQ(Cmd(d, 11, 0, 4), "PC 1,");
    EXPECT_EQ(Cmd(d, 9, 0, 0), "CW 0,0,00145000000,3,0,0,0,0,,09,,09,000600000,1");
    EXPECT_EQ(Cmd(d, 10, 0, 0), "(nothing)");
    EXPECT_EQ(Cmd(d, 7, 2), "DM 02,12EF");
    EXPECT_EQ(Cmd(d, 26, 2), "DMN 02,GATE");
    EXPECT_EQ(Cmd(d, 7, 3), "DM 3,99"); // the record's own number
    EXPECT_EQ(Cmd(d, 26, 3), "DMN 03,");
    EXPECT_EQ(Cmd(d, 7, 4), "DM 04,");
    EXPECT_EQ(Cmd(d, 27, 0, 1), "PV 2,00144,00146");
    EXPECT_EQ(Cmd(d, 27, 0, 0), "(nothing)");
    EXPECT_EQ(Cmd(d, 28, 0, 1), "PV 2,00144,00148");
    EXPECT_EQ(Cmd(d, 28, 0, 0), "(nothing)");
    EXPECT_EQ(Cmd(d, 98, 0, 0), "MW 0,0,L0");
    EXPECT_EQ(Cmd(d, 98, 0, 19), "MW 0,0,U9");
    EXPECT_EQ(Cmd(d, 25, 0, 0), "VMC 0,0");
    EXPECT_EQ(Cmd(d, 25, 0, 1), "VMC 1,0");
    EXPECT_EQ(Cmd(d, 97, 0), "RSV ");
}

TEST(WriteCommands, MenuItemsWithTheirMappings) {
    TMemoryDocument d = WriteDocument();
    d.SetRadioMenuItem(21, "3");
    d.SetRadioMenuItem(3, "0,");
    d.SetRadioMenuItem(19, "1,0");
    d.SetAprsMenuItem(2, "7");
    d.SetAprsMenuItem(10, "2");
    EXPECT_EQ(Cmd(d, 51, 0), "BEP 1");
    EXPECT_EQ(Cmd(d, 33, 0), "BEL 0,0,");
    EXPECT_EQ(Cmd(d, 49, 0), "APO 1,0");
    EXPECT_EQ(Cmd(d, 63, 0), "POSC 14");
    EXPECT_EQ(Cmd(d, 71, 0), "TXI 3");
    d.SetAprsMenuItem(2, "3");
    EXPECT_EQ(Cmd(d, 63, 0), "POSC 03");
    EXPECT_EQ(Cmd(d, 62, 0), "(nothing)"); // not part of this sequence
}

TEST(ReadCommands, StepsAndParameters) {
    TMemoryDocument d;
    d.SetRadioMenuItem(1, "0");
    const ReadStepTable& t = ReadSteps();
    EXPECT_EQ(ReadCommand(t, 1, {7, 0, 199}, d), "MR 0,0,007");
    EXPECT_EQ(ReadCommand(t, 4, {150, 0, 149}, d), "MR 0,0,L0");
    EXPECT_EQ(ReadCommand(t, 13, {169, 0, 149}, d), "MR 0,1,U9");
    EXPECT_EQ(ReadCommand(t, 12, {204, 0, 199}, d), "MNA 0,L2");
    EXPECT_EQ(ReadCommand(t, 8, {0, 3, 199}, d), "VR 5");
    EXPECT_EQ(ReadCommand(t, 11, {0, 4, 199}, d), "PC 1");
    EXPECT_EQ(ReadCommand(t, 10, {0, 1, 199}, d), "CR 1,1");
    EXPECT_EQ(ReadCommand(t, 26, {9, 0, 199}, d), "DMN 09");
    EXPECT_EQ(ReadCommand(t, 100, {}, d), "DL 0");
    EXPECT_EQ(ReadCommand(t, 33, {}, d), "BEL 0");
    EXPECT_EQ(t.EchoSkipLength(33), 6);
    EXPECT_EQ(t.EchoSkipLength(58), 0);
    EXPECT_EQ(t.EchoSkipLength(2), 11);
    EXPECT_EQ(t.EchoSkipLength(26), 7);
    // The echo is the command head the radio repeats.
    for (const ReadItem& item : t.Items)
        EXPECT_EQ(t.EchoSkipLength(item.Step),
                  static_cast<int>(AnsiString(item.Command).size()) + 1)
            << item.Command;
}
