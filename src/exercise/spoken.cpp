#include "exercise/spoken.h"

namespace exercise {

QString spokenDivision(ui::Int16 deeltal, ui::Int16 deler)
{
    return ui::toText(deeltal) + QStringLiteral(" gedeeld door ") + ui::toText(deler);
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
