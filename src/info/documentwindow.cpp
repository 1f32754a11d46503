#include "info/documentwindow.h"

#include "ui/form.h"

#include <QLayout>
#include <QMdiSubWindow>

namespace info {

void makeFixedDocumentWindow(ui::Form &form, QMdiArea *area, int widthTwips, int heightTwips)
{
    form.setWindowTitle(QString());
    form.makeDocumentWindow(area, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QMdiSubWindow *frame = form.subWindow();
    // Without this the title bar still offers a menu with Close, Size and Move.
    frame->setSystemMenu(nullptr);
    // A fixed-size form alone would still let the frame be dragged larger around it.
    if (QLayout *layout = frame->layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    form.setClientSizeTwips(widthTwips, heightTwips);
}

} // namespace info
