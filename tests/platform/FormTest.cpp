#include "Helpers.h"
#include "platform/ExtCtrls.h"
#include "platform/Menus.h"
#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct FormTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};
} // namespace

TEST_F(FormTest, MessageBoxSeamRecordsAndAnswersInOrder) {
    TestSeam().MessageBoxAnswers = {IDYES};
    EXPECT_EQ(Application->MessageBox("Save?", "WYX-R2M", 51), IDYES);
    EXPECT_EQ(Application->MessageBox("Save?", "WYX-R2M", 51), IDCANCEL);
    EXPECT_EQ(Application->MessageBox("Write?", "WYX-R2M", 36), IDNO);
    EXPECT_EQ(Application->MessageBox("Done", "WYX-R2M", 64), IDOK);
    ASSERT_EQ(TestSeam().MessageBoxes.size(), 4u);
    EXPECT_EQ(TestSeam().MessageBoxes[2].Text, "Write?");
    EXPECT_EQ(TestSeam().MessageBoxes[2].Caption, "WYX-R2M");
    EXPECT_EQ(TestSeam().MessageBoxes[2].Flags, 36);
}

TEST_F(FormTest, GuardShowsTheExceptionAsAStopBox) {
    Application->Title = "WYX-R2M";
    bool after = false;
    Application->Guard([] { throw Exception("Read data Timeout"); });
    Application->Guard([] { throw 42; });
    after = true;
    EXPECT_TRUE(after);
    ASSERT_EQ(TestSeam().MessageBoxes.size(), 2u);
    EXPECT_EQ(TestSeam().MessageBoxes[0].Text, "Read data Timeout");
    EXPECT_EQ(TestSeam().MessageBoxes[0].Caption, "WYX-R2M");
    EXPECT_EQ(TestSeam().MessageBoxes[0].Flags, 16);
}

TEST_F(FormTest, ShowModalRunsALoopUntilATimerSetsTheResult) {
    int shows = 0;
    form->OnShow = [&](TObject*) { ++shows; };
    auto* timer = new TTimer(form.get());
    timer->SetInterval(20);
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        form->SetModalResult(mrOk);
    };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_FALSE(form->Modal());
    timer->SetEnabled(true);
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(shows, 2);
}

TEST_F(FormTest, ModalCloseAsksCloseQueryAndCaNoneKeepsItOpen) {
    int queries = 0;
    form->OnCloseQuery = [&](TObject*, bool& can) { can = ++queries > 1; };
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction& a) {
        if (++closes == 1) a = caNone;
    };
    auto* timer = new TTimer(form.get());
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) {
        if (form->Modal()) form->Close();
    };
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(queries, 3); // refused, then caNone, then closed
    EXPECT_EQ(closes, 2);
    timer->SetEnabled(false);
}

TEST_F(FormTest, SeamShowModalRunsOnShowAndReturnsItsAnswer) {
    int shows = 0;
    form->OnShow = [&](TObject*) { ++shows; };
    TForm* seen = nullptr;
    TestSeam().OnShowModal = [&](TForm* f) {
        seen = f;
        EXPECT_TRUE(f->Modal());
        return mrYes;
    };
    EXPECT_EQ(form->ShowModal(), mrYes);
    EXPECT_EQ(seen, form.get());
    EXPECT_EQ(shows, 1);
}

TEST_F(FormTest, CloseRunsQueryThenCloseAndCaNoneKeepsTheFormShown) {
    form->ShowForm();
    TCloseAction action = caNone;
    int hides = 0;
    form->OnClose = [&](TObject*, TCloseAction& a) { a = action; };
    form->OnHide = [&](TObject*) { ++hides; };
    form->Close();
    EXPECT_TRUE(form->Widget()->isVisible());
    action = caHide;
    form->Close();
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_EQ(hides, 1);
    form->ShowForm();
    form->Widget()->close(); // the title bar's close box
    EXPECT_FALSE(form->Widget()->isVisible());
}

TEST_F(FormTest, MenuItemsRunInTheGuardAndFollowTheirState) {
    auto* menu = new TMainMenu(form.get());
    auto* file = new TMenuItem(form.get());
    file->SetCaption("&File");
    auto* open = new TMenuItem(form.get());
    open->SetCaption("&Open...");
    open->SetShortCut({'O', ssCtrl});
    auto* sep = new TMenuItem(form.get());
    sep->SetCaption("-");
    auto* port = new TMenuItem(form.get());
    port->SetCaption("Com&1");
    menu->Items()->Add(file);
    file->Add(open);
    file->Add(sep);
    file->Add(port);
    form->SetMenu(menu);
    int opens = 0;
    open->OnClick = [&](TObject*) {
        ++opens;
        throw Exception("File Open error.");
    };
    open->Action()->trigger();
    EXPECT_EQ(opens, 1);
    ASSERT_EQ(TestSeam().MessageBoxes.size(), 1u);
    EXPECT_EQ(open->Action()->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_TRUE(sep->Action()->isSeparator());
    EXPECT_TRUE(sep->Action()->text().isEmpty()) << "a plain line, no \"-\" section heading";
    port->OnClick = [](TObject*) {};
    port->SetChecked(true);
    port->Action()->trigger(); // only the handler changes Checked
    EXPECT_TRUE(port->Action()->isChecked());
    port->SetChecked(false);
    EXPECT_FALSE(port->Action()->isChecked());
    EXPECT_FALSE(port->Action()->isCheckable()) << "no empty check box once unchecked";
    open->SetEnabled(false);
    EXPECT_FALSE(open->Action()->isEnabled());
    port->SetVisible(false);
    EXPECT_FALSE(port->Action()->isVisible());
    EXPECT_EQ(file->Menu()->actions().size(), 3);
    EXPECT_GT(form->ClientWidget()->y(), 0); // the client area sits below the menu bar
}

TEST_F(FormTest, TimerStopsRestartsAndGuardsItsHandler) {
    auto* timer = new TTimer(form.get());
    timer->SetEnabled(false);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        ++ticks;
        throw Exception("tick");
    };
    timer->SetInterval(5);
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);
    timer->SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    timer->SetEnabled(false);
    int stopped = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, stopped);
    EXPECT_EQ(TestSeam().MessageBoxes.size(), static_cast<size_t>(ticks));
}

