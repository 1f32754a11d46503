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

#include <QTest>

#include <memory>

namespace {

const QString refusal = QStringLiteral(" vul een getal in \r\n en klik opnieuw ");
const QString checkHint = QStringLiteral(" controleer de uitkomst \r\n klik hier ! ");

QString reminder(int product)
{
    return QStringLiteral(" denk aan  %1\r\n ken je tafels ").arg(product);
}

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

private:
    // Opens a level from the chooser and starts one exercise with the given numbers.
    ExerciseScreen &startExercise(const QString &window, QList<int> numbers);
    void queue(const exercise::Level &level, const QList<int> &numbers);
    void type(ExerciseScreen &screen, const QString &quotientText, const QString &restText);
};

void TestCheckAndHelp::init()
{
    setUpProgram();
}

void TestCheckAndHelp::cleanup()
{
    tearDownProgram();
}

ExerciseScreen &TestCheckAndHelp::startExercise(const QString &window, QList<int> numbers)
{
    ExerciseScreen &screen = open(window);
    queue(screen.level(), numbers);
    QTest::mouseClick(screen.cmdstart, Qt::LeftButton);
    return screen;
}

// Queues the draws of one division, or of two when the screen must draw again.
void TestCheckAndHelp::queue(const exercise::Level &level, const QList<int> &numbers)
{
    const qsizetype perDivision = level.draw.direct ? 2 : 3;
    for (qsizetype at = 0; at < numbers.size(); at += perDivision) {
        for (float draw : scripted::divisionFor(level, numbers.mid(at, perDivision)))
            random->push({draw});
    }
}

void TestCheckAndHelp::type(ExerciseScreen &screen, const QString &quotientText, const QString &restText)
{
    screen.txtquotient->clear();
    QTest::keyClicks(screen.txtquotient, quotientText);
    screen.txtrest->clear();
    QTest::keyClicks(screen.txtrest, restText);
}

void TestCheckAndHelp::wholeExerciseAsAPupilDoesIt()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    const int dividend = screen.lbldeeltal->caption().toInt();
    const int divisor = screen.lbldeler->caption().toInt();
    QCOMPARE(dividend, 150);
    QCOMPARE(divisor, 7);
    type(screen, QString::number(dividend / divisor), QString::number(dividend % divisor));
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);

    QCOMPARE(screen.backColor(), 0x00FF00u);
    QCOMPARE(screen.lbljuist->caption(), QStringLiteral("150 : 7  =  21  rest  3\r\n als quotiënt en rest "));
    QCOMPARE(screen.lblaantal->caption(), exercise::statistiektekst(1, 0, 1, 0));
    QVERIFY(!screen.cmdstart->isHidden() && !screen.cmdstop->isHidden());
    QVERIFY(screen.cmdjuist->isHidden() && screen.cmdcontrole->isHidden());

    QTest::mouseClick(screen.cmdstop, Qt::LeftButton);
    QVERIFY(program->kiesbasis1().isShown());
    QCOMPARE(program->kiesbasis1().lblgemaakt->caption(), QStringLiteral("1"));
}

void TestCheckAndHelp::checkJudgesBothBoxes_data()
{
    QTest::addColumn<QList<int>>("division");
    QTest::addColumn<QString>("typedQuotient");
    QTest::addColumn<QString>("typedRest");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("quotientAfter");
    QTest::addColumn<QString>("restAfter");
    QTest::newRow("both right") << QList<int>{150, 7} << "21"
                                << "3" << true << "21"
                                << "3";
    QTest::newRow("both empty") << QList<int>{150, 7} << ""
                                << "" << false << "0"
                                << "0";
    QTest::newRow("remainder empty, rest 0") << QList<int>{147, 7} << "21"
                                             << "" << true << "21"
                                             << "0";
    QTest::newRow("leading zero") << QList<int>{150, 7} << "021"
                                  << "3" << true << "021"
                                  << "3";
    QTest::newRow("blanks and a decimal comma") << QList<int>{150, 7} << " 21,0 "
                                                << "3" << true << " 21,0 "
                                                << "3";
    QTest::newRow("right quotient, wrong rest") << QList<int>{150, 7} << "21"
                                                << "4" << false << "21"
                                                << "4";
    QTest::newRow("wrong quotient, right rest") << QList<int>{150, 7} << "20"
                                                << "3" << false << "20"
                                                << "3";
    QTest::newRow("a fraction is never whole") << QList<int>{150, 7} << "21,5"
                                               << "3" << false << "21,5"
                                               << "3";
    QTest::newRow("a hundred digits") << QList<int>{150, 7} << QString(100, u'9') << "3" << false << QString(100, u'9')
                                      << "3";
}

