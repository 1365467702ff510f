#include "tests/support/WidgetInput.h"

#include "platform/TestSeam.h"
#include "platform/internal/Bridge.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace widgetinput {

namespace {
Qt::MouseButton QtButton(TMouseButton b) {
    return b == mbRight ? Qt::RightButton : b == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}
} // namespace

void Click(TWinControl* control, TMouseButton button, int x, int y) {
    QTest::mouseClick(control->ClientWidget(), QtButton(button), {}, QPoint(x, y));
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void DoubleClick(TWinControl* control, int x, int y) {
    QTest::mouseDClick(control->ClientWidget(), Qt::LeftButton, {}, QPoint(x, y));
}

void Type(TWinControl* control, char key) {
    QWidget* w = control->ClientWidget();
    if (key == '\r')
        QTest::keyClick(w, Qt::Key_Return);
    else
        QTest::keyClick(w, key);
}

void PressKey(TWinControl* control, uint16_t key, TShiftState shift) {
    QWidget* w =
        control->Widget()->focusProxy() ? control->Widget()->focusProxy() : control->Widget();
    Qt::KeyboardModifiers mods;
    if (shift & ssShift) mods |= Qt::ShiftModifier;
    if (shift & ssCtrl) mods |= Qt::ControlModifier;
    auto qtKey = static_cast<Qt::Key>(wyx::QtKey(key));
    if (qtKey == Qt::Key_Tab && (shift & ssShift)) qtKey = Qt::Key_Backtab;
    QTest::keyClick(w, qtKey, mods);
}

TWinControl* FocusedControl(TForm* form) {
    for (QWidget* w = form->Widget()->focusWidget(); w; w = w->parentWidget())
        if (auto* c = dynamic_cast<TWinControl*>(wyx::ControlOf(w)))
            if (c->Widget() == w || c->Widget()->focusProxy() == w) return c;
    return nullptr;
}

bool ShowActive(TWinControl* form) {
    QWidget* w = form->Widget();
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

void RequestClose(TForm* form) {
    QWidget* w = form->Widget();
    QCloseEvent e;
    if (QWindow* window = w->windowHandle())
        QApplication::sendEvent(window, &e);
    else
        QApplication::sendEvent(w, &e);
}

struct RealMessageBoxes::Impl {
    std::function<bool(const AnsiString&)> ready;
    int grace = 0;
    bool wasActive = true;
    QTimer poll;
    QPointer<QMessageBox> box; // the box being waited on
    QElapsedTimer readySince;
    std::vector<AnsiString> texts;

    void Poll() {
        auto* top = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!top) return;
        if (top != box) {
            box = top;
            readySince.invalidate();
        }
        const AnsiString text = top->text().toLatin1().toStdString();
        if (!readySince.isValid()) {
            if (!ready(text)) return;
            readySince.start();
        }
        if (readySince.elapsed() < grace) return;
        texts.push_back(text);
        QAbstractButton* b = top->defaultButton();
        if (!b && !top->buttons().isEmpty()) b = top->buttons().first();
        box = nullptr;
        if (b) b->click();
    }
};

RealMessageBoxes::RealMessageBoxes(std::function<bool(const AnsiString&)> ready, int graceMs)
    : impl_(std::make_unique<Impl>()) {
    impl_->ready = std::move(ready);
    impl_->grace = graceMs;
    impl_->wasActive = TestSeam().Active;
    TestSeam().Active = false;
    impl_->poll.setInterval(5);
    QObject::connect(&impl_->poll, &QTimer::timeout, [this] { impl_->Poll(); });
    impl_->poll.start();
}

RealMessageBoxes::~RealMessageBoxes() {
    TestSeam().Active = impl_->wasActive;
}

std::vector<AnsiString> RealMessageBoxes::Texts() const {
    return impl_->texts;
}

} // namespace widgetinput
