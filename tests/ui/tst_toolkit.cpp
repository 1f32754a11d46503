#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/formmanager.h"
#include "ui/int16.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/random.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

// A form that counts its handlers, with a label, a hidden button and a shape to point at.
class ProbeForm : public ui::Form {
public:
    explicit ProbeForm(ui::FormManager &manager, const QString &name = QStringLiteral("probe"))
        : ui::Form(manager, name)
    {
        setClientSizeTwips(6000, 4500);
        label = static_cast<ui::Label *>(ui::buildControl(
            this, {"lblprobe", -1, ui::Kind::Label, "label", "", {300, 300, 1500, 600}, {}, 0x808080}));
        hidden = static_cast<ui::CommandButton *>(ui::buildControl(
            this, {"cmdhidden", -1, ui::Kind::Button, "x", "", {300, 1500, 1500, 600}, {}, {}, {}, false}));
        shape = ui::buildControl(this, {"Shape1", -1, ui::Kind::Shape, "", "", {3000, 300, 2400, 2400}, {}, 0xFF0000});
        front = static_cast<ui::CommandButton *>(
            ui::buildControl(this, {"cmdfront", -1, ui::Kind::Button, "front", "", {300, 3000, 1500, 600}}));
        back = static_cast<ui::CommandButton *>(
            ui::buildControl(this, {"cmdback", -1, ui::Kind::Button, "back", "", {300, 3000, 1200, 600}}));
        ui::stackFrontToBack({front, back, label, shape});
    }
    void Form_Activate() override { ++activations; }
    void Form_MouseMove() override { ++formMoves; }

    int activations = 0;
    int formMoves = 0;
    ui::Label *label = nullptr;
    ui::CommandButton *hidden = nullptr;
    ui::CommandButton *front = nullptr;
    ui::CommandButton *back = nullptr;
    QWidget *shape = nullptr;
};

QPoint centreOf(const QWidget *control)
{
    return control->geometry().center();
}

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT

private slots:
    void twipsBecomePixelsThroughTheDpi_data();
    void twipsBecomePixelsThroughTheDpi();
    void halvesRoundToTheEvenNeighbour_data();
    void halvesRoundToTheEvenNeighbour();
    void coloursAreBlueGreenRed_data();
    void coloursAreBlueGreenRed();
    void checkedArithmeticRefusesOverflow_data();
    void checkedArithmeticRefusesOverflow();
    void countersStopAtTheTop();
    void captionsReadAsSixteenBitIntegers_data();
    void captionsReadAsSixteenBitIntegers();
    void numbersBecomePlainText();
    void clockDrawsStayBelowOne();
    void scriptedDrawsComeInOrder();
    void labelKeepsItsCrLfCaption();
    void controlArrayHasOnlyDesignedIndices();

    void showRunsActivateEachTime();
    void activationBetweenFormsRunsActivate();
    void roundTripThroughAnotherApplicationKeepsTheForm();
    void mouseMovesBelongToTheControlUnderThePointer();
    void clickReachesTheFrontButtonOfTwo();
    void closeRequestIsRefusedUnlessTheSessionEnds();
    void closeFromTheApplicationQuittingIsAccepted();
    void formCentresOnTheDisplay();
    void formTallerThanTheDisplayKeepsItsTopOnIt();
    void documentFormHasAFixedBorderAndNoTitleBar();

    void focusFrameStandsOutOnEveryFace_data();
    void focusFrameStandsOutOnEveryFace();
    void pictureButtonIsDrawnInItsOwnColour();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();
};

void TestToolkit::twipsBecomePixelsThroughTheDpi_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("96 dpi, 15 twips a pixel") << 10110.0 << 96.0 << 674;
    QTest::newRow("96 dpi, half pixel rounds to even") << 7.5 << 96.0 << 0;
    QTest::newRow("96 dpi, one and a half rounds to two") << 22.5 << 96.0 << 2;
    QTest::newRow("120 dpi") << 1440.0 << 120.0 << 120;
    QTest::newRow("120 dpi, 12 twips a pixel") << 6825.0 << 120.0 << 569;
    QTest::newRow("144 dpi") << 735.0 << 144.0 << 74;
    QTest::newRow("144 dpi, exact half to even") << 5.0 << 144.0 << 0;
    QTest::newRow("192 dpi") << 10110.0 << 192.0 << 1348;
}

void TestToolkit::twipsBecomePixelsThroughTheDpi()
{
    QFETCH(double, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(ui::twipsToPixels(twips, dpi), pixels);
}

void TestToolkit::halvesRoundToTheEvenNeighbour_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("44.4") << 44.4 << 44.0;
    QTest::newRow("44.5") << 44.5 << 44.0;
    QTest::newRow("45.5") << 45.5 << 46.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
}

