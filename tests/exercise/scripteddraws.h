#pragma once

#include "exercise/level.h"

#include <QList>

#include <cmath>

namespace scripted {

inline const float justBelowOne = std::nextafter(1.0f, 0.0f);

// Two draws r1, r2 for which S(k) is the target: with r1 just below 1 the first factor is almost
// k + 1, and r2 puts the product half-way into the target's unit.
inline QList<float> skewedFor(int k, int target)
{
    return {justBelowOne, static_cast<float>((target - 0.5) / (k + 1))};
}

// One draw for which E(n) is the target.
inline QList<float> evenFor(int n, int target)
{
    return {static_cast<float>((target - 0.5) / n)};
}

// The draws that give a level's rule this division in one round: the dividend and divisor on a
// direct level, or tens, units and divisor where the dividend is built from the quotient's digits.
inline QList<float> divisionFor(const exercise::Level &level, QList<int> numbers)
{
    const exercise::DrawRule &rule = level.draw;
    if (const auto *direct = std::get_if<exercise::DirectDividend>(&rule.dividend))
        return skewedFor(direct->k, numbers[0]) + evenFor(rule.divisor.n, numbers[1]);
    const auto &digits = std::get<exercise::QuotientDigits>(rule.dividend);
    return skewedFor(digits.tensK, numbers[0]) + skewedFor(digits.unitsK, numbers[1]) +
           evenFor(rule.divisor.n, numbers[2]);
}

} // namespace scripted
