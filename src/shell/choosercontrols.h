#pragma once

#include "ui/controls.h"

#include <QString>

#include <map>
#include <vector>

// The controls of the level chooser that its handlers and its narrator reach.
struct ChooserControls {
    // The level buttons by design name, which the level table gives.
    std::map<QString, ui::CommandButton *> levelButtons;
    ui::CommandButton *cmdeinde = nullptr;
    ui::Label *lblgemaakt = nullptr;
    ui::Label *Label1 = nullptr;
    // The ring of pictures, in the order in which a click moves on.
    std::vector<ui::Picture *> ring;
};
