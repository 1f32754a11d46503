#include "exercise/level.h"

#include <stdexcept>

namespace exercise {

namespace {

constexpr DivisorRule threeToNine{9, 2, std::nullopt};

Level directLevel(const char *window, const char *button, DirectDividend dividend, const char *spokenName)
{
    Level level{window, button, {dividend, std::nullopt, threeToNine}, {0, 1, 7}};
    level.spokenName = spokenName;
    return level;
}

std::vector<Level> buildLevels()
{
    std::vector<Level> table;

    Level hundred = directLevel("frmrekenrups100", "cmd100", {89, 20, 100}, "deeltal tot 100 (rest)");
    hundred.startEmptiesHulp = {0, 1, 5, 6, 7};
    hundred.startShowsCmdcontrole = false;
    hundred.step2HidesCmdcontrole = true;
    hundred.step2HintStrict = true;
    hundred.hasHulp56 = true;
    hundred.designChanges = {
        {"cmdjuist", -1, 6840},
        {"cmdstart", -1, 2040},
        {"cmdcontrole", -1, std::nullopt, std::nullopt, 1095},
        {"cmddeel", -1, 240, 5760},
        {"cmdcontrole1", -1, std::nullopt, std::nullopt, std::nullopt, 23},
        {"lblhulp", 7, std::nullopt, std::nullopt, std::nullopt, 24},
        {"lbljuist", -1, std::nullopt, std::nullopt, std::nullopt, 25},
    };
    table.push_back(hundred);

    table.push_back(directLevel("frmrekenrups200", "cmd200", {200, 100, std::nullopt}, "deeltal van 100 tot 200"));

    Level threeHundred = directLevel("frmrekenrups300", "cmd300", {300, 200, std::nullopt}, "deeltal van 200 tot 300");
    threeHundred.designChanges = {{"cmdjuist", -1, 6600}, {"cmdstart", -1, 2280}};
    table.push_back(threeHundred);

    table.push_back(directLevel("frmrekenrups400", "cmd400", {400, 300, std::nullopt}, "deeltal van 300 tot 400"));
    table.push_back(
        directLevel("frmrekenrups500", "cmd500", {500, 400, std::nullopt}, "deeltal van 400 tot 500 (rest)"));
    table.push_back(directLevel("frmrekenrups999", "cmd999", {1000, 101, std::nullopt}, "deeltal tot 999 (rest)"));

    Level even{"frmrekenrupseven", "cmdplus", {std::nullopt, QuotientDigits{5, 9, 100}, {4, 2, 5}}, {0, 1, 7}};
    even.startFillsRest = true;
    even.spokenName = "rest is 0 (tot 100+)";
    even.step2LastTensEntry = 6;
    table.push_back(even);

    Level evenHigh{"frmrekenrupsevenhoog",
                   "cmdplustrain",
                   {std::nullopt, QuotientDigits{9, 9, std::nullopt}, threeToNine},
                   {0, 1, 7}};
    evenHigh.startFillsRest = true;
    evenHigh.spokenName = "rest is 0 (boven 100+)";
    evenHigh.designChanges = {{"cmdstop", -1, 4560}};
    table.push_back(evenHigh);

    return table;
}

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
