#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "exercise/statistics.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "screenfixture.h"
#include "scripteddraws.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/twips.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString neutralStatistics = exercise::statistiektekst(0, 0, 0, 0);
const QString startHint = QStringLiteral(" nieuwe oefening \r\n klik hier ! ");

QPoint centreIn(const QWidget *control)
{
    return control->geometry().center();
}

QPoint twipsPoint(int left, int top)
{
    return {ui::twipsToPixelsX(left), ui::twipsToPixelsY(top)};
}

// The buttons that are visible, by name, in a fixed order.
QStringList visibleButtons(const ExerciseScreen &screen)
{
    QStringList names;
    for (const QWidget *button : {screen.cmdstart, screen.cmdstop, screen.cmdjuist, screen.cmdcontrole1,
                                  screen.cmdcontrole, screen.cmddeler, screen.cmddeel}) {
        if (!button->isHidden())
            names << button->objectName();
    }
    return names;
}

} // namespace

class TestExerciseScreen : public QObject, private ScreenFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstShowIsAResetScreen_data();
    void firstShowIsAResetScreen();
    void startPutsADivisionOnTheScreen_data();
    void startPutsADivisionOnTheScreen();
    void countersStopAtTheLargestValue();
    void stopHandsTheTotalOnAndKeepsTheButtons();
    void doubleClickEmptiesOnlyItsBox_data();
    void doubleClickEmptiesOnlyItsBox();
    void startHintFollowsTheMouse();
    void firstHelpButtonCoversTheSecond();
    void unknownScreenIsAProgrammingError();
};

void TestExerciseScreen::init()
{
    setUpProgram();
}

void TestExerciseScreen::cleanup()
{
    tearDownProgram();
}

void TestExerciseScreen::firstShowIsAResetScreen_data()
{
    QTest::addColumn<QString>("window");
    for (const exercise::Level &level : exercise::levels())
        QTest::newRow(level.windowName) << QString::fromLatin1(level.windowName);
}

