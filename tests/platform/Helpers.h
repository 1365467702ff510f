// Shared helpers of the platform tests: a form to put controls on and simulated input.
#pragma once
#include "platform/Forms.h"
#include "platform/TestSeam.h"
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

// Sends one typed character (any Unicode text) to a widget as the keyboard would.
inline void TypeText(QWidget* w, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

inline void PressKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(w, key, mods);
}

// The widget that receives keys and clicks for a control.
inline QWidget* InputWidget(TControl* c) {
    QWidget* w = c->Widget();
    return w->focusProxy() ? w->focusProxy() : w;
}
