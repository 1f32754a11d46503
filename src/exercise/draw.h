#pragma once

#include "exercise/level.h"
#include "ui/int16.h"
#include "ui/random.h"

namespace exercise {

// S(k) = Int((r1 * k + 1) * r2 + 1) in double precision, r1 drawn first: 1 to k + 1, small values
// far more likely than large ones.
ui::Int16 skewedDraw(ui::RandomSource &random, int k);
// E(n) = Int(r * n) + 1: uniform over 1 to n.
ui::Int16 evenDraw(ui::RandomSource &random, int n);

struct Division {
    ui::Int16 deeltal = 0;
    ui::Int16 deler = 0;
    ui::Int16 quotient = 0;
    ui::Int16 produkt = 0;
    ui::Int16 rest = 0;
    // The quotient's digits, drawn only where the dividend is built from them.
    ui::Int16 tientallen = 0;
    ui::Int16 eenheden = 0;
    ui::Int16 tientalprodukt = 0;
};

// Draws one division by a level's rule. The caller reseeds before; this reseeds only for a redraw.
Division drawDivision(const DrawRule &rule, ui::RandomSource &random);

} // namespace exercise