void TestToolkit::halvesRoundToTheEvenNeighbour()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(ui::roundHalfEven(value), rounded);
}

void TestToolkit::coloursAreBlueGreenRed_data()
{
    QTest::addColumn<uint>("stored");
    QTest::addColumn<QColor>("color");
    QTest::newRow("red") << 0x0000FFu << QColor(255, 0, 0);
    QTest::newRow("green") << 0x00FF00u << QColor(0, 255, 0);
    QTest::newRow("exercise orange") << 0x80C0FFu << QColor(255, 192, 128);
    QTest::newRow("main window") << 0x8AE2EAu << QColor(234, 226, 138);
}

void TestToolkit::coloursAreBlueGreenRed()
{
    QFETCH(uint, stored);
    QFETCH(QColor, color);
    QCOMPARE(ui::toQColor(stored), color);
    QCOMPARE(ui::fromQColor(color), stored);
}

void TestToolkit::checkedArithmeticRefusesOverflow_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("result"); // ignored when it overflows
    QTest::addColumn<bool>("overflows");
    QTest::newRow("add to the top") << 0 << 32766 << 1 << 32767 << false;
    QTest::newRow("add past the top") << 0 << 32767 << 1 << 0 << true;
    QTest::newRow("sub to the bottom") << 1 << -32767 << 1 << -32768 << false;
    QTest::newRow("sub past the bottom") << 1 << -32768 << 1 << 0 << true;
    QTest::newRow("mul in range") << 2 << 181 << 181 << 32761 << false;
    QTest::newRow("mul past the top") << 2 << 182 << 181 << 0 << true;
    QTest::newRow("div truncates towards zero") << 3 << -7 << 2 << -3 << false;
    QTest::newRow("div of the bottom by -1") << 3 << -32768 << -1 << 0 << true;
}

void TestToolkit::checkedArithmeticRefusesOverflow()
{
    QFETCH(int, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, result);
    QFETCH(bool, overflows);
    const auto x = static_cast<ui::Int16>(a);
    const auto y = static_cast<ui::Int16>(b);
    auto compute = [&] {
        switch (op) {
        case 0:
            return ui::add16(x, y);
        case 1:
            return ui::sub16(x, y);
        case 2:
            return ui::mul16(x, y);
        default:
            return ui::div16(x, y);
        }
    };
    if (overflows)
        QVERIFY_THROWS_EXCEPTION(ui::OverflowError, compute());
    else
        QCOMPARE(compute(), result);
}

void TestToolkit::countersStopAtTheTop()
{
    QCOMPARE(ui::countUp(0), 1);
    QCOMPARE(ui::countUp(32766), 32767);
    QCOMPARE(ui::countUp(32767), 32767);
    QVERIFY_THROWS_EXCEPTION(ui::DivisionByZeroError, ui::div16(5, 0));
}

void TestToolkit::captionsReadAsSixteenBitIntegers_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("seven") << "7" << 7;
    QTest::newRow("negative") << "-12" << -12;
    QTest::newRow("top") << "32767" << 32767;
    QTest::newRow("past the top") << "40000" << 32767;
    QTest::newRow("hundred digits") << QString(100, u'9') << 32767;
    QTest::newRow("bottom") << "-32768" << -32768;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("words") << "vier" << 0;
    QTest::newRow("sign only") << "+" << 0;
}

void TestToolkit::captionsReadAsSixteenBitIntegers()
{
    QFETCH(QString, caption);
    QFETCH(int, value);
    QCOMPARE(ui::captionToInt16(caption), value);
}

void TestToolkit::numbersBecomePlainText()
{
    QCOMPARE(ui::toText(0), QStringLiteral("0"));
    QCOMPARE(ui::toText(201), QStringLiteral("201"));
    QCOMPARE(ui::toText(-5), QStringLiteral("-5"));
}

void TestToolkit::clockDrawsStayBelowOne()
{
    ui::ClockRandom random;
    float highest = 0;
    for (int i = 0; i < 200000; ++i) {
        if (i % 1000 == 0)
            random.reseedFromClock();
        const float r = random.draw();
        QVERIFY(r >= 0.0f);
        QVERIFY(r < 1.0f);
        highest = std::max(highest, r);
    }
    QVERIFY(highest > 0.99f);
}

void TestToolkit::scriptedDrawsComeInOrder()
{
    ui::ScriptedRandom random({0.5f, 0.25f});
    random.push({0.999f});
    random.reseedFromClock();
    QCOMPARE(random.draw(), 0.5f);
    QCOMPARE(random.draw(), 0.25f);
    QCOMPARE(random.draw(), 0.999f);
    QCOMPARE(random.reseeds(), 1);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, random.draw());
}

