#include "check/answer.h"
#include "control.h"
#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "exercise/scripteddraws.h"
#include "help/splithelp.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <memory>

namespace {

QString spoken(QObject *control, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(text) : QString();
}

// What reaches a screen reader of a control: its name and its description.
QString heard(QObject *control)
{
    return spoken(control) + u' ' + spoken(control, QAccessible::Description);
}

} // namespace

// What a screen reader says for the controls and windows a child works with.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exerciseControlsHaveDutchNames_data();
    void exerciseControlsHaveDutchNames();
    void theDivisionIsSpokenWithItsRole();
    void everyFocusableControlHasAUniqueName();
    void chooserButtonsAreNamedByTheirCaptions();
    void verdictReachesTheFocusedControl_data();
    void verdictReachesTheFocusedControl();
    void newDivisionAndHelpStepsReachTheQuotientBox();
    void answersAndDecorationSayNothing();
    void informationScreenIsReadable();
    void refusedBoxSaysWhyAndIsReadWhole();
    void windowsAreFramesAndTheChooserTellsTheTotal();

private:
    ExerciseScreen &open(const QString &window);
    void queue(const ExerciseScreen &screen, int deeltal, int deler);
    QList<QWidget *> allWindows();
    std::unique_ptr<Program> program;
    basic::ScriptedRandom *random = nullptr;
};

void TestAccessibility::init()
{
    auto scripted = std::make_unique<basic::ScriptedRandom>();
    random = scripted.get();
    program = std::make_unique<Program>(std::move(scripted));
    program->forms().setEndProgram([] {});
    program->start();
}

void TestAccessibility::cleanup()
{
    program.reset();
}

ExerciseScreen &TestAccessibility::open(const QString &window)
{
    program->kiesbasis1().openLevel(window);
    auto &screen = program->exerciseScreen(window);
    if (!QTest::qWaitForWindowActive(&screen))
        qWarning("%s did not become active", qPrintable(window));
    return screen;
}

void TestAccessibility::queue(const ExerciseScreen &screen, int deeltal, int deler)
{
    for (float draw : scripted::divisionFor(screen.level(), {deeltal, deler}))
        random->push({draw});
}

QList<QWidget *> TestAccessibility::allWindows()
{
    QList<QWidget *> windows{&program->mdiForm2(), &program->kiesbasis1(), &program->frmmecenaat1(),
                             &program->frminfo()};
    for (const exercise::Level &level : exercise::levels())
        windows << &program->exerciseScreen(QString::fromLatin1(level.windowName));
    return windows;
}

void TestAccessibility::exerciseControlsHaveDutchNames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("windowName");
    for (const exercise::Level &level : exercise::levels())
        QTest::newRow(level.windowName) << QString::fromLatin1(level.windowName) << QString::fromUtf8(level.spokenName);
}

void TestAccessibility::exerciseControlsHaveDutchNames()
{
    QFETCH(QString, window);
    QFETCH(QString, windowName);
    ExerciseScreen &screen = open(window);
    QCOMPARE(spoken(&screen), windowName);
    QCOMPARE(screen.windowTitle(), QStringLiteral("rekenrups"));
    QCOMPARE(spoken(control(screen, "cmdstart")), QStringLiteral("start"));
    QCOMPARE(spoken(control(screen, "cmdstop")), QStringLiteral("stop"));
    QCOMPARE(spoken(control(screen, "cmdjuist")), QStringLiteral("controleren"));
    QCOMPARE(spoken(control(screen, "cmdcontrole1")), QStringLiteral("hulp stap 1"));
    QCOMPARE(spoken(control(screen, "cmdcontrole")), QStringLiteral("hulp stap 2"));
    QCOMPARE(control(screen, "cmdcontrole1")->toolTip(), QStringLiteral("hulp"));
    QCOMPARE(spoken(control<ui::TextBox>(screen, "txtquotient")), QStringLiteral("quotiënt"));
    QCOMPARE(spoken(control<ui::TextBox>(screen, "txtrest")), QStringLiteral("rest"));
    // Keyboard users reach the hints that the mouse brings up.
    QCOMPARE(spoken(control(screen, "cmdjuist"), QAccessible::Description), check::checkHint().simplified());
    QCOMPARE(spoken(control(screen, "cmdstart"), QAccessible::Description),
             QStringLiteral("nieuwe oefening klik hier !"));
}

