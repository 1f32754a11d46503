#include "exercise/draw.h"

#include <cmath>

namespace exercise {

namespace {

basic::Int16 drawDivisor(const DivisorRule &rule, basic::RandomSource &random)
{
    basic::Int16 deler = 0;
    do {
        deler = evenDraw(random, rule.n);
    } while (!(deler > rule.above && (!rule.below || deler < *rule.below)));
    return deler;
}

void drawFromDigits(const QuotientDigits &digits, const DivisorRule &divisor, basic::RandomSource &random,
                    Division &division)
{
    division.tientallen = skewedDraw(random, digits.tensK);
    division.eenheden = skewedDraw(random, digits.unitsK);
    division.deler = drawDivisor(divisor, random);
    division.tientalprodukt = basic::mul16(division.deler, division.tientallen);
    division.deeltal =
        basic::add16(basic::mul16(division.tientalprodukt, 10), basic::mul16(division.deler, division.eenheden));
}

} // namespace

basic::Int16 skewedDraw(basic::RandomSource &random, int k)
{
    const double r1 = random.draw();
    const double r2 = random.draw();
    return basic::checked16(static_cast<long long>(std::floor((r1 * k + 1.0) * r2 + 1.0)));
}

basic::Int16 evenDraw(basic::RandomSource &random, int n)
{
    const double r = random.draw();
    return basic::checked16(static_cast<long long>(std::floor(r * n)) + 1);
}

Division drawDivision(const DrawRule &rule, basic::RandomSource &random)
{
    Division division;
    if (const auto *direct = std::get_if<DirectDividend>(&rule.dividend)) {
        do {
            division.deeltal = skewedDraw(random, direct->k);
        } while (!(division.deeltal > direct->above && (!direct->below || division.deeltal < *direct->below)));
        division.deler = drawDivisor(rule.divisor, random);
    } else {
        const QuotientDigits &digits = std::get<QuotientDigits>(rule.dividend);
        drawFromDigits(digits, rule.divisor, random, division);
        if (digits.redrawAbove && division.deeltal > *digits.redrawAbove) {
            random.reseedFromClock();
            drawFromDigits(digits, rule.divisor, random, division);
        }
    }
    division.quotient = basic::div16(division.deeltal, division.deler);
    division.produkt = basic::mul16(division.quotient, division.deler);
    division.rest = basic::sub16(division.deeltal, division.produkt);
    return division;
}

} // namespace exercise