void TestCheckAndHelp::checkJudgesBothBoxes()
{
    QFETCH(QList<int>, division);
    QFETCH(QString, typedQuotient);
    QFETCH(QString, typedRest);
    QFETCH(bool, right);
    QFETCH(QString, quotientAfter);
    QFETCH(QString, restAfter);
    program->kiesbasis1().lblgemaakt->setCaption(QStringLiteral("6"));
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), division);
    type(screen, typedQuotient, typedRest);
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);

    QCOMPARE(screen.backColor(), right ? 0x00FF00u : 0x0000FFu);
    QCOMPARE(screen.aantaljuist, right ? 1 : 0);
    QCOMPARE(screen.aantalfouten, right ? 0 : 1);
    QCOMPARE(screen.totaaljuist, right ? 7 : 6);
    QCOMPARE(screen.txtquotient->text(), quotientAfter);
    QCOMPARE(screen.txtrest->text(), restAfter);
    // The solved division shows after a wrong answer just as after a right one.
    QVERIFY(screen.lbljuist->caption().startsWith(QStringLiteral("%1 : 7  =  ").arg(division[0])));
}

void TestCheckAndHelp::textThatIsNoNumberIsRefused_data()
{
    QTest::addColumn<QString>("typedQuotient");
    QTest::addColumn<QString>("typedRest");
    QTest::addColumn<bool>("quotientBoxRefused");
    QTest::newRow("letters") << "twaalf"
                             << "3" << true;
    QTest::newRow("blanks only in the rest box") << "21"
                                                 << "   " << false;
    QTest::newRow("number then letters") << "21"
                                         << "3abc" << false;
    QTest::newRow("both wrong, the quotient box first") << "x"
                                                        << "y" << true;
    QTest::newRow("pasted page") << QString(10000, u'a') << "" << true;
    QTest::newRow("non-ASCII digits") << QStringLiteral("٢١") << "3" << true;
}

void TestCheckAndHelp::textThatIsNoNumberIsRefused()
{
    QFETCH(QString, typedQuotient);
    QFETCH(QString, typedRest);
    QFETCH(bool, quotientBoxRefused);
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    QTest::mouseClick(screen.cmdcontrole1, Qt::LeftButton);
    screen.txtquotient->setText(typedQuotient);
    screen.txtrest->setText(typedRest);
    screen.cmdstart->setFocus();
    const QString statistics = screen.lblaantal->caption();
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);

    QCOMPARE(screen.backColor(), 0x80C0FFu);
    QCOMPARE(screen.lblaantal->caption(), statistics);
    QCOMPARE(screen.aantaljuist + screen.aantalfouten, 0);
    QCOMPARE(screen.txtquotient->text(), typedQuotient);
    QCOMPARE(screen.txtrest->text(), typedRest);
    QCOMPARE(screen.lbljuist->caption(), QString());
    QCOMPARE(screen.lblhulp(7).caption(), QStringLiteral("150 = 140 + 10"));
    QVERIFY(!screen.cmdjuist->isHidden());
    QVERIFY(screen.cmdstart->isHidden());
    QCOMPARE(screen.lblhulp(2).caption(), refusal);
    QCOMPARE(screen.focusWidget(), quotientBoxRefused ? screen.txtquotient : screen.txtrest);

    // Mended, the same exercise is checked as usual.
    type(screen, QStringLiteral("21"), QStringLiteral("3"));
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
    QCOMPARE(screen.backColor(), 0x00FF00u);
}

void TestCheckAndHelp::anExerciseIsCheckedOnce()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups300"), {250, 6});
    type(screen, QStringLiteral("41"), QStringLiteral("4"));
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
    QVERIFY(screen.cmdjuist->isHidden());
    QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, screen.cmdjuist->geometry().center());
    QCOMPARE(screen.aantaljuist + screen.aantalfouten, 1);
    QCOMPARE(screen.lblaantal->caption(), exercise::statistiektekst(1, 0, 1, 0));
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
    screen.lblhulp(2).setCaption(QStringLiteral("hint"));

    // Both buttons lie on one spot; the first help step is the one on top.
    QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, screen.cmdcontrole1->geometry().center());
    QCOMPARE((QStringList{screen.lblhulp(0).caption(), screen.lblhulp(1).caption(), screen.lblhulp(7).caption()}),
             afterStep1);
    QCOMPARE(screen.lblhulp(2).caption(), QString());
    QVERIFY(screen.cmdcontrole1->isHidden());
    QVERIFY(!screen.cmdcontrole->isHidden());
    QCOMPARE(screen.aantalhulp, 1);

    QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, screen.cmdcontrole->geometry().center());
    QCOMPARE((QStringList{screen.lblhulp(0).caption(), screen.lblhulp(1).caption()}), afterStep2);
    QCOMPARE(screen.lblhulp(7).caption(), afterStep1.at(2));
    QCOMPARE(screen.aantalhulp, 2);
    QCOMPARE(screen.lblaantal->caption(), exercise::statistiektekst(1, 0, 0, 2));
    QCOMPARE(screen.focusWidget(), screen.txtquotient);
    QCOMPARE(!screen.cmdcontrole->isHidden(), secondButtonStays);
}

