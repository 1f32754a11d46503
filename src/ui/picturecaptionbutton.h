#pragma once

#include "ui/controls.h"

#include <QPixmap>

namespace ui {

// A button showing a picture centred above its caption, in its own back colour.
class PictureCaptionButton : public CommandButton {
    Q_OBJECT
public:
    explicit PictureCaptionButton(QWidget *parent = nullptr);
    void setPicture(const QString &resource);

protected:
    void paintContent(QPainter &painter, const QRect &content) override;

private:
    QPixmap m_picture;
};

} // namespace ui
