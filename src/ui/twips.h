#pragma once

#include <QRect>

namespace ui {

// A place and size in twips (1/1440 inch), as the design tables give them.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Nearest integer, an exact half to the even neighbour (qRound rounds halves away from zero).
double roundHalfEven(double value);

int twipsToPixels(double twips, double dpi);
double pixelsToTwips(double pixels, double dpi);

// The logical DPI of the primary screen; Qt 6 keeps it at 96 and puts extra density into the
// device pixel ratio, so pixel sizes derived from it scale correctly on high-DPI screens.
double logicalDpiX();
double logicalDpiY();
double twipsPerPixelX();
double twipsPerPixelY();

int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
QRect toPixels(const TwipRect &rect);

double displayWidthTwips();
double displayHeightTwips();

} // namespace ui
