#include "control.h"
#include "exercise/exercisescreen.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "info/slogan.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "wait.h"

#include <QAction>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QMdiSubWindow>
#include <QTest>

#include <memory>

namespace {

const QString slogan = QStringLiteral("Tobbelwerk,educatieve software voor de basisschool");

QString blanks(int count)
{
    return QString(count, u' ');
}

QRect toQRect(const ui::StatusBar::Rect &rect)
{
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

QPoint centredTopLeft(const QWidget *window)
{
    const QSize outer = window->frameGeometry().size();
    const double left = (ui::displayWidthTwips() - ui::pixelsToTwips(outer.width(), ui::logicalDpiX())) / 2.0;
    const double top = (ui::displayHeightTwips() - ui::pixelsToTwips(outer.height(), ui::logicalDpiY())) / 2.0;
    return {ui::twipsToPixelsX(static_cast<float>(left)), ui::twipsToPixelsY(static_cast<float>(top))};
}

} // namespace

class TestInfo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sloganStepsOneCharacterATick_data();
    void sloganStepsOneCharacterATick();

    void introKeyOrMenuLeadsToTheChooser_data();
    void introKeyOrMenuLeadsToTheChooser();
    void introReturnsToTheCentreOnActivation();
    void introFrameCannotBeResized();

    void infoScreenShowsItsTexts();
    void firstTickFillsTheFieldWithBlanksOfTheWindowFont();
    void progressBarCountsToTheEndAndTheProgramEnds();
    void secondActivationContinuesTheCount();
    void progressBarCoversTheSecondField();
    void statusBarFieldsLieSideBySide_data();
    void statusBarFieldsLieSideBySide();
    void statusBarKeepsToTheBottomAndShowsTheDate();

private:
    frmmecenaat1 &intro() { return program->frmmecenaat1(); }
    // The information screen as the chooser's stop button opens it, with its timer left to the test.
    frminfo &openInfo();

    std::unique_ptr<Program> program;
    int ends = 0;
};

void TestInfo::init()
{
    ends = 0;
    program = std::make_unique<Program>();
    program->forms().setEndProgram([this] { ++ends; });
    program->start();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mdiForm2()));
}

void TestInfo::cleanup()
{
    program.reset();
}

frminfo &TestInfo::openInfo()
{
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    QTest::mouseClick(control(program->kiesbasis1(), "cmdeinde"), Qt::LeftButton);
    auto &info = program->frminfo();
    control<ui::PreciseTimer>(info, "Timer1")->stop();
    return info;
}

void TestInfo::sloganStepsOneCharacterATick_data()
{
    QTest::addColumn<double>("fieldWidth");
    QTest::addColumn<double>("blankWidth");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedTag");

    const QString tag44 = blanks(44) + slogan;
    QTest::newRow("first tick: 2000 twips of 45-twip blanks")
        << 2000.0 << 45.0 << slogan << QString() << blanks(43) + slogan << tag44;
    QTest::newRow("22.5 blanks round down to even")
        << 2250.0 << 100.0 << QStringLiteral("ab") << QString() << blanks(21) + "ab" << blanks(22) + "ab";
    QTest::newRow("23.5 blanks round up to even")
        << 2350.0 << 100.0 << QStringLiteral("ab") << QString() << blanks(23) + "ab" << blanks(24) + "ab";
    QTest::newRow("a later tick drops one character")
        << 2000.0 << 45.0 << blanks(3) + slogan << tag44 << blanks(2) + slogan << tag44;
    QTest::newRow("the last character leaves an empty field")
        << 2000.0 << 45.0 << QStringLiteral("l") << tag44 << QString() << tag44;
    QTest::newRow("an empty field gets the whole tag back") << 2000.0 << 45.0 << QString() << tag44 << tag44 << tag44;
    QTest::newRow("a blank without width adds no blanks")
        << 2000.0 << 0.0 << slogan << QString() << slogan.mid(1) << slogan;
}

void TestInfo::sloganStepsOneCharacterATick()
{
    QFETCH(double, fieldWidth);
    QFETCH(double, blankWidth);
    QFETCH(QString, text);
    QFETCH(QString, tag);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedTag);
    const info::SloganField after = info::scrollSlogan({text, tag}, fieldWidth, blankWidth);
    QCOMPARE(after.text, expectedText);
    QCOMPARE(after.tag, expectedTag);
}

