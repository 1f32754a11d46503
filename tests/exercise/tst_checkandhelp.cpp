#include "check/answer.h"
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
#include "wait.h"

#include <QTest>

namespace {

const QString refusal = check::refusalHint();
const QString checkHint = check::checkHint();

} // namespace

// The answer check and the two help steps as a pupil meets them on a screen.
class TestCheckAndHelp : public QObject, private ScreenFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void wholeExerciseAsAPupilDoesIt();
    void checkJudgesBothBoxes_data();
    void checkJudgesBothBoxes();
    void textThatIsNoNumberIsRefused_data();
    void textThatIsNoNumberIsRefused();
    void anExerciseIsCheckedOnce();
    void helpStepsSplitTheDivision_data();
    void helpStepsSplitTheDivision();
    void secondStepAgainOnlyCountsHelp();
    void checkWithoutHelpLeavesTheFirstHelpButton();
    void reopenedScreenShowsNoStaleSplit();
    void hintsInviteOrRemind_data();
    void hintsInviteOrRemind();
    void pointingAtButtonsWritesTheirHints();
    void refusalStaysUntilTheChildActs_data();
    void refusalStaysUntilTheChildActs();
    void refusalEndsWithTheNextCheck();
    void lateActivationOfTheHiddenChooserKeepsTheExercise();
};

void TestCheckAndHelp::init()
{
    setUpProgram();
}

void TestCheckAndHelp::cleanup()
{
    tearDownProgram();
}

void TestCheckAndHelp::wholeExerciseAsAPupilDoesIt()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    const int dividend = caption(screen, "lbldeeltal").toInt();
    const int divisor = caption(screen, "lbldeler").toInt();
    QCOMPARE(dividend, 150);
    QCOMPARE(divisor, 7);
    type(screen, QString::number(dividend / divisor), QString::number(dividend % divisor));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);

    QCOMPARE(screen.backColor(), 0x00FF00u);
    QCOMPARE(caption(screen, "lbljuist"), QStringLiteral("150 : 7  =  21  rest  3\r\n als quotiënt en rest "));
    QCOMPARE(caption(screen, "lblaantal"), exercise::statistiektekst({1, 0, 1, 0}));
    QVERIFY(!control(screen, "cmdstart")->isHidden() && !control(screen, "cmdstop")->isHidden());
    QVERIFY(control(screen, "cmdjuist")->isHidden() && control(screen, "cmdcontrole")->isHidden());

    QTest::mouseClick(control(screen, "cmdstop"), Qt::LeftButton);
    QVERIFY(program->kiesbasis1().isShown());
    QCOMPARE(program->kiesbasis1().runningTotal(), 1);
}

void TestCheckAndHelp::checkJudgesBothBoxes_data()
{
    QTest::addColumn<QList<int>>("division");
    QTest::addColumn<QString>("typedQuotient");
    QTest::addColumn<QString>("typedRest");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("quotientAfter");
    QTest::addColumn<QString>("restAfter");
    // clang-format off
    QTest::newRow("both right") << QList<int>{150, 7} << "21" << "3" << true << "21" << "3";
    QTest::newRow("both empty") << QList<int>{150, 7} << "" << "" << false << "0" << "0";
    QTest::newRow("remainder empty, rest 0") << QList<int>{147, 7} << "21" << "" << true << "21" << "0";
    QTest::newRow("leading zero") << QList<int>{150, 7} << "021" << "3" << true << "021" << "3";
    QTest::newRow("blanks and a decimal comma") << QList<int>{150, 7} << " 21,0 " << "3" << true << " 21,0 " << "3";
    QTest::newRow("right quotient, wrong rest") << QList<int>{150, 7} << "21" << "4" << false << "21" << "4";
    QTest::newRow("wrong quotient, right rest") << QList<int>{150, 7} << "20" << "3" << false << "20" << "3";
    QTest::newRow("a fraction is never whole") << QList<int>{150, 7} << "21,5" << "3" << false << "21,5" << "3";
    QTest::newRow("a hundred digits") << QList<int>{150, 7} << QString(100, u'9') << "3" << false << QString(100, u'9') << "3";
    // clang-format on
}