void TestExerciseScreen::firstShowIsAResetScreen()
{
    QFETCH(QString, window);
    program->kiesbasis1().lblgemaakt->setCaption(QStringLiteral("4"));
    ExerciseScreen &s = open(window);

    QVERIFY(s.isShown());
    QVERIFY(!program->kiesbasis1().isShown());
    QCOMPARE(s.windowTitle(), QStringLiteral("rekenrups"));
    QVERIFY(!(s.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(s.size(), QSize(ui::twipsToPixelsX(10110), ui::twipsToPixelsY(6825)));
    QCOMPARE(s.backColor(), 0x80C0FFu);
    QCOMPARE(s.lblaantal->caption(), neutralStatistics);
    QCOMPARE(s.totaaljuist, 4);
    QCOMPARE(s.aantaloefeningen + s.aantalfouten + s.aantaljuist + s.aantalhulp, 0);
    QCOMPARE(visibleButtons(s), (QStringList{"cmdstart", "cmdstop"}));
    QCOMPARE(s.focusWidget(), s.cmdstart);
    for (const ui::Label *hidden : {s.lblprodukt, s.lblrest, s.lblquotient})
        QVERIFY(hidden->isHidden());
    const bool hundred = window == u"frmrekenrups100";
    QCOMPARE(s.lblhulp.contains(5), hundred);
    QCOMPARE(s.lblhulp.contains(6), hundred);
    if (hundred)
        QVERIFY(s.lblhulp(5).isHidden() && s.lblhulp(6).isHidden());
}

void TestExerciseScreen::startPutsADivisionOnTheScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("numbers"); // dividend and divisor, or tens, units and divisor
    QTest::addColumn<int>("deeltal");
    QTest::addColumn<int>("deler");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("rest");
    QTest::addColumn<QString>("restBox");
    QTest::newRow("100") << "frmrekenrups100" << QList<int>{85, 7} << 85 << 7 << 12 << 1 << "";
    QTest::newRow("200 even, box stays empty") << "frmrekenrups200" << QList<int>{201, 3} << 201 << 3 << 67 << 0 << "";
    QTest::newRow("300") << "frmrekenrups300" << QList<int>{250, 7} << 250 << 7 << 35 << 5 << "";
    QTest::newRow("400") << "frmrekenrups400" << QList<int>{333, 4} << 333 << 4 << 83 << 1 << "";
    QTest::newRow("500") << "frmrekenrups500" << QList<int>{501, 9} << 501 << 9 << 55 << 6 << "";
    QTest::newRow("999") << "frmrekenrups999" << QList<int>{999, 3} << 999 << 3 << 333 << 0 << "";
    QTest::newRow("even") << "frmrekenrupseven" << QList<int>{2, 3, 3} << 69 << 3 << 23 << 0 << "0";
    QTest::newRow("evenhoog") << "frmrekenrupsevenhoog" << QList<int>{10, 10, 9} << 990 << 9 << 110 << 0 << "0";
}

void TestExerciseScreen::startPutsADivisionOnTheScreen()
{
    QFETCH(QString, window);
    QFETCH(QList<int>, numbers);
    QFETCH(int, deeltal);
    QFETCH(int, deler);
    QFETCH(int, quotient);
    QFETCH(int, rest);
    QFETCH(QString, restBox);
    ExerciseScreen &s = open(window);
    const exercise::Level &level = s.level();
    // What the last exercise left behind.
    s.setBackColor(0x00FF00);
    s.lbljuist->setCaption(QStringLiteral("85 : 7"));
    for (const auto &[index, label] : s.lblhulp.elements())
        label->setCaption(QStringLiteral("oud"));
    s.txtquotient->setText(QStringLiteral("12"));
    s.txtrest->setText(QStringLiteral("1"));
    const int reseedsBefore = random->reseeds();
    for (float r : scripted::divisionFor(level, numbers))
        random->push({r});

    QTest::mouseClick(s.cmdstart, Qt::LeftButton);

    QCOMPARE(random->remaining(), 0);
    QCOMPARE(random->reseeds(), reseedsBefore + 1);
    QCOMPARE(s.deeltal, deeltal);
    QCOMPARE(s.deler, deler);
    QCOMPARE(s.quotient, quotient);
    QCOMPARE(s.rest, rest);
    QCOMPARE(s.produkt, quotient * deler);
    QCOMPARE(s.lbldeeltal->caption(), QString::number(deeltal));
    QCOMPARE(s.lbldeler->caption(), QString::number(deler));
    QCOMPARE(s.lblquotient->caption(), QString::number(quotient));
    QCOMPARE(s.lblrest->caption(), QString::number(rest));
    QCOMPARE(s.lblprodukt->caption(), QString::number(quotient * deler));
    QCOMPARE(s.txtquotient->text(), QString());
    QCOMPARE(s.txtrest->text(), restBox);
    QCOMPARE(s.focusWidget(), s.txtquotient);
    QCOMPARE(s.backColor(), 0x80C0FFu);
    QCOMPARE(s.lbljuist->caption(), QString());
    QCOMPARE(s.aantaloefeningen, 1);
    QCOMPARE(s.lblaantal->caption(), exercise::statistiektekst(1, 0, 0, 0));
    for (const auto &[index, label] : s.lblhulp.elements()) {
        const bool emptied = index == 0 || index == 1 || index == 5 || index == 6 || index == 7;
        const QString expected = emptied ? QString() : QStringLiteral("oud");
        QCOMPARE(label->caption(), expected);
    }
    const QStringList exerciseButtons = window == u"frmrekenrups100"
                                            ? QStringList{"cmdjuist", "cmdcontrole1"}
                                            : QStringList{"cmdjuist", "cmdcontrole1", "cmdcontrole"};
    QCOMPARE(visibleButtons(s), exerciseButtons);
}

void TestExerciseScreen::countersStopAtTheLargestValue()
{
    program->kiesbasis1().lblgemaakt->setCaption(QStringLiteral("32767"));
    ExerciseScreen &s = open(QStringLiteral("frmrekenrups200"));
    s.aantaloefeningen = 32766;
    for (int round = 0; round < 2; ++round) {
        random->push({0.5f, 0.5f, scripted::justBelowOne, 0.9f, 0.5f}); // 51 rejected, then 201 : 5
        QTest::mouseClick(s.cmdstart, Qt::LeftButton);
        s.cmdstart->show(); // as a checked exercise leaves it
    }
    QCOMPARE(s.aantaloefeningen, 32767);
    QCOMPARE(s.lblaantal->caption(), exercise::statistiektekst(32767, 0, 0, 0));
    QCOMPARE(s.totaaljuist, 32767);
    s.cmdstop->show();
    QTest::mouseClick(s.cmdstop, Qt::LeftButton);
    QCOMPARE(program->kiesbasis1().lblgemaakt->caption(), QStringLiteral("32767"));
}

// A checked exercise on one screen, then another screen, then back to the first.
void TestExerciseScreen::stopHandsTheTotalOnAndKeepsTheButtons()
{
    frmkiesbasis1 &chooser = program->kiesbasis1();
    chooser.lblgemaakt->setCaption(QStringLiteral("6"));
    ExerciseScreen &first = open(QStringLiteral("frmrekenrups200"));
    QCOMPARE(first.totaaljuist, 6);
    for (float r : scripted::divisionFor(first.level(), {150, 7}))
        random->push({r});
    QTest::mouseClick(first.cmdstart, Qt::LeftButton);
    // What a right answer leaves, the first help step not taken.
    first.totaaljuist = 7;
    first.aantaljuist = 1;
    first.lbljuist->setCaption(QStringLiteral("oud"));
    first.lblhulp(2).setCaption(startHint);
    first.cmdcontrole->hide();
    first.cmdstart->show();
    first.cmdstop->show();
    first.cmdjuist->hide();

    QTest::mouseClick(first.cmdstop, Qt::LeftButton);
    QVERIFY(!first.isShown());
    QVERIFY(chooser.isShown());
    QCOMPARE(chooser.lblgemaakt->caption(), QStringLiteral("7"));
    QCOMPARE(first.lbljuist->caption(), QString());

    ExerciseScreen &second = open(QStringLiteral("frmrekenrups300"));
    QCOMPARE(second.totaaljuist, 7);
    QTest::mouseClick(second.cmdstop, Qt::LeftButton);

    open(QStringLiteral("frmrekenrups200"));
    QCOMPARE(visibleButtons(first), (QStringList{"cmdstart", "cmdstop", "cmdcontrole1"}));
    QCOMPARE(first.lblaantal->caption(), neutralStatistics);
    QCOMPARE(first.deeltal, 150);
    QCOMPARE(first.deler, 7);
    QCOMPARE(first.quotient + first.rest + first.produkt, 0);
    QCOMPARE(first.lbldeeltal->caption(), QString());
    QCOMPARE(first.lblhulp(2).caption(), startHint);
}

void TestExerciseScreen::doubleClickEmptiesOnlyItsBox_data()
{
    QTest::addColumn<bool>("quotientBox");
    QTest::newRow("txtquotient") << true;
    QTest::newRow("txtrest") << false;
}

void TestExerciseScreen::doubleClickEmptiesOnlyItsBox()
{
    QFETCH(bool, quotientBox);
    ExerciseScreen &s = open(QStringLiteral("frmrekenrups100"));
    QTest::keyClicks(s.txtquotient, QStringLiteral("12"));
    QTest::keyClicks(s.txtrest, QStringLiteral("3"));
    ui::TextBox *clicked = quotientBox ? s.txtquotient : s.txtrest;
    ui::TextBox *other = quotientBox ? s.txtrest : s.txtquotient;
    const QString otherText = other->text();

    // The window overload sends press, release, press, double-click and release, as a real mouse does.
    QTest::mouseDClick(s.windowHandle(), Qt::LeftButton, {}, centreIn(clicked));

    QCOMPARE(clicked->text(), QString());
    QCOMPARE(other->text(), otherText);
    QCOMPARE(s.lblaantal->caption(), neutralStatistics);
}

void TestExerciseScreen::startHintFollowsTheMouse()
{
    ExerciseScreen &s = open(QStringLiteral("frmrekenrups200"));
    QWindow *window = s.windowHandle();

    QTest::mouseMove(window, centreIn(s.cmdstart));
    QCOMPARE(s.lblhulp(2).caption(), startHint);
    QTest::mouseMove(window, centreIn(&s.lblhulp(0)));
    QCOMPARE(s.lblhulp(2).caption(), startHint);
    QTest::mouseMove(window, centreIn(s.lblaantal));
    QCOMPARE(s.lblhulp(2).caption(), startHint);
    // Between lblhulp(0) and lblhulp(1) lies only the decoration rectangle.
    QTest::mouseMove(window, twipsPoint(3000, 4000));
    QCOMPARE(s.lblhulp(2).caption(), QString());

    QTest::mouseMove(window, centreIn(s.cmdstart));
    QCOMPARE(s.lblhulp(2).caption(), startHint);
    // Under the hidden cmdjuist the screen is bare.
    QTest::mouseMove(window, centreIn(s.cmdjuist));
    QCOMPARE(s.lblhulp(2).caption(), QString());
}

void TestExerciseScreen::firstHelpButtonCoversTheSecond()
{
    ExerciseScreen &s = open(QStringLiteral("frmrekenrups200"));
    for (float r : scripted::divisionFor(s.level(), {150, 7}))
        random->push({r});
    QTest::mouseClick(s.cmdstart, Qt::LeftButton);
    QSignalSpy first(s.cmdcontrole1, &QPushButton::clicked);
    QSignalSpy second(s.cmdcontrole, &QPushButton::clicked);
    const QPoint common = centreIn(s.cmdcontrole);

    QTest::mouseClick(s.windowHandle(), Qt::LeftButton, {}, common);
    QCOMPARE(first.size(), 1);
    QCOMPARE(second.size(), 0);
    s.cmdcontrole1->hide(); // as the first help step does
    QTest::mouseClick(s.windowHandle(), Qt::LeftButton, {}, common);
    QCOMPARE(first.size(), 1);
    QCOMPARE(second.size(), 1);
}

void TestExerciseScreen::unknownScreenIsAProgrammingError()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, program->exerciseScreen(QStringLiteral("frmrekenrups600")));
    QVERIFY(!program->isLoaded(QStringLiteral("frmrekenrups600")));
}

QTEST_MAIN(TestExerciseScreen)
#include "tst_exercisescreen.moc"
