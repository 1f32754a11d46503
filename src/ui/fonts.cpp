#include "ui/fonts.h"

#include <QFontDatabase>

namespace ui {

namespace {

// The face that draws a design font here. Windows has the design's own faces (MS Sans Serif as
// its TrueType successor, which scales at every display setting); elsewhere, and where a Windows
// lacks them, Liberation Sans stands in at the same point size.
QString drawnFace(const QString &face)
{
    const bool arial = face == QLatin1String(fonts::arial);
    const bool msSansSerif = face == QLatin1String(fonts::msSansSerif);
    if (!arial && !msSansSerif)
        return face;
#ifdef Q_OS_WIN
    static const bool hasArial = QFontDatabase::hasFamily(QStringLiteral("Arial"));
    static const bool hasMicrosoftSansSerif = QFontDatabase::hasFamily(QStringLiteral("Microsoft Sans Serif"));
    if (arial && hasArial)
        return QStringLiteral("Arial");
    if (msSansSerif && hasMicrosoftSansSerif)
        return QStringLiteral("Microsoft Sans Serif");
#endif
    return QStringLiteral("Liberation Sans");
}

} // namespace

QFont designFont(const QString &face, double points, bool bold)
{
    QFont font(drawnFace(face));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace ui
