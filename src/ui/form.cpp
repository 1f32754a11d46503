#include "ui/form.h"

#include "ui/formmanager.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace ui {

Form::Form(FormManager &manager, const QString &name) : m_manager(manager)
{
    setObjectName(name);
    setWindowFlag(Qt::Window);
    setMouseTracking(true);
    // The form paints its own background, so that a new colour repaints only the bare surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Form::makeDocumentWindow(QMdiArea *area, Qt::WindowFlags flags)
{
    setWindowFlag(Qt::Window, false);
    m_subWindow = area->addSubWindow(this, flags);
    m_subWindow->setObjectName(objectName() + QStringLiteral("_frame"));
    // Closing the frame (Ctrl+F4, its system menu) must hide nothing and delete nothing.
    m_subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    m_subWindow->setOption(QMdiSubWindow::RubberBandMove, false);
    m_subWindow->hide();
}

QWidget *Form::windowWidget()
{
    return m_subWindow ? static_cast<QWidget *>(m_subWindow) : this;
}

void Form::Show()
{
    QWidget *window = windowWidget();
    window->show();
    window->raise();
    if (m_subWindow) {
        show();
        m_subWindow->mdiArea()->setActiveSubWindow(m_subWindow);
    } else {
        activateWindow();
    }
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (QWidget *first = firstInTabOrder())
            first->setFocus(Qt::OtherFocusReason);
    }
    m_manager.shown(this);
}

void Form::Hide()
{
    windowWidget()->hide();
}

bool Form::isShown() const
{
    return m_subWindow ? !m_subWindow->isHidden() : !isHidden();
}

void Form::setBackColor(BgrColor color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    // A palette change would reach and repaint every control; only the surface that shows changes.
    QRegion bare(rect());
    for (QObject *child : children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isHidden() && !control->isWindow()
            && (control->autoFillBackground() || control->testAttribute(Qt::WA_OpaquePaintEvent)))
            bare -= control->geometry();
    }
    update(bare);
}

void Form::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(m_backColor));
}

void Form::setClientSizeTwips(int width, int height)
{
    const QSize size(twipsToPixelsX(width), twipsToPixelsY(height));
    if (m_subWindow) {
        setFixedSize(size);
        m_subWindow->adjustSize();
    } else {
        resize(size);
    }
}

void Form::centreOnDisplay()
{
    QWidget *window = windowWidget();
    // Before the window manager has framed a top-level window Qt knows no frame; the client size
    // stands in for the outer size then.
    const QSize outer = window->frameGeometry().size();
    const double outerWidthTwips = pixelsToTwips(outer.width(), logicalDpiX());
    const double outerHeightTwips = pixelsToTwips(outer.height(), logicalDpiY());
    const auto left = static_cast<float>((displayWidthTwips() - outerWidthTwips) / 2.0);
    const auto top = static_cast<float>((displayHeightTwips() - outerHeightTwips) / 2.0);
    window->move(twipsToPixelsX(left), twipsToPixelsY(top));
}

QWidget *Form::firstInTabOrder() const
{
    for (QWidget *control : m_tabOrder) {
        if (!control->isHidden() && control->isEnabled())
            return control;
    }
    return nullptr;
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Form_MouseMove();
}

void Form::closeEvent(QCloseEvent *event)
{
    m_manager.handleCloseRequest(event);
}

void Form::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !m_subWindow && isActiveWindow())
        m_manager.activated(this);
    QWidget::changeEvent(event);
}

} // namespace ui
