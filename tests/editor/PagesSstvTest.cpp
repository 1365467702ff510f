// The SSTV page and the HALCYRA group: text checks with restores, call signs that accept an
// SSID of 0, colour lists and the tone list that leaves out code 02.
#include "PagesSupport.h"

using namespace pagestest;

namespace {
class SstvPage : public PagesTest {};

TEST_F(SstvPage, TypedKeysAreUpperCasedAndFiltered) {
    Open(Region2);
    TypeAtEnd(f->Edit14, "a#1/ !?-z.");
    EXPECT_EQ(f->Edit14->Text(), "A1/ !?-Z");
    EXPECT_EQ(f->GetSstvMenuItem(0), "A1/ !?-Z");
    EXPECT_EQ(RefusalCount(), 2u);
    EXPECT_EQ(f->ModifiedFlag, 1);
}

TEST_F(SstvPage, RefusedPastesRestoreTheLastValidText) {
    Open(Region2);
    f->Edit15->SetText("Hello");
    EXPECT_EQ(Refusals(), std::vector<AnsiString>{InvalidCharacter});
    EXPECT_EQ(f->Edit15->Text(), "");
    EXPECT_EQ(f->GetSstvMenuItem(2), "");
    f->Edit15->SetText("CQ CQ");
    EXPECT_EQ(f->GetSstvMenuItem(2), "CQ CQ");
    for (const char* refused : {"CQ,DX", "CQ\xE9", "123456789A", "\t"}) {
        f->Edit15->SetText(refused);
        EXPECT_EQ(f->Edit15->Text(), "CQ CQ") << refused;
        EXPECT_EQ(f->GetSstvMenuItem(2), "CQ CQ") << refused;
        EXPECT_EQ(RefusalCount(), 1u) << refused;
    }
    f->Edit16->SetText("599 TNX");
    EXPECT_EQ(f->GetSstvMenuItem(4), "599 TNX");
    f->Edit16->SetText(AnsiString(4000, 'X')); // longer than the slot: refused, not cut
    EXPECT_EQ(f->GetSstvMenuItem(4), "599 TNX");
    f->ModifiedFlag = 0;
    f->Edit16->SetText("");
    EXPECT_EQ(f->GetSstvMenuItem(4), "");
    EXPECT_EQ(f->ModifiedFlag, 1);
}

TEST_F(SstvPage, RemoteCallSignsAcceptSsidZero) {
    Open(Region2);
    f->Edit17->SetText("AB-0");
    EXPECT_EQ(f->GetRemoteMenuItem(0), "AB-0");
    f->Edit17->SetText("AB-05");
    EXPECT_EQ(f->GetRemoteMenuItem(0), "AB-05");
    f->Edit17->SetText("AB-015");
    EXPECT_EQ(f->GetRemoteMenuItem(0), "AB-05");
    f->Edit17->SetText("AB-16");
    EXPECT_EQ(f->GetRemoteMenuItem(0), "AB-05");
    EXPECT_EQ(RefusalCount(), 2u);
    f->Edit4->SetText("AB-0");
    EXPECT_EQ(RefusalCount(), 1u);
    EXPECT_EQ(f->GetAprsMenuItem(0), "NOCALL");

    f->ModifiedFlag = 0;
    f->Edit18->SetText("");
    EXPECT_EQ(f->GetRemoteMenuItem(1), "NOCALL");
    EXPECT_EQ(f->ModifiedFlag, 1);
    TypeAtEnd(f->Edit18, "ja1/x");
    EXPECT_EQ(f->Edit18->Text(), "JA1X");
    EXPECT_EQ(f->GetRemoteMenuItem(1), "JA1X");
}

TEST_F(SstvPage, ToneListSkipsCodeTwo) {
    Open(Region2);
    const std::pair<int, const char*> cases[] = {
        {0, "01"}, {1, "03"}, {7, "09"}, {8, "10"}, {37, "39"}};
    for (auto [index, code] : cases) {
        Choose(f->ComboBox12, index);
        EXPECT_EQ(f->GetRemoteMenuItem(2), code) << f->ComboBox12->Text();
    }
    EXPECT_EQ(f->ComboBox12->Items()[0], "67.0Hz");
    EXPECT_EQ(f->ComboBox12->Items()[1], "71.9Hz");
}

TEST_F(SstvPage, ColourListsStoreTheirIndex) {
    Open(Region1);
    const std::pair<TComboBox*, int> lists[] = {
        {f->ComboBox9, 1}, {f->ComboBox10, 3}, {f->ComboBox11, 5}};
    for (auto [list, slot] : lists) {
        Choose(list, 0);
        EXPECT_EQ(f->GetSstvMenuItem(slot), "0");
        f->ModifiedFlag = 0;
        Choose(list, 7);
        EXPECT_EQ(list->Text(), "White");
        EXPECT_EQ(f->GetSstvMenuItem(slot), "7");
        EXPECT_EQ(f->ModifiedFlag, 1);
    }
}
} // namespace
