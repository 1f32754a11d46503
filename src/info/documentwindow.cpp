#include "info/documentwindow.h"

#include "ui/form.h"

namespace info {

void makeFixedDocumentWindow(ui::Form &form, QMdiArea *area, int widthTwips, int heightTwips)
{
    form.setWindowTitle(QString());
    form.makeDocumentWindow(area);
    form.setClientSizeTwips(widthTwips, heightTwips);
}

} // namespace info
