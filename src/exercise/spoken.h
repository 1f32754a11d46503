#pragma once

#include "basic/int16.h"

#include <QString>

namespace exercise {

// What a screen reader says of a new division: "122 gedeeld door 5".
QString spokenDivision(basic::Int16 deeltal, basic::Int16 deler);

// The two smaller divisions of the second help step on one line: "( 100 : 5 ) en ( 22 : 5 )";
// one of them alone when the other caption is empty.
QString spokenSplit(const QString &left, const QString &right);

} // namespace exercise
