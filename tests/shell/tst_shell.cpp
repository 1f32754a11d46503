#include "exercise/exercisescreen.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/form.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QTest>

#include <memory>

namespace {

ui::CommandButton *button(QWidget *form, const char *name)
{
    return form->findChild<ui::CommandButton *>(QString::fromLatin1(name));
}

int visibleRingPicture(const frmkiesbasis1 &chooser)
{
    int found = -1;
    for (std::size_t i = 0; i < chooser.ring.size(); ++i) {
        if (!chooser.ring[i]->isHidden()) {
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
    QCOMPARE(main.basisAction()->text(), QStringLiteral("&Basis"));
    QCOMPARE(main.basisAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    QVERIFY(!program->isLoaded(QStringLiteral("frmkiesbasis1")));
}

void TestShell::menuBasisShowsTheChooserOverTheMainWindow()
{
    program->mdiForm2().basisAction()->trigger();
    QVERIFY(program->kiesbasis1().isShown());
    QVERIFY(program->mdiForm2().isVisible());
    QVERIFY(!program->frmmecenaat1().isShown());
}

void TestShell::chooserReadsZeroOnFirstShow()
{
    program->mdiForm2().aftrek2_Click();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    QCOMPARE(chooser.lblgemaakt->caption(), QStringLiteral("0"));
    QCOMPARE(chooser.windowTitle(), QStringLiteral("rekenrups"));
    // Two captions carry a double blank that must survive.
    QCOMPARE(button(&chooser, "cmdplus")->text(), QStringLiteral("rest is 0  (tot 100+)"));
    QCOMPARE(button(&chooser, "cmd100")->text(), QStringLiteral("deeltal tot 100  (rest)"));
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
    program->mdiForm2().aftrek2_Click();
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
    program->mdiForm2().aftrek2_Click();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    chooser.lblgemaakt->setCaption(QStringLiteral("4"));
    QTest::mouseClick(button(&chooser, "cmd200"), Qt::LeftButton);
    QVERIFY(program->mdiForm2().isHidden());
    program->exerciseScreen(QStringLiteral("frmrekenrups200")).Hide();
    chooser.Show();
    QCOMPARE(chooser.lblgemaakt->caption(), QStringLiteral("4"));

    QTest::mouseClick(chooser.cmdeinde, Qt::LeftButton);
    QVERIFY(program->frminfo().isShown());
    QVERIFY(!chooser.isShown());
    QVERIFY(program->mdiForm2().isVisible());
    QCOMPARE(chooser.lblgemaakt->caption(), QString());

    program->mdiForm2().basisAction()->trigger();
    QCOMPARE(chooser.lblgemaakt->caption(), QStringLiteral("0"));
    QVERIFY(program->frminfo().isShown());
}

void TestShell::sixClicksBringTheRingBack()
{
    program->mdiForm2().aftrek2_Click();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    for (int click = 1; click <= 6; ++click) {
        const int shown = visibleRingPicture(chooser);
        QVERIFY(shown >= 0);
        const QWidget *picture = chooser.ring[static_cast<std::size_t>(shown)];
        QTest::mouseClick(chooser.windowHandle(), Qt::LeftButton, {}, picture->geometry().center());
        QTRY_COMPARE(visibleRingPicture(chooser), click % 6);
    }
    QCOMPARE(chooser.ring[0]->objectName(), QStringLiteral("imgmeisje"));
}

void TestShell::ringPictureSurvivesALevelVisit()
{
    program->mdiForm2().aftrek2_Click();
    frmkiesbasis1 &chooser = program->kiesbasis1();
    chooser.ringPicture_Click(0);
    chooser.ringPicture_Click(1);
    QTest::mouseClick(button(&chooser, "cmd100"), Qt::LeftButton);
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
