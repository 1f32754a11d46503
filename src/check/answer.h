#pragma once

#include "basic/int16.h"

#include <QString>

#include <optional>

namespace check {

// The value of a typed number: blanks around it, an optional sign, ASCII digits and optionally a
// decimal comma or point followed by digits. Anything else is no number. A number with a non-zero
// fraction never reads as a whole value, however long its fraction; one too large for a double reads
// as an infinity.
std::optional<double> readTypedNumber(const QString &text);

enum class Verdict { Right, Wrong, Refused };
enum class AnswerBox { Quotient, Rest };

struct CheckResult {
    Verdict verdict = Verdict::Refused;
    // The first box that holds no number, the quotient box first; set only when refused.
    std::optional<AnswerBox> refusedBox;
    // The box texts after the check: an empty box becomes "0", unless the check is refused.
    QString quotientText;
    QString restText;
};

CheckResult checkAnswer(const QString &quotientText, const QString &restText, basic::Int16 quotient, basic::Int16 rest);

// The solved division, shown after a right and a wrong answer alike.
QString solutionLine(basic::Int16 deeltal, basic::Int16 deler, basic::Int16 quotient, basic::Int16 rest);

// The verdict as a screen reader says it: "goed" or "fout", then the solved division on one line.
QString spokenVerdict(Verdict verdict, const QString &solution);

QString checkHint();
// Shown in the hint line when a box holds text that is not a number.
QString refusalHint();

} // namespace check
