#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "exercise/statistics.h"
#include "help/splithelp.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "screenfixture.h"
#include "scripteddraws.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/twips.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <QRegularExpression>

#include <map>

namespace {

const QString neutralStatistics = exercise::statistiektekst({0, 0, 0, 0});
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
    for (const char *button :
         {"cmdstart", "cmdstop", "cmdjuist", "cmdcontrole1", "cmdcontrole", "cmddeler", "cmddeel"}) {
        if (!control(screen, button)->isHidden())
            names << QString::fromLatin1(button);
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
    void totalStopsAtTheLargestValue();
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
    program->kiesbasis1().setRunningTotal(4);
    ExerciseScreen &s = open(window);

    QVERIFY(s.isShown());
    QVERIFY(!program->kiesbasis1().isShown());
    QCOMPARE(s.windowTitle(), QStringLiteral("rekenrups"));
    QVERIFY(!(s.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(s.size(), QSize(ui::twipsToPixelsX(10110), ui::twipsToPixelsY(6825)));
    QCOMPARE(s.backColor(), 0x80C0FFu);
    QCOMPARE(caption(s, "lblaantal"), neutralStatistics);
    QCOMPARE(visibleButtons(s), (QStringList{"cmdstart", "cmdstop"}));
    QCOMPARE(s.focusWidget(), control(s, "cmdstart"));
    for (const char *hidden : {"lblprodukt", "lblrest", "lblquotient"})
        QVERIFY(control(s, hidden)->isHidden());
    const bool hundred = window == u"frmrekenrups100";
    for (int index : {5, 6}) {
        const QWidget *label = s.findChild<QWidget *>(ui::designName("lblhulp", index));
        QCOMPARE(label != nullptr, hundred);
        QVERIFY(!label || label->isHidden());
    }
    // The screen takes the chooser's total over and hands it back.
    QTest::mouseClick(control(s, "cmdstop"), Qt::LeftButton);
    QCOMPARE(program->kiesbasis1().runningTotal(), 4);
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
    // A right answer after both help steps leaves the screen green and the help labels filled.
    queue(level, numbers);
    QTest::mouseClick(control(s, "cmdstart"), Qt::LeftButton);
    QTest::mouseClick(control(s, "cmdcontrole1"), Qt::LeftButton);
    QTest::mouseClick(control(s, "cmdcontrole"), Qt::LeftButton);
    pointAt(s, "cmdjuist");
    answer(s, QString::number(quotient), QString::number(rest));
    QCOMPARE(s.backColor(), 0x00FF00u);
    QVERIFY(!caption(s, "lbljuist").isEmpty());
    std::map<int, QString> left;
    for (const ui::Label *label : s.findChildren<ui::Label *>(QRegularExpression(QStringLiteral("^lblhulp_"))))
        left[label->objectName().section(u'_', 1).toInt()] = label->caption();
    QVERIFY(!left[2].isEmpty());
    const int reseedsBefore = random->reseeds();
    queue(level, numbers);

    QTest::mouseClick(control(s, "cmdstart"), Qt::LeftButton);

    QCOMPARE(random->remaining(), 0);
    QCOMPARE(random->reseeds(), reseedsBefore + 1);
    QCOMPARE(caption(s, "lbldeeltal"), QString::number(deeltal));
    QCOMPARE(caption(s, "lbldeler"), QString::number(deler));
    QCOMPARE(caption(s, "lblquotient"), QString::number(quotient));
    QCOMPARE(caption(s, "lblrest"), QString::number(rest));
    QCOMPARE(caption(s, "lblprodukt"), QString::number(quotient * deler));
    QCOMPARE(control<ui::TextBox>(s, "txtquotient")->text(), QString());
    QCOMPARE(control<ui::TextBox>(s, "txtrest")->text(), restBox);
    QCOMPARE(s.focusWidget(), control<ui::TextBox>(s, "txtquotient"));
    QCOMPARE(s.backColor(), 0x80C0FFu);
    QCOMPARE(caption(s, "lbljuist"), QString());
    QCOMPARE(caption(s, "lblaantal"), exercise::statistiektekst({2, 0, 1, 2}));
    for (const auto &[index, before] : left) {
        const bool emptied = index == 0 || index == 1 || index == 5 || index == 6 || index == 7;
        QCOMPARE(caption(s, "lblhulp", index), emptied ? QString() : before);
    }
    const QStringList exerciseButtons = window == u"frmrekenrups100"
                                            ? QStringList{"cmdjuist", "cmdcontrole1"}
                                            : QStringList{"cmdjuist", "cmdcontrole1", "cmdcontrole"};
    QCOMPARE(visibleButtons(s), exerciseButtons);
}

void TestExerciseScreen::totalStopsAtTheLargestValue()
{
    program->kiesbasis1().setRunningTotal(32767);
    ExerciseScreen &s = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    answer(s, QStringLiteral("21"), QStringLiteral("3"));
    QCOMPARE(caption(s, "lblaantal"), exercise::statistiektekst({1, 0, 1, 0}));
    QTest::mouseClick(control(s, "cmdstop"), Qt::LeftButton);
    QCOMPARE(program->kiesbasis1().runningTotal(), 32767);
}

// A checked exercise on one screen, then another screen, then back to the first.
void TestExerciseScreen::stopHandsTheTotalOnAndKeepsTheButtons()
{
    frmkiesbasis1 &chooser = program->kiesbasis1();
    chooser.setRunningTotal(6);
    ExerciseScreen &first = open(QStringLiteral("frmrekenrups200"));
    queue(first.level(), {150, 7});
    QTest::mouseClick(control(first, "cmdstart"), Qt::LeftButton);
    // A right answer, the first help step not taken, and the mouse left on the start button.
    answer(first, QStringLiteral("21"), QStringLiteral("3"));
    pointAt(first, "cmdstart");

    QTest::mouseClick(control(first, "cmdstop"), Qt::LeftButton);
    QVERIFY(!first.isShown());
    QVERIFY(chooser.isShown());
    QCOMPARE(caption(chooser, "lblgemaakt"), QStringLiteral("7"));
    QCOMPARE(caption(first, "lbljuist"), QString());

    ExerciseScreen &second = open(QStringLiteral("frmrekenrups300"));
    QTest::mouseClick(control(second, "cmdstop"), Qt::LeftButton);
    QCOMPARE(chooser.runningTotal(), 7);

    open(QStringLiteral("frmrekenrups200"));
    QCOMPARE(visibleButtons(first), (QStringList{"cmdstart", "cmdstop", "cmdcontrole1"}));
    QCOMPARE(caption(first, "lblaantal"), neutralStatistics);
    for (const char *emptied : {"lbldeeltal", "lblquotient", "lblrest", "lblprodukt"})
        QCOMPARE(caption(first, emptied), QString());
    QCOMPARE(caption(first, "lblhulp", 2), startHint);
    // The division stays behind the help button's hint.
    pointAt(first, "cmdcontrole1");
    QCOMPARE(caption(first, "lblhulp", 2), help::helpHint(help::Step::One, 150, 7, true)->text);
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
    QTest::keyClicks(control<ui::TextBox>(s, "txtquotient"), QStringLiteral("12"));
    QTest::keyClicks(control<ui::TextBox>(s, "txtrest"), QStringLiteral("3"));
    ui::TextBox *clicked = quotientBox ? control<ui::TextBox>(s, "txtquotient") : control<ui::TextBox>(s, "txtrest");
    ui::TextBox *other = quotientBox ? control<ui::TextBox>(s, "txtrest") : control<ui::TextBox>(s, "txtquotient");
    const QString otherText = other->text();

    // The window overload sends press, release, press, double-click and release, as a real mouse does.
    QTest::mouseDClick(s.windowHandle(), Qt::LeftButton, {}, centreIn(clicked));

    QCOMPARE(clicked->text(), QString());
    QCOMPARE(other->text(), otherText);
    QCOMPARE(caption(s, "lblaantal"), neutralStatistics);
}

void TestExerciseScreen::startHintFollowsTheMouse()
{
    ExerciseScreen &s = open(QStringLiteral("frmrekenrups200"));
    QWindow *window = s.windowHandle();

    QTest::mouseMove(window, centreIn(control(s, "cmdstart")));
    QCOMPARE(caption(s, "lblhulp", 2), startHint);
    QTest::mouseMove(window, centreIn(control<ui::Label>(s, "lblhulp", 0)));
    QCOMPARE(caption(s, "lblhulp", 2), startHint);
    QTest::mouseMove(window, centreIn(control<ui::Label>(s, "lblaantal")));
    QCOMPARE(caption(s, "lblhulp", 2), startHint);
    // Between lblhulp(0) and lblhulp(1) lies only the decoration rectangle.
    QTest::mouseMove(window, twipsPoint(3000, 4000));
    QCOMPARE(caption(s, "lblhulp", 2), QString());

    QTest::mouseMove(window, centreIn(control(s, "cmdstart")));
    QCOMPARE(caption(s, "lblhulp", 2), startHint);
    // Under the hidden cmdjuist the screen is bare.
    QTest::mouseMove(window, centreIn(control(s, "cmdjuist")));
    QCOMPARE(caption(s, "lblhulp", 2), QString());
}

void TestExerciseScreen::firstHelpButtonCoversTheSecond()
{
    ExerciseScreen &s = open(QStringLiteral("frmrekenrups200"));
    queue(s.level(), {150, 7});
    QTest::mouseClick(control(s, "cmdstart"), Qt::LeftButton);
    QSignalSpy first(control<QPushButton>(s, "cmdcontrole1"), &QPushButton::clicked);
    QSignalSpy second(control<QPushButton>(s, "cmdcontrole"), &QPushButton::clicked);
    const QPoint common = centreIn(control(s, "cmdcontrole"));

    QTest::mouseClick(s.windowHandle(), Qt::LeftButton, {}, common);
    QCOMPARE(first.size(), 1);
    QCOMPARE(second.size(), 0);
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
