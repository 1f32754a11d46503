#include "exercise/statistics.h"

namespace exercise {

QString statistiektekst(ui::Int16 aantaloefeningen, ui::Int16 aantalfouten, ui::Int16 aantaljuist, ui::Int16 aantalhulp)
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("aantal oefeningen = ") + u' ' + ui::toText(aantaloefeningen) + lineBreak +
           QStringLiteral(" aantal fouten = ") + u' ' + ui::toText(aantalfouten) + lineBreak +
           QStringLiteral(" aantal juist = ") + u' ' + ui::toText(aantaljuist) + lineBreak +
           QStringLiteral(" aantal keer hulp gevraagd = ") + u' ' + ui::toText(aantalhulp);
}

} // namespace exercise
