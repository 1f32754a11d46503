#pragma once

class QMdiArea;

namespace ui {
class Form;
}

namespace info {

// Puts a form into the document area as a fixed panel without caption or title bar, its thin
// fixed border round the given client size.
void makeFixedDocumentWindow(ui::Form &form, QMdiArea *area, int widthTwips, int heightTwips);

} // namespace info
