#pragma once

#include "ui/int16.h"

#include <QString>

namespace exercise {

// The four lines of lblaantal: exercises, mistakes, right answers and help requests of a visit.
QString statistiektekst(ui::Int16 aantaloefeningen, ui::Int16 aantalfouten, ui::Int16 aantaljuist,
                        ui::Int16 aantalhulp);

} // namespace exercise
