#include "exercise/draw.h"

#include <cmath>

namespace exercise {

namespace {

ui::Int16 drawDivisor(const DivisorRule &rule, ui::RandomSource &random)
{
    ui::Int16 deler = 0;
    do {
        deler = evenDraw(random, rule.n);
    } while (!(deler > rule.above && (!rule.below || deler < *rule.below)));
    return deler;
}

void drawFromDigits(const QuotientDigits &digits, const DivisorRule &divisor, ui::RandomSource &random,
                    Division &division)
{
    division.tientallen = skewedDraw(random, digits.tensK);
    division.eenheden = skewedDraw(random, digits.unitsK);
    division.deler = drawDivisor(divisor, random);
    division.tientalprodukt = ui::mul16(division.deler, division.tientallen);
    division.deeltal = ui::add16(ui::mul16(division.tientalprodukt, 10), ui::mul16(division.deler, division.eenheden));
}

} // namespace

ui::Int16 skewedDraw(ui::RandomSource &random, int k)
{
    const double r1 = random.draw();
    const double r2 = random.draw();
    return ui::checked16(static_cast<long long>(std::floor((r1 * k + 1.0) * r2 + 1.0)));
}

ui::Int16 evenDraw(ui::RandomSource &random, int n)
{
    const double r = random.draw();
    return ui::checked16(static_cast<long long>(std::floor(r * n)) + 1);
}

Division drawDivision(const DrawRule &rule, ui::RandomSource &random)
{
    Division division;
    if (rule.direct) {
        const DirectDividend &direct = *rule.direct;
        do {
            division.deeltal = skewedDraw(random, direct.k);
        } while (!(division.deeltal > direct.above && (!direct.below || division.deeltal < *direct.below)));
        division.deler = drawDivisor(rule.divisor, random);
    } else {
        drawFromDigits(*rule.digits, rule.divisor, random, division);
        if (rule.digits->redrawAbove && division.deeltal > *rule.digits->redrawAbove) {
            random.reseedFromClock();
            drawFromDigits(*rule.digits, rule.divisor, random, division);
        }
    }
    division.quotient = ui::div16(division.deeltal, division.deler);
    division.produkt = ui::mul16(division.quotient, division.deler);
    division.rest = ui::sub16(division.deeltal, division.produkt);
    return division;
}

} // namespace exercise
