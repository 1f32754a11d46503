#pragma once

#include "exercise/level.h"
#include "ui/windowbuilder.h"

#include <vector>

namespace exercise {

inline constexpr int clientWidthTwips = 10110;
inline constexpr int clientHeightTwips = 6825;
inline constexpr ui::BgrColor neutralBackground = 0x80C0FF;

// The window of a level: the same on every level but for what a screen reader calls it.
ui::WindowDesign exerciseWindow(const Level &level);

// Every control of an exercise screen from front to back, with the level's differences applied.
std::vector<ui::ControlDesign> exerciseDesign(const Level &level);

} // namespace exercise
