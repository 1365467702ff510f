#include "Helpers.h"
#include "platform/ComCtrls.h"
#include "platform/Controls.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
struct ControlsTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

void Click(TControl* c) {
    QWidget* w = c->Widget();
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2));
}
} // namespace

TEST_F(ControlsTest, CheckBoxProgramChangeRunsClickLikeTheUser) {
    auto* box = new TCheckBox(form.get());
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(static_cast<QCheckBox*>(box->Widget())->isChecked());
    Click(box);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(static_cast<QCheckBox*>(box->Widget())->isChecked());
}

TEST_F(ControlsTest, RadioButtonsAreExclusivePerParentOnly) {
    auto* group = new TGroupBox(form.get());
    auto* a = new TRadioButton(form.get());
    auto* b = new TRadioButton(form.get());
    auto* other = new TRadioButton(form.get());
    a->SetParent(group);
    b->SetParent(group);
    std::string clicks;
    a->OnClick = [&](TObject*) { clicks += 'a'; };
    b->OnClick = [&](TObject*) { clicks += 'b'; };
    other->OnClick = [&](TObject*) { clicks += 'o'; };
    other->SetChecked(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked()); // another parent, another group
    b->SetChecked(false);          // unchecking runs nothing
    EXPECT_EQ(clicks, "oab");
    Click(a);
    Click(a); // clicking a checked button changes nothing
    EXPECT_EQ(clicks, "oaba");
    EXPECT_TRUE(a->Checked());
    EXPECT_TRUE(static_cast<QRadioButton*>(a->Widget())->isChecked());
}

TEST_F(ControlsTest, ArrowKeysMoveToAndCheckTheNextRadioButtonOfTheParent) {
    auto* group = new TGroupBox(form.get());
    std::vector<TRadioButton*> b;
    std::string clicks;
    for (char name : std::string("abcd")) {
        auto* r = new TRadioButton(form.get());
        r->SetParent(group);
        r->OnClick = [&clicks, name](TObject*) { clicks += name; };
        b.push_back(r);
    }
    b[2]->SetVisible(false); // a hidden button is passed over
    b[0]->SetChecked(true);
    form->ShowForm();
    form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    InputWidget(b[0])->setFocus();
    struct Case {
        Qt::Key key;
        int checked;
    };
    const Case cases[] = {{Qt::Key_Down, 1},
                          {Qt::Key_Right, 3},
                          {Qt::Key_Down, 0},
                          {Qt::Key_Up, 3},
                          {Qt::Key_Left, 1}};
    for (const Case& c : cases) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        PressKey(focused, c.key);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(b[static_cast<size_t>(i)]->Checked(), i == c.checked) << c.key;
        EXPECT_EQ(QApplication::focusWidget(), InputWidget(b[static_cast<size_t>(c.checked)]));
    }
    EXPECT_EQ(clicks, "abdadb");
}

TEST_F(ControlsTest, RadioGroupClampsIndexAndRunsClickOnChange) {
    auto* rg = new TRadioGroup(form.get());
    rg->SetItems({"One", "Two", "Three"});
    int clicks = 0;
    rg->OnClick = [&](TObject*) { ++clicks; };
    rg->SetItemIndex(5);
    EXPECT_EQ(rg->ItemIndex(), 2);
    EXPECT_TRUE(rg->Button(2)->Checked());
    rg->SetItemIndex(2);
    EXPECT_EQ(clicks, 1);
    rg->SetItemIndex(-7); // clearing the choice checks no button: no click
    EXPECT_EQ(rg->ItemIndex(), -1);
    EXPECT_FALSE(rg->Button(2)->Checked());
    EXPECT_EQ(clicks, 1);
    Click(rg->Button(0));
    EXPECT_EQ(rg->ItemIndex(), 0);
    EXPECT_EQ(clicks, 2);
    rg->SetItemIndex(1);
    EXPECT_FALSE(rg->Button(0)->Checked());
    EXPECT_TRUE(rg->Button(1)->Checked());
}

