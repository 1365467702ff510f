// Shared steps of the settings-page tests: the main window for a radio type, keys typed as the
// keyboard delivers them, list choices as the user makes them, and the refusals shown.
#pragma once
#include "MainFormFixture.h"
#include "platform/ComCtrls.h"

namespace pagestest {

inline const AnsiString Region0 = "1,0,0E,,,,";
inline const AnsiString Region1 = "1,1,00,,,,";
inline const AnsiString Region2 = "1,2,00,1,1,,";

// Types each byte: the key-press handlers first, then the control takes what they leave.
inline void Type(TControl* c, const AnsiString& keys) {
    for (char ch : keys) {
        char k = c->RunKeyPress(ch);
        c->DeliverTypedKey(k, ch, nullptr);
    }
}

// Types at the end of an edit's text.
inline void TypeAtEnd(TEdit* e, const AnsiString& keys) {
    for (char ch : keys) {
        e->SetSelStart(static_cast<int>(e->Text().size()));
        Type(e, AnsiString(1, ch));
    }
}

// A user's choice in a drop-down list: the selection, then its change event.
inline void Choose(TComboBox* list, int index) {
    list->SetItemIndex(index);
    if (list->OnChange) list->OnChange(list);
}

inline bool PressKeyDown(TControl* c, uint16_t key) {
    return c->RunKeyDown(key, 0);
}

class PagesTest : public editortest::MainFormTest {
  protected:
    TMainForm* f = nullptr;
    void Open(const AnsiString& type) {
        Application->Title = program_->Title;
        f = MakeWithType(type);
        f->ModifiedFlag = 0;
        Boxes().clear();
    }
    // Texts of the message boxes shown since the last call, each checked for caption and
    // flags.
    std::vector<AnsiString> Refusals() {
        std::vector<AnsiString> texts;
        for (const ShownMessageBox& b : Boxes()) {
            EXPECT_EQ(b.Caption, program_->Title);
            EXPECT_EQ(b.Flags, 64);
            texts.push_back(b.Text);
        }
        Boxes().clear();
        return texts;
    }
    size_t RefusalCount() { return Refusals().size(); }
};

inline const AnsiString InvalidCharacter = "Invalid character.\nPlease check and try again.";
inline const AnsiString InvalidData = "Invalid data.\nPlease check and try again.";

} // namespace pagestest