void TestToolkit::labelKeepsItsCrLfCaption()
{
    ui::Label label;
    const QString caption = QStringLiteral(" nieuwe oefening \r\n klik hier ! ");
    label.setCaption(caption);
    QCOMPARE(label.caption(), caption);
    QVERIFY(!label.text().contains(u'\r'));
    QCOMPARE(label.text().count(u'\n'), 1);
    QVERIFY(label.wordWrap());
}

void TestToolkit::controlArrayHasOnlyDesignedIndices()
{
    ui::Label zero;
    ui::Label seven;
    ui::ControlArray<ui::Label> lblhulp;
    lblhulp.add(0, &zero);
    lblhulp.add(7, &seven);
    QCOMPARE(&lblhulp(7), &seven);
    QVERIFY(!lblhulp.contains(5));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, lblhulp(5));
}

void TestToolkit::showRunsActivateEachTime()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.activations, 1);
    form.Hide();
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.activations, 2);
}

void TestToolkit::activationBetweenFormsRunsActivate()
{
    ui::FormManager manager;
    ProbeForm first(manager, QStringLiteral("first"));
    ProbeForm second(manager, QStringLiteral("second"));
    first.Show();
    QVERIFY(QTest::qWaitForWindowActive(&first));
    second.Show();
    QVERIFY(QTest::qWaitForWindowActive(&second));
    QCOMPARE(first.activations, 1);
    QCOMPARE(second.activations, 1);
    first.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&first));
    QCOMPARE(first.activations, 2);
    QCOMPARE(second.activations, 1);
}

void TestToolkit::roundTripThroughAnotherApplicationKeepsTheForm()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.activations, 1);
    // Another application takes the focus, and then the child comes back.
    QApplication::setActiveWindow(nullptr);
    QTRY_VERIFY(!form.isActiveWindow());
    QApplication::setActiveWindow(&form);
    QTRY_VERIFY(form.isActiveWindow());
    QCOMPARE(form.activations, 1);
}

void TestToolkit::mouseMovesBelongToTheControlUnderThePointer()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy labelMoves(form.label, &ui::Label::mouseMoved);

    QTest::mouseMove(form.windowHandle(), centreOf(form.label));
    QTRY_COMPARE(labelMoves.count(), 1);
    QCOMPARE(form.formMoves, 0);

    QTest::mouseMove(form.windowHandle(), centreOf(form.shape));
    QTRY_COMPARE(form.formMoves, 1);

    QTest::mouseMove(form.windowHandle(), centreOf(form.hidden));
    QTRY_COMPARE(form.formMoves, 2);
    QCOMPARE(labelMoves.count(), 1);
}

void TestToolkit::clickReachesTheFrontButtonOfTwo()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy frontClicks(form.front, &QPushButton::clicked);
    QSignalSpy backClicks(form.back, &QPushButton::clicked);
    const QPoint common = form.back->geometry().center();

    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, common);
    QTRY_COMPARE(frontClicks.count(), 1);
    QCOMPARE(backClicks.count(), 0);

    form.front->hide();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, common);
    QTRY_COMPARE(backClicks.count(), 1);
    QCOMPARE(frontClicks.count(), 1);
}

void TestToolkit::closeRequestIsRefusedUnlessTheSessionEnds()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());

    bool ended = false;
    manager.setEndProgram([&ended] { ended = true; });
    manager.endProgram();
    QVERIFY(ended);
    QVERIFY(form.close());
}

void TestToolkit::formCentresOnTheDisplay()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    form.centreOnDisplay();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = form.frameGeometry();
    QVERIFY(qAbs(frame.left() - (screen.width() - frame.width()) / 2) <= 1);
    QVERIFY(qAbs(frame.top() - (screen.height() - frame.height()) / 2) <= 1);
}

void TestToolkit::closeFromTheApplicationQuittingIsAccepted()
{
    // Takes the quit after the form manager has seen it, so that the test run itself goes on.
    struct SwallowQuit : QObject {
        bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Quit; }
    } swallow;
    qApp->installEventFilter(&swallow);
    ui::FormManager manager;
    ProbeForm form(manager);
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.close());

    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    QVERIFY(manager.quitting());
    QVERIFY(form.close());
    qApp->removeEventFilter(&swallow);
}

void TestToolkit::formTallerThanTheDisplayKeepsItsTopOnIt()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    form.resize(screen.width() / 2, screen.height() + 200);
    form.centreOnDisplay();
    QCOMPARE(form.frameGeometry().top(), 0);
    QVERIFY(qAbs(form.frameGeometry().left() - (screen.width() - form.frameGeometry().width()) / 2) <= 1);
}

