// Where the window manager meets a form: border icons, close requests, a show handler that
// throws; and timers that never fire early.
#include "Helpers.h"
#include "platform/ExtCtrls.h"
#include "tests/support/WidgetInput.h"
#include <chrono>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct FormCloseTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};
} // namespace

TEST_F(FormCloseTest, BorderIconsFollowTheStyleAndGoWithTheSystemMenu) {
    struct Case {
        TFormBorderStyle style;
        bool icons;
        bool min, max, close;
    };
    const Case cases[] = {
        {bsSizeable, true, true, true, true},     {bsSingle, true, true, false, true},
        {bsDialog, true, false, false, true},     {bsSingle, false, false, false, false},
        {bsSizeable, false, false, false, false}, {bsDialog, false, false, false, false},
    };
    for (const Case& c : cases) {
        form->SetBorderStyle(c.style);
        form->SetCloseBox(c.icons);
        const Qt::WindowFlags f = form->Widget()->windowFlags();
        EXPECT_EQ(bool(f & Qt::WindowMinimizeButtonHint), c.min) << c.style << c.icons;
        EXPECT_EQ(bool(f & Qt::WindowMaximizeButtonHint), c.max) << c.style << c.icons;
        EXPECT_EQ(bool(f & Qt::WindowCloseButtonHint), c.close) << c.style << c.icons;
    }
}

TEST_F(FormCloseTest, ACloseRequestTakesTheFormsOwnClosePath) {
    int queries = 0, requests = 0;
    bool allow = false;
    form->OnCloseQuery = [&](TObject*, bool& can) {
        ++queries;
        can = allow;
    };
    form->ShowForm();
    widgetinput::RequestClose(form.get()); // no handler of its own: Close asks the query
    EXPECT_EQ(queries, 1);
    EXPECT_TRUE(form->Widget()->isVisible());

    form->OnCloseRequest = [&](TObject*) { ++requests; }; // e.g. a Close button that asks
    widgetinput::RequestClose(form.get());
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(queries, 1);
    EXPECT_TRUE(form->Widget()->isVisible());

    form->OnCloseRequest = [&](TObject*) { form->Close(); };
    allow = true;
    widgetinput::RequestClose(form.get());
    EXPECT_FALSE(form->Widget()->isVisible());
}

TEST_F(FormCloseTest, AFormWhoseShowHandlerThrowsIsShownAndTheErrorReported) {
    form->OnShow = [](TObject*) { throw Exception("CommOpen Error,invalid HANDLE:0xFFFFFFFF"); };
    form->ShowForm();
    EXPECT_TRUE(form->Widget()->isVisible());
    form->HideForm();

    bool shownInLoop = false;
    auto* timer = new TTimer(form.get());
    timer->SetInterval(10);
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        shownInLoop = form->Widget()->isVisible();
        form->Close();
    };
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_TRUE(shownInLoop);
    ASSERT_EQ(TestSeam().MessageBoxes.size(), 2u);
    EXPECT_EQ(TestSeam().MessageBoxes[1].Text, "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
}

// Each period lasts at least its interval, however the event loop rounds its timers. Every
// period is started anew, as each command starts the reply time-out.
TEST_F(FormCloseTest, ATimerNeverFiresBeforeItsInterval) {
    using Clock = std::chrono::steady_clock;
    auto* timer = new TTimer(form.get());
    timer->SetEnabled(false);
    timer->SetInterval(97);
    std::vector<Clock::duration> periods;
    Clock::time_point start;
    auto restart = [&] {
        timer->SetEnabled(false);
        start = Clock::now();
        timer->SetEnabled(true);
    };
    timer->OnTimer = [&](TObject*) {
        periods.push_back(Clock::now() - start);
        restart();
    };
    restart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return periods.size() >= 12; }, 20000));
    timer->SetEnabled(false);
    for (Clock::duration p : periods)
        EXPECT_GE(p, std::chrono::milliseconds(97));
}