void TestCheckAndHelp::secondStepAgainOnlyCountsHelp()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    QTest::mouseClick(screen.cmdcontrole1, Qt::LeftButton);
    for (int press = 0; press < 3; ++press)
        QTest::mouseClick(screen.cmdcontrole, Qt::LeftButton);
    QCOMPARE(screen.aantalhulp, 4);
    QCOMPARE(screen.lblhulp(0).caption(), QStringLiteral(" ( 140 : 7 )"));
    QCOMPARE(screen.lblhulp(1).caption(), QStringLiteral(" ( 10 : 7 )"));
    QVERIFY(!screen.cmdcontrole->isHidden());
}

void TestCheckAndHelp::checkWithoutHelpLeavesTheFirstHelpButton()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups400"), {350, 8});
    type(screen, QStringLiteral("43"), QStringLiteral("6"));
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
    QVERIFY(!screen.cmdcontrole1->isHidden());
    QVERIFY(screen.cmdcontrole->isHidden());
    QTest::mouseClick(screen.cmdcontrole1, Qt::LeftButton);
    QCOMPARE(screen.lblhulp(7).caption(), QStringLiteral("350 = 320 + 30"));
    QVERIFY(!screen.cmdcontrole->isHidden());
}

void TestCheckAndHelp::reopenedScreenShowsNoStaleSplit()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    QTest::mouseClick(screen.cmdcontrole1, Qt::LeftButton);
    type(screen, QStringLiteral("21"), QStringLiteral("3"));
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
    // A second exercise, checked without help, then the screen is left and opened again.
    queue(screen.level(), {120, 9});
    QTest::mouseClick(screen.cmdstart, Qt::LeftButton);
    type(screen, QStringLiteral("13"), QStringLiteral("3"));
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
    QTest::mouseClick(screen.cmdstop, Qt::LeftButton);
    QTest::mouseClick(program->kiesbasis1().findChild<QPushButton *>(QStringLiteral("cmd200")), Qt::LeftButton);
    QVERIFY(!screen.cmdcontrole1->isHidden());

    QTest::mouseClick(screen.cmdcontrole1, Qt::LeftButton);
    QCOMPARE(screen.lblhulp(7).caption(), QString());
    QCOMPARE(screen.lblhulp(0).caption(), QString());
    QCOMPARE(screen.lblhulp(1).caption(), QString());
    QCOMPARE(screen.aantalhulp, 1);
}

void TestCheckAndHelp::hintsInviteOrRemind_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<int>("dividend");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<QString>("firstHint");
    QTest::addColumn<QString>("secondHint");
    const QString invite1 = QStringLiteral(" hulp nodig ? \r\n klik op deze knop ");
    const QString invite2 = QStringLiteral(" meer hulp nodig ? \r\n klik op deze knop ");
    QTest::newRow("ten times on the 100 level")
        << "frmrekenrups100" << QList<int>{50, 3} << 70 << 7 << reminder(70) << reminder(70);
    QTest::newRow("ten times elsewhere") << "frmrekenrups200" << QList<int>{150, 3} << 70 << 7 << reminder(70)
                                         << invite2;
    QTest::newRow("ten times on the even level")
        << "frmrekenrupseven" << QList<int>{1, 1, 3} << 40 << 4 << reminder(40) << invite2;
    QTest::newRow("63 : 7") << "frmrekenrups100" << QList<int>{50, 3} << 63 << 7 << reminder(63) << reminder(63);
    QTest::newRow("59 : 7") << "frmrekenrups500" << QList<int>{450, 3} << 59 << 7 << reminder(56) << reminder(56);
    QTest::newRow("85 : 7") << "frmrekenrups100" << QList<int>{50, 3} << 85 << 7 << invite1 << invite2;
}