void TestCheckAndHelp::checkJudgesBothBoxes()
{
    QFETCH(QList<int>, division);
    QFETCH(QString, typedQuotient);
    QFETCH(QString, typedRest);
    QFETCH(bool, right);
    QFETCH(QString, quotientAfter);
    QFETCH(QString, restAfter);
    program->kiesbasis1().setRunningTotal(6);
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), division);
    type(screen, typedQuotient, typedRest);
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);

    QCOMPARE(screen.backColor(), right ? 0x00FF00u : 0x0000FFu);
    QCOMPARE(caption(screen, "lblaantal"),
             exercise::statistiektekst({.aantaloefeningen = 1, .aantalfouten = !right, .aantaljuist = right}));
    QCOMPARE(control<ui::TextBox>(screen, "txtquotient")->text(), quotientAfter);
    QCOMPARE(control<ui::TextBox>(screen, "txtrest")->text(), restAfter);
    // The solved division shows after a wrong answer just as after a right one.
    QVERIFY(caption(screen, "lbljuist").startsWith(QStringLiteral("%1 : 7  =  ").arg(division[0])));
    QTest::mouseClick(control(screen, "cmdstop"), Qt::LeftButton);
    QCOMPARE(program->kiesbasis1().runningTotal(), right ? 7 : 6);
}

void TestCheckAndHelp::textThatIsNoNumberIsRefused_data()
{
    QTest::addColumn<QString>("typedQuotient");
    QTest::addColumn<QString>("typedRest");
    QTest::addColumn<bool>("quotientBoxRefused");
    // clang-format off
    QTest::newRow("letters") << "twaalf" << "3" << true;
    QTest::newRow("blanks only in the rest box") << "21" << "   " << false;
    QTest::newRow("number then letters") << "21" << "3abc" << false;
    QTest::newRow("both wrong, the quotient box first") << "x" << "y" << true;
    QTest::newRow("pasted page") << QString(10000, u'a') << "" << true;
    QTest::newRow("non-ASCII digits") << QStringLiteral("٢١") << "3" << true;
    // clang-format on
}

void TestCheckAndHelp::textThatIsNoNumberIsRefused()
{
    QFETCH(QString, typedQuotient);
    QFETCH(QString, typedRest);
    QFETCH(bool, quotientBoxRefused);
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    QTest::mouseClick(control(screen, "cmdcontrole1"), Qt::LeftButton);
    control<ui::TextBox>(screen, "txtquotient")->setText(typedQuotient);
    control<ui::TextBox>(screen, "txtrest")->setText(typedRest);
    control(screen, "cmdstart")->setFocus();
    const QString statistics = caption(screen, "lblaantal");
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);

    QCOMPARE(screen.backColor(), 0x80C0FFu);
    QCOMPARE(caption(screen, "lblaantal"), statistics);
    QCOMPARE(control<ui::TextBox>(screen, "txtquotient")->text(), typedQuotient);
    QCOMPARE(control<ui::TextBox>(screen, "txtrest")->text(), typedRest);
    QCOMPARE(caption(screen, "lbljuist"), QString());
    QCOMPARE(caption(screen, "lblhulp", 7), QStringLiteral("150 = 140 + 10"));
    QVERIFY(!control(screen, "cmdjuist")->isHidden());
    QVERIFY(control(screen, "cmdstart")->isHidden());
    QCOMPARE(caption(screen, "lblhulp", 2), refusal);
    QCOMPARE(screen.focusWidget(), quotientBoxRefused ? control<ui::TextBox>(screen, "txtquotient")
                                                      : control<ui::TextBox>(screen, "txtrest"));

    // Mended, the same exercise is checked as usual.
    type(screen, QStringLiteral("21"), QStringLiteral("3"));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    QCOMPARE(screen.backColor(), 0x00FF00u);
}