void TestInfo::introKeyOrMenuLeadsToTheChooser_data()
{
    QTest::addColumn<int>("key"); // 0: the menu OPENEN, Basis
    QTest::addColumn<bool>("mainStaysVisible");
    QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
    QTest::newRow("space bar") << int(Qt::Key_Space) << false;
    QTest::newRow("menu") << 0 << true;
}

void TestInfo::introKeyOrMenuLeadsToTheChooser()
{
    QFETCH(int, key);
    QFETCH(bool, mainStaysVisible);
    frmmecenaat1 *shownIntro = &intro();
    QVERIFY(shownIntro->isShown());
    MDIForm2 &main = program->mdiForm2();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(QApplication::focusWidget(), control<ui::PictureCaptionButton>(*shownIntro, "cmdkombinnen"));

    if (key)
        QTest::keyClick(main.windowHandle(), Qt::Key(key));
    else
        control<QAction>(main, "aftrek2")->trigger();

    WAIT_VERIFY(program->isLoaded(QStringLiteral("frmkiesbasis1")) && program->kiesbasis1().isShown());
    QVERIFY(!shownIntro->isShown());
    QCOMPARE(&intro(), shownIntro);
    QCOMPARE(control<ui::PictureCaptionButton>(*shownIntro, "cmdkombinnen")->text(),
             QStringLiteral("Klik hier en start !"));
    QCOMPARE(main.isVisible(), mainStaysVisible);
}

void TestInfo::introReturnsToTheCentreOnActivation()
{
    frmmecenaat1 &shownIntro = intro();
    QMdiSubWindow *frame = shownIntro.subWindow();
    const QPoint centre = centredTopLeft(frame);
    QCOMPARE(frame->pos(), centre);

    frame->move(0, 0);
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&program->kiesbasis1()));
    program->kiesbasis1().Hide();
    shownIntro.Show();
    QCOMPARE(frame->pos(), centre);
    QCOMPARE(shownIntro.focusWidget(), control<ui::PictureCaptionButton>(shownIntro, "cmdkombinnen"));
}

void TestInfo::introFrameCannotBeResized()
{
    QMdiSubWindow *frame = intro().subWindow();
    const QSize designed = frame->size();
    QCOMPARE(intro().size(), QSize(744, 448));
    frame->resize(designed + QSize(100, 80));
    QCOMPARE(frame->size(), designed);
    QVERIFY(!frame->systemMenu());
    QVERIFY(intro().windowTitle().isEmpty());
}

void TestInfo::infoScreenShowsItsTexts()
{
    frminfo &info = openInfo();
    QVERIFY(info.isShown());
    QVERIFY(program->mdiForm2().isVisible());
    QCOMPARE(info.subWindow()->pos(), centredTopLeft(info.subWindow()));
    QCOMPARE(caption(info, "lblgeld"), QStringLiteral(" Sinds mijn 60ste verjaardag is de software gratis\r\n"
                                                      " via www.tobbelwerk.example "));
    QCOMPARE(control<ui::StatusBar>(info, "StatusBar1")->text(0), slogan);
    QCOMPARE(control<ui::StatusBar>(info, "StatusBar1")->tag(0), QString());
    QCOMPARE(control<ui::StatusBar>(info, "StatusBar1")->text(4), QStringLiteral("Gratis software"));
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->min(), 0.0f);
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->max(), 150.0f);
}

void TestInfo::firstTickFillsTheFieldWithBlanksOfTheWindowFont()
{
    frminfo &info = openInfo();
    const QFont windowFont = ui::designFont(QString::fromLatin1(ui::fonts::msSansSerif), 8.25);
    const double blank = ui::pixelsToTwips(QFontMetricsF(windowFont).horizontalAdvance(u' '), ui::logicalDpiX());
    const int count = static_cast<int>(ui::roundHalfEven(2000.0 / blank));

    tickTimer(info);
    QCOMPARE(control<ui::StatusBar>(info, "StatusBar1")->tag(0), blanks(count) + slogan);
    QCOMPARE(control<ui::StatusBar>(info, "StatusBar1")->text(0), blanks(count - 1) + slogan);
}

void TestInfo::progressBarCountsToTheEndAndTheProgramEnds()
{
    frminfo &info = openInfo();
    for (int tick = 1; tick <= 150; ++tick) {
        tickTimer(info);
        QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->floatValue(), float(tick));
        QCOMPARE(ends, 0);
    }
    QVERIFY(info.isShown());
    control<ui::PreciseTimer>(info, "Timer1")->start();
    tickTimer(info);
    QCOMPARE(ends, 1);
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->floatValue(), 150.0f);
    QVERIFY(!control<ui::PreciseTimer>(info, "Timer1")->isActive());
    QVERIFY(!info.isShown());
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->parentWidget(), &info);
    QVERIFY(control<ui::ProgressBar>(info, "ProgressBar1")->isHidden());
}

