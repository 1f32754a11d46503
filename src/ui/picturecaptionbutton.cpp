#include "ui/picturecaptionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

PictureCaptionButton::PictureCaptionButton(QWidget *parent) : CommandButton(parent)
{
}

void PictureCaptionButton::setPicture(const QString &resource)
{
    m_picture = QPixmap(resource);
    update();
}

void PictureCaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        content.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QSize pictureSize = m_picture.deviceIndependentSize().toSize();
    const int captionHeight = fontMetrics().height();
    const int top = content.top() + (content.height() - pictureSize.height() - captionHeight) / 2;
    painter.drawPixmap(content.left() + (content.width() - pictureSize.width()) / 2, top, m_picture);
    const QRect caption(content.left(), top + pictureSize.height(), content.width(), captionHeight);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = content.adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace ui
