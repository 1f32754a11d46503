#pragma once

#include <QMargins>
#include <QPoint>
#include <QtGlobal>

class QWidget;

namespace ui {

// How the desktop frames a top-level window.
enum class FrameKind {
    Standard,    // the desktop's usual frame with its title-bar buttons
    CaptionOnly, // a resizable frame with a caption and no title-bar buttons
};

// Sets the window flags and, where the desktop takes them, the hints that give a top-level window
// its frame, and names the window after its objectName for the desktop. Call before the first show.
void setFrameKind(QWidget *window, FrameKind kind);

// The frame's margins round a top-level window's client area: as the window manager drew them,
// or, before the first show, as it says it will draw them; none where no frame can be known.
QMargins frameMargins(QWidget *window);

// Moves a top-level window so that the outer edge of its frame lands at topLeft.
void placeFrame(QWidget *window, QPoint topLeft);

namespace detail {
// What only the window system can do; a build without it gives no hints and knows no frame.
void writeFrameHints(QWidget *window, FrameKind kind);
bool askFrameExtents(QWidget *window, QMargins &margins);
} // namespace detail

} // namespace ui
