#include "ui/formmanager.h"

#include "ui/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>

namespace ui {

FormManager::FormManager(QObject *parent) : QObject(parent)
{
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // Hiding every window must never end the program; only the information screen ends it.
        app->setQuitOnLastWindowClosed(false);
        // At logout the session manager asks first; we never cancel, and close requests are
        // accepted from then on.
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager &) { m_sessionEnding = true; });
    }
    m_end = [] {
        // exit() and not quit(): quit() is cancelled when a window refuses its close request.
        QCoreApplication::exit(0);
    };
}

void FormManager::shown(Form *form)
{
    m_lastActive = form;
    form->Form_Activate();
}

void FormManager::activated(QWidget *window)
{
    if (!window || window == m_lastActive)
        return;
    m_lastActive = window;
    if (auto *form = qobject_cast<Form *>(window))
        form->Form_Activate();
}

void FormManager::handleCloseRequest(QCloseEvent *event) const
{
    if (m_sessionEnding || m_ended)
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
