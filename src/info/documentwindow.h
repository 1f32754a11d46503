#pragma once

class QMdiArea;

namespace ui {
class Form;
}

namespace info {

// Puts a form into the document area as a fixed panel: a title bar without caption or buttons,
// no system menu, and a frame around the given client size that cannot be resized.
void makeFixedDocumentWindow(ui::Form &form, QMdiArea *area, int widthTwips, int heightTwips);

} // namespace info
