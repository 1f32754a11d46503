#include "ui/form.h"

#include "ui/classicedge.h"
#include "ui/controls.h"
#include "ui/formmanager.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

// The fixed border round a document form: a document frame without a title bar draws none.
class DocumentBorder : public QWidget {
public:
    explicit DocumentBorder(Form *form) : m_form(form)
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
        layout->addWidget(form);
        // Taken out of its own window the form is hidden, and a hidden child's size never reaches
        // the layout.
        static_cast<QWidget *>(form)->show();
    }

    static constexpr int borderWidth = 3;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawClassicEdge(painter, rect(), Edge::FixedBorder);
    }
    // Closing the document frame (Ctrl+F4) is a close request to the form itself.
    void closeEvent(QCloseEvent *event) override
    {
        if (!m_form->close())
            event->ignore();
    }

private:
    Form *m_form;
};

} // namespace

Form::Form(FormManager &manager, const QString &name) : m_manager(manager)
{
    installOwnAccessibility();
    setObjectName(name);
    setWindowFlag(Qt::Window);
    setMouseTracking(true);
    // The form paints its own background, so that a new colour repaints only the bare surface.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Form::setFrameKind(FrameKind kind)
{
    m_frameKind = kind;
    ui::setFrameKind(this, kind);
}

void Form::makeDocumentWindow(QMdiArea *area)
{
    setWindowFlag(Qt::Window, false);
    // A frameless document frame has no title bar to drag and no edge to resize by.
    m_subWindow = area->addSubWindow(new DocumentBorder(this), Qt::SubWindow | Qt::FramelessWindowHint);
    m_subWindow->setObjectName(objectName() + QStringLiteral("_frame"));
    // Closing the frame (Ctrl+F4) must hide nothing and delete nothing.
    m_subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    m_subWindow->setSystemMenu(nullptr);
    // Only the form's own controls take the focus, not the frame round it.
    m_subWindow->setFocusPolicy(Qt::NoFocus);
    m_subWindow->hide();
}

void Form::setSpokenName(const QString &name)
{
    setAccessibleName(name);
    if (m_subWindow) {
        // A screen reader reads a document frame's title, which this frame has no bar to show.
        m_subWindow->setWindowTitle(name);
        m_subWindow->widget()->setAccessibleName(name);
    }
}

Form *Form::ofSubWindow(QMdiSubWindow *subWindow)
{
    return subWindow && subWindow->widget()
               ? subWindow->widget()->findChild<Form *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

QWidget *Form::windowWidget()
{
    return m_subWindow ? static_cast<QWidget *>(m_subWindow) : this;
}

void Form::setVisible(bool visible)
{
    Q_ASSERT_X(!visible || !isWindow() || m_showing, "ui::Form", "a form is shown with Show()");
    QWidget::setVisible(visible);
}

void Form::Show()
{
    QWidget *window = windowWidget();
    m_showing = true;
#ifdef Q_OS_WASM
    // Qt's browser platform makes show() fill the page; a window of the program keeps its own size.
    window->setVisible(true);
#else
    window->show();
#endif
    m_showing = false;
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
        if (control && !control->isHidden() && !control->isWindow() &&
            (control->autoFillBackground() || control->testAttribute(Qt::WA_OpaquePaintEvent)))
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
        // A fixed-size form alone would still let the frame be made larger round it.
        m_subWindow->setFixedSize(m_subWindow->sizeHint());
    } else {
        resize(size);
    }
}

void Form::centreOnDisplay()
{
    QWidget *window = windowWidget();
    // Before the first show Qt knows no frame round a top-level window; the window manager is asked.
    const QSize outer = window->isWindow() ? window->size().grownBy(frameMargins(window)) : window->size();
    const double outerWidthTwips = pixelsToTwips(outer.width(), logicalDpiX());
    const double outerHeightTwips = pixelsToTwips(outer.height(), logicalDpiY());
    // A window larger than the screen keeps its top-left corner on it, where start and stop are.
    const auto left = std::max(0.0f, static_cast<float>((displayWidthTwips() - outerWidthTwips) / 2.0));
    const auto top = std::max(0.0f, static_cast<float>((displayHeightTwips() - outerHeightTwips) / 2.0));
    const QPoint topLeft(twipsToPixelsX(left), twipsToPixelsY(top));
    if (window->isWindow())
        placeFrame(window, topLeft);
    else
        window->move(topLeft);
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
    if (event->type() == QEvent::WindowStateChange && m_frameKind == FrameKind::CaptionOnly &&
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        // Changing the state back while Qt still delivers this change would be undone by it.
        QTimer::singleShot(0, this, &Form::undoMinimiseOrMaximise);
    QWidget::changeEvent(event);
}

void Form::undoMinimiseOrMaximise()
{
    if (isHidden() || !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // On X11 leaving the minimised state maps the window again, which brings it back.
    setWindowState(Qt::WindowNoState);
    raise();
    activateWindow();
}

} // namespace ui
