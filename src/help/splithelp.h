#pragma once

#include "basic/int16.h"

#include <QString>

#include <optional>

namespace help {

// The tens table has 21 entries; step 2 of frmrekenrupseven walks only the first 6.
inline constexpr int allTensEntries = 21;

// The multiple of ten chosen by the last of entries 1..lastEntry whose condition on the quotient
// holds; none when no entry holds (a quotient below 10).
std::optional<basic::Int16> tensMultiple(basic::Int16 quotient, int lastEntry = allTensEntries);

// The split of the dividend for one help step, and the two captions that show it (lblhulp 0 and 1).
struct SplitCaptions {
    basic::Int16 hulpprodukt = 0;
    basic::Int16 hulprest = 0;
    QString left;
    QString right;
};

struct HelpStep1 {
    // None when no entry holds: hulpprodukt, hulprest and labels 0 and 1 keep what they had.
    std::optional<SplitCaptions> split;
    // The caption of lblhulp 7, always written; empty unless this step chose a multiple of ten.
    QString splitLine;
};

// The product and difference are checked 16-bit arithmetic and throw basic::OverflowError out of range.
HelpStep1 helpStep1(basic::Int16 deeltal, basic::Int16 deler, basic::Int16 quotient);

// None when no entry holds: hulpprodukt, hulprest and labels 0 and 1 keep what they had.
std::optional<SplitCaptions> helpStep2(basic::Int16 deeltal, basic::Int16 deler, basic::Int16 quotient,
                                       int lastEntry = allTensEntries);

enum class Step { One, Two };

struct HelpHint {
    basic::Int16 tafelquotient = 0;
    basic::Int16 tafelprodukt = 0;
    QString text; // the caption of lblhulp 2
};

// The hover hint of a help button. strict: invite only when the dividend is more than ten times the
// divisor (step 1 everywhere, step 2 of frmrekenrups100); otherwise from ten times on. None for a
// divisor of 0, which leaves the hint line as it is.
std::optional<HelpHint> helpHint(Step step, basic::Int16 deeltal, basic::Int16 deler, bool strict);

} // namespace help
