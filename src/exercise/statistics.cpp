#include "exercise/statistics.h"

#include "basic/linebreak.h"

namespace exercise {

QString statistiektekst(basic::Int16 aantaloefeningen, basic::Int16 aantalfouten, basic::Int16 aantaljuist,
                        basic::Int16 aantalhulp)
{
    const QString lineBreak = basic::lineBreak();
    return QStringLiteral("aantal oefeningen = ") + u' ' + basic::toText(aantaloefeningen) + lineBreak +
           QStringLiteral(" aantal fouten = ") + u' ' + basic::toText(aantalfouten) + lineBreak +
           QStringLiteral(" aantal juist = ") + u' ' + basic::toText(aantaljuist) + lineBreak +
           QStringLiteral(" aantal keer hulp gevraagd = ") + u' ' + basic::toText(aantalhulp);
}

} // namespace exercise