// Whatever the item count, columns and size, every button lies inside the frame below the
// caption, and the buttons do not overlap.
TEST_F(ControlsTest, RadioGroupButtonsLieInsideTheFrameBelowTheCaption) {
    struct Case {
        int items, columns, width, height;
    };
    for (const Case& c :
         {Case{1, 1, 120, 40}, Case{2, 2, 200, 40}, Case{3, 1, 100, 80}, Case{4, 1, 120, 97},
          Case{4, 2, 240, 60}, Case{6, 3, 300, 70}, Case{7, 1, 150, 150}}) {
        auto* rg = new TRadioGroup(form.get());
        rg->SetCaption("Beep");
        rg->SetColumns(c.columns);
        std::vector<AnsiString> items;
        for (int i = 0; i < c.items; ++i)
            items.push_back("Item " + std::to_string(i));
        rg->SetItems(items);
        rg->SetBounds(10, 10, c.width, c.height);
        auto* box = static_cast<QGroupBox*>(rg->Widget());
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = box->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        QRect inside = box->contentsRect();
        QRect previous;
        for (int i = 0; i < c.items; ++i) {
            QRect r = rg->Button(i)->Widget()->geometry();
            EXPECT_TRUE(inside.contains(r)) << c.items << " items, button " << i;
            EXPECT_GE(r.top(), label.bottom()) << c.items << " items, button " << i;
            EXPECT_FALSE(r.intersects(previous)) << c.items << " items, button " << i;
            previous = r;
        }
        delete rg;
    }
}

// Each panel is its own width wide, except the last, which runs to the right edge (and keeps
// its width when the bar is narrower).
TEST_F(ControlsTest, StatusBarLastPanelRunsToTheRightEdge) {
    auto* bar = new TStatusBar(form.get());
    for (int w : {170, 50, 90, 50})
        bar->AddPanel(w);
    struct Case {
        int barWidth;
        int left[4], shown[4];
    };
    for (const Case& c : {Case{784, {0, 170, 220, 310}, {170, 50, 90, 474}},
                          Case{360, {0, 170, 220, 310}, {170, 50, 90, 50}},
                          Case{300, {0, 170, 220, 310}, {170, 50, 90, 50}}}) {
        bar->SetWidth(c.barWidth);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(bar->PanelLeft(i), c.left[i]) << c.barWidth << " panel " << i;
            EXPECT_EQ(bar->PanelShownWidth(i), c.shown[i]) << c.barWidth << " panel " << i;
        }
    }
}

TEST_F(ControlsTest, ComboBoxProgramIndexIsSilentUserChoiceRunsChangeThenClick) {
    auto* cb = new TComboBox(form.get());
    cb->SetItems({"a", "b", "c"});
    std::string events;
    cb->OnChange = [&](TObject*) { events += 'C'; };
    cb->OnClick = [&](TObject*) { events += 'K'; };
    cb->SetItemIndex(1);
    EXPECT_EQ(cb->Text(), "b");
    cb->SetItemIndex(3);
    EXPECT_EQ(cb->ItemIndex(), -1);
    EXPECT_EQ(static_cast<QComboBox*>(cb->Widget())->currentIndex(), -1);
    EXPECT_TRUE(events.empty());
    auto* q = static_cast<QComboBox*>(cb->Widget());
    q->setCurrentIndex(2);
    emit q->activated(2);
    EXPECT_EQ(events, "CK");
    EXPECT_EQ(cb->ItemIndex(), 2);
    PressKey(q, Qt::Key_Up);
    EXPECT_EQ(events, "CKCK");
    EXPECT_EQ(cb->ItemIndex(), 1);
}

TEST_F(ControlsTest, PageControlRunsChangeAfterEverySwitch) {
    auto* pc = new TPageControl(form.get());
    auto* p1 = new TTabSheet(form.get());
    auto* p2 = new TTabSheet(form.get());
    p1->SetPageControl(pc);
    p2->SetPageControl(pc);
    p2->SetCaption("&Second");
    std::vector<int> seen;
    pc->OnChange = [&](TObject*) { seen.push_back(pc->ActivePageIndex()); };
    EXPECT_EQ(pc->ActivePage(), p1);
    pc->SetActivePage(p2);
    EXPECT_EQ(seen, std::vector<int>{1});
    pc->SetActivePage(p2);
    EXPECT_EQ(seen.size(), 1u);
    bool allow = false;
    pc->OnChanging = [&](TObject*, bool& a) { a = allow; };
    QTabBar* bar = static_cast<QTabWidget*>(pc->Widget())->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(pc->ActivePage(), p2); // refused
    allow = true;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
    EXPECT_EQ(p2->PageIndex(), 1);
    EXPECT_EQ(bar->tabText(1), "&Second");
}

TEST_F(ControlsTest, GroupBoxFontReachesOnlyItsCaption) {
    auto* group = new TGroupBox(form.get());
    auto* label = new TLabel(form.get());
    label->SetParent(group);
    group->Font().SetStyle(fsBold);
    EXPECT_TRUE(group->Widget()->font().bold());
    EXPECT_FALSE(label->Widget()->font().bold());
    group->Font().SetStyle(0);
    EXPECT_FALSE(group->Widget()->font().bold());
}

