#include "ui/formmanager.h"

#include "ui/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
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
        app->installEventFilter(&m_heldKeys);
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
    return false;
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
