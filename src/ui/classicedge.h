#pragma once

#include <QRect>

class QPainter;

namespace ui {

// The three-dimensional edges of the classic desktop the design comes from, in its own fixed colours.
enum class Edge {
    RaisedButton,  // a button at rest: white and light grey above and left, grey and black below
    PressedButton, // a button held down: a flat black and grey rim
    FixedBorder,   // a fixed dialog border: a raised edge and one line of button face
};

// Draws the edge along the inside of rect and returns how many pixels wide it is.
int drawClassicEdge(QPainter &painter, const QRect &rect, Edge edge);

} // namespace ui
