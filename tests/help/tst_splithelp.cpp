#include "help/splithelp.h"

#include <QTest>

Q_DECLARE_METATYPE(help::Step)

class TestSplitHelp : public QObject {
    Q_OBJECT

private slots:
    void tensTableChoosesTheMultiple_data();
    void tensTableChoosesTheMultiple();
    void stepOneShowsTheSplit_data();
    void stepOneShowsTheSplit();
    void stepTwoShowsTwoDivisions_data();
    void stepTwoShowsTwoDivisions();
    void hintInvitesOrReminds_data();
    void hintInvitesOrReminds();
    void hintLeavesTheLineForDivisorZero();
};

void TestSplitHelp::tensTableChoosesTheMultiple_data()
{
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("lastEntry");
    QTest::addColumn<int>("k"); // 0: no entry holds

    const int all = help::allTensEntries;
    QTest::newRow("0") << 0 << all << 0;
    QTest::newRow("9") << 9 << all << 0;
    QTest::newRow("10") << 10 << all << 10;
    QTest::newRow("19") << 19 << all << 10;
    QTest::newRow("20") << 20 << all << 20;
    QTest::newRow("99") << 99 << all << 90;
    QTest::newRow("100") << 100 << all << 100;
    QTest::newRow("199") << 199 << all << 190;
    QTest::newRow("200") << 200 << all << 190;
    QTest::newRow("205") << 205 << all << 190;
    QTest::newRow("209") << 209 << all << 190;
    QTest::newRow("210") << 210 << all << 200;
    QTest::newRow("250") << 250 << all << 200;
    QTest::newRow("333") << 333 << all << 200;
    QTest::newRow("first six, 9") << 9 << 6 << 0;
    QTest::newRow("first six, 59") << 59 << 6 << 50;
    QTest::newRow("first six, 66") << 66 << 6 << 60;
    QTest::newRow("first six, 70") << 70 << 6 << 60;
}

void TestSplitHelp::tensTableChoosesTheMultiple()
{
    QFETCH(int, quotient);
    QFETCH(int, lastEntry);
    QFETCH(int, k);

    const std::optional<basic::Int16> chosen = help::tensMultiple(static_cast<basic::Int16>(quotient), lastEntry);
    QCOMPARE(chosen.value_or(0), k);
}

void TestSplitHelp::stepOneShowsTheSplit_data()
{
    QTest::addColumn<int>("deeltal");
    QTest::addColumn<int>("deler");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<bool>("written"); // labels 0 and 1, hulpprodukt and hulprest
    QTest::addColumn<int>("hulpprodukt");
    QTest::addColumn<int>("hulprest");
    QTest::addColumn<QString>("splitLine");

    QTest::newRow("85 : 7") << 85 << 7 << 12 << true << 70 << 15 << "85 = 70 + 15";
    QTest::newRow("70 : 7") << 70 << 7 << 10 << true << 70 << 0 << "70 = 70 + 0";
    QTest::newRow("59 : 7") << 59 << 7 << 8 << false << 0 << 0 << "";
    QTest::newRow("615 : 3") << 615 << 3 << 205 << true << 570 << 45 << "615 = 570 + 45";
    QTest::newRow("750 : 3") << 750 << 3 << 250 << true << 600 << 150 << "750 = 600 + 150";
    QTest::newRow("280 : 4") << 280 << 4 << 70 << true << 280 << 0 << "280 = 280 + 0";
    QTest::newRow("reopened screen") << 85 << 7 << 0 << false << 0 << 0 << "";
}

void TestSplitHelp::stepOneShowsTheSplit()
{
    QFETCH(int, deeltal);
    QFETCH(int, deler);
    QFETCH(int, quotient);
    QFETCH(bool, written);
    QFETCH(int, hulpprodukt);
    QFETCH(int, hulprest);
    QFETCH(QString, splitLine);

    const help::HelpStep1 step = help::helpStep1(static_cast<basic::Int16>(deeltal), static_cast<basic::Int16>(deler),
                                                 static_cast<basic::Int16>(quotient));
    QCOMPARE(step.splitLine, splitLine);
    QCOMPARE(step.split.has_value(), written);
    if (written) {
        QCOMPARE(step.split->hulpprodukt, hulpprodukt);
        QCOMPARE(step.split->hulprest, hulprest);
        QCOMPARE(step.split->left, QString::number(hulpprodukt));
        QCOMPARE(step.split->right, QString::number(hulprest));
    }
}

