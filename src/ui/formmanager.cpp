#include "ui/formmanager.h"

#include "ui/form.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSessionManager>

#ifdef Q_OS_WASM
#include <emscripten.h>
#endif

namespace ui {

FormManager::FormManager(QObject *parent) : QObject(parent)
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // Hiding every window must never end the program; only the information screen ends it.
        app->setQuitOnLastWindowClosed(false);
        // Ending the session, with or without a "save your work" request first, reaches the
        // application as a quit, which asks every window to close.
        app->installEventFilter(this);
        // Nothing of a run is kept, so a restored session would only start a new one unasked.
        const auto neverRestart = [](QSessionManager &session) {
            session.setRestartHint(QSessionManager::RestartNever);
        };
        connect(app, &QGuiApplication::commitDataRequest, this, neverRestart);
        connect(app, &QGuiApplication::saveStateRequest, this, neverRestart);
    }
    m_end = [] {
        // exit() and not quit(): quit() is cancelled when a window refuses its close request.
        QCoreApplication::exit(0);
#ifdef Q_OS_WASM
        // In the browser exec() never returns and the page would keep the last frame: only the
        // runtime's own exit tells the page that the program has ended.
        emscripten_force_exit(0);
#endif
    };
}

void FormManager::shown(Form *form)
{
    m_lastActive = form;
    form->Form_Activate();
}

void FormManager::activated(QWidget *window)
{
    // The window system may activate a window after the program has hidden it again; counting that
    // would make the window shown next look reached from another window, and reset it.
    if (!window || window == m_lastActive || !window->isVisible())
        return;
    m_lastActive = window;
    if (auto *form = qobject_cast<Form *>(window))
        form->Form_Activate();
}

bool FormManager::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance())
        m_quitting = true;
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return swallowRepeat(watched, static_cast<QKeyEvent *>(event));
    return false;
}

bool FormManager::swallowRepeat(QObject *watched, const QKeyEvent *event)
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

void FormManager::handleCloseRequest(QCloseEvent *event) const
{
    if (m_quitting || m_ended)
        event->accept();
    else
        event->ignore();
}

void FormManager::endProgram()
{
    m_ended = true;
    if (m_end)
        m_end();
}

} // namespace ui
