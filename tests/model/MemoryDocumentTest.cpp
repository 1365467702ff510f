// Record accessors: field reading, capacities, out-of-range indexes, band limits, clearing.
#include "editor/model/MemoryDocument.h"

#include <gtest/gtest.h>

namespace {

const AnsiString HomeRecord = "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,HOME";

TEST(RecordField, WalksCommaSeparatedFields) {
    TMemoryDocument doc;
    doc.SetMemoryRecord(0, HomeRecord);
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 0), "000");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 1), "00145000000");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 7), "");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 11), "000600000");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 17), "HOME");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 18), "");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 19), "");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, -1), "");
}

TEST(RecordField, ShortRecordsAndEmptyNames) {
    TMemoryDocument doc;
    doc.SetMemoryRecord(1, "001,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,");
    doc.SetMemoryRecord(2, "002,00145000000");
    EXPECT_EQ(doc.GetRecordField(selMemory, 1, 17), "");
    EXPECT_EQ(doc.GetRecordField(selMemory, 2, 5), "");
    EXPECT_EQ(doc.GetRecordField(selMemory, 2, 2), "");
    EXPECT_EQ(doc.GetRecordField(selMemory, 3, 0), ""); // empty slot
}

TEST(RecordField, RestOfLineOnlyWhereItApplies) {
    TMemoryDocument doc;
    const AnsiString rec = "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,HO,ME";
    doc.SetMemoryRecord(0, rec);
    doc.SetVfoRecord(1, rec);
    doc.SetCallRecord(0, rec);
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 17), "HO,ME");
    EXPECT_EQ(doc.GetRecordField(selMemory, 0, 16), "");
    EXPECT_EQ(doc.GetRecordField(selVfo, 1, 17), "HO");
    EXPECT_EQ(doc.GetRecordField(selCall, 0, 17), "HO");

    doc.SetDtmfRecord(3, "03,123A,NA,ME");
    EXPECT_EQ(doc.GetRecordField(selDtmf, 3, 1), "123A");
    EXPECT_EQ(doc.GetRecordField(selDtmf, 3, 2), "NA,ME");

    doc.SetRadioMenuItem(19, "1,0");
    EXPECT_EQ(doc.GetRecordField(selRadioMenu, 19, 0), "1,0");
    EXPECT_EQ(doc.GetRecordField(selRadioMenu, 19, 1), "0");

    doc.SetClipboardScratch("000,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,A,B");
    EXPECT_EQ(doc.GetRecordField(selScratch, 0, 17), "A");
    EXPECT_EQ(doc.GetRecordField(selScratchName, 5, 17), "A,B");
    doc.SetClipboardScratch("04,99,X,Y");
    EXPECT_EQ(doc.GetRecordField(selScratchDtmfName, 0, 2), "X,Y");
}

TEST(RecordField, SelectorsAndIndexes) {
    TMemoryDocument doc;
    doc.SetRadioType("1,2,00,1,1,,");
    doc.SetBandLimit(5, "00440,00450");
    doc.SetProgramVfoRecord(5, "7,00440,00450");
    EXPECT_EQ(doc.GetRecordField(selRadioType, 77, 1), "2");
    EXPECT_EQ(doc.GetRecordField(selRadioType, -5, 4), "1");
    EXPECT_EQ(doc.GetRecordField(selBandLimit, 5, 1), "00450");
    EXPECT_EQ(doc.GetRecordField(selProgramVfo, 5, 2), "00450");
    for (int sel : {0, 8, 11, 12, 13, 14, 17, -1, 100})
        EXPECT_EQ(doc.GetRecordField(sel, 0, 0), "") << sel;

    doc.SetMemoryRecord(219, "U9,00440000000");
    EXPECT_EQ(doc.GetRecordField(selMemory, 219, 0), "U9");
    struct {
        int selector, index;
    } outside[] = {{selMemory, -1},    {selMemory, 220},   {selVfo, 6},       {selVfo, -1},
                   {selCall, 2},       {selDtmf, 10},      {selBandLimit, 6}, {selRadioMenu, 28},
                   {selProgramVfo, 6}, {selProgramVfo, -1}};
    for (auto o : outside)
        EXPECT_EQ(doc.GetRecordField(o.selector, o.index, 0), "") << o.selector;
}

