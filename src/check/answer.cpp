#include "check/answer.h"

#include "basic/linebreak.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace check {

namespace {

// Integer parts longer than this would overflow a double.
constexpr qsizetype maxIntegerDigits = 300;

QString boxAfterEmptyStep(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

// Plain digits with at most one decimal point, read without the locale, which QCoreApplication sets
// from the environment (a Dutch locale would make strtod expect a decimal comma); 0 for a fraction
// too small for a double, the only text that cannot be read.
double readDigits(const std::string &digits)
{
#ifdef Q_OS_WASM
    // Emscripten's libc++ has no from_chars for double; Qt's C locale reads as exactly.
    bool read = false;
    const double value = QLocale::c().toDouble(QLatin1StringView(digits.data(), qsizetype(digits.size())), &read);
    return read ? value : 0.0;
#else
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() ? value : 0.0;
#endif
}

} // namespace

std::optional<double> readTypedNumber(const QString &text)
{
    // [0-9] rather than \d, which would also take other scripts' digits.
    static const QRegularExpression number(QStringLiteral("^ *([+-]?)([0-9]+)(?:[.,]([0-9]+))? *$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;

    const bool negative = match.capturedView(1) == u"-";
    QStringView integer = match.capturedView(2);
    QStringView fraction = match.capturedView(3);
    while (integer.size() > 1 && integer.front() == u'0')
        integer = integer.sliced(1);
    while (!fraction.isEmpty() && fraction.back() == u'0')
        fraction.chop(1);

    double value = std::numeric_limits<double>::infinity();
    if (integer.size() <= maxIntegerDigits) {
        std::string digits = integer.toLatin1().toStdString();
        if (!fraction.isEmpty())
            digits += '.' + fraction.toLatin1().toStdString();
        value = readDigits(digits);
    }
    if (!fraction.isEmpty() && std::floor(value) == value)
        value = std::nextafter(value, std::numeric_limits<double>::infinity());
    return negative ? -value : value;
}

CheckResult checkAnswer(const QString &quotientText, const QString &restText, basic::Int16 quotient, basic::Int16 rest)
{
    const QString quotientBox = boxAfterEmptyStep(quotientText);
    const QString restBox = boxAfterEmptyStep(restText);
    const std::optional<double> typedQuotient = readTypedNumber(quotientBox);
    const std::optional<double> typedRest = readTypedNumber(restBox);
    if (!typedQuotient)
        return {Verdict::Refused, AnswerBox::Quotient, quotientText, restText};
    if (!typedRest)
        return {Verdict::Refused, AnswerBox::Rest, quotientText, restText};

    const bool right = *typedQuotient == quotient && *typedRest == rest;
    return {right ? Verdict::Right : Verdict::Wrong, std::nullopt, quotientBox, restBox};
}

QString solutionLine(basic::Int16 deeltal, basic::Int16 deler, basic::Int16 quotient, basic::Int16 rest)
{
    const QString blank = QStringLiteral(" ");
    return basic::toText(deeltal) + blank + QStringLiteral(":") + blank + basic::toText(deler) + blank +
           QStringLiteral(" = ") + blank + basic::toText(quotient) + blank + QStringLiteral(" rest ") + blank +
           basic::toText(rest) + basic::lineBreak() + QStringLiteral(" als quoti\u00ebnt en rest ");
}

QString spokenVerdict(Verdict verdict, const QString &solution)
{
    return (verdict == Verdict::Right ? QStringLiteral("goed, ") : QStringLiteral("fout, ")) + solution.simplified();
}

QString checkHint()
{
    return QStringLiteral(" controleer de uitkomst ") + basic::lineBreak() + QStringLiteral(" klik hier ! ");
}

QString refusalHint()
{
    return QStringLiteral(" vul een getal in ") + basic::lineBreak() + QStringLiteral(" en klik opnieuw ");
}

} // namespace check
