#include "control.h"
#include "exercise/exercisescreen.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/form.h"
#include "wait.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QTest>

#include <array>
#include <memory>

namespace {

// The ring's pictures, in the order in which a click moves on.
const std::array<const char *, 6> ring{"imgmeisje", "imgwit", "imgchinees", "imgkleur", "imgkleur2", "imgkleur3"};

int visibleRingPicture(const frmkiesbasis1 &chooser)
{
    int found = -1;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (!control(chooser, ring[i])->isHidden()) {
            if (found >= 0)
                return -2; // two at once
            found = static_cast<int>(i);
        }
    }
    return found;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainWindowOpensMaximisedWithItsMotto();
    void menuBasisShowsTheChooserOverTheMainWindow();
    void chooserReadsZeroOnFirstShow();
    void levelButtonOpensItsScreenAndHidesTheRest_data();
    void levelButtonOpensItsScreenAndHidesTheRest();
    void stopEmptiesTheTotalAndTheMenuRestoresZero();
    void sixClicksBringTheRingBack();
    void ringPictureSurvivesALevelVisit();
    void mainWindowRefusesToClose();

private:
    std::unique_ptr<Program> program;
};

void TestShell::init()
{
    program = std::make_unique<Program>();
    program->forms().setEndProgram([] {});
    program->start();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mdiForm2()));
}

void TestShell::cleanup()
{
    program.reset();
}

void TestShell::mainWindowOpensMaximisedWithItsMotto()
{
    MDIForm2 &main = program->mdiForm2();
    QCOMPARE(main.windowTitle(), QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
    QVERIFY(main.isMaximized());
    QCOMPARE(main.documentArea()->background().color(), QColor(234, 226, 138));
    const QList<QAction *> menus = main.menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first()->text(), QStringLiteral("OPENEN "));
    QCOMPARE(control<QAction>(main, "aftrek2")->text(), QStringLiteral("&Basis"));
    QCOMPARE(control<QAction>(main, "aftrek2")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    QVERIFY(!program->isLoaded(QStringLiteral("frmkiesbasis1")));
}

void TestShell::menuBasisShowsTheChooserOverTheMainWindow()
{
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    QVERIFY(program->kiesbasis1().isShown());
    QVERIFY(program->mdiForm2().isVisible());
    QVERIFY(!program->frmmecenaat1().isShown());
}

void TestShell::chooserReadsZeroOnFirstShow()
{
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    QCOMPARE(caption(chooser, "lblgemaakt"), QStringLiteral("0"));
    QCOMPARE(chooser.windowTitle(), QStringLiteral("rekenrups"));
    // Two captions carry a double blank that must survive.
    QCOMPARE(control<QPushButton>(chooser, "cmdplus")->text(), QStringLiteral("rest is 0  (tot 100+)"));
    QCOMPARE(control<QPushButton>(chooser, "cmd100")->text(), QStringLiteral("deeltal tot 100  (rest)"));
    QCOMPARE(chooser.size(), QSize(684, 502));
    QCOMPARE(visibleRingPicture(chooser), 0);
}

void TestShell::levelButtonOpensItsScreenAndHidesTheRest_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("screen");
    // clang-format off
    QTest::newRow("cmdplus") << "cmdplus" << "frmrekenrupseven";
    QTest::newRow("cmdplustrain") << "cmdplustrain" << "frmrekenrupsevenhoog";
    QTest::newRow("cmd100") << "cmd100" << "frmrekenrups100";
    QTest::newRow("cmd200") << "cmd200" << "frmrekenrups200";
    QTest::newRow("cmd300") << "cmd300" << "frmrekenrups300";
    QTest::newRow("cmd400") << "cmd400" << "frmrekenrups400";
    QTest::newRow("cmd500") << "cmd500" << "frmrekenrups500";
    QTest::newRow("cmd999") << "cmd999" << "frmrekenrups999";
    // clang-format on
}

void TestShell::levelButtonOpensItsScreenAndHidesTheRest()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, screen);
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    auto *level = chooser.findChild<ui::CommandButton *>(buttonName);
    QVERIFY(level);
    QTest::mouseClick(level, Qt::LeftButton);
    QVERIFY(program->isLoaded(screen));
    ui::Form &opened = program->exerciseScreen(screen);
    QVERIFY(opened.isShown());
    QCOMPARE(opened.objectName(), screen);
    QVERIFY(!chooser.isShown());
    QVERIFY(program->mdiForm2().isHidden());
}

void TestShell::stopEmptiesTheTotalAndTheMenuRestoresZero()
{
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    chooser.setRunningTotal(4);
    QTest::mouseClick(control(chooser, "cmd200"), Qt::LeftButton);
    QVERIFY(program->mdiForm2().isHidden());
    program->exerciseScreen(QStringLiteral("frmrekenrups200")).Hide();
    chooser.Show();
    QCOMPARE(caption(chooser, "lblgemaakt"), QStringLiteral("4"));

    QTest::mouseClick(control(chooser, "cmdeinde"), Qt::LeftButton);
    QVERIFY(program->frminfo().isShown());
    QVERIFY(!chooser.isShown());
    QVERIFY(program->mdiForm2().isVisible());
    QCOMPARE(caption(chooser, "lblgemaakt"), QString());

    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    QCOMPARE(caption(chooser, "lblgemaakt"), QStringLiteral("0"));
    QVERIFY(program->frminfo().isShown());
}

void TestShell::sixClicksBringTheRingBack()
{
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    for (int click = 1; click <= 6; ++click) {
        const int shown = visibleRingPicture(chooser);
        QVERIFY(shown >= 0);
        const QWidget *picture = control(chooser, ring[static_cast<std::size_t>(shown)]);
        QTest::mouseClick(chooser.windowHandle(), Qt::LeftButton, {}, picture->geometry().center());
        WAIT_COMPARE(visibleRingPicture(chooser), click % 6);
    }
}

void TestShell::ringPictureSurvivesALevelVisit()
{
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    QTest::mouseClick(control(chooser, ring[0]), Qt::LeftButton);
    QTest::mouseClick(control(chooser, ring[1]), Qt::LeftButton);
    QTest::mouseClick(control(chooser, "cmd100"), Qt::LeftButton);
    program->exerciseScreen(QStringLiteral("frmrekenrups100")).Hide();
    chooser.Show();
    QCOMPARE(visibleRingPicture(chooser), 2);
}

void TestShell::mainWindowRefusesToClose()
{
    QVERIFY(!program->mdiForm2().close());
    QVERIFY(program->mdiForm2().isVisible());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
