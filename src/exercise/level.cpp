#include "exercise/level.h"

#include <stdexcept>

namespace exercise {

namespace {

// The eight screens. A divisor not given is
// drawn from 3 to 9; a screen empties lblhulp 0, 1 and 7 at the start unless it says otherwise.
// clang-format off
std::vector<Level> buildLevels()
{
    return {
        {.windowName = "frmrekenrups100", .chooserButton = "cmd100", .spokenName = "deeltal tot 100, met rest",
         .draw = {.dividend = DirectDividend{.k = 89, .above = 20, .below = 100}},
         .startEmptiesHulp = {0, 1, 5, 6, 7}, .startShowsCmdcontrole = false,
         .step2HidesCmdcontrole = true, .step2HintStrict = true,
         .hasHulp56 = true,
         .designChanges = {
             {.name = "cmdjuist", .left = 6840},
             {.name = "cmdstart", .left = 2040},
             {.name = "cmdcontrole", .width = 1095},
             {.name = "cmddeel", .left = 240, .top = 5760},
             {.name = "cmdcontrole1", .tab = 23},
         }},
        {.windowName = "frmrekenrups200", .chooserButton = "cmd200", .spokenName = "deeltal van 100 tot 200",
         .draw = {.dividend = DirectDividend{.k = 200, .above = 100}}},
        {.windowName = "frmrekenrups300", .chooserButton = "cmd300", .spokenName = "deeltal van 200 tot 300",
         .draw = {.dividend = DirectDividend{.k = 300, .above = 200}},
         .designChanges = {{.name = "cmdjuist", .left = 6600}, {.name = "cmdstart", .left = 2280}}},
        {.windowName = "frmrekenrups400", .chooserButton = "cmd400", .spokenName = "deeltal van 300 tot 400",
         .draw = {.dividend = DirectDividend{.k = 400, .above = 300}}},
        {.windowName = "frmrekenrups500", .chooserButton = "cmd500", .spokenName = "deeltal van 400 tot 500, met rest",
         .draw = {.dividend = DirectDividend{.k = 500, .above = 400}}},
        {.windowName = "frmrekenrups999", .chooserButton = "cmd999", .spokenName = "deeltal tot 999, met rest",
         .draw = {.dividend = DirectDividend{.k = 1000, .above = 101}}},
        {.windowName = "frmrekenrupseven", .chooserButton = "cmdplus", .spokenName = "rest is 0, tot 100 plus",
         .draw = {.dividend = QuotientDigits{.tensK = 5, .unitsK = 9, .redrawAbove = 100}, .divisor = {.n = 4, .above = 2, .below = 5}},
         .startFillsRest = true, .step2LastTensEntry = 6},
        {.windowName = "frmrekenrupsevenhoog", .chooserButton = "cmdplustrain", .spokenName = "rest is 0, boven 100 plus",
         .draw = {.dividend = QuotientDigits{.tensK = 9, .unitsK = 9}},
         .startFillsRest = true,
         .designChanges = {{.name = "cmdstop", .left = 4560}}},
    };
}
// clang-format on

} // namespace

const std::vector<Level> &levels()
{
    static const std::vector<Level> table = buildLevels();
    return table;
}

const Level &levelOf(const QString &windowName)
{
    for (const Level &level : levels()) {
        if (windowName == QLatin1String(level.windowName))
            return level;
    }
    throw std::out_of_range("no exercise screen named " + windowName.toStdString());
}

} // namespace exercise
