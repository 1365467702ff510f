// Focus rules: an edit's AutoSelect, the Tab key's order, the page control's keys and the
// accelerators.
#include "Helpers.h"
#include "platform/ComCtrls.h"
#include "platform/Controls.h"
#include "platform/Menus.h"
#include <QLineEdit>
#include <QMenu>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct FocusTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);

    std::vector<TControl*> placed;

    template <class T> T* Put(TWinControl* parent, int left, int top, const char* name) {
        auto* c = new T(form.get());
        c->SetParent(parent);
        c->SetBounds(left, top, 60, 22);
        c->Name = name;
        placed.push_back(c);
        return c;
    }
    void ShowActive() {
        form->ShowForm();
        form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    }
    // The name of the control that has the focus.
    std::string FocusedName() {
        QWidget* f = QApplication::focusWidget();
        for (TControl* c : placed)
            if (f && (c->Widget() == f || InputWidget(c) == f)) return c->Name;
        return "";
    }
};
} // namespace

// An edit entered by SetFocus, by Tab or with its dialog opening selects its whole text, so
// typing replaces it; a mouse click places the caret instead.
TEST_F(FocusTest, EditsSelectTheirTextWhenEntered) {
    auto* first = Put<TEdit>(form.get(), 10, 10, "first");
    auto* edit = Put<TEdit>(form.get(), 10, 40, "edit");
    auto* mask = Put<TMaskEdit>(form.get(), 10, 70, "mask");
    mask->SetEditMask("999;1;_");
    struct Case {
        const char* how;
        TEdit* target;
        std::function<void()> enter;
        bool selected;
    };
    const Case cases[] = {
        {"SetFocus", edit, [&] { edit->SetFocus(); }, true},
        {"Tab", edit, [&] { PressKey(InputWidget(first), Qt::Key_Tab); }, true},
        {"Shift+Tab", edit,
         [&] { PressKey(InputWidget(mask), Qt::Key_Backtab, Qt::ShiftModifier); }, true},
        {"SetFocus on a mask edit", mask, [&] { mask->SetFocus(); }, true},
        {"mouse click", edit,
         [&] { QTest::mouseClick(InputWidget(edit), Qt::LeftButton, {}, QPoint(4, 10)); }, false},
    };
    edit->SetText("145.000");
    mask->SetText("123");
    ShowActive();
    for (const Case& c : cases) {
        first->SetFocus();
        auto* line = static_cast<QLineEdit*>(c.target->Widget());
        line->deselect();
        c.enter();
        EXPECT_TRUE(c.target->Focused()) << c.how;
        EXPECT_EQ(line->hasSelectedText() && line->selectedText() == line->text(), c.selected)
            << c.how;
    }
    first->SetFocus();
    edit->SetFocus();
    QTest::keyClicks(InputWidget(edit), "146.52");
    EXPECT_EQ(edit->Text(), "146.52") << "typing replaces the selected text";

    // A dialog opening: OnShow asks for the focus and loads the text before the window shows.
    TForm dialog(nullptr);
    auto* field = new TEdit(&dialog);
    new TEdit(&dialog);
    dialog.OnShow = [&](TObject*) {
        field->SetFocus();
        field->SetText("145.000");
    };
    dialog.ShowForm();
    dialog.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.Widget()));
    EXPECT_TRUE(field->Focused());
    EXPECT_EQ(static_cast<QLineEdit*>(field->Widget())->selectedText(), "145.000");
    dialog.HideForm();
}

// Tab follows each parent's tab order, a box's controls right after the box; controls given
// an order come first, the others top to bottom, left to right; hidden, disabled and
// non-stop controls are passed over. Shift+Tab goes back the same way.
TEST_F(FocusTest, TabFollowsTheTabOrder) {
    auto* box = Put<TGroupBox>(form.get(), 10, 60, "box");
    box->SetBounds(10, 60, 300, 100);
    auto* top = Put<TEdit>(form.get(), 10, 10, "top");
    auto* right = Put<TEdit>(form.get(), 200, 12, "right"); // same row, further right
    auto* b1 = Put<TCheckBox>(box, 10, 60, "b1");
    auto* b2 = Put<TEdit>(box, 150, 20, "b2");
    Put<TRadioButton>(box, 10, 20, "b3");
    auto* hidden = Put<TEdit>(box, 10, 40, "hidden");
    hidden->Hide();
    auto* disabled = Put<TEdit>(box, 150, 40, "disabled");
    disabled->SetEnabled(false);
    auto* skipped = Put<TButton>(box, 150, 60, "skipped");
    skipped->TabStop = false;
    auto* ok = Put<TButton>(form.get(), 10, 170, "ok");
    b2->SetTabOrder(0); // the box's resource order: b2, b1, then the rest by position
    b1->SetTabOrder(1);
    (void)right;
    (void)ok;
    ShowActive();
    top->SetFocus();
    std::vector<std::string> forward, backward;
    for (int i = 0; i < 6; ++i) {
        PressKey(QApplication::focusWidget(), Qt::Key_Tab);
        forward.push_back(FocusedName());
    }
    for (int i = 0; i < 6; ++i) {
        PressKey(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.push_back(FocusedName());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"right", "b2", "b1", "b3", "ok", "top"}));
    EXPECT_EQ(backward, (std::vector<std::string>{"ok", "b3", "b1", "b2", "right", "top"}));
}

