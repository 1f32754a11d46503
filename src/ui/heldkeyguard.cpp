#include "ui/heldkeyguard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QKeyEvent>

namespace ui {

HeldKeyGuard::HeldKeyGuard(QObject *parent) : QObject(parent)
{
}

bool HeldKeyGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return isRepeat(watched, static_cast<QKeyEvent *>(event));
    return false;
}

bool HeldKeyGuard::isRepeat(QObject *watched, const QKeyEvent *event)
{
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return false;
    if (event->type() == QEvent::KeyRelease) {
        m_releasedKey = key;
        m_releasedAt = event->timestamp();
        m_releaseClock.start();
        return false;
    }
    // A press passes the window before it reaches the focus widget: only a button's counts.
    if (!qobject_cast<QAbstractButton *>(watched))
        return false;
    // X11 repeats a held key as a release and a press of the same moment; Qt 6.4 marks the pair
    // as a repeat only when the press is already queued, which it is not when the first press's
    // handler took long, as one that moves the focus to another window does.
    // A press without a release before it is not a repeat: the release of a key pressed on a
    // window that the press hid goes to no window of this program.
    const quint64 at = event->timestamp();
    // With a screen reader listening, Qt's AT-SPI bridge passes keys on only once the screen reader
    // has seen them, as copies without the window system's time: a pair then comes back to back.
    constexpr qint64 pairGapMs = 30;
    const bool pair = key == m_releasedKey && (at != 0 ? at == m_releasedAt
                                                       : QAccessible::isActive() && m_releaseClock.isValid() &&
                                                             m_releaseClock.elapsed() < pairGapMs);
    return event->isAutoRepeat() || pair;
}

} // namespace ui
