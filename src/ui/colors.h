#pragma once

#include <QColor>

#include <cstdint>

namespace ui {

// Colours are kept as 0x00BBGGRR values, as the design gives them.
using BgrColor = std::uint32_t;

constexpr BgrColor rgb(int red, int green, int blue)
{
    return static_cast<BgrColor>(red) | (static_cast<BgrColor>(green) << 8) | (static_cast<BgrColor>(blue) << 16);
}

QColor toQColor(BgrColor color);
BgrColor fromQColor(const QColor &color);

// The contrast ratio of two colours as the accessibility guidelines reckon it, from 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);
// Black or white, whichever stands out more against a colour: at least 4.5 : 1 on any colour.
QColor contrastingColor(const QColor &background);

namespace colors {
inline constexpr BgrColor white = 0xFFFFFF;
inline constexpr BgrColor navy = rgb(0, 0, 128);
inline constexpr BgrColor teal = rgb(0, 128, 128);
inline constexpr BgrColor lightYellow = rgb(255, 255, 192);
} // namespace colors

} // namespace ui