void TestToolkit::documentFormHasAFixedBorderAndNoTitleBar()
{
    ui::FormManager manager;
    QMdiArea area;
    area.resize(1000, 800);
    ProbeForm form(manager);
    form.makeDocumentWindow(&area);
    form.setClientSizeTwips(6000, 4500);
    area.show();
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));

    QMdiSubWindow *frame = form.subWindow();
    QVERIFY(frame->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(frame->size(), QSize(400, 300) + QSize(6, 6));
    QCOMPARE(form.mapTo(frame, QPoint(0, 0)), QPoint(3, 3));
    QCOMPARE(ui::Form::ofSubWindow(frame), &form);
    frame->resize(frame->size() + QSize(50, 50));
    QCOMPARE(frame->size(), QSize(406, 306));
    // Ctrl+F4 closes the document frame: a request from the user, refused.
    QVERIFY(!frame->close());
    QVERIFY(form.isShown());
}

void TestToolkit::focusFrameStandsOutOnEveryFace_data()
{
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("frame");
    QTest::newRow("purple start button") << QColor(192, 0, 192) << QColor(Qt::white);
    QTest::newRow("dark red stop button") << QColor(128, 0, 0) << QColor(Qt::white);
    QTest::newRow("light green help button") << QColor(192, 255, 192) << QColor(Qt::black);
    QTest::newRow("green check button") << QColor(128, 255, 128) << QColor(Qt::black);
    QTest::newRow("white intro button") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("middle grey") << QColor(128, 128, 128) << QColor(Qt::black);
    QTest::newRow("pure blue") << QColor(0, 0, 255) << QColor(Qt::white);
}

void TestToolkit::focusFrameStandsOutOnEveryFace()
{
    QFETCH(QColor, face);
    QFETCH(QColor, frame);
    QCOMPARE(ui::contrastingColor(face), frame);
    QVERIFY2(ui::contrastRatio(face, frame) >= 4.5, qPrintable(QString::number(ui::contrastRatio(face, frame))));
    QCOMPARE(ui::contrastRatio(frame, face), ui::contrastRatio(face, frame));
}

void TestToolkit::pictureButtonIsDrawnInItsOwnColour()
{
    ui::FormManager manager;
    ProbeForm form(manager);
    auto *button = static_cast<ui::CommandButton *>(ui::buildControl(&form, {.name = "cmdstart",
                                                                             .kind = ui::Kind::PictureButton,
                                                                             .toolTip = "start",
                                                                             .place = {3000, 3000, 1575, 735},
                                                                             .back = ui::rgb(192, 0, 192),
                                                                             .picture = pictures::startIcon}));
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QColor purple(192, 0, 192);
    const int middle = button->height() / 2;
    const auto at = [button](int x, int y) { return button->grab().toImage().pixelColor(x, y); };

    // At rest: the classic raised edge, and the face in the design colour beside the picture.
    form.front->setFocus();
    QCOMPARE(at(0, 0), QColor(Qt::white));
    QCOMPARE(at(button->width() - 1, button->height() - 1), QColor(Qt::black));
    QCOMPARE(at(1, 1), QColor(223, 223, 223));
    QCOMPARE(at(3, middle), purple);
    QCOMPARE(at(8, middle), purple);
    QCOMPARE(at(button->width() - 9, middle), purple);

    // Focused, before any key was pressed: a frame that stands out against the face.
    button->setFocus();
    QVERIFY(button->hasFocus());
    QVERIFY(ui::contrastRatio(at(3, middle), purple) >= 3.0);
    QVERIFY(ui::contrastRatio(at(4, middle), purple) >= 3.0);
    QCOMPARE(at(8, middle), purple);

    // Held down: a flat dark rim instead of the raised edge.
    button->setDown(true);
    QCOMPARE(at(0, 0), QColor(Qt::black));
    QCOMPARE(at(1, 1), QColor(128, 128, 128));
    QCOMPARE(at(8, middle), purple);
}

void TestToolkit::enterAndSpacePressTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Enter held down repeats nothing") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 0;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
    QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << false << 0;
}

void TestToolkit::enterAndSpacePressTheFocusedButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(int, clicks);
    ui::FormManager manager;
    ProbeForm form(manager);
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.front->setFocus();
    QSignalSpy clicked(form.front, &QPushButton::clicked);
    const auto keyModifiers = Qt::KeyboardModifiers(modifiers);
    if (autoRepeat) {
        QKeyEvent repeated(QEvent::KeyPress, key, keyModifiers, QString(), true);
        QCoreApplication::sendEvent(form.front, &repeated);
    } else {
        QTest::keyClick(form.front, Qt::Key(key), keyModifiers);
    }
    QCOMPARE(clicked.count(), clicks);
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
