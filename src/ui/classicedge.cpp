#include "ui/classicedge.h"

#include <QColor>
#include <QPainter>

namespace ui {

namespace {

const QColor highlight(255, 255, 255);
const QColor light(223, 223, 223);
const QColor face(192, 192, 192);
const QColor shadow(128, 128, 128);
const QColor darkShadow(0, 0, 0);

// One ring of an edge: topLeft along the top and left, bottomRight along the bottom and right.
void ring(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

} // namespace

int drawClassicEdge(QPainter &painter, const QRect &rect, Edge edge)
{
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    switch (edge) {
    case Edge::RaisedButton:
        ring(painter, rect, highlight, darkShadow);
        ring(painter, inner, light, shadow);
        return 2;
    case Edge::PressedButton:
        ring(painter, rect, darkShadow, darkShadow);
        ring(painter, inner, shadow, shadow);
        return 2;
    case Edge::FixedBorder:
        ring(painter, rect, light, darkShadow);
        ring(painter, inner, highlight, shadow);
        ring(painter, inner.adjusted(1, 1, -1, -1), face, face);
        return 3;
    }
    return 0;
}

} // namespace ui
