#include "ui/commoncontrols/statusbar.h"

#include "ui/commoncontrols/progressbar.h"
#include "ui/twips.h"

#include <QDate>
#include <QEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <QTime>
#include <QToolTip>
#include <qdrawutil.h>

#include <stdexcept>

namespace ui {

namespace {

// Room above the fields and between two neighbours, in pixels.
constexpr int topBorder = 2;
constexpr int gap = 2;
constexpr int textPadding = 3;

QLocale dutch()
{
    return QLocale(QLocale::Dutch, QLocale::Netherlands);
}

} // namespace

StatusBar::StatusBar(QWidget *parent) : QWidget(parent)
{
    useStandardColours(this);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    if (parent)
        parent->installEventFilter(this);
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &StatusBar::refreshClock);
    m_clock.start();
}

void StatusBar::addField(FieldKind kind, int widthTwips, const QString &text, const QString &toolTip)
{
    m_fields.push_back({kind, widthTwips, text, QString(), toolTip});
    update();
    updateSpokenName();
}

const StatusBar::Field &StatusBar::field(int position) const
{
    if (position < 0 || position >= fieldCount())
        throw std::out_of_range("no status bar field at that position");
    return m_fields[static_cast<std::size_t>(position)];
}

StatusBar::Field &StatusBar::field(int position)
{
    return const_cast<Field &>(std::as_const(*this).field(position));
}

QString StatusBar::text(int position) const
{
    return field(position).text;
}

void StatusBar::setText(int position, const QString &text)
{
    field(position).text = text;
    update();
    updateSpokenName();
}

QString StatusBar::tag(int position) const
{
    return field(position).tag;
}

void StatusBar::setTag(int position, const QString &tag)
{
    field(position).tag = tag;
    updateSpokenName();
}

void StatusBar::updateSpokenName()
{
    QStringList said;
    for (int position = 0; position < fieldCount(); ++position) {
        const Field &shown = field(position);
        const QString whole =
            shown.kind == FieldKind::Text && !shown.tag.trimmed().isEmpty() ? shown.tag : shownText(position);
        if (!whole.simplified().isEmpty())
            said << whole.simplified();
    }
    const QString name = said.join(QStringLiteral(", "));
    if (name != accessibleName())
        setAccessibleName(name);
}

int StatusBar::widthTwips(int position) const
{
    return field(position).widthTwips;
}

QString StatusBar::shownText(int position) const
{
    const Field &shown = field(position);
    switch (shown.kind) {
    case FieldKind::Date:
        return dutch().toString(QDate::currentDate(), QLocale::ShortFormat);
    case FieldKind::Time:
        return QTime::currentTime().toString(QStringLiteral("HH:mm"));
    case FieldKind::Text:
        break;
    }
    return shown.text;
}

bool StatusBar::fieldRect(int index, Rect &rect) const
{
    if (index < 0 || index >= fieldCount())
        return false;
    // Edges come from the running total in twips, so rounding never adds up along the bar.
    int before = 0;
    for (int i = 0; i < index; ++i)
        before += m_fields[static_cast<std::size_t>(i)].widthTwips;
    const int through = before + m_fields[static_cast<std::size_t>(index)].widthTwips;
    rect.left = twipsToPixelsX(before);
    rect.top = topBorder;
    rect.right = twipsToPixelsX(through) - gap;
    rect.bottom = height();
    return true;
}

void StatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    for (int index = 0; index < fieldCount(); ++index) {
        Rect edges;
        fieldRect(index, edges);
        const QRect box(edges.left, edges.top, edges.right - edges.left, edges.bottom - edges.top);
        if (box.left() >= width())
            break;
        qDrawShadePanel(&painter, box, palette(), true, 1);
        painter.save();
        painter.setClipRect(box.adjusted(1, 1, -1, -1));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box.adjusted(textPadding, 0, -textPadding, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         shownText(index));
        painter.restore();
    }
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        alignToBottom();
    return QWidget::eventFilter(watched, event);
}

bool StatusBar::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        for (int index = 0; index < fieldCount(); ++index) {
            Rect edges;
            fieldRect(index, edges);
            const int x = help->pos().x();
            if (x >= edges.left && x < edges.right) {
                const QString tip = m_fields[static_cast<std::size_t>(index)].toolTip;
                if (tip.isEmpty())
                    break;
                QToolTip::showText(help->globalPos(), tip, this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    case QEvent::ParentChange:
        if (parentWidget())
            parentWidget()->installEventFilter(this);
        alignToBottom();
        break;
    case QEvent::Resize:
        alignToBottom();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void StatusBar::alignToBottom()
{
    if (QWidget *window = parentWidget()) {
        const QRect bottom(0, window->height() - height(), window->width(), height());
        if (geometry() != bottom)
            setGeometry(bottom);
    }
}

void StatusBar::refreshClock()
{
    QString clock;
    for (int position = 0; position < fieldCount(); ++position) {
        if (field(position).kind != FieldKind::Text)
            clock += shownText(position);
    }
    if (clock != m_clockShown) {
        m_clockShown = clock;
        update();
        updateSpokenName();
    }
}

} // namespace ui