TEST_F(ControlsTest, ControlsKeepGeometryVisibilityAndCaptionsOffscreen) {
    auto* group = new TGroupBox(form.get());
    group->SetBounds(10, 20, 200, 100);
    auto* label = new TLabel(form.get());
    label->SetParent(group);
    label->SetBounds(8, 16, 50, 13);
    label->SetCaption("&Name && more");
    EXPECT_EQ(static_cast<QLabel*>(label->Widget())->text(), "Name & more");
    EXPECT_EQ(label->Widget()->parentWidget(), group->ClientWidget());
    EXPECT_EQ(label->Left(), 8);
    EXPECT_EQ(label->Top(), 16);
    EXPECT_EQ(group->Width(), 200);
    label->Hide();
    EXPECT_FALSE(label->Visible());
    EXPECT_TRUE(label->Widget()->isHidden());
    label->Show();
    EXPECT_FALSE(label->Widget()->isHidden());
    form->SetClientSize(300, 200);
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(form->ClientHeight(), 200);
}

TEST_F(ControlsTest, ButtonClickSetsModalResultBeforeOnClick) {
    auto* button = new TButton(form.get());
    button->ModalResult = mrOk;
    int seen = -1;
    button->OnClick = [&](TObject*) { seen = form->ModalResult(); };
    Click(button);
    EXPECT_EQ(seen, mrOk);
}

TEST_F(ControlsTest, EnterAndEscapeClickDefaultAndCancelButtons) {
    auto* edit = new TEdit(form.get());
    auto* ok = new TButton(form.get());
    auto* cancel = new TButton(form.get());
    ok->Default = true;
    cancel->Cancel = true;
    std::string clicks;
    ok->OnClick = [&](TObject*) { clicks += 'O'; };
    cancel->OnClick = [&](TObject*) { clicks += 'C'; };
    PressKey(edit->Widget(), Qt::Key_Return);
    PressKey(edit->Widget(), Qt::Key_Escape);
    EXPECT_EQ(clicks, "OC");
}

TEST_F(ControlsTest, MouseDownReportsClientPositionAndButton) {
    auto* panel = new TPanel(form.get());
    panel->SetBounds(0, 0, 100, 50);
    TMouseButton button = mbLeft;
    int x = -1, y = -1, clicks = 0;
    panel->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int mx, int my) {
        button = b;
        x = mx;
        y = my;
    };
    panel->OnClick = [&](TObject*) { ++clicks; };
    QTest::mouseClick(panel->Widget(), Qt::RightButton, {}, QPoint(30, 12));
    EXPECT_EQ(button, mbRight);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 12);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(panel->Widget(), Qt::LeftButton, {}, QPoint(3, 4));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, UpDownAsksChangingThenMovesAndWraps) {
    auto* ud = new TUpDown(form.get());
    ud->SetMin(0);
    ud->SetMax(2);
    ud->Wrap = true;
    ud->SetPosition(2);
    bool allow = true;
    std::vector<TUDBtnType> clicks;
    ud->OnChanging = [&](TObject*, bool& a) { a = allow; };
    ud->OnClickButton = [&](TObject*, TUDBtnType b) { clicks.push_back(b); };
    ud->Press(btNext);
    EXPECT_EQ(ud->Position(), 0);
    ud->Press(btPrev);
    EXPECT_EQ(ud->Position(), 2);
    allow = false;
    ud->Press(btPrev);
    EXPECT_EQ(ud->Position(), 2);
    EXPECT_EQ(clicks.size(), 2u);
    ud->Wrap = false;
    allow = true;
    ud->Press(btNext);
    EXPECT_EQ(ud->Position(), 2);
    ud->SetPosition(9);
    EXPECT_EQ(ud->Position(), 2);
}

TEST_F(ControlsTest, ProgressAndStatusBarsHoldState) {
    auto* bar = new TProgressBar(form.get());
    bar->SetMax(10);
    bar->SetPosition(12);
    EXPECT_EQ(bar->Position(), 10);
    auto* status = new TStatusBar(form.get());
    status->AddPanel(170);
    status->AddPanel(50, taCenter);
    status->SetPanelText(1, "+ R");
    status->SetPanelText(5, "ignored");
    EXPECT_EQ(status->PanelText(1), "+ R");
    EXPECT_EQ(status->PanelText(5), "");
    form->SetClientSize(400, 300);
    EXPECT_EQ(status->Top() + status->Height(), 300);
    EXPECT_EQ(status->Width(), 400);
}