void TestCheckAndHelp::anExerciseIsCheckedOnce()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups300"), {250, 6});
    type(screen, QStringLiteral("41"), QStringLiteral("4"));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    QVERIFY(control(screen, "cmdjuist")->isHidden());
    QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, control(screen, "cmdjuist")->geometry().center());
    QCOMPARE(caption(screen, "lblaantal"), exercise::statistiektekst({1, 0, 1, 0}));
}

void TestCheckAndHelp::helpStepsSplitTheDivision_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("afterStep1"); // lblhulp 0, 1, 7
    QTest::addColumn<QStringList>("afterStep2"); // lblhulp 0, 1
    QTest::addColumn<bool>("secondButtonStays");
    QTest::newRow("85 : 7 on the 100 level")
        << "frmrekenrups100" << QList<int>{85, 7} << QStringList{"70", "15", "85 = 70 + 15"}
        << QStringList{" ( 70 : 7 )", " ( 15 : 7 )"} << false;
    QTest::newRow("70 : 7, quotient exactly 10")
        << "frmrekenrups100" << QList<int>{70, 7} << QStringList{"70", "0", "70 = 70 + 0"}
        << QStringList{" ( 70 : 7 )", " ( 0 : 7 )"} << false;
    QTest::newRow("59 : 7, quotient below 10")
        << "frmrekenrups100" << QList<int>{59, 7} << QStringList{"", "", ""} << QStringList{"", ""} << false;
    QTest::newRow("615 : 3, quotient 205")
        << "frmrekenrups999" << QList<int>{615, 3} << QStringList{"570", "45", "615 = 570 + 45"}
        << QStringList{" ( 570 : 3 )", " ( 45 : 3 )"} << true;
    QTest::newRow("750 : 3, quotient 250")
        << "frmrekenrups999" << QList<int>{750, 3} << QStringList{"600", "150", "750 = 600 + 150"}
        << QStringList{" ( 600 : 3 )", " ( 150 : 3 )"} << true;
    // 280 is above 100, so the screen draws once more; the same numbers again stand.
    QTest::newRow("280 : 4 on the even level")
        << "frmrekenrupseven" << QList<int>{6, 10, 4, 6, 10, 4} << QStringList{"280", "0", "280 = 280 + 0"}
        << QStringList{" ( 240 : 4 )", " ( 40 : 4 )"} << true;
}

void TestCheckAndHelp::helpStepsSplitTheDivision()
{
    QFETCH(QString, window);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, afterStep1);
    QFETCH(QStringList, afterStep2);
    QFETCH(bool, secondButtonStays);
    ExerciseScreen &screen = startExercise(window, draws);
    pointAt(screen, "cmdjuist");
    QCOMPARE(caption(screen, "lblhulp", 2), checkHint);

    // Both buttons lie on one spot; the first help step is the one on top.
    QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, control(screen, "cmdcontrole1")->geometry().center());
    QCOMPARE((QStringList{caption(screen, "lblhulp", 0), caption(screen, "lblhulp", 1), caption(screen, "lblhulp", 7)}),
             afterStep1);
    QCOMPARE(caption(screen, "lblhulp", 2), QString());
    QVERIFY(control(screen, "cmdcontrole1")->isHidden());
    QVERIFY(!control(screen, "cmdcontrole")->isHidden());
    QCOMPARE(caption(screen, "lblaantal"), exercise::statistiektekst({1, 0, 0, 1}));

    QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, control(screen, "cmdcontrole")->geometry().center());
    QCOMPARE((QStringList{caption(screen, "lblhulp", 0), caption(screen, "lblhulp", 1)}), afterStep2);
    QCOMPARE(caption(screen, "lblhulp", 7), afterStep1.at(2));
    QCOMPARE(caption(screen, "lblaantal"), exercise::statistiektekst({1, 0, 0, 2}));
    QCOMPARE(screen.focusWidget(), control<ui::TextBox>(screen, "txtquotient"));
    QCOMPARE(!control(screen, "cmdcontrole")->isHidden(), secondButtonStays);
}

