#include "ui/fonts.h"

namespace ui {

QFont designFont(const QString &face, double points, bool bold)
{
    const bool replaced = face == QLatin1String(fonts::arial) || face == QLatin1String(fonts::msSansSerif);
    QFont font(replaced ? QStringLiteral("Liberation Sans") : face);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace ui
