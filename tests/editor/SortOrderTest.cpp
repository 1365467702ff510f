// Memory channel sort over a document: packing, both orders, renumbering and what stays put.
#include "editor/model/ChannelSort.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

AnsiString Channel(const AnsiString& label, const AnsiString& mhz, const AnsiString& name = "") {
    const AnsiString freq = mhz.empty() ? "" : "00" + mhz + "000000";
    return label + "," + freq + ",0,0,0,0,0,,08,,08,000600000,0,,,,," + name;
}

class SortOrderTest : public ::testing::Test {
  protected:
    void SetUp() override { doc.SetRadioType("1,1,00,,,,"); }
    AnsiString Name(int slot) const { return doc.GetRecordField(selMemory, slot, 17); }
    AnsiString Label(int slot) const { return doc.GetRecordField(selMemory, slot, 0); }
    AnsiString Mhz(int slot) const { return doc.GetRecordField(selMemory, slot, 1).substr(2, 3); }
    std::vector<AnsiString> Names(int count) const {
        std::vector<AnsiString> v;
        for (int i = 0; i < count; ++i)
            v.push_back(Name(i));
        return v;
    }
    TMemoryDocument doc;
};

TEST_F(SortOrderTest, ChannelsArePackedAndRelabelled) {
    doc.SetMemoryRecord(3, Channel("003", "145", "A"));
    doc.SetMemoryRecord(7, Channel("007", "144", "B"));
    doc.SetMemoryRecord(5, "005,,,,,,,,,,,,,,,,,");
    SortMemoryChannels(doc, TSortKey::Frequency);
    EXPECT_EQ(doc.GetMemoryRecord(0), Channel("000", "144", "B"));
    EXPECT_EQ(doc.GetMemoryRecord(1), Channel("001", "145", "A"));
    EXPECT_EQ(doc.GetMemoryRecord(3), "");
    EXPECT_EQ(doc.GetMemoryRecord(7), "");
    EXPECT_EQ(doc.GetRecordField(selMemory, 2, 1), "");
}

TEST_F(SortOrderTest, EqualFrequenciesAreNotKeptInOrder) {
    doc.SetMemoryRecord(0, Channel("000", "145", "A"));
    doc.SetMemoryRecord(1, Channel("001", "145", "B"));
    doc.SetMemoryRecord(2, Channel("002", "144", "C"));
    SortMemoryChannels(doc, TSortKey::Frequency);
    EXPECT_EQ(Names(3), (std::vector<AnsiString>{"C", "B", "A"}));
    EXPECT_EQ(Label(2), "002");
}

TEST_F(SortOrderTest, NamesOrderByByteCodeThenUnnamedByFrequency) {
    const char* names[] = {"b", "", "\xB1KA", "B", "", "9X", "A"};
    const char* mhz[] = {"431", "440", "145", "146", "433", "147", "144"};
    for (int i = 0; i < 7; ++i)
        doc.SetMemoryRecord(10 + i, Channel("0" + std::to_string(10 + i), mhz[i], names[i]));
    SortMemoryChannels(doc, TSortKey::Name);
    EXPECT_EQ(Names(7), (std::vector<AnsiString>{"9X", "A", "B", "b", "\xB1KA", "", ""}));
    EXPECT_EQ(Mhz(5), "433");
    EXPECT_EQ(Mhz(6), "440");
    EXPECT_EQ(Label(6), "006");
    EXPECT_EQ(doc.GetRecordField(selMemory, 7, 1), "");
}

TEST_F(SortOrderTest, NameWithCommasSurvivesAndRecordGetsEighteenFields) {
    doc.SetMemoryRecord(4, "4,00145000000,0,0,0,0,0,,08,,08,000600000,0,,,,,A,B,C");
    doc.SetMemoryRecord(9, "009,00144000000,0");
    SortMemoryChannels(doc, TSortKey::Name);
    EXPECT_EQ(doc.GetMemoryRecord(0), "000,00145000000,0,0,0,0,0,,08,,08,000600000,0,,,,,A,B,C");
    EXPECT_EQ(doc.GetMemoryRecord(1), "001,00144000000,0,,,,,,,,,,,,,,,");
}

TEST_F(SortOrderTest, ScanEdgesAndSlotsPastTheRangeStayPut) {
    doc.SetRadioType("1,0,0E,,,,");
    doc.SetMemoryRecord(149, Channel("149", "433", "Z"));
    doc.SetMemoryRecord(150, Channel("L0", "144", ""));
    doc.SetMemoryRecord(169, Channel("U9", "146", ""));
    SortMemoryChannels(doc, TSortKey::Frequency);
    EXPECT_EQ(doc.GetMemoryRecord(0), Channel("000", "433", "Z"));
    EXPECT_EQ(doc.GetMemoryRecord(150), Channel("L0", "144", ""));
    EXPECT_EQ(doc.GetMemoryRecord(169), Channel("U9", "146", ""));

    doc.SetRadioType("1,1,00,,,,");
    doc.SetMemoryRecord(200, Channel("L0", "144", ""));
    SortMemoryChannels(doc, TSortKey::Name);
    EXPECT_EQ(doc.GetMemoryRecord(200), Channel("L0", "144", ""));
}

TEST_F(SortOrderTest, FreeSlotsNeverLandAmongChannels) {
    // A free slot that still carries a name, and a channel with a one-character frequency.
    doc.SetMemoryRecord(0, Channel("000", "145", ""));
    doc.SetMemoryRecord(1, "001,,0,0,0,0,0,,08,,08,000600000,0,,,,,OLD");
    doc.SetMemoryRecord(2, "002,7,0,0,0,0,0,,08,,08,000600000,0,,,,,ODD");
    doc.SetMemoryRecord(3, Channel("003", "144", ""));
    SortMemoryChannels(doc, TSortKey::Name);
    EXPECT_EQ(Name(0), "ODD");
    EXPECT_EQ(Mhz(1), "144");
    EXPECT_EQ(Mhz(2), "145");
    EXPECT_EQ(Label(2), "002");
    EXPECT_EQ(doc.GetRecordField(selMemory, 3, 1), "");
}

TEST_F(SortOrderTest, EmptyDocumentStaysEmpty) {
    SortMemoryChannels(doc, TSortKey::Name);
    for (int i = 0; i < Slots::MemoryCount; ++i)
        EXPECT_EQ(doc.GetMemoryRecord(i), "") << i;
}

} // namespace
