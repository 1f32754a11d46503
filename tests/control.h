#pragma once

#include "ui/controls.h"
#include "ui/windowbuilder.h"

#include <QObject>
#include <QWidget>
#include <QtGlobal>

// A control of a window found by its design name, as a screen reader or a test script finds it;
// a window without it ends the test program, since every later step would lean on it.
template <typename Control = QWidget> Control *control(const QObject &window, const char *name, int index = -1)
{
    auto *found = window.findChild<Control *>(ui::designName(name, index));
    if (!found)
        qFatal("%s has no %s", qPrintable(window.objectName()), qPrintable(ui::designName(name, index)));
    return found;
}

// What a label of the window says.
inline QString caption(const QObject &window, const char *name, int index = -1)
{
    return control<ui::Label>(window, name, index)->caption();
}

// One period of a window's timer, at once; QTimer::timeout is a private signal, so only the
// meta-object system may raise it from outside.
inline void tickTimer(const QObject &window, const char *timer = "Timer1")
{
    QMetaObject::invokeMethod(control<QObject>(window, timer), "timeout");
}