void TestCheckAndHelp::secondStepAgainOnlyCountsHelp()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    QTest::mouseClick(control(screen, "cmdcontrole1"), Qt::LeftButton);
    for (int press = 0; press < 3; ++press)
        QTest::mouseClick(control(screen, "cmdcontrole"), Qt::LeftButton);
    QCOMPARE(caption(screen, "lblaantal"), exercise::statistiektekst({1, 0, 0, 4}));
    QCOMPARE(caption(screen, "lblhulp", 0), QStringLiteral(" ( 140 : 7 )"));
    QCOMPARE(caption(screen, "lblhulp", 1), QStringLiteral(" ( 10 : 7 )"));
    QVERIFY(!control(screen, "cmdcontrole")->isHidden());
}

void TestCheckAndHelp::checkWithoutHelpLeavesTheFirstHelpButton()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups400"), {350, 8});
    type(screen, QStringLiteral("43"), QStringLiteral("6"));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    QVERIFY(!control(screen, "cmdcontrole1")->isHidden());
    QVERIFY(control(screen, "cmdcontrole")->isHidden());
    QTest::mouseClick(control(screen, "cmdcontrole1"), Qt::LeftButton);
    QCOMPARE(caption(screen, "lblhulp", 7), QStringLiteral("350 = 320 + 30"));
    QVERIFY(!control(screen, "cmdcontrole")->isHidden());
}

void TestCheckAndHelp::reopenedScreenShowsNoStaleSplit()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    QTest::mouseClick(control(screen, "cmdcontrole1"), Qt::LeftButton);
    type(screen, QStringLiteral("21"), QStringLiteral("3"));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    // A second exercise, checked without help, then the screen is left and opened again.
    queue(screen.level(), {120, 9});
    QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
    type(screen, QStringLiteral("13"), QStringLiteral("3"));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    QTest::mouseClick(control(screen, "cmdstop"), Qt::LeftButton);
    QTest::mouseClick(control(program->kiesbasis1(), "cmd200"), Qt::LeftButton);
    QVERIFY(!control(screen, "cmdcontrole1")->isHidden());

    QTest::mouseClick(control(screen, "cmdcontrole1"), Qt::LeftButton);
    QCOMPARE(caption(screen, "lblhulp", 7), QString());
    QCOMPARE(caption(screen, "lblhulp", 0), QString());
    QCOMPARE(caption(screen, "lblhulp", 1), QString());
    QCOMPARE(caption(screen, "lblaantal"), exercise::statistiektekst({0, 0, 0, 1}));
}

void TestCheckAndHelp::hintsInviteOrRemind_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<bool>("strictSecondHint"); // ten times the divisor still reminds of the table
    QTest::newRow("ten times on the 100 level") << "frmrekenrups100" << QList<int>{70, 7} << true;
    QTest::newRow("63 : 7") << "frmrekenrups100" << QList<int>{63, 7} << true;
    QTest::newRow("59 : 7") << "frmrekenrups100" << QList<int>{59, 7} << true;
    QTest::newRow("85 : 7") << "frmrekenrups100" << QList<int>{85, 7} << true;
    QTest::newRow("150 : 7") << "frmrekenrups200" << QList<int>{150, 7} << false;
    QTest::newRow("on the even level") << "frmrekenrupseven" << QList<int>{2, 3, 3} << false;
}

void TestCheckAndHelp::hintsInviteOrRemind()
{
    QFETCH(QString, window);
    QFETCH(QList<int>, drawn);
    QFETCH(bool, strictSecondHint);
    ExerciseScreen &screen = startExercise(window, drawn);
    const auto dividend = static_cast<basic::Int16>(caption(screen, "lbldeeltal").toInt());
    const auto divisor = static_cast<basic::Int16>(caption(screen, "lbldeler").toInt());
    pointAt(screen, "cmdcontrole1");
    QCOMPARE(caption(screen, "lblhulp", 2), help::helpHint(help::Step::One, dividend, divisor, true)->text);
    QTest::mouseClick(control(screen, "cmdcontrole1"), Qt::LeftButton);
    pointAt(screen, "cmdcontrole");
    QCOMPARE(caption(screen, "lblhulp", 2), help::helpHint(help::Step::Two, dividend, divisor, strictSecondHint)->text);
}

