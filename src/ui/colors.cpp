#include "ui/colors.h"

#include <algorithm>
#include <cmath>

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

namespace {
double relativeLuminance(const QColor &color)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red()) + 0.7152 * linear(color.green()) + 0.0722 * linear(color.blue());
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor contrastingColor(const QColor &background)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

} // namespace ui