TEST_F(FormTest, DialogBorderStyleFixesTheSizeAndCloseBoxCanGo) {
    form->SetBorderStyle(bsDialog);
    form->SetCloseBox(false);
    form->SetClientSize(200, 100);
    form->ShowForm();
    EXPECT_EQ(form->Widget()->minimumSize(), form->Widget()->maximumSize());
    EXPECT_FALSE(form->Widget()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    form->SetClientSize(220, 120);
    EXPECT_EQ(form->ClientWidth(), 220);
    form->HideForm();
}

TEST_F(FormTest, ComponentsFreeWhatTheyOwnAndLeaveTheirOwner) {
    struct Probe : TComponent {
        Probe(TComponent* o, int* n) : TComponent(o), count(n) {}
        ~Probe() override { ++*count; }
        int* count;
    };
    int freed = 0;
    auto* parent = new TComponent(nullptr);
    auto* a = new Probe(parent, &freed);
    new Probe(a, &freed);
    new Probe(parent, &freed);
    delete a; // frees its own child and leaves parent
    EXPECT_EQ(freed, 2);
    delete parent;
    EXPECT_EQ(freed, 3);
}

TEST_F(FormTest, CommandLineAndCurrentDir) {
    char prog[] = "prog", a1[] = "My", a2[] = "file.r2";
    char* argv[] = {prog, a1, a2};
    SetCommandLine(3, argv);
    EXPECT_EQ(ParamCount(), 2);
    EXPECT_EQ(ParamStr(2), "file.r2");
    EXPECT_EQ(ParamStr(3), "");
    EXPECT_EQ(GetCurrentDir().back(), '/');
}

TEST(ApplicationRun, ClosingTheMainFormEndsTheLoop) {
    TApplication* outer = Application;
    {
        int argc = 1;
        char name[] = "run-test";
        char* argv[] = {name, nullptr};
        TApplication app(argc, argv);
        EXPECT_EQ(Application, &app);
        TForm* main = nullptr;
        TForm* second = nullptr;
        app.CreateForm(main);
        app.CreateForm(second);
        EXPECT_EQ(app.MainForm(), main);
        int shows = 0;
        main->OnShow = [&](TObject*) { ++shows; };
        auto* timer = new TTimer(main);
        timer->SetInterval(10);
        timer->OnTimer = [&](TObject*) { main->Close(); };
        app.Run();
        EXPECT_TRUE(app.Terminated());
        EXPECT_EQ(shows, 1);
        EXPECT_FALSE(main->Widget()->isVisible());
    }
    EXPECT_EQ(Application, outer);
}

namespace {
// Answers the next real message box with the given button and reports what it showed.
struct BoxAnswer {
    explicit BoxAnswer(QMessageBox::StandardButton b) : button(b) {}
    QMessageBox::StandardButton button;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    void Arm() {
        QTimer::singleShot(10, [this] { Try(); });
    }
    void Try() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, [this] { Try(); });
            return;
        }
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->buttons();
        box->button(button)->click();
    }
};
} // namespace

TEST(RealMessageBox, ButtonsIconsAndAnswersFollowTheFlags) {
    TestSeam().Active = false;
    BoxAnswer yes(QMessageBox::Yes);
    yes.Arm();
    EXPECT_EQ(Application->MessageBox("Data is changed.\nSave? \xE9", "WYX-R2M", 51), IDYES);
    EXPECT_EQ(yes.buttons.size(), 3);
    EXPECT_EQ(yes.icon, QMessageBox::Warning);
    EXPECT_EQ(yes.text, QString::fromUtf8("Data is changed.\nSave? \u00E9"));
    EXPECT_EQ(yes.title, "WYX-R2M");
    BoxAnswer no(QMessageBox::No);
    no.Arm();
    EXPECT_EQ(Application->MessageBox("Write?", "WYX-R2M", 36), IDNO);
    EXPECT_EQ(no.buttons.size(), 2);
    EXPECT_EQ(no.icon, QMessageBox::Question);
    BoxAnswer ok(QMessageBox::Ok);
    ok.Arm();
    EXPECT_EQ(Application->MessageBox("File Open error.", "WYX-R2M", 16), IDOK);
    EXPECT_EQ(ok.icon, QMessageBox::Critical);
    TestSeam().Active = true;
}
