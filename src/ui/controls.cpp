#include "ui/controls.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace ui {

void claimMouseMoves(QWidget *control)
{
    control->setMouseTracking(true);
}

QIcon cachedIcon(const QString &resource)
{
    static QHash<QString, QIcon> icons;
    auto found = icons.find(resource);
    if (found == icons.end())
        found = icons.insert(resource, QIcon(resource));
    return *found;
}

void setBackColor(QWidget *control, BgrColor color)
{
    QPalette palette = control->palette();
    const QColor qcolor = toQColor(color);
    palette.setColor(QPalette::Window, qcolor);
    palette.setColor(QPalette::Base, qcolor);
    palette.setColor(QPalette::Button, qcolor);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void setForeColor(QWidget *control, BgrColor color)
{
    QPalette palette = control->palette();
    const QColor qcolor = toQColor(color);
    palette.setColor(QPalette::WindowText, qcolor);
    palette.setColor(QPalette::Text, qcolor);
    palette.setColor(QPalette::ButtonText, qcolor);
    control->setPalette(palette);
}

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    claimMouseMoves(this);
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption && !text().isNull())
        return;
    m_caption = caption;
    // A CR would otherwise be drawn as a stray glyph before the line break.
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(u'\r', u'\n');
    setText(shown);
    updateAccessibleName();
}

void Label::setSpokenName(const QString &name)
{
    m_spokenName = name;
    updateAccessibleName();
}

void Label::updateAccessibleName()
{
    if (m_spokenName.isEmpty())
        return;
    const QString text = m_caption.simplified();
    setAccessibleName(text.isEmpty() ? m_spokenName : m_spokenName + u' ' + text);
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

Picture::Picture(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setFocusPolicy(Qt::NoFocus);
    claimMouseMoves(this);
}

void Picture::setPicture(const QString &resource)
{
    setPixmap(QPixmap(resource));
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setFocusPolicy(Qt::StrongFocus);
    claimMouseMoves(this);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    QLineEdit::mouseMoveEvent(event);
    event->accept();
    emit mouseMoved();
}

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    claimMouseMoves(this);
}

void CommandButton::setPicture(const QString &resource)
{
    setIcon(cachedIcon(resource));
    setIconSize(QSize(32, 32));
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    QPushButton::mouseMoveEvent(event);
    event->accept();
    emit mouseMoved();
}

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::setFillColor(BgrColor color)
{
    m_fill = toQColor(color);
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

Frame::Frame(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    claimMouseMoves(this);
}

void Frame::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace ui
