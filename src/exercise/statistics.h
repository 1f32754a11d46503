#pragma once

#include "basic/int16.h"

#include <QString>

namespace exercise {

// The four lines of lblaantal: exercises, mistakes, right answers and help requests of a visit.
QString statistiektekst(basic::Int16 aantaloefeningen, basic::Int16 aantalfouten, basic::Int16 aantaljuist,
                        basic::Int16 aantalhulp);

} // namespace exercise