void TestCheckAndHelp::hintsInviteOrRemind()
{
    QFETCH(QString, window);
    QFETCH(QList<int>, drawn);
    QFETCH(int, dividend);
    QFETCH(int, divisor);
    QFETCH(QString, firstHint);
    QFETCH(QString, secondHint);
    ExerciseScreen &screen = startExercise(window, drawn);
    // Divisions a level never draws, such as ten times the divisor, still get the right hint.
    screen.deeltal = static_cast<basic::Int16>(dividend);
    screen.deler = static_cast<basic::Int16>(divisor);
    screen.cmdcontrole1_MouseMove();
    QCOMPARE(screen.lblhulp(2).caption(), firstHint);
    screen.cmdcontrole_MouseMove();
    QCOMPARE(screen.lblhulp(2).caption(), secondHint);
    QCOMPARE(screen.tafelprodukt, dividend / divisor * divisor);
    QCOMPARE(screen.aantalhulp, 0);
}

void TestCheckAndHelp::pointingAtButtonsWritesTheirHints()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    QTest::mouseMove(screen.windowHandle(), screen.cmdjuist->geometry().center());
    QTRY_COMPARE(screen.lblhulp(2).caption(), checkHint);
    QTest::mouseMove(screen.windowHandle(), screen.cmdcontrole1->geometry().center());
    QTRY_COMPARE(screen.lblhulp(2).caption(), QStringLiteral(" hulp nodig ? \r\n klik op deze knop "));
    QTest::mouseMove(screen.windowHandle(), screen.Shape1->geometry().bottomLeft() + QPoint(4, -4));
    QTRY_COMPARE(screen.lblhulp(2).caption(), QString());

    // A screen whose divisor is still 0 leaves the hint line as it is.
    screen.deler = 0;
    screen.lblhulp(2).setCaption(QStringLiteral("kept"));
    screen.cmdcontrole1_MouseMove();
    QCOMPARE(screen.lblhulp(2).caption(), QStringLiteral("kept"));
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
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
    QCOMPARE(screen.lblhulp(2).caption(), refusal);

    // Moving on over the bare screen, the check button and the help button reads it all the way.
    const QPoint bare = screen.Shape1->geometry().bottomLeft() + QPoint(4, -4);
    for (const QPoint at :
         {bare, screen.cmdjuist->geometry().center(), screen.cmdcontrole1->geometry().center(), bare}) {
        QTest::mouseMove(screen.windowHandle(), at);
        QCoreApplication::processEvents();
        QCOMPARE(screen.lblhulp(2).caption(), refusal);
    }

    if (act == 0) {
        QTest::keyClick(screen.txtquotient, Qt::Key_Backspace);
    } else if (act == 1) {
        QTest::mouseDClick(screen.windowHandle(), Qt::LeftButton, {}, screen.txtquotient->geometry().center());
    } else {
        type(screen, QStringLiteral("21"), QStringLiteral("3"));
        QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
        queue(screen.level(), {150, 7});
        QTest::mouseClick(screen.cmdstart, Qt::LeftButton);
    }
    QTest::mouseMove(screen.windowHandle(), screen.cmdjuist->geometry().center());
    QTRY_COMPARE(screen.lblhulp(2).caption(), checkHint);
    QTest::mouseMove(screen.windowHandle(), bare);
    QTRY_COMPARE(screen.lblhulp(2).caption(), QString());
}

void TestCheckAndHelp::refusalEndsWithTheNextCheck()
{
    // A keyboard child moves no mouse to wipe the hint line.
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    type(screen, QStringLiteral("twaalf"), QStringLiteral("3"));
    screen.cmdjuist->setFocus();
    QTest::keyClick(screen.cmdjuist, Qt::Key_Return);
    QCOMPARE(screen.lblhulp(2).caption(), refusal);
    type(screen, QStringLiteral("21"), QStringLiteral("3"));
    screen.cmdjuist->setFocus();
    QTest::keyClick(screen.cmdjuist, Qt::Key_Return);
    QCOMPARE(screen.lblhulp(2).caption(), QString());
    QCOMPARE(screen.backColor(), ui::BgrColor(0x00FF00));
}

void TestCheckAndHelp::lateActivationOfTheHiddenChooserKeepsTheExercise()
{
    ExerciseScreen &screen = startExercise(QStringLiteral("frmrekenrups200"), {150, 7});
    // The window system activates the chooser after it was hidden, and then the screen again.
    program->forms().activated(&program->kiesbasis1());
    program->forms().activated(&screen);
    QCOMPARE(screen.lbldeeltal->caption(), QStringLiteral("150"));
    QCOMPARE(screen.lblaantal->caption(), exercise::statistiektekst(1, 0, 0, 0));
}

QTEST_MAIN(TestCheckAndHelp)
#include "tst_checkandhelp.moc"