TEST(Setters, CutAtCapacityAndAtNul) {
    TMemoryDocument doc;
    const AnsiString longText(300, 'x');
    doc.SetMemoryRecord(5, longText);
    doc.SetCallRecord(1, longText);
    doc.SetVfoRecord(0, longText);
    doc.SetProgramVfoRecord(0, longText);
    doc.SetDtmfRecord(0, longText);
    doc.SetRadioMenuItem(0, longText);
    doc.SetRadioType(longText);
    doc.SetBandLimit(0, longText);
    doc.SetClipboardScratch(longText);
    EXPECT_EQ(doc.GetMemoryRecord(5).size(), 99u);
    EXPECT_EQ(doc.GetCallRecord(1).size(), 99u);
    EXPECT_EQ(doc.GetVfoRecord(0).size(), 99u);
    EXPECT_EQ(doc.GetProgramVfoRecord(0).size(), 14u);
    EXPECT_EQ(doc.GetDtmfRecord(0).size(), 29u);
    EXPECT_EQ(doc.GetRadioMenuItem(0).size(), 8u);
    EXPECT_EQ(doc.GetRadioType().size(), 19u);
    EXPECT_EQ(doc.GetBandLimit(0).size(), 14u);
    EXPECT_EQ(doc.GetRecordField(selScratch, 0, 0).size(), 99u);

    for (int i = 0; i < Slots::AprsCount; ++i) {
        doc.SetAprsMenuItem(i, longText);
        EXPECT_EQ(doc.GetAprsMenuItem(i).size(), size_t(Slots::AprsWidths[i] - 1)) << i;
    }
    for (int i = 0; i < Slots::SstvCount; ++i) {
        doc.SetSstvMenuItem(i, longText);
        EXPECT_EQ(doc.GetSstvMenuItem(i).size(), size_t(Slots::SstvWidths[i] - 1)) << i;
    }
    for (int i = 0; i < Slots::RemoteCount; ++i) {
        doc.SetRemoteMenuItem(i, longText);
        EXPECT_EQ(doc.GetRemoteMenuItem(i).size(), size_t(Slots::RemoteWidths[i] - 1)) << i;
    }
    const int widths[lvCount] = {10, 9, 10, 11, 10, 10, 10, 33};
    for (int i = 0; i < lvCount; ++i) {
        doc.SetLastValidText(TLastValid(i), longText);
        EXPECT_EQ(doc.LastValidText(TLastValid(i)).size(), size_t(widths[i] - 1)) << i;
    }

    doc.SetMemoryRecord(6, AnsiString("006,001\0hidden", 14));
    EXPECT_EQ(doc.GetMemoryRecord(6), "006,001");
    doc.SetAprsMenuItem(0, AnsiString("AB\0CD", 5));
    EXPECT_EQ(doc.GetAprsMenuItem(0), "AB");
    const AnsiString exact(99, 'y');
    doc.SetMemoryRecord(7, exact);
    EXPECT_EQ(doc.GetMemoryRecord(7), exact);
}

TEST(Setters, OutOfRangeStoresNothing) {
    TMemoryDocument doc;
    doc.SetMemoryRecord(-1, "bad");
    doc.SetMemoryRecord(220, "bad");
    doc.SetCallRecord(2, "bad");
    doc.SetCallRecord(-1, "bad");
    doc.SetVfoRecord(6, "bad");
    doc.SetProgramVfoRecord(6, "bad");
    doc.SetDtmfRecord(10, "bad");
    doc.SetRadioMenuItem(28, "bad");
    doc.SetBandLimit(6, "bad");
    doc.SetAprsMenuItem(14, "bad");
    doc.SetSstvMenuItem(6, "bad");
    doc.SetRemoteMenuItem(3, "bad");
    doc.SetRemoteMenuItem(-1, "bad");
    doc.SetLastValidText(lvCount, "bad");
    doc.ClearMemoryRecord(500);
    doc.ClearDtmfRecord(-3);
    for (int i = 0; i < Slots::MemoryCount; ++i)
        EXPECT_EQ(doc.GetMemoryRecord(i), "");
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(doc.GetCallRecord(i), "");
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(doc.GetVfoRecord(i), "");
        EXPECT_EQ(doc.GetBandLimit(i), "");
        EXPECT_EQ(doc.GetProgramVfoRecord(i), "");
    }
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(doc.GetDtmfRecord(i), "");
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(doc.GetRadioMenuItem(i), "");
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(doc.GetAprsMenuItem(i), "");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(doc.GetSstvMenuItem(i), "");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(doc.GetRemoteMenuItem(i), "");
    EXPECT_EQ(doc.GetAprsMenuItem(14), "");
    EXPECT_EQ(doc.GetMemoryRecord(-1), "");
    EXPECT_EQ(doc.LastValidText(lvCount), "");
}

TEST(Setters, EverySlotOfAWideChannelCountUnderANarrowLayout) {
    TMemoryDocument doc;
    doc.LastChannel = 149;
    for (int i = 0; i < Slots::MemoryCount; ++i)
        doc.SetMemoryRecord(i, std::to_string(i));
    EXPECT_EQ(doc.GetMemoryRecord(170), "170");
    EXPECT_EQ(doc.GetMemoryRecord(219), "219");
    doc.ClearMemoryRecord(219);
    EXPECT_EQ(doc.GetMemoryRecord(219), "");
}