void TestInfo::secondActivationContinuesTheCount()
{
    frminfo &info = openInfo();
    for (int tick = 1; tick <= 100; ++tick)
        tickTimer(info);
    const QString sloganShown = control<ui::StatusBar>(info, "StatusBar1")->text(0);

    // Activation moves to the chooser (opened from the menu) and back to the information screen.
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    info.Show();
    QVERIFY(control<ui::PreciseTimer>(info, "Timer1")->isActive());
    control<ui::PreciseTimer>(info, "Timer1")->stop();
    QCOMPARE(info.teller(), 100);
    QCOMPARE(control<ui::StatusBar>(info, "StatusBar1")->text(0), sloganShown);
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->floatValue(), 0.0f);

    for (int tick = 101; tick <= 150; ++tick)
        tickTimer(info);
    QCOMPARE(ends, 0);
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->floatValue(), 150.0f);
    tickTimer(info);
    QCOMPARE(ends, 1);
}

void TestInfo::progressBarCoversTheSecondField()
{
    frminfo &info = openInfo();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    ui::StatusBar::Rect second;
    QVERIFY(control<ui::StatusBar>(info, "StatusBar1")->fieldRect(1, second));
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->parentWidget(),
             control<ui::StatusBar>(info, "StatusBar1"));
    QVERIFY(control<ui::ProgressBar>(info, "ProgressBar1")->isVisible());
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->geometry(), toQRect(second));
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->height(),
             control<ui::StatusBar>(info, "StatusBar1")->height() - second.top);

    tickTimer(info);
    control<QAction>(program->mdiForm2(), "aftrek2")->trigger();
    info.Show();
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->parentWidget(),
             control<ui::StatusBar>(info, "StatusBar1"));
    QCOMPARE(control<ui::ProgressBar>(info, "ProgressBar1")->geometry(), toQRect(second));
}

void TestInfo::statusBarFieldsLieSideBySide_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("startTwips");
    QTest::addColumn<int>("endTwips");
    QTest::newRow("slogan") << 0 << 0 << 2000;
    QTest::newRow("progress") << 1 << 2000 << 5500;
    QTest::newRow("date") << 2 << 5500 << 6700;
    QTest::newRow("time") << 3 << 6700 << 7700;
    QTest::newRow("cut off by the window's edge") << 4 << 7700 << 10700;
}

void TestInfo::statusBarFieldsLieSideBySide()
{
    QFETCH(int, index);
    QFETCH(int, startTwips);
    QFETCH(int, endTwips);
    frminfo &info = openInfo();
    ui::StatusBar::Rect field;
    QVERIFY(control<ui::StatusBar>(info, "StatusBar1")->fieldRect(index, field));
    QCOMPARE(field.left, ui::twipsToPixelsX(startTwips));
    QVERIFY(field.right <= ui::twipsToPixelsX(endTwips));
    QVERIFY(field.right >= ui::twipsToPixelsX(endTwips) - 3);
    QVERIFY(field.top >= 0);
    QCOMPARE(field.bottom, control<ui::StatusBar>(info, "StatusBar1")->height());
}

void TestInfo::statusBarKeepsToTheBottomAndShowsTheDate()
{
    frminfo &info = openInfo();
    const ui::StatusBar &bar = *control<ui::StatusBar>(info, "StatusBar1");
    QCOMPARE(bar.geometry(), QRect(0, info.height() - bar.height(), info.width(), bar.height()));
    QCOMPARE(bar.geometry(), ui::toPixels({0, 5550, 10185, 375}));
    ui::StatusBar::Rect last;
    QVERIFY(bar.fieldRect(4, last));
    QVERIFY(last.right > bar.width());

    ui::StatusBar::Rect untouched{1, 2, 3, 4};
    QVERIFY(!bar.fieldRect(5, untouched));
    QVERIFY(!bar.fieldRect(-1, untouched));
    QCOMPARE(toQRect(untouched), QRect(1, 2, 2, 2));

    const QString today =
        QLocale(QLocale::Dutch, QLocale::Netherlands).toString(QDate::currentDate(), QLocale::ShortFormat);
    QCOMPARE(bar.shownText(2), today);
    QVERIFY(QTime::fromString(bar.shownText(3), QStringLiteral("HH:mm")).isValid());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bar.text(5));
}

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
