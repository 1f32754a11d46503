#include "ui/windowframe.h"

// A build without X11: the desktop frames windows from Qt's window flags alone.
namespace ui::detail {

void writeFrameHints(QWidget *, FrameKind)
{
}

bool askFrameExtents(QWidget *, QMargins &)
{
    return false;
}

} // namespace ui::detail
