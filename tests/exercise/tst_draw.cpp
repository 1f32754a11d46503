#include "exercise/draw.h"
#include "exercise/level.h"
#include "exercise/statistics.h"
#include "scripteddraws.h"

#include <QSet>
#include <QTest>

using exercise::Division;
using exercise::Level;

using scripted::evenFor;
using scripted::justBelowOne;
using scripted::skewedFor;

class TestDraw : public QObject {
    Q_OBJECT

private slots:
    void skewedDrawFollowsItsFormula_data();
    void skewedDrawFollowsItsFormula();
    void evenDrawCoversOneToN_data();
    void evenDrawCoversOneToN();
    void levelAcceptsItsRangeAtBothEnds_data();
    void levelAcceptsItsRangeAtBothEnds();
    void remainderZeroScreensBuildTheDividendFromDigits_data();
    void remainderZeroScreensBuildTheDividendFromDigits();
    void seededDrawsStayInsideEachLevel_data();
    void seededDrawsStayInsideEachLevel();
    void statisticsTextIsExact_data();
    void statisticsTextIsExact();
};

void TestDraw::skewedDrawFollowsItsFormula_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("r2");
    QTest::addColumn<int>("expected");
    QTest::newRow("S(200) halves") << 200 << 0.5f << 0.5f << 51;
    QTest::newRow("S(200) 0.999") << 200 << 0.999f << 0.999f << 201;
    QTest::newRow("S(200) just below 1") << 200 << justBelowOne << justBelowOne << 201;
    QTest::newRow("S(200) r2 zero") << 200 << justBelowOne << 0.0f << 1;
    QTest::newRow("S(89) highest") << 89 << justBelowOne << justBelowOne << 90;
    QTest::newRow("S(1000) highest") << 1000 << justBelowOne << justBelowOne << 1001;
    QTest::newRow("r1 drawn first") << 9 << 0.0f << justBelowOne << 1; // (0*9+1)*r2+1 < 2
    QTest::newRow("r1 drawn first, swapped") << 9 << justBelowOne << 0.15f << 2;
}

void TestDraw::skewedDrawFollowsItsFormula()
{
    QFETCH(int, k);
    QFETCH(float, r1);
    QFETCH(float, r2);
    QFETCH(int, expected);
    basic::ScriptedRandom random({r1, r2});
    QCOMPARE(exercise::skewedDraw(random, k), expected);
    QCOMPARE(random.remaining(), 0);
}

void TestDraw::evenDrawCoversOneToN_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    QTest::newRow("E(9) zero") << 9 << 0.0f << 1;
    QTest::newRow("E(9) just below 1") << 9 << justBelowOne << 9;
    QTest::newRow("E(4) just below 1") << 4 << justBelowOne << 4;
}

void TestDraw::evenDrawCoversOneToN()
{
    QFETCH(int, n);
    QFETCH(float, r);
    QFETCH(int, expected);
    basic::ScriptedRandom random({r});
    QCOMPARE(exercise::evenDraw(random, n), expected);
}

void TestDraw::levelAcceptsItsRangeAtBothEnds_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("dividends"); // all but the last are rejected
    QTest::addColumn<QList<int>>("divisors");  // likewise
    struct Row {
        const char *name;
        const char *window;
        QList<int> dividends;
        QList<int> divisors;
    };
    const Row rows[] = {
        {"100 low", "frmrekenrups100", {1, 20, 21}, {1, 2, 3}}, {"100 high", "frmrekenrups100", {90}, {9}},
        {"200 low", "frmrekenrups200", {51, 100, 101}, {2, 3}}, {"200 high", "frmrekenrups200", {201}, {9}},
        {"300 low", "frmrekenrups300", {200, 201}, {3}},        {"300 high", "frmrekenrups300", {301}, {9}},
        {"400 low", "frmrekenrups400", {300, 301}, {3}},        {"400 high", "frmrekenrups400", {401}, {9}},
        {"500 low", "frmrekenrups500", {12, 400, 401}, {3}},    {"500 high", "frmrekenrups500", {501}, {9}},
        {"999 low", "frmrekenrups999", {101, 102}, {3}},        {"999 high", "frmrekenrups999", {1001}, {9}},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.window) << row.dividends << row.divisors;
}

void TestDraw::levelAcceptsItsRangeAtBothEnds()
{
    QFETCH(QString, window);
    QFETCH(QList<int>, dividends);
    QFETCH(QList<int>, divisors);
    const Level &level = exercise::levelOf(window);
    QList<float> draws;
    for (int dividend : dividends)
        draws += skewedFor(std::get<exercise::DirectDividend>(level.draw.dividend).k, dividend);
    for (int divisor : divisors)
        draws += evenFor(level.draw.divisor.n, divisor);
    basic::ScriptedRandom random(draws);

    const Division drawn = exercise::drawDivision(level.draw, random);
    QCOMPARE(drawn.deeltal, dividends.last());
    QCOMPARE(drawn.deler, divisors.last());
    QCOMPARE(random.remaining(), 0); // every earlier value was drawn and rejected
    QCOMPARE(random.reseeds(), 0);
    QCOMPARE(drawn.quotient, dividends.last() / divisors.last());
    QCOMPARE(drawn.produkt, drawn.quotient * drawn.deler);
    QCOMPARE(drawn.rest, dividends.last() % divisors.last());
}

