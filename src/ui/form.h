#pragma once

#include "ui/colors.h"
#include "ui/twips.h"
#include "ui/windowframe.h"

#include <QWidget>

#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace ui {

class FormManager;

// A window of the program: created once, loaded on first reference, then only shown and hidden.
// A document window lives inside a QMdiArea; its Left and Top are measured in that area.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(FormManager &manager, const QString &name);

    // A top-level form's frame; call before the first show. A caption-only form cannot stay
    // minimised or maximised where a window manager offers those anyway.
    void setFrameKind(FrameKind kind);
    // Puts this form into the main window's document area as a fixed panel: a thin fixed border,
    // no title bar, not movable or resizable; call before the first show.
    void makeDocumentWindow(QMdiArea *area);
    QMdiSubWindow *subWindow() const { return m_subWindow; }
    // What a screen reader calls the window, where its caption does not tell the windows apart;
    // a document window's frame carries the same name.
    void setSpokenName(const QString &name);
    // The form a document frame holds, or none.
    static Form *ofSubWindow(QMdiSubWindow *subWindow);
    // The widget that is shown, hidden and moved: the form itself or its document frame.
    QWidget *windowWidget();

    // Shows the form modeless and raises Form_Activate.
    void Show();
    void Hide();
    bool isShown() const;

    void setBackColor(BgrColor color);
    BgrColor backColor() const { return m_backColor; }
    void setClientSizeTwips(int width, int height);

    // Left = (display width - outer width) / 2, Top likewise, in floating point twips; neither the
    // left nor the top edge lies off the display, so that the title bar and the buttons at the left
    // stay in reach on a small screen.
    void centreOnDisplay();

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_MouseMove() {}

    // The focus on a first show goes to the visible control with the lowest tab place.
    void setTabOrder(std::vector<QWidget *> order) { m_tabOrder = std::move(order); }
    QWidget *firstInTabOrder() const;

    void setVisible(bool visible) override;

protected:
    FormManager &manager() { return m_manager; }
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // A form is shown with Show(), which runs its load and activate events, and hidden with Hide();
    // QWidget's own calls would skip them.
    using QWidget::hide;
    using QWidget::show;

    void undoMinimiseOrMaximise();

    FormManager &m_manager;
    QMdiSubWindow *m_subWindow = nullptr;
    FrameKind m_frameKind = FrameKind::Standard;
    BgrColor m_backColor = 0xFFFFFF;
    std::vector<QWidget *> m_tabOrder;
    bool m_shownOnce = false;
    bool m_showing = false;
};

} // namespace ui
