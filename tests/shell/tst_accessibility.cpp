#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

QString spokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

// What a screen reader says for the controls a child works with.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exerciseControlsHaveDutchNames_data();
    void exerciseControlsHaveDutchNames();
    void theDivisionIsSpokenWithItsRole();
    void everyButtonAndBoxOfEveryWindowHasAName();

private:
    ExerciseScreen &open(const QString &window);
    std::unique_ptr<Program> program;
};

void TestAccessibility::init()
{
    program = std::make_unique<Program>(std::make_unique<ui::ScriptedRandom>(QList<float>{0.999f, 0.9f, 0.5f}));
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
    return static_cast<ExerciseScreen &>(program->exerciseScreen(window));
}

void TestAccessibility::exerciseControlsHaveDutchNames_data()
{
    QTest::addColumn<QString>("window");
    for (const exercise::Level &level : exercise::levels())
        QTest::newRow(level.windowName) << QString::fromLatin1(level.windowName);
}

void TestAccessibility::exerciseControlsHaveDutchNames()
{
    QFETCH(QString, window);
    ExerciseScreen &screen = open(window);
    QCOMPARE(spokenName(screen.cmdstart), QStringLiteral("start"));
    QCOMPARE(spokenName(screen.cmdstop), QStringLiteral("stop"));
    QCOMPARE(spokenName(screen.cmdjuist), QStringLiteral("CONTROLE"));
    QCOMPARE(spokenName(screen.cmdcontrole1), QStringLiteral("hulp"));
    QCOMPARE(spokenName(screen.cmdcontrole), QStringLiteral("hulp"));
    QCOMPARE(spokenName(screen.txtquotient), QStringLiteral("quotiënt"));
    QCOMPARE(spokenName(screen.txtrest), QStringLiteral("rest"));
}

void TestAccessibility::theDivisionIsSpokenWithItsRole()
{
    ExerciseScreen &screen = open(QStringLiteral("frmrekenrups200"));
    QCOMPARE(spokenName(screen.lbldeeltal), QStringLiteral("deeltal"));
    QTest::mouseClick(screen.cmdstart, Qt::LeftButton);
    QCOMPARE(spokenName(screen.lbldeeltal), QStringLiteral("deeltal %1").arg(screen.deeltal));
    QCOMPARE(spokenName(screen.lbldeler), QStringLiteral("deler %1").arg(screen.deler));
    QVERIFY(spokenName(screen.lblaantal).startsWith(QStringLiteral("score aantal oefeningen = 1 aantal fouten")));
    QTest::keyClicks(screen.txtquotient, QString::number(screen.quotient));
    QTest::keyClicks(screen.txtrest, QString::number(screen.rest));
    QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
    QVERIFY(spokenName(screen.lbljuist).startsWith(QStringLiteral("uitkomst %1 : ").arg(screen.deeltal)));
}

void TestAccessibility::everyButtonAndBoxOfEveryWindowHasAName()
{
    program->mdiForm2().aftrek2_Click();
    QList<QWidget *> windows{&program->mdiForm2(), &program->kiesbasis1(), &program->frmmecenaat1(),
                             &program->frminfo()};
    for (const exercise::Level &level : exercise::levels())
        windows << &program->exerciseScreen(QString::fromLatin1(level.windowName));
    for (QWidget *window : windows) {
        const auto controls = window->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QLineEdit *>(control))
                continue;
            if (control->isHidden() && control->objectName().startsWith(QStringLiteral("cmdde")))
                continue; // the two buttons nothing ever shows
            if (control->objectName().startsWith(QStringLiteral("qt_")))
                continue; // Qt's own parts, such as the document area's scroll buttons
            QVERIFY2(!spokenName(control).trimmed().isEmpty(),
                     qPrintable(window->objectName() + u'.' + control->objectName()));
        }
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