void TestSplitHelp::stepTwoShowsTwoDivisions_data()
{
    QTest::addColumn<int>("deeltal");
    QTest::addColumn<int>("deler");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("lastEntry");
    QTest::addColumn<QString>("left"); // empty: nothing written
    QTest::addColumn<QString>("right");

    const int all = help::allTensEntries;
    // clang-format off
    QTest::newRow("85 : 7") << 85 << 7 << 12 << all << " ( 70 : 7 )" << " ( 15 : 7 )";
    QTest::newRow("70 : 7") << 70 << 7 << 10 << all << " ( 70 : 7 )" << " ( 0 : 7 )";
    QTest::newRow("59 : 7") << 59 << 7 << 8 << all << "" << "";
    QTest::newRow("280 : 4, first six") << 280 << 4 << 70 << 6 << " ( 240 : 4 )" << " ( 40 : 4 )";
    QTest::newRow("462 : 7, first six") << 462 << 7 << 66 << 6 << " ( 420 : 7 )" << " ( 42 : 7 )";
    // clang-format on
}

void TestSplitHelp::stepTwoShowsTwoDivisions()
{
    QFETCH(int, deeltal);
    QFETCH(int, deler);
    QFETCH(int, quotient);
    QFETCH(int, lastEntry);
    QFETCH(QString, left);
    QFETCH(QString, right);

    const std::optional<help::SplitCaptions> split =
        help::helpStep2(static_cast<basic::Int16>(deeltal), static_cast<basic::Int16>(deler),
                        static_cast<basic::Int16>(quotient), lastEntry);
    QCOMPARE(split.has_value(), !left.isEmpty());
    if (split) {
        QCOMPARE(split->left, left);
        QCOMPARE(split->right, right);
    }
}

void TestSplitHelp::hintInvitesOrReminds_data()
{
    QTest::addColumn<help::Step>("step");
    QTest::addColumn<int>("deeltal");
    QTest::addColumn<int>("deler");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<int>("tafelprodukt");
    QTest::addColumn<QString>("text");

    using help::Step;
    const QString remind70 = QStringLiteral(" denk aan  70\r\n ken je tafels ");
    QTest::newRow("85 : 7 step 1") << Step::One << 85 << 7 << true << 84
                                   << QStringLiteral(" hulp nodig ? \r\n klik op deze knop ");
    QTest::newRow("85 : 7 step 2") << Step::Two << 85 << 7 << false << 84
                                   << QStringLiteral(" meer hulp nodig ? \r\n klik op deze knop ");
    QTest::newRow("ten times, step 1") << Step::One << 70 << 7 << true << 70 << remind70;
    QTest::newRow("ten times, step 2") << Step::Two << 70 << 7 << false << 70
                                       << QStringLiteral(" meer hulp nodig ? \r\n klik op deze knop ");
    QTest::newRow("ten times, strict step 2") << Step::Two << 70 << 7 << true << 70 << remind70;
    QTest::newRow("63 : 7 step 1") << Step::One << 63 << 7 << true << 63
                                   << QStringLiteral(" denk aan  63\r\n ken je tafels ");
    QTest::newRow("59 : 7") << Step::One << 59 << 7 << true << 56 << QStringLiteral(" denk aan  56\r\n ken je tafels ");
}

void TestSplitHelp::hintInvitesOrReminds()
{
    QFETCH(help::Step, step);
    QFETCH(int, deeltal);
    QFETCH(int, deler);
    QFETCH(bool, strict);
    QFETCH(int, tafelprodukt);
    QFETCH(QString, text);

    const std::optional<help::HelpHint> hint =
        help::helpHint(step, static_cast<basic::Int16>(deeltal), static_cast<basic::Int16>(deler), strict);
    QVERIFY(hint);
    QCOMPARE(hint->text, text);
    QCOMPARE(hint->tafelprodukt, tafelprodukt);
    QCOMPARE(hint->tafelquotient, deeltal / deler);
}

void TestSplitHelp::hintLeavesTheLineForDivisorZero()
{
    QVERIFY(!help::helpHint(help::Step::One, 85, 0, true));
    QVERIFY(!help::helpHint(help::Step::Two, 0, 0, false));
}

QTEST_GUILESS_MAIN(TestSplitHelp)
#include "tst_splithelp.moc"