TEST(LastValid, InitialTexts) {
    TMemoryDocument doc;
    EXPECT_EQ(doc.LastValidText(lvEdit4), "NOCALL");
    EXPECT_EQ(doc.LastValidText(lvEdit14), "");
    EXPECT_EQ(doc.LastValidText(lvEdit15), "");
    EXPECT_EQ(doc.LastValidText(lvEdit16), "");
    EXPECT_EQ(doc.LastValidText(lvEdit13), "APZ902");
    EXPECT_EQ(doc.LastValidText(lvEdit17), "NOCALL");
    EXPECT_EQ(doc.LastValidText(lvEdit18), "NOCALL");
    EXPECT_EQ(doc.LastValidText(lvEdit7), "RELAY,WIDE");
    EXPECT_EQ(doc.ActiveGrid, 1);
    EXPECT_EQ(doc.ModifiedFlag, 0);
    doc.SetLastValidText(lvEdit4, "JA1XYZ");
    doc.LoadDefaults();
    EXPECT_EQ(doc.LastValidText(lvEdit4), "NOCALL");
}

TEST(BandLimits, PairsGoToSlotsByLowerEdge) {
    TMemoryDocument doc;
    for (int i = 0; i < 6; ++i)
        doc.SetBandLimit(i, "old");
    doc.SetBandLimits("00144,00147,00430,00440,00118,00135");
    EXPECT_EQ(doc.GetBandLimit(0), "00118,00135");
    EXPECT_EQ(doc.GetBandLimit(1), "00144,00147");
    EXPECT_EQ(doc.GetBandLimit(2), "");
    EXPECT_EQ(doc.GetBandLimit(3), "");
    EXPECT_EQ(doc.GetBandLimit(4), "00430,00440");
    EXPECT_EQ(doc.GetBandLimit(5), "");

    doc.SetBandLimits("00430,00440,00420,00450,00460,00470");
    EXPECT_EQ(doc.GetBandLimit(4), "00430,00440");
    EXPECT_EQ(doc.GetBandLimit(5), "00460,00470");

    doc.SetBandLimits("00136,00174,00144,00146,00200,00399,00400,00470,00135");
    EXPECT_EQ(doc.GetBandLimit(0), ""); // trailing lower edge dropped
    EXPECT_EQ(doc.GetBandLimit(1), "00136,00174");
    EXPECT_EQ(doc.GetBandLimit(2), "00144,00146");
    EXPECT_EQ(doc.GetBandLimit(3), "00200,00399");
    EXPECT_EQ(doc.GetBandLimit(4), "00400,00470");

    doc.SetBandLimits("");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(doc.GetBandLimit(i), "");
    doc.SetBandLimits("00144,0014700000000000000000000");
    EXPECT_EQ(doc.GetBandLimit(1), "00144,00147000");
}

TEST(ClearDocument, EmptiesRecordsKeepsTypeAndLimits) {
    TMemoryDocument doc;
    doc.SetRadioType("1,1,00,,,,");
    doc.SetBandLimits("00144,00148,00430,00440");
    doc.LastChannel = 149;
    for (int i = 0; i < Slots::MemoryCount; ++i)
        doc.SetMemoryRecord(i, "rec");
    for (int i = 0; i < 10; ++i)
        doc.SetDtmfRecord(i, "0" + std::to_string(i) + ",1,x");
    for (int i = 0; i < 6; ++i)
        doc.SetVfoRecord(i, "stale");
    doc.SetCallRecord(0, "stale");
    doc.SetClipboardScratch("scratch");
    doc.ClearDocument();
    for (int i = 0; i < Slots::MemoryCount; ++i)
        EXPECT_EQ(doc.GetMemoryRecord(i), "") << i;
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(doc.GetDtmfRecord(i), "");
    EXPECT_EQ(doc.GetVfoRecord(0), ""); // no 118 MHz band in this type
    EXPECT_EQ(doc.GetVfoRecord(3), "");
    EXPECT_EQ(doc.GetVfoRecord(5), "");
    EXPECT_EQ(doc.GetVfoRecord(1), "2,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,0,");
    EXPECT_EQ(doc.GetCallRecord(0), "0,00144000000,3,0,0,0,0,,09,,09,000600000,,,,,,");
    EXPECT_EQ(doc.GetRadioType(), "1,1,00,,,,");
    EXPECT_EQ(doc.GetBandLimit(1), "00144,00148");
    EXPECT_EQ(doc.GetBandLimit(4), "00430,00440");
    EXPECT_EQ(doc.GetProgramVfoRecord(1), "2,00144,00148");
    EXPECT_EQ(doc.GetRecordField(selScratch, 0, 0), "scratch");
}

} // namespace
