#include "help/splithelp.h"

#include "basic/linebreak.h"

#include <algorithm>
#include <array>
#include <limits>

namespace help {

namespace {

struct TensEntry {
    int above;      // the quotient must be greater than this
    int below;      // and less than this
    basic::Int16 k; // the multiple of ten the entry chooses
};

constexpr int noLimit = std::numeric_limits<int>::max();

// Entries 20 and 21 choose 190 and 200, not 200 and 210.
constexpr std::array<TensEntry, allTensEntries> tensTable{{
    {9, 20, 10},         {19, noLimit, 20},   {29, noLimit, 30},   {39, noLimit, 40},   {49, noLimit, 50},
    {59, noLimit, 60},   {69, noLimit, 70},   {79, noLimit, 80},   {89, noLimit, 90},   {99, noLimit, 100},
    {109, noLimit, 110}, {119, noLimit, 120}, {129, noLimit, 130}, {139, noLimit, 140}, {149, noLimit, 150},
    {159, noLimit, 160}, {169, noLimit, 170}, {179, noLimit, 180}, {189, noLimit, 190}, {199, noLimit, 190},
    {209, noLimit, 200},
}};

std::optional<SplitCaptions> split(basic::Int16 deeltal, basic::Int16 deler, basic::Int16 quotient, int lastEntry)
{
    const std::optional<basic::Int16> k = tensMultiple(quotient, lastEntry);
    if (!k)
        return std::nullopt;
    SplitCaptions parts;
    parts.hulpprodukt = basic::mul16(deler, *k);
    parts.hulprest = basic::sub16(deeltal, parts.hulpprodukt);
    return parts;
}

} // namespace

std::optional<basic::Int16> tensMultiple(basic::Int16 quotient, int lastEntry)
{
    std::optional<basic::Int16> k;
    const int entries = std::clamp(lastEntry, 0, allTensEntries);
    for (int i = 0; i < entries; ++i) {
        const TensEntry &entry = tensTable[static_cast<std::size_t>(i)];
        if (quotient > entry.above && quotient < entry.below)
            k = entry.k;
    }
    return k;
}

HelpStep1 helpStep1(basic::Int16 deeltal, basic::Int16 deler, basic::Int16 quotient)
{
    HelpStep1 step;
    step.split = split(deeltal, deler, quotient, allTensEntries);
    // The split line is emptied too: a reopened screen has quotient 0 beside the old dividend, and the
    // old parts must not show as its split.
    if (!step.split)
        return step;
    SplitCaptions &parts = *step.split;
    parts.left = basic::toText(parts.hulpprodukt);
    parts.right = basic::toText(parts.hulprest);
    if (deeltal >= deler * 10)
        step.splitLine =
            basic::toText(deeltal) + QStringLiteral(" = ") + parts.left + QStringLiteral(" + ") + parts.right;
    return step;
}

std::optional<SplitCaptions> helpStep2(basic::Int16 deeltal, basic::Int16 deler, basic::Int16 quotient, int lastEntry)
{
    std::optional<SplitCaptions> parts = split(deeltal, deler, quotient, lastEntry);
    if (!parts)
        return std::nullopt;
    const QString divisor = QStringLiteral(" : ") + basic::toText(deler) + QStringLiteral(" )");
    parts->left = QStringLiteral(" ( ") + basic::toText(parts->hulpprodukt) + divisor;
    parts->right = QStringLiteral(" ( ") + basic::toText(parts->hulprest) + divisor;
    return parts;
}

std::optional<HelpHint> helpHint(Step step, basic::Int16 deeltal, basic::Int16 deler, bool strict)
{
    if (deler == 0)
        return std::nullopt;
    HelpHint hint;
    hint.tafelquotient = basic::div16(deeltal, deler);
    hint.tafelprodukt = basic::mul16(hint.tafelquotient, deler);
    const int tenTimes = deler * 10;
    const bool invite = strict ? deeltal > tenTimes : deeltal >= tenTimes;
    if (invite) {
        const QString firstLine =
            step == Step::One ? QStringLiteral(" hulp nodig ? ") : QStringLiteral(" meer hulp nodig ? ");
        hint.text = firstLine + basic::lineBreak() + QStringLiteral(" klik op deze knop ");
    } else {
        hint.text = QStringLiteral(" denk aan ") + QStringLiteral(" ") + basic::toText(hint.tafelprodukt) +
                    basic::lineBreak() + QStringLiteral(" ken je tafels ");
    }
    return hint;
}

} // namespace help