void TestAccessibility::theDivisionIsSpokenWithItsRole()
{
    ExerciseScreen &screen = open(QStringLiteral("frmrekenrups200"));
    // Empty labels say nothing, not even their role word.
    QCOMPARE(spoken(control<ui::Label>(screen, "lbldeeltal")), QString());
    QCOMPARE(spoken(control<ui::Label>(screen, "lblhulp", 0)), QString());
    queue(screen, 180, 5);
    QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
    QCOMPARE(spoken(control<ui::Label>(screen, "lbldeeltal")), QStringLiteral("deeltal %1").arg(180));
    QCOMPARE(spoken(control<ui::Label>(screen, "lbldeler")), QStringLiteral("deler %1").arg(5));
    QVERIFY(spoken(control<ui::Label>(screen, "lblaantal"))
                .startsWith(QStringLiteral("score aantal oefeningen = 1 aantal fouten")));
    QTest::keyClicks(control<ui::TextBox>(screen, "txtquotient"), QStringLiteral("36"));
    QTest::keyClicks(control<ui::TextBox>(screen, "txtrest"), QStringLiteral("0"));
    QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    QVERIFY(spoken(control<ui::Label>(screen, "lbljuist")).startsWith(QStringLiteral("uitkomst %1 : ").arg(180)));
}

void TestAccessibility::everyFocusableControlHasAUniqueName()
{
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    QSet<QString> windowNames;
    for (QWidget *window : allWindows()) {
        const QString windowName = spoken(window);
        QVERIFY2(!windowName.isEmpty() && !windowNames.contains(windowName), qPrintable(window->objectName()));
        windowNames << windowName;
        QSet<QString> names;
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QLineEdit *>(control))
                continue;
            if (control->isHidden() && control->objectName().startsWith(QStringLiteral("cmdde")))
                continue; // the two buttons nothing ever shows
            if (control->objectName().startsWith(QStringLiteral("qt_")))
                continue; // Qt's own parts, such as the document area's scroll buttons
            const QString name = spoken(control);
            const QString where = window->objectName() + u'.' + control->objectName() + u' ' + name;
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where));
            QVERIFY2(!names.contains(name), qPrintable(where));
            names << name;
        }
    }
    // Document frames take no focus of their own and carry their window's name.
    for (ui::Form *document :
         {static_cast<ui::Form *>(&program->frmmecenaat1()), static_cast<ui::Form *>(&program->frminfo())}) {
        QCOMPARE(document->subWindow()->focusPolicy(), Qt::NoFocus);
        QCOMPARE(spoken(document->subWindow()), spoken(document));
    }
}

void TestAccessibility::chooserButtonsAreNamedByTheirCaptions()
{
    frmkiesbasis1 &chooser = program->kiesbasis1();
    QCOMPARE(spoken(&chooser), QStringLiteral("kies een oefening"));
    for (const exercise::Level &level : exercise::levels()) {
        auto *button = chooser.findChild<QAbstractButton *>(QString::fromLatin1(level.chooserButton));
        // In words: no brackets or signs for a screen reader to read out as punctuation.
        QVERIFY2(!spoken(button).contains(QRegularExpression(QStringLiteral("[()+:=]"))), qPrintable(spoken(button)));
        QCOMPARE(spoken(button), QString::fromUtf8(level.spokenName));
    }
    QCOMPARE(spoken(control(chooser, "cmdeinde")), QStringLiteral("stoppen"));
    QCOMPARE(spoken(&program->frmmecenaat1()), QStringLiteral("welkom bij rekenrups"));
    QCOMPARE(spoken(control<ui::PictureCaptionButton>(program->frmmecenaat1(), "cmdkombinnen")),
             QStringLiteral("Klik hier en start !"));
}

