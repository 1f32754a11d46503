#include "exercise/spoken.h"

#include <QStringList>

namespace exercise {

QString spokenWords(const QString &caption)
{
    QStringList words;
    for (QString word : caption.simplified().split(u' ', Qt::SkipEmptyParts)) {
        word.remove(u'(').remove(u')');
        if (word == u":")
            word = QStringLiteral("gedeeld door");
        else if (word == u"=")
            word = QStringLiteral("is");
        else if (word.endsWith(u'+'))
            word = (word.chopped(1) + QStringLiteral(" plus")).trimmed();
        if (!word.isEmpty())
            words << word;
    }
    return words.join(u' ');
}

QString spokenDivision(basic::Int16 deeltal, basic::Int16 deler)
{
    return spokenWords(basic::toText(deeltal) + QStringLiteral(" : ") + basic::toText(deler));
}

QString spokenSplit(const QString &left, const QString &right)
{
    const QString first = spokenWords(left);
    const QString second = spokenWords(right);
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + QStringLiteral(" en ") + second;
}

QString spokenStatistics(const Counters &counters)
{
    return QStringLiteral("oefeningen %1, fouten %2, juist %3, hulp %4")
        .arg(basic::toText(counters.aantaloefeningen), basic::toText(counters.aantalfouten),
             basic::toText(counters.aantaljuist), basic::toText(counters.aantalhulp));
}

} // namespace exercise
