#pragma once

#include "basic/int16.h"
#include "exercise/statistics.h"

#include <QString>

namespace exercise {

// A caption of the screen in words, as a screen reader would otherwise read its signs as punctuation:
// "( 101 : 9 ) = 11" becomes "101 gedeeld door 9 is 11"; blanks and line breaks folded.
QString spokenWords(const QString &caption);

// What a screen reader says of a new division: "122 gedeeld door 5".
QString spokenDivision(basic::Int16 deeltal, basic::Int16 deler);

// The two smaller divisions of the second help step on one line: "100 gedeeld door 5 en 22 gedeeld
// door 5"; one of them alone when the other caption is empty.
QString spokenSplit(const QString &left, const QString &right);

// The four counts of a visit in short words, as the screen names them: "oefeningen 3, fouten 1,
// juist 2, hulp 0".
QString spokenStatistics(const Counters &counters);

} // namespace exercise
