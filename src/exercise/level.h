#pragma once

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace exercise {

// The divisor: E(n) drawn again until above < divisor < below.
struct DivisorRule {
    int n = 9;
    int above = 2;
    std::optional<int> below{};
};

// The dividend drawn directly: S(k) drawn again until above < dividend < below.
struct DirectDividend {
    int k = 0;
    int above = 0;
    std::optional<int> below{};
};

// The dividend built from a quotient with tens S(tensK) and units S(unitsK), so the rest is 0.
// With redrawAbove set, a dividend above it is drawn once more (after a new seed) and then stands.
struct QuotientDigits {
    int tensK = 0;
    int unitsK = 0;
    std::optional<int> redrawAbove{};
};

struct DrawRule {
    std::variant<DirectDividend, QuotientDigits> dividend{};
    DivisorRule divisor{};
};

// A place, size or tab place of one control that differs on a level; unset members keep the design.
struct DesignChange {
    const char *name = "";
    int index = -1;
    std::optional<int> left{};
    std::optional<int> top{};
    std::optional<int> width{};
    std::optional<int> tab{};
};

// One exercise screen: everything in which the eight screens differ.
struct Level {
    const char *windowName = "";
    // The button of the chooser that opens this screen.
    const char *chooserButton = "";
    // What a screen reader calls the window, whose caption is "rekenrups" on every level, and the
    // chooser's button for it: the button's caption in words, without its brackets and signs.
    const char *spokenName = "";
    DrawRule draw{};

    // The start button empties these elements of lblhulp and shows cmdcontrole or not.
    std::vector<int> startEmptiesHulp{0, 1, 7};
    bool startShowsCmdcontrole = true;
    // Only the remainder-0 screens write the remainder into txtrest.
    bool startFillsRest = false;

    // Help: the last entry of the tens table that step 2 walks, whether step 2 hides its own button,
    // and whether the step-2 hint invites only when the dividend is strictly above ten divisors.
    int step2LastTensEntry = 21;
    bool step2HidesCmdcontrole = false;
    bool step2HintStrict = false;

    // Layout: the hidden lblhulp(5) and lblhulp(6), and the controls placed otherwise.
    bool hasHulp56 = false;
    std::vector<DesignChange> designChanges{};
};

const std::vector<Level> &levels();
// The level of a window name; an unknown name is a programming error and throws std::out_of_range.
const Level &levelOf(const QString &windowName);

} // namespace exercise
