#include "ui/colors.h"

namespace ui {

QColor toQColor(BgrColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

BgrColor fromQColor(const QColor &color)
{
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace ui