void TestDraw::remainderZeroScreensBuildTheDividendFromDigits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("first");  // tens, units, divisor
    QTest::addColumn<QList<int>>("second"); // the redraw, if any
    QTest::addColumn<int>("deeltal");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("reseeds");
    QTest::newRow("even small") << "frmrekenrupseven" << QList<int>{2, 3, 3} << QList<int>{} << 69 << 23 << 0;
    QTest::newRow("even exactly 100 stands")
        << "frmrekenrupseven" << QList<int>{2, 5, 4} << QList<int>{} << 100 << 25 << 0;
    QTest::newRow("even 236 forces a redraw")
        << "frmrekenrupseven" << QList<int>{5, 9, 4} << QList<int>{1, 1, 3} << 33 << 11 << 1;
    QTest::newRow("even redraw above 100 stands")
        << "frmrekenrupseven" << QList<int>{5, 9, 4} << QList<int>{6, 10, 4} << 280 << 70 << 1;
    QTest::newRow("high lowest") << "frmrekenrupsevenhoog" << QList<int>{1, 1, 3} << QList<int>{} << 33 << 11 << 0;
    QTest::newRow("high highest, no redraw")
        << "frmrekenrupsevenhoog" << QList<int>{10, 10, 9} << QList<int>{} << 990 << 110 << 0;
}

void TestDraw::remainderZeroScreensBuildTheDividendFromDigits()
{
    QFETCH(QString, window);
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);
    QFETCH(int, deeltal);
    QFETCH(int, quotient);
    QFETCH(int, reseeds);
    const Level &level = exercise::levelOf(window);
    QList<float> draws = scripted::divisionFor(level, first);
    if (!second.isEmpty())
        draws += scripted::divisionFor(level, second);
    basic::ScriptedRandom random(draws);

    const Division drawn = exercise::drawDivision(level.draw, random);
    const QList<int> &last = second.isEmpty() ? first : second;
    QCOMPARE(drawn.tientallen, last[0]);
    QCOMPARE(drawn.eenheden, last[1]);
    QCOMPARE(drawn.deler, last[2]);
    QCOMPARE(drawn.tientalprodukt, last[0] * last[2]);
    QCOMPARE(drawn.deeltal, deeltal);
    QCOMPARE(drawn.quotient, quotient);
    QCOMPARE(drawn.rest, 0);
    QCOMPARE(random.reseeds(), reseeds);
    QCOMPARE(random.remaining(), 0);
}

void TestDraw::seededDrawsStayInsideEachLevel_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("lowestDivisor");
    QTest::addColumn<int>("highestDivisor");
    QTest::addColumn<bool>("restZero");
    QTest::newRow("100") << "frmrekenrups100" << 21 << 90 << 3 << 9 << false;
    QTest::newRow("200") << "frmrekenrups200" << 101 << 201 << 3 << 9 << false;
    QTest::newRow("300") << "frmrekenrups300" << 201 << 301 << 3 << 9 << false;
    QTest::newRow("400") << "frmrekenrups400" << 301 << 401 << 3 << 9 << false;
    QTest::newRow("500") << "frmrekenrups500" << 401 << 501 << 3 << 9 << false;
    QTest::newRow("999") << "frmrekenrups999" << 102 << 1001 << 3 << 9 << false;
    QTest::newRow("even") << "frmrekenrupseven" << 33 << 280 << 3 << 4 << true;
    QTest::newRow("evenhoog") << "frmrekenrupsevenhoog" << 33 << 990 << 3 << 9 << true;
}

void TestDraw::seededDrawsStayInsideEachLevel()
{
    QFETCH(QString, window);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, lowestDivisor);
    QFETCH(int, highestDivisor);
    QFETCH(bool, restZero);
    const Level &level = exercise::levelOf(window);
    basic::ClockRandom random;
    QSet<int> divisorsSeen;
    for (int i = 0; i < 3000; ++i) {
        random.reseedFromClock();
        const Division d = exercise::drawDivision(level.draw, random);
        QVERIFY2(d.deeltal >= lowest && d.deeltal <= highest, qPrintable(QString::number(d.deeltal)));
        QVERIFY2(d.deler >= lowestDivisor && d.deler <= highestDivisor, qPrintable(QString::number(d.deler)));
        QCOMPARE(d.deeltal, d.quotient * d.deler + d.rest);
        QVERIFY(d.rest >= 0 && d.rest < d.deler);
        QCOMPARE(d.produkt, d.quotient * d.deler);
        if (restZero) {
            QCOMPARE(d.rest, 0);
            QCOMPARE(d.quotient, d.tientallen * 10 + d.eenheden);
        }
        divisorsSeen.insert(d.deler);
    }
    QCOMPARE(divisorsSeen.size(), highestDivisor - lowestDivisor + 1);
}

void TestDraw::statisticsTextIsExact_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fresh") << QList<int>{0, 0, 0, 0}
                           << "aantal oefeningen =  0\r\n aantal fouten =  0\r\n aantal juist =  0\r\n"
                              " aantal keer hulp gevraagd =  0";
    QTest::newRow("full") << QList<int>{32767, 0, 32767, 1}
                          << "aantal oefeningen =  32767\r\n aantal fouten =  0\r\n aantal juist =  32767\r\n"
                             " aantal keer hulp gevraagd =  1";
}

void TestDraw::statisticsTextIsExact()
{
    QFETCH(QList<int>, counts);
    QFETCH(QString, expected);
    const auto count = [&counts](int at) { return static_cast<basic::Int16>(counts[at]); };
    QCOMPARE(exercise::statistiektekst({count(0), count(1), count(2), count(3)}), expected);
}

QTEST_APPLESS_MAIN(TestDraw)
#include "tst_draw.moc"
