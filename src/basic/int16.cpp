#include "basic/int16.h"

#include <QRegularExpression>

#include <limits>

namespace basic {

Int16 checked16(long long value)
{
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max())
        throw OverflowError();
    return static_cast<Int16>(value);
}

Int16 add16(Int16 a, Int16 b)
{
    return checked16(static_cast<long long>(a) + b);
}

Int16 sub16(Int16 a, Int16 b)
{
    return checked16(static_cast<long long>(a) - b);
}

Int16 mul16(Int16 a, Int16 b)
{
    return checked16(static_cast<long long>(a) * b);
}

Int16 div16(Int16 a, Int16 b)
{
    if (b == 0)
        throw DivisionByZeroError();
    return checked16(static_cast<long long>(a) / b);
}

Int16 countUp(Int16 counter)
{
    return counter == std::numeric_limits<Int16>::max() ? counter : static_cast<Int16>(counter + 1);
}

QString toText(long long value)
{
    return QString::number(value);
}

Int16 captionToInt16(const QString &caption)
{
    static const QRegularExpression integer(QStringLiteral("^\\s*([+-]?)([0-9]+)\\s*$"));
    const QRegularExpressionMatch match = integer.match(caption);
    if (!match.hasMatch())
        return 0;
    const bool negative = match.captured(1) == u"-";
    bool ok = false;
    const long long value = match.captured(2).toLongLong(&ok);
    if (!ok || value > std::numeric_limits<Int16>::max() + (negative ? 1LL : 0LL))
        return negative ? std::numeric_limits<Int16>::min() : std::numeric_limits<Int16>::max();
    return static_cast<Int16>(negative ? -value : value);
}

} // namespace basic
