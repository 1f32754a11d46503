#pragma once

#include "exercise/level.h"
#include "ui/controls.h"
#include "ui/windowbuilder.h"

#include <vector>

namespace exercise {

inline constexpr int clientWidthTwips = 10110;
inline constexpr int clientHeightTwips = 6825;
inline constexpr ui::BgrColor neutralBackground = 0x80C0FF;

// The controls of an exercise screen that its handlers and its narrator reach.
struct ExerciseControls {
    ui::CommandButton *cmdcontrole1 = nullptr;
    ui::CommandButton *cmdjuist = nullptr;
    ui::CommandButton *cmdstart = nullptr;
    ui::CommandButton *cmdcontrole = nullptr;
    ui::CommandButton *cmdstop = nullptr;
    ui::TextBox *txtrest = nullptr;
    ui::TextBox *txtquotient = nullptr;
    ui::Label *lbljuist = nullptr;
    ui::Label *lblaantal = nullptr;
    ui::Label *lblprodukt = nullptr;
    ui::Label *lblrest = nullptr;
    ui::Label *lbldeler = nullptr;
    ui::Label *lbldeeltal = nullptr;
    ui::Label *lblquotient = nullptr;
    ui::ControlArray<ui::Label> lblhulp;
};

// The window of a level: the same on every level but for what a screen reader calls it.
ui::WindowDesign exerciseWindow(const Level &level);

// Every control of an exercise screen from front to back, with the level's differences applied;
// the rows fill ExerciseControls.
std::vector<ui::ControlDesign> exerciseDesign(const Level &level);

} // namespace exercise
