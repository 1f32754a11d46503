#pragma once

#include <QFont>
#include <QString>

namespace ui {

// A font of the design: face, size in points, bold or normal. Arial and MS Sans Serif are drawn
// with Liberation Sans at the same point size, on Windows with their own faces where it has them.
QFont designFont(const QString &face, double points, bool bold = false);

namespace fonts {
inline constexpr char arial[] = "Arial";
inline constexpr char msSansSerif[] = "MS Sans Serif";
} // namespace fonts

} // namespace ui
