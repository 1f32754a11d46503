#pragma once

class QWidget;

namespace ui {

// Asks the window manager for a title bar without buttons: the window can be moved and resized,
// but not closed, minimised or maximised from its frame. Does nothing off X11.
void offerOnlyMoveAndResize(QWidget *window);

} // namespace ui
