// The earlier program's settings pages: its call-sign and path checks, the position limit on
// its "999\0" mask, and SSTV texts stored as they are.
#include "PagesSupport.h"
#include "earlier/EarlierProgram.h"

using namespace pagestest;

namespace {
class EarlierPages : public PagesTest {
  protected:
    EarlierPages() { program_ = &EarlierProgram(); }
};

// The four call-sign edits with their slots and the text an empty edit stores.
struct CallEdit {
    TEdit* TMainForm::*edit;
    TLastValid buffer;
    AnsiString (*slot)(const TMainForm&);
    const char* empty;
};
const CallEdit kCallEdits[] = {
    {&TMainForm::Edit4, lvEdit4, [](const TMainForm& f) { return f.GetAprsMenuItem(0); }, "NOCALL"},
    {&TMainForm::Edit13, lvEdit13, [](const TMainForm& f) { return f.GetAprsMenuItem(11); },
     "APZ901"},
    {&TMainForm::Edit17, lvEdit17, [](const TMainForm& f) { return f.GetRemoteMenuItem(0); },
     "NOCALL"},
    {&TMainForm::Edit18, lvEdit18, [](const TMainForm& f) { return f.GetRemoteMenuItem(1); },
     "NOCALL"},
};

TEST_F(EarlierPages, CallSignsTakeAnyCharacterAndAnSsidOfZero) {
    Open(Region2);
    const struct {
        const char* text;
        const char* stored; // nullptr: refused, the last valid text comes back
    } cases[] = {
        {"AB/12", "AB/12"},
        {"AB-0", "AB-0"},
        {"ab1cde", "ab1cde"},
        {"AB-", "AB"},
        {"AB-15", "AB-15"},
        {"ABCDEFG", nullptr},
        {"AB-16", nullptr},
        {"AB-1A", nullptr},
        {"AB-1-2", nullptr},
        {"AB-100", nullptr},
        {"", nullptr}, // the edit's default, checked below
        {"-ABCDEFGHIJKLMNOP", nullptr},
    };
    for (const CallEdit& e : kCallEdits) {
        TEdit* edit = f->*e.edit;
        edit->SetText("KEPT");
        Boxes().clear();
        for (const auto& c : cases) {
            const AnsiString before = e.slot(*f);
            f->ModifiedFlag = 0;
            edit->SetText(c.text);
            if (c.text == AnsiString()) {
                EXPECT_EQ(e.slot(*f), e.empty);
                edit->SetText("KEPT");
            } else if (c.stored) {
                EXPECT_EQ(RefusalCount(), 0u) << c.text;
                EXPECT_EQ(e.slot(*f), c.stored) << c.text;
                EXPECT_EQ(f->ModifiedFlag, 1) << c.text;
            } else {
                EXPECT_EQ(Refusals(), std::vector<AnsiString>{InvalidCharacter}) << c.text;
                EXPECT_EQ(e.slot(*f), before) << c.text;
                EXPECT_EQ(edit->Text(), f->LastValidText(e.buffer)) << c.text;
            }
            EXPECT_LE(f->LastValidText(e.buffer).size(), 9u) << c.text;
            EXPECT_LE(e.slot(*f).size(), 9u) << c.text;
        }
        // A leading "-" is refused and the rest, when it passes, is kept.
        edit->SetText("-NOCALL-15");
        EXPECT_EQ(Refusals(), std::vector<AnsiString>{InvalidCharacter});
        EXPECT_EQ(edit->Text(), "NOCALL-15");
        EXPECT_EQ(e.slot(*f), "NOCALL-15");
    }
}

TEST_F(EarlierPages, PathWithALeadingCommaReturnsToThePathBefore) {
    Open(Region1);
    const struct {
        const char* text;
        const char* stored;
    } cases[] = {
        {"RELAY,WIDE-0", "RELAY,WIDE-0"},
        {"relay,wide2-2", "relay,wide2-2"},
        {",RELAY", nullptr},
        {",", nullptr},
        {"RELAY,,WIDE", nullptr},
        {"RELAY-,WIDE", "RELAY,WIDE"},
        {"WIDE/1,X", "WIDE/1,X"},
        {"RELAY,WIDE,", "RELAY,WIDE"},
    };
    for (const auto& c : cases) {
        f->Edit7->SetText("WIDE3-3");
        Boxes().clear();
        f->Edit7->SetText(c.text);
        if (c.stored) {
            EXPECT_EQ(RefusalCount(), 0u) << c.text;
            EXPECT_EQ(f->GetAprsMenuItem(13), c.stored) << c.text;
        } else {
            EXPECT_EQ(Refusals(), std::vector<AnsiString>{InvalidCharacter}) << c.text;
            EXPECT_EQ(f->Edit7->Text(), "WIDE3-3") << c.text;
            EXPECT_EQ(f->GetAprsMenuItem(13), "WIDE3-3") << c.text;
        }
    }
}

// Empty positions of the mask show (and read) as "0".
TEST_F(EarlierPages, PositionLimitOnTheFixedZeroMask) {
    Open(Region1);
    f->CheckBox8->SetChecked(true);
    ASSERT_EQ(f->GetAprsMenuItem(9), "0010");
    ASSERT_EQ(f->MaskEdit12->Text(), "0010");
    const struct {
        const char* typed;
        const char* stored;
        const char* shown;
        bool refused;
    } cases[] = {
        {"   0", "0010", "0010", false}, {"3000", "2500", "2500", true},
        {" 120", "0120", "0120", false}, {"2500", "2500", "2500", false},
        {"2510", "2500", "2500", true},  {"9990", "2500", "2500", true},
        {"0000", "0010", "0010", false}, {"  50", "0050", "0050", false},
    };
    for (const auto& c : cases) {
        f->MaskEdit12->SetText("  10");
        Boxes().clear();
        f->ModifiedFlag = 0;
        f->MaskEdit12->SetText(c.typed);
        EXPECT_EQ(f->GetAprsMenuItem(9), c.stored) << c.typed;
        EXPECT_EQ(f->MaskEdit12->Text(), c.shown) << c.typed;
        EXPECT_EQ(Refusals(),
                  c.refused ? std::vector<AnsiString>{InvalidData} : std::vector<AnsiString>{})
            << c.typed;
        EXPECT_EQ(f->ModifiedFlag, 0) << c.typed;
    }
    // Typed digits go into the three free positions; the key handler marks the change.
    f->MaskEdit12->SetText("  10");
    f->MaskEdit12->SetSelStart(0);
    Type(f->MaskEdit12, "12");
    EXPECT_EQ(f->MaskEdit12->Text(), "1210");
    EXPECT_EQ(f->GetAprsMenuItem(9), "1210");
    EXPECT_EQ(f->ModifiedFlag, 1);
}

TEST_F(EarlierPages, SstvTextsAreStoredAsPastedButTypingIsStillFiltered) {
    Open(Region1);
    const struct {
        TEdit* TMainForm::*edit;
        int slot;
    } edits[] = {{&TMainForm::Edit14, 0}, {&TMainForm::Edit15, 2}, {&TMainForm::Edit16, 4}};
    for (const auto& e : edits) {
        TEdit* edit = f->*e.edit;
        f->ModifiedFlag = 0;
        edit->SetText("cq de,#");
        EXPECT_EQ(f->GetSstvMenuItem(e.slot), "cq de,#");
        EXPECT_EQ(f->ModifiedFlag, 1);
        EXPECT_EQ(RefusalCount(), 0u);
        edit->SetText("");
        TypeAtEnd(edit, "ab,");
        EXPECT_EQ(edit->Text(), "AB");
        EXPECT_EQ(f->GetSstvMenuItem(e.slot), "AB");
        EXPECT_EQ(Refusals(), std::vector<AnsiString>{InvalidCharacter});
    }
}

} // namespace
