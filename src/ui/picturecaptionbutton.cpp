#include "ui/picturecaptionbutton.h"

#include <QPainter>

namespace ui {

PictureCaptionButton::PictureCaptionButton(QWidget *parent) : CommandButton(parent)
{
}

void PictureCaptionButton::setPicture(const QString &resource)
{
    m_picture = QPixmap(resource);
    update();
}

void PictureCaptionButton::paintContent(QPainter &painter, const QRect &content)
{
    const QSize pictureSize = m_picture.deviceIndependentSize().toSize();
    const int captionHeight = fontMetrics().height();
    const int top = content.top() + (content.height() - pictureSize.height() - captionHeight) / 2;
    painter.drawPixmap(content.left() + (content.width() - pictureSize.width()) / 2, top, m_picture);
    const QRect caption(content.left(), top + pictureSize.height(), content.width(), captionHeight);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, text());
}

} // namespace ui
