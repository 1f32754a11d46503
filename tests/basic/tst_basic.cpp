#include "basic/int16.h"
#include "basic/random.h"

#include <QTest>

#include <limits>

// The program's basic value types: checked 16-bit arithmetic, numbers as text, random draws.
class TestBasic : public QObject {
    Q_OBJECT

private slots:
    void checkedArithmeticRefusesOverflow_data();
    void checkedArithmeticRefusesOverflow();
    void countersStopAtTheTop();
    void captionsReadAsSixteenBitIntegers_data();
    void captionsReadAsSixteenBitIntegers();
    void numbersBecomePlainText();
    void clockDrawsStayBelowOne();
    void scriptedDrawsComeInOrder();
};

void TestBasic::checkedArithmeticRefusesOverflow_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("result"); // ignored when it overflows
    QTest::addColumn<bool>("overflows");
    QTest::newRow("add to the top") << 0 << 32766 << 1 << 32767 << false;
    QTest::newRow("add past the top") << 0 << 32767 << 1 << 0 << true;
    QTest::newRow("sub to the bottom") << 1 << -32767 << 1 << -32768 << false;
    QTest::newRow("sub past the bottom") << 1 << -32768 << 1 << 0 << true;
    QTest::newRow("mul in range") << 2 << 181 << 181 << 32761 << false;
    QTest::newRow("mul past the top") << 2 << 182 << 181 << 0 << true;
    QTest::newRow("div truncates towards zero") << 3 << -7 << 2 << -3 << false;
    QTest::newRow("div of the bottom by -1") << 3 << -32768 << -1 << 0 << true;
}

void TestBasic::checkedArithmeticRefusesOverflow()
{
    QFETCH(int, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, result);
    QFETCH(bool, overflows);
    const auto x = static_cast<basic::Int16>(a);
    const auto y = static_cast<basic::Int16>(b);
    auto compute = [&] {
        switch (op) {
        case 0:
            return basic::add16(x, y);
        case 1:
            return basic::sub16(x, y);
        case 2:
            return basic::mul16(x, y);
        default:
            return basic::div16(x, y);
        }
    };
    if (overflows)
        QVERIFY_THROWS_EXCEPTION(basic::OverflowError, compute());
    else
        QCOMPARE(compute(), result);
}

void TestBasic::countersStopAtTheTop()
{
    QCOMPARE(basic::countUp(0), 1);
    QCOMPARE(basic::countUp(32766), 32767);
    QCOMPARE(basic::countUp(32767), 32767);
    QVERIFY_THROWS_EXCEPTION(basic::DivisionByZeroError, basic::div16(5, 0));
}

void TestBasic::captionsReadAsSixteenBitIntegers_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("seven") << "7" << 7;
    QTest::newRow("negative") << "-12" << -12;
    QTest::newRow("top") << "32767" << 32767;
    QTest::newRow("past the top") << "40000" << 32767;
    QTest::newRow("hundred digits") << QString(100, u'9') << 32767;
    QTest::newRow("bottom") << "-32768" << -32768;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("words") << "vier" << 0;
    QTest::newRow("sign only") << "+" << 0;
}

void TestBasic::captionsReadAsSixteenBitIntegers()
{
    QFETCH(QString, caption);
    QFETCH(int, value);
    QCOMPARE(basic::captionToInt16(caption), value);
}

void TestBasic::numbersBecomePlainText()
{
    QCOMPARE(basic::toText(0), QStringLiteral("0"));
    QCOMPARE(basic::toText(201), QStringLiteral("201"));
    QCOMPARE(basic::toText(-5), QStringLiteral("-5"));
}

void TestBasic::clockDrawsStayBelowOne()
{
    basic::ClockRandom random;
    float highest = 0;
    for (int i = 0; i < 200000; ++i) {
        if (i % 1000 == 0)
            random.reseedFromClock();
        const float r = random.draw();
        QVERIFY(r >= 0.0f);
        QVERIFY(r < 1.0f);
        highest = std::max(highest, r);
    }
    QVERIFY(highest > 0.99f);
}

void TestBasic::scriptedDrawsComeInOrder()
{
    basic::ScriptedRandom random({0.5f, 0.25f});
    random.push({0.999f});
    random.reseedFromClock();
    QCOMPARE(random.draw(), 0.5f);
    QCOMPARE(random.draw(), 0.25f);
    QCOMPARE(random.draw(), 0.999f);
    QCOMPARE(random.reseeds(), 1);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, random.draw());
}

QTEST_GUILESS_MAIN(TestBasic)
#include "tst_basic.moc"