void TestAccessibility::verdictReachesTheFocusedControl_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << true;
    QTest::newRow("wrong") << false;
}

void TestAccessibility::verdictReachesTheFocusedControl()
{
    QFETCH(bool, right);
    ExerciseScreen &screen = open(QStringLiteral("frmrekenrups200"));
    queue(screen, 122, 5);
    control(screen, "cmdstart")->setFocus();
    QTest::keyClick(control(screen, "cmdstart"), Qt::Key_Return);
    QTest::keyClicks(control<ui::TextBox>(screen, "txtquotient"), right ? QStringLiteral("24") : QStringLiteral("25"));
    QTest::keyClicks(control<ui::TextBox>(screen, "txtrest"), QStringLiteral("2"));
    control(screen, "cmdjuist")->setFocus();
    QTest::keyClick(control(screen, "cmdjuist"), Qt::Key_Return);

    // The focus is not moved by the check; hiding the check button hands it on.
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused && focused != control(screen, "cmdjuist"));
    const QString expected =
        QStringLiteral("%1, 122 gedeeld door 5 is 24 rest 2 als quotiënt en rest").arg(right ? "goed" : "fout");
    QVERIFY2(heard(focused).contains(expected), qPrintable(heard(focused)));
    // The counts of the visit come with it, for "where am I" too.
    QVERIFY2(heard(focused).contains(right ? QStringLiteral("oefeningen 1, fouten 0, juist 1, hulp 0")
                                           : QStringLiteral("oefeningen 1, fouten 1, juist 0, hulp 0")),
             qPrintable(heard(focused)));
    QCOMPARE(spoken(control<ui::Label>(screen, "lbljuist"), QAccessible::Description), expected);
    QCOMPARE(screen.backColor(), right ? 0x00FF00u : 0x0000FFu);

    // Back on the chooser and in again, nothing of the last exercise is told.
    QTest::mouseClick(control(screen, "cmdstop"), Qt::LeftButton);
    program->kiesbasis1().openLevel(QStringLiteral("frmrekenrups200"));
    QCOMPARE(spoken(control<ui::TextBox>(screen, "txtquotient"), QAccessible::Description), QString());
    QCOMPARE(spoken(control(screen, "cmdstop"), QAccessible::Description), control(screen, "cmdstop")->toolTip());
}

void TestAccessibility::newDivisionAndHelpStepsReachTheQuotientBox()
{
    ExerciseScreen &screen = open(QStringLiteral("frmrekenrups200"));
    queue(screen, 122, 5);
    // The description is there by the time the focus arrives, which is when it is spoken.
    QString toldOnArrival;
    QObject listening; // ends the connection with this test, before the screen is torn down
    QObject::connect(qApp, &QApplication::focusChanged, &listening, [&](QWidget *, QWidget *now) {
        if (now == control<ui::TextBox>(screen, "txtquotient"))
            toldOnArrival = spoken(now, QAccessible::Description);
    });
    QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
    QCOMPARE(toldOnArrival, QStringLiteral("122 gedeeld door 5"));
    QCOMPARE(spoken(control(screen, "cmdcontrole1"), QAccessible::Description),
             help::helpHint(help::Step::One, 122, 5, true)->text.simplified());

    control(screen, "cmdcontrole1")->setFocus();
    QTest::keyClick(control(screen, "cmdcontrole1"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), control<ui::TextBox>(screen, "txtquotient"));
    QCOMPARE(toldOnArrival, QStringLiteral("122 is 100 plus 22. 122 gedeeld door 5"));

    control(screen, "cmdcontrole")->setFocus();
    QTest::keyClick(control(screen, "cmdcontrole"), Qt::Key_Return);
    // The newest help first, and still all the box was told before it.
    QCOMPARE(toldOnArrival,
             QStringLiteral("100 gedeeld door 5 en 22 gedeeld door 5. 122 is 100 plus 22. 122 gedeeld door 5"));
}

