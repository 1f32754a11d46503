#include "check/answer.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(check::Verdict)

namespace {

// -1 stands for no refused box.
int refusedIndex(const check::CheckResult &result)
{
    return result.refusedBox ? static_cast<int>(*result.refusedBox) : -1;
}

constexpr int none = -1;
constexpr int quotientBox = static_cast<int>(check::AnswerBox::Quotient);
constexpr int restBox = static_cast<int>(check::AnswerBox::Rest);

} // namespace

class TestAnswer : public QObject {
    Q_OBJECT

private slots:
    void typedTextReadsAsANumberOrNot_data();
    void typedTextReadsAsANumberOrNot();
    void longFractionNeverReadsAsWhole();
    void checkComparesBothBoxesByValue_data();
    void checkComparesBothBoxesByValue();
    void solutionLineSpellsTheSolvedDivision();
    void hintsHaveTwoLines();
};

void TestAnswer::typedTextReadsAsANumberOrNot_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("decimal point") << "12.5" << true << 12.5;
    QTest::newRow("plus sign") << "+12" << true << 12.0;
    QTest::newRow("minus sign") << "-3" << true << -3.0;
    QTest::newRow("hundred digits") << QString(100, u'9') << true << 1e100;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("comma without fraction") << "12," << false << 0.0;
    QTest::newRow("fraction without digits before") << ",5" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x1A" << false << 0.0;
    QTest::newRow("infinity word") << "inf" << false << 0.0;
    QTest::newRow("fullwidth digits") << QStringLiteral("\uff11\uff12") << false << 0.0;
    QTest::newRow("pasted digits then text") << QString(9990, u'7') + QStringLiteral("0123456789x") << false << 0.0;
}

void TestAnswer::typedTextReadsAsANumberOrNot()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);

    const std::optional<double> read = check::readTypedNumber(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void TestAnswer::longFractionNeverReadsAsWhole()
{
    const QString zeros(400, u'0');
    for (const QString &text : {QStringLiteral("12,") + zeros + u'1', QStringLiteral("0.") + zeros + u'1',
                                QStringLiteral("-12,") + zeros + u'1'}) {
        const std::optional<double> read = check::readTypedNumber(text);
        QVERIFY(read);
        QVERIFY2(std::floor(*read) != *read, qPrintable(text.left(8)));
    }
    QCOMPARE(check::readTypedNumber(QStringLiteral("12,") + zeros), 12.0);
    QCOMPARE(check::readTypedNumber(QString(400, u'9')), std::numeric_limits<double>::infinity());
    QCOMPARE(check::readTypedNumber(QStringLiteral("-") + QString(400, u'9')),
             -std::numeric_limits<double>::infinity());
}

void TestAnswer::checkComparesBothBoxesByValue_data()
{
    QTest::addColumn<QString>("quotientText");
    QTest::addColumn<QString>("restText");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("rest");
    QTest::addColumn<check::Verdict>("verdict");
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("quotientAfter");
    QTest::addColumn<QString>("restAfter");

    using check::Verdict;
    // clang-format off
    QTest::newRow("both right") << "12" << "1" << 12 << 1 << Verdict::Right << none << "12" << "1";
    QTest::newRow("both empty") << "" << "" << 12 << 1 << Verdict::Wrong << none << "0" << "0";
    QTest::newRow("empty remainder of 0") << "10" << "" << 10 << 0 << Verdict::Right << none << "10" << "0";
    QTest::newRow("leading zero") << "012" << "1" << 12 << 1 << Verdict::Right << none << "012" << "1";
    QTest::newRow("blanks kept") << " 12 " << "1 " << 12 << 1 << Verdict::Right << none << " 12 " << "1 ";
    QTest::newRow("zero fraction") << "12,0" << "1" << 12 << 1 << Verdict::Right << none << "12,0" << "1";
    QTest::newRow("half") << "12,5" << "1" << 12 << 1 << Verdict::Wrong << none << "12,5" << "1";
    QTest::newRow("plus sign") << "+12" << "1" << 12 << 1 << Verdict::Right << none << "+12" << "1";
    QTest::newRow("minus zero") << "10" << "-0" << 10 << 0 << Verdict::Right << none << "10" << "-0";
    QTest::newRow("wrong remainder") << "12" << "2" << 12 << 1 << Verdict::Wrong << none << "12" << "2";
    QTest::newRow("wrong quotient") << "11" << "1" << 12 << 1 << Verdict::Wrong << none << "11" << "1";
    QTest::newRow("hundred digits") << QString(100, u'1') << "1" << 12 << 1 << Verdict::Wrong << none
                                    << QString(100, u'1') << "1";
    QTest::newRow("letters") << "abc" << "1" << 12 << 1 << Verdict::Refused << quotientBox << "abc" << "1";
    QTest::newRow("blanks only") << "12" << "   " << 12 << 1 << Verdict::Refused << restBox << "12" << "   ";
    QTest::newRow("trailing letters, empty stays empty") << "12abc"
                                                         << "" << 12 << 1 << Verdict::Refused << quotientBox << "12abc"
                                                         << "";
    QTest::newRow("empty quotient stays empty") << "" << "x" << 12 << 1 << Verdict::Refused << restBox << "" << "x";
    QTest::newRow("blank inside") << "1 2" << "1" << 12 << 1 << Verdict::Refused << quotientBox << "1 2" << "1";
    QTest::newRow("arabic-indic digit") << "12" << QStringLiteral("\u0661") << 12 << 1 << Verdict::Refused << restBox
                                        << "12" << QStringLiteral("\u0661");
    QTest::newRow("both not numbers") << QString(10000, u'a') << "b" << 12 << 1 << Verdict::Refused << quotientBox
                                      << QString(10000, u'a') << "b";
    // clang-format on
}

void TestAnswer::checkComparesBothBoxesByValue()
{
    QFETCH(QString, quotientText);
    QFETCH(QString, restText);
    QFETCH(int, quotient);
    QFETCH(int, rest);
    QFETCH(check::Verdict, verdict);
    QFETCH(int, refused);
    QFETCH(QString, quotientAfter);
    QFETCH(QString, restAfter);

    const check::CheckResult result = check::checkAnswer(quotientText, restText, static_cast<basic::Int16>(quotient),
                                                         static_cast<basic::Int16>(rest));
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(refusedIndex(result), refused);
    QCOMPARE(result.quotientText, quotientAfter);
    QCOMPARE(result.restText, restAfter);
}

void TestAnswer::solutionLineSpellsTheSolvedDivision()
{
    QCOMPARE(check::solutionLine(85, 7, 12, 1),
             QStringLiteral("85 : 7  =  12  rest  1\r\n als quoti\u00ebnt en rest "));
}

void TestAnswer::hintsHaveTwoLines()
{
    QCOMPARE(check::checkHint(), QStringLiteral(" controleer de uitkomst \r\n klik hier ! "));
    QCOMPARE(check::refusalHint(), QStringLiteral(" vul een getal in \r\n en klik opnieuw "));
}

QTEST_GUILESS_MAIN(TestAnswer)
#include "tst_answer.moc"
