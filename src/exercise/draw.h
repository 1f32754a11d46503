#pragma once

#include "basic/int16.h"
#include "basic/random.h"
#include "exercise/level.h"

namespace exercise {

// S(k) = Int((r1 * k + 1) * r2 + 1) in double precision, r1 drawn first: 1 to k + 1, small values
// far more likely than large ones.
basic::Int16 skewedDraw(basic::RandomSource &random, int k);
// E(n) = Int(r * n) + 1: uniform over 1 to n.
basic::Int16 evenDraw(basic::RandomSource &random, int n);

struct Division {
    basic::Int16 deeltal = 0;
    basic::Int16 deler = 0;
    basic::Int16 quotient = 0;
    basic::Int16 produkt = 0;
    basic::Int16 rest = 0;
    // The quotient's digits, drawn only where the dividend is built from them.
    basic::Int16 tientallen = 0;
    basic::Int16 eenheden = 0;
    basic::Int16 tientalprodukt = 0;
};

// Draws one division by a level's rule. The caller reseeds before; this reseeds only for a redraw.
Division drawDivision(const DrawRule &rule, basic::RandomSource &random);

} // namespace exercise
