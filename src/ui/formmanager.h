#pragma once

#include "ui/heldkeyguard.h"

#include <QObject>
#include <QPointer>

#include <QWidget>

#include <functional>

class QCloseEvent;

namespace ui {

class Form;

// Knows which form of the program was active last, so that Form_Activate runs when activation
// moves between windows of this program, and not on a round trip through another application.
class FormManager : public QObject {
    Q_OBJECT
public:
    explicit FormManager(QObject *parent = nullptr);

    // A form was shown: it becomes the active one and its Form_Activate runs.
    void shown(Form *form);
    // The window system activated a window of this program: a form, or the main window itself.
    // Form_Activate runs only when activation comes from another window of this program.
    void activated(QWidget *window);

    // A close request from the user (the title bar, Alt+F4, Ctrl+F4) is refused; one that comes
    // from the application quitting, as it does when the desktop ends the session, is accepted.
    void handleCloseRequest(QCloseEvent *event) const;
    bool quitting() const { return m_quitting; }

    // Ends the program with exit code 0; tests replace the ending to observe it.
    void endProgram();
    void setEndProgram(std::function<void()> end) { m_end = std::move(end); }

private:
    QPointer<QWidget> m_lastActive;
    bool eventFilter(QObject *watched, QEvent *event) override;
    HeldKeyGuard m_heldKeys;

    bool m_quitting = false;
    bool m_ended = false;
    std::function<void()> m_end;
};

} // namespace ui
