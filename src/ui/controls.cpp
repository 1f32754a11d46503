#include "ui/controls.h"

#include "ui/classicedge.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

namespace {

// What a screen reader finds of a picture, which only decorates: its place, no words (Qt would
// describe it with its tool tip).
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(QWidget *picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}
    QString text(QAccessible::Text) const override { return {}; }
};

// A label is read by its spoken name or its caption, unless its caption is kept from screen
// readers; that is asked each time, as the interface may exist before the label is told.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text text) const override
    {
        const auto *label = static_cast<const Label *>(widget());
        if (label->captionKeptFromScreenReaders())
            return {};
        if (text == QAccessible::Name)
            return label->accessibleName().isEmpty() ? label->caption().simplified() : label->accessibleName();
        return QAccessibleWidget::text(text);
    }
};

// A text box as a screen reader reads it back: Qt 6.4's own line-edit interface reports text
// attribute runs of length 0, from which Orca reads "36" as "3" and a lone "0" as nothing.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(TextBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text text) const override
    {
        return text == QAccessible::Value ? box()->text() : QAccessibleWidget::text(text);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    // One run without attributes over the whole text.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics = box()->fontMetrics();
        const QString text = box()->text();
        const int left =
            (box()->width() - metrics.horizontalAdvance(text)) / 2 + metrics.horizontalAdvance(text.left(offset));
        const QRect local(left, (box()->height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
        return local.translated(box()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    TextBox *box() const { return static_cast<TextBox *>(widget()); }
};

// A form that is a window of its own; Qt would give it the role of a mere pane ("filler").
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget *form) : QAccessibleWidget(form, QAccessible::Window) {}
};

QAccessibleInterface *ownAccessibility(const QString &className, QObject *object)
{
    if (className == u"ui::Picture")
        return new PictureAccessible(static_cast<QWidget *>(object));
    if (className == u"ui::Label")
        return new LabelAccessible(static_cast<Label *>(object));
    if (className == u"ui::TextBox")
        return new TextBoxAccessible(static_cast<TextBox *>(object));
    if (className == u"ui::Form" && static_cast<QWidget *>(object)->isWindow())
        return new FormAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installOwnAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ownAccessibility);
        return true;
    }();
    Q_UNUSED(installed);
}

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
    installOwnAccessibility();
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
    setAccessibleName(text.isEmpty() ? QString() : m_spokenName + u' ' + text);
}

void Label::keepCaptionFromScreenReaders()
{
    m_captionKept = true;
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

Picture::Picture(QWidget *parent) : QLabel(parent)
{
    installOwnAccessibility();
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
    installOwnAccessibility();
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

void CommandButton::setFaceColor(BgrColor color)
{
    m_face = toQColor(color);
    setBackColor(this, color);
    update();
}

void CommandButton::mouseMoveEvent(QMouseEvent *event)
{
    QPushButton::mouseMoveEvent(event);
    event->accept();
    emit mouseMoved();
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    // A touch screen has no hover: the finger that presses a button brings up what moving the
    // mouse over it would have. A mouse press stays only a press.
    if (event->pointingDevice() && event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen)
        emit mouseMoved();
    QPushButton::mousePressEvent(event);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    // Qt's buttons take Enter only inside a dialog; a held key is the application's HeldKeyGuard's.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    constexpr int focusInset = 3;
    constexpr int focusWidth = 2;
    QColor face;
    if (m_face) {
        QPainter painter(this);
        face = *m_face;
        painter.fillRect(rect(), face);
        const bool pressed = isDown() || isChecked();
        const int edge = drawClassicEdge(painter, rect(), pressed ? Edge::PressedButton : Edge::RaisedButton);
        QRect content = rect().adjusted(edge, edge, -edge, -edge);
        if (pressed)
            content.translate(1, 1);
        paintContent(painter, content);
    } else {
        // The style shows its own focus look only once the keyboard has been used in the window.
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.state &= ~QStyle::State_HasFocus;
        painter.drawControl(QStyle::CE_PushButton, option);
        face = palette().color(QPalette::Button);
    }
    if (hasFocus()) {
        QPainter painter(this);
        const QRect frame = rect().adjusted(focusInset, focusInset, -focusInset, -focusInset);
        QPainterPath ring;
        ring.addRect(frame);
        ring.addRect(frame.adjusted(focusWidth, focusWidth, -focusWidth, -focusWidth));
        painter.fillPath(ring, contrastingColor(face));
    }
}

void CommandButton::paintContent(QPainter &painter, const QRect &content)
{
    if (!icon().isNull()) {
        QRect picture(QPoint(), iconSize());
        picture.moveCenter(content.center());
        icon().paint(&painter, picture);
    }
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
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