void TestAccessibility::answersAndDecorationSayNothing()
{
    ExerciseScreen &screen = open(QStringLiteral("frmrekenrups200"));
    queue(screen, 122, 5);
    QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
    QCOMPARE(caption(screen, "lblquotient"), QStringLiteral("24"));
    for (ui::Label *answer : {control<ui::Label>(screen, "lblquotient"), control<ui::Label>(screen, "lblrest"),
                              control<ui::Label>(screen, "lblprodukt")}) {
        for (auto text : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            QVERIFY2(spoken(answer, text).isEmpty(), qPrintable(answer->objectName()));
    }
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    for (QWidget *window : allWindows()) {
        for (ui::Picture *picture : window->findChildren<ui::Picture *>()) {
            QVERIFY2(heard(picture).trimmed().isEmpty(),
                     qPrintable(window->objectName() + u'.' + picture->objectName()));
            QCOMPARE(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Graphic);
        }
    }
}

void TestAccessibility::informationScreenIsReadable()
{
    QTest::mouseClick(control(program->kiesbasis1(), "cmdeinde"), Qt::LeftButton);
    auto &info = program->frminfo();
    QCOMPARE(spoken(&info), QStringLiteral("over rekenrups: rekenrups stopt, tot ziens"));
    QCOMPARE(spoken(control<ui::ProgressBar>(info, "ProgressBar1")), QStringLiteral("het programma sluit af"));
    const QString bar = spoken(control<ui::StatusBar>(info, "StatusBar1"));
    QVERIFY2(bar.startsWith(QStringLiteral("Tobbelwerk,educatieve software voor de basisschool, ")), qPrintable(bar));
    QVERIFY2(bar.endsWith(QStringLiteral(", Gratis software")), qPrintable(bar));
    // The scrolling slogan does not change what the bar is called.
    tickTimer(info);
    tickTimer(info);
    QCOMPARE(spoken(control<ui::StatusBar>(info, "StatusBar1")), bar);
}

void TestAccessibility::refusedBoxSaysWhyAndIsReadWhole()
{
    ExerciseScreen &screen = open(QStringLiteral("frmrekenrups200"));
    auto *txtquotient = control<ui::TextBox>(screen, "txtquotient");
    auto *txtrest = control<ui::TextBox>(screen, "txtrest");
    auto *cmdjuist = control(screen, "cmdjuist");
    queue(screen, 122, 5);
    QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
    QTest::keyClicks(txtquotient, QStringLiteral("36"));
    QTest::keyClicks(txtrest, QStringLiteral("x"));
    cmdjuist->setFocus();
    QTest::keyClick(cmdjuist, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), txtrest);
    QCOMPARE(spoken(txtrest, QAccessible::Description), QStringLiteral("vul een getal in en klik opnieuw"));
    QTest::keyClick(txtrest, Qt::Key_Backspace);
    QCOMPARE(spoken(txtrest, QAccessible::Description), QString());

    // One run of text attributes over the whole text, from wherever it is asked.
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(txtquotient)->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("36"));
    int start = -1;
    int end = -1;
    text->attributes(1, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 2));
}

void TestAccessibility::windowsAreFramesAndTheChooserTellsTheTotal()
{
    frmkiesbasis1 &chooser = program->kiesbasis1();
    chooser.setRunningTotal(4);
    ExerciseScreen &screen = open(QStringLiteral("frmrekenrups200"));
    for (QWidget *window : {static_cast<QWidget *>(&screen), static_cast<QWidget *>(&chooser)})
        QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    QTest::mouseClick(control(screen, "cmdstop"), Qt::LeftButton);
    const QString heardOnArrival = spoken(chooser.focusWidget(), QAccessible::Description);
    QCOMPARE(heardOnArrival, caption(chooser, "Label1") + QStringLiteral(" 4"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
