#pragma once

#include "basic/int16.h"

#include <QString>

namespace exercise {

// The counters of one visit to an exercise screen: exercises, mistakes, right answers and help requests.
struct Counters {
    basic::Int16 aantaloefeningen = 0;
    basic::Int16 aantalfouten = 0;
    basic::Int16 aantaljuist = 0;
    basic::Int16 aantalhulp = 0;
};

// The four lines of lblaantal.
QString statistiektekst(const Counters &counters);

} // namespace exercise
