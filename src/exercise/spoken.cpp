#include "exercise/spoken.h"

namespace exercise {

QString spokenDivision(basic::Int16 deeltal, basic::Int16 deler)
{
    return basic::toText(deeltal) + QStringLiteral(" gedeeld door ") + basic::toText(deler);
}

QString spokenSplit(const QString &left, const QString &right)
{
    const QString first = left.simplified();
    const QString second = right.simplified();
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + QStringLiteral(" en ") + second;
}

} // namespace exercise
