#include "tests/support/WidgetInput.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

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

bool ShowActive(TWinControl* form) {
    QWidget* w = form->Widget();
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

} // namespace widgetinput