// Ctrl+Tab and Ctrl+PageDown select the next page, Ctrl+Shift+Tab and Ctrl+PageUp the
// previous one, wrapping and passing hidden tabs; each asks OnChanging and runs OnChange. They
// work from an edit outside the page control too, and no key handler sees them.
TEST_F(FocusTest, CtrlKeysSwitchPages) {
    auto* pc = Put<TPageControl>(form.get(), 10, 10, "pages");
    pc->SetBounds(10, 10, 300, 200);
    std::vector<TEdit*> edits;
    for (const char* caption : {"One", "Two", "Hidden", "Four"}) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetPageControl(pc);
        sheet->SetCaption(caption);
        edits.push_back(Put<TEdit>(sheet, 10, 10, caption));
    }
    auto* comment = Put<TEdit>(form.get(), 10, 220, "comment");
    int handled = 0;
    for (TEdit* e : {edits[0], edits[1], edits[3], comment})
        e->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
            handled += key == VK_PRIOR || key == VK_NEXT;
        };
    pc->Pages(2)->SetTabVisible(false);
    int changes = 0;
    bool allow = true;
    pc->OnChange = [&](TObject*) { ++changes; };
    pc->OnChanging = [&](TObject*, bool& a) { a = allow; };
    ShowActive();
    edits[0]->SetFocus();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int page;
        TEdit* from = nullptr; // null: where the focus is
    };
    const Case cases[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_Tab, Qt::ControlModifier, 3}, // the hidden tab is passed over
        {Qt::Key_PageDown, Qt::ControlModifier, 0},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 3},
        {Qt::Key_PageUp, Qt::ControlModifier, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, 0},
        {Qt::Key_PageDown, Qt::ControlModifier, 1, comment},
        {Qt::Key_Tab, Qt::ControlModifier, 3, comment},
        {Qt::Key_PageUp, Qt::ControlModifier, 1, comment},
    };
    int expectedChanges = 0;
    for (const Case& c : cases) {
        if (c.from) c.from->SetFocus();
        PressKey(QApplication::focusWidget(), c.key, c.mods);
        EXPECT_EQ(pc->ActivePageIndex(), c.page) << c.key;
        EXPECT_EQ(changes, ++expectedChanges) << c.key;
        EXPECT_TRUE(pc->Widget()->isAncestorOf(QApplication::focusWidget()) || c.from)
            << "the focus stays in the page control";
    }
    EXPECT_EQ(handled, 0);
    allow = false;
    PressKey(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pc->ActivePageIndex(), 1);
    EXPECT_EQ(changes, expectedChanges);
}

// Alt with a letter that both the menu bar and a box on the shown page carry goes to the box
// every time; when the box is hidden or disabled the menu bar takes it.
TEST_F(FocusTest, AcceleratorHasOneOwner) {
    auto* file = new TMenuItem(form.get());
    file->SetCaption("&File");
    file->Add(new TMenuItem(form.get()));
    auto* menu = new TMainMenu(form.get());
    menu->Items()->Add(file);
    form->SetMenu(menu);
    auto* edit = Put<TEdit>(form.get(), 10, 10, "edit");
    auto* box = Put<TGroupBox>(form.get(), 10, 40, "box");
    box->SetCaption("&Function");
    Put<TCheckBox>(box, 10, 30, "dual");
    ShowActive();
    for (auto [visible, enabled] : {std::pair{true, true}, {false, true}, {true, false}}) {
        box->SetVisible(visible);
        box->SetEnabled(enabled);
        edit->SetFocus();
        for (int press = 0; press < 2; ++press) { // the second from where the first led
            PressKey(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
            EXPECT_EQ(FocusedName() == "dual", visible && enabled) << visible << enabled << press;
            EXPECT_EQ(file->Menu()->isVisible(), !(visible && enabled)) << press;
            file->Menu()->hide();
        }
    }
}
