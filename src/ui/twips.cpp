#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace ui {

namespace {
constexpr double twipsPerInch = 1440.0;
constexpr double fallbackDpi = 96.0;

QScreen *primary()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}
} // namespace

double roundHalfEven(double value)
{
    // std::nearbyint follows the current rounding mode, which is round-to-nearest-even by default.
    return std::nearbyint(value);
}

int twipsToPixels(double twips, double dpi)
{
    return static_cast<int>(roundHalfEven(twips * dpi / twipsPerInch));
}

double pixelsToTwips(double pixels, double dpi)
{
    return pixels * twipsPerInch / dpi;
}

double logicalDpiX()
{
    QScreen *screen = primary();
    return screen ? screen->logicalDotsPerInchX() : fallbackDpi;
}

double logicalDpiY()
{
    QScreen *screen = primary();
    return screen ? screen->logicalDotsPerInchY() : fallbackDpi;
}

double twipsPerPixelX()
{
    return twipsPerInch / logicalDpiX();
}

double twipsPerPixelY()
{
    return twipsPerInch / logicalDpiY();
}

int twipsToPixelsX(double twips)
{
    return twipsToPixels(twips, logicalDpiX());
}

int twipsToPixelsY(double twips)
{
    return twipsToPixels(twips, logicalDpiY());
}

QRect toPixels(const TwipRect &rect)
{
    return {twipsToPixelsX(rect.left), twipsToPixelsY(rect.top), twipsToPixelsX(rect.width),
            twipsToPixelsY(rect.height)};
}

double displayWidthTwips()
{
    QScreen *screen = primary();
    return screen ? pixelsToTwips(screen->geometry().width(), logicalDpiX()) : 0.0;
}

double displayHeightTwips()
{
    QScreen *screen = primary();
    return screen ? pixelsToTwips(screen->geometry().height(), logicalDpiY()) : 0.0;
}

} // namespace ui
