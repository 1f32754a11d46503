#include "exercise/statistics.h"

#include "basic/linebreak.h"

namespace exercise {

QString statistiektekst(const Counters &counters)
{
    const QString lineBreak = basic::lineBreak();
    return QStringLiteral("aantal oefeningen = ") + u' ' + basic::toText(counters.aantaloefeningen) + lineBreak +
           QStringLiteral(" aantal fouten = ") + u' ' + basic::toText(counters.aantalfouten) + lineBreak +
           QStringLiteral(" aantal juist = ") + u' ' + basic::toText(counters.aantaljuist) + lineBreak +
           QStringLiteral(" aantal keer hulp gevraagd = ") + u' ' + basic::toText(counters.aantalhulp);
}

} // namespace exercise