void TestCheckAndHelp::pointingAtButtonsWritesTheirHints()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    pointAt(screen, "cmdjuist");
    WAIT_COMPARE(caption(screen, "lblhulp", 2), checkHint);
    pointAt(screen, "cmdcontrole1");
    WAIT_COMPARE(caption(screen, "lblhulp", 2), help::helpHint(help::Step::One, 150, 7, true)->text);
    QTest::mouseMove(screen.windowHandle(), control(screen, "Shape1")->geometry().bottomLeft() + QPoint(4, -4));
    WAIT_COMPARE(caption(screen, "lblhulp", 2), QString());
}

void TestCheckAndHelp::refusalStaysUntilTheChildActs_data()
{
    QTest::addColumn<int>("act"); // 0: a key in the quotient box, 1: a double click on it, 2: a new start
    QTest::newRow("typing") << 0;
    QTest::newRow("emptying the box") << 1;
    QTest::newRow("a new exercise") << 2;
}

void TestCheckAndHelp::refusalStaysUntilTheChildActs()
{
    QFETCH(int, act);
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    type(screen, QStringLiteral("twaalf"), QStringLiteral("3"));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    QCOMPARE(caption(screen, "lblhulp", 2), refusal);

    // Moving on over the bare screen, the check button and the help button reads it all the way.
    const QPoint bare = control(screen, "Shape1")->geometry().bottomLeft() + QPoint(4, -4);
    for (const QPoint at : {bare, control(screen, "cmdjuist")->geometry().center(),
                            control(screen, "cmdcontrole1")->geometry().center(), bare}) {
        QTest::mouseMove(screen.windowHandle(), at);
        QCoreApplication::processEvents();
        QCOMPARE(caption(screen, "lblhulp", 2), refusal);
    }

    if (act == 0) {
        QTest::keyClick(control<ui::TextBox>(screen, "txtquotient"), Qt::Key_Backspace);
    } else if (act == 1) {
        QTest::mouseDClick(screen.windowHandle(), Qt::LeftButton, {},
                           control<ui::TextBox>(screen, "txtquotient")->geometry().center());
    } else {
        type(screen, QStringLiteral("21"), QStringLiteral("3"));
        QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
        queue(screen.level(), {150, 7});
        QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
    }
    pointAt(screen, "cmdjuist");
    WAIT_COMPARE(caption(screen, "lblhulp", 2), checkHint);
    QTest::mouseMove(screen.windowHandle(), bare);
    WAIT_COMPARE(caption(screen, "lblhulp", 2), QString());
}

void TestCheckAndHelp::refusalEndsWithTheNextCheck()
{
    // A keyboard child moves no mouse to wipe the hint line.
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    auto *cmdjuist = control(screen, "cmdjuist");
    type(screen, QStringLiteral("twaalf"), QStringLiteral("3"));
    cmdjuist->setFocus();
    QTest::keyClick(cmdjuist, Qt::Key_Return);
    QCOMPARE(caption(screen, "lblhulp", 2), refusal);
    type(screen, QStringLiteral("21"), QStringLiteral("3"));
    cmdjuist->setFocus();
    QTest::keyClick(cmdjuist, Qt::Key_Return);
    QCOMPARE(caption(screen, "lblhulp", 2), QString());
    QCOMPARE(screen.backColor(), 0x00FF00u);
}

void TestCheckAndHelp::lateActivationOfTheHiddenChooserKeepsTheExercise()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    // The window system activates the chooser after it was hidden, and then the screen again.
    program->forms().activated(&program->kiesbasis1());
    program->forms().activated(&screen);
    QCOMPARE(caption(screen, "lbldeeltal"), QStringLiteral("150"));
    QCOMPARE(caption(screen, "lblaantal"), exercise::statistiektekst({1, 0, 0, 0}));
}

QTEST_MAIN(TestCheckAndHelp)
#include "tst_checkandhelp.moc"
