#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace basic {

// The exercise variables are 16-bit signed integers whose arithmetic is checked: a result out of
// range is an error, never a silent wrap.
using Int16 = std::int16_t;

class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("16-bit overflow") {}
};

class DivisionByZeroError : public std::domain_error {
public:
    DivisionByZeroError() : std::domain_error("division by zero") {}
};

Int16 checked16(long long value);
Int16 add16(Int16 a, Int16 b);
Int16 sub16(Int16 a, Int16 b);
Int16 mul16(Int16 a, Int16 b);
// Integer division, truncated towards zero.
Int16 div16(Int16 a, Int16 b);

// A counter that would pass 32767 stays at 32767.
Int16 countUp(Int16 counter);

// Plain decimal text: a minus sign for a negative value, no leading blank.
QString toText(long long value);

// The caption of a label that holds a decimal integer. Text that is not such a number reads as 0,
// and a number beyond the 16-bit range as the nearest bound, so reading a caption never fails.
Int16 captionToInt16(const QString &caption);

} // namespace basic
