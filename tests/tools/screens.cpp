// Renders the program's windows in a few states to PNG files, for looking at the layout:
//   rekenrups_screens <folder>   (any platform; QT_SCALE_FACTOR=2 shows the high-DPI look)
#include "basic/random.h"
#include "control.h"
#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>
#include <memory>
#include <random>

namespace {

// The same divisions on every run, so that two runs can be compared picture by picture.
class SeededRandom final : public basic::RandomSource {
public:
    void reseedFromClock() override {}
    float draw() override { return std::uniform_real_distribution<float>(0.0f, 0.99999f)(m_generator); }

private:
    std::mt19937 m_generator{20261208};
};

void save(QWidget *window, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

// The hint a control shows as the mouse passes over it, without moving the mouse that the picture would show.
void pointAt(QWidget *control)
{
    const QPointF centre = QRectF(control->rect()).center();
    QMouseEvent move(QEvent::MouseMove, centre, control->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(control, &move);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    Program program(std::make_unique<SeededRandom>());
    program.forms().setEndProgram([] {});
    program.start();
    save(&program.mdiForm2(), folder, QStringLiteral("main"));
    control<QAction>(program.mdiForm2(), "aftrek2")->trigger();
    save(&program.kiesbasis1(), folder, QStringLiteral("chooser"));

    for (const exercise::Level &level : exercise::levels()) {
        const QString name = QString::fromLatin1(level.windowName);
        frmkiesbasis1 &chooser = program.kiesbasis1();
        chooser.Show();
        QTest::mouseClick(control(chooser, level.chooserButton), Qt::LeftButton);
        auto &screen = program.exerciseScreen(name);
        save(&screen, folder, name + QStringLiteral("-ready"));
        QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
        pointAt(control(screen, "cmdstart"));
        save(&screen, folder, name + QStringLiteral("-exercise"));
        QTest::mouseClick(control(screen, "cmdcontrole1"), Qt::LeftButton);
        QTest::mouseClick(control(screen, "cmdcontrole"), Qt::LeftButton);
        pointAt(control(screen, "cmdcontrole"));
        save(&screen, folder, name + QStringLiteral("-helped"));
        QTest::keyClicks(control<ui::TextBox>(screen, "txtquotient"), caption(screen, "lblquotient"));
        if (control<ui::TextBox>(screen, "txtrest")->text().isEmpty())
            QTest::keyClicks(control<ui::TextBox>(screen, "txtrest"), caption(screen, "lblrest"));
        QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
        save(&screen, folder, name + QStringLiteral("-right"));
        QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
        QTest::keyClicks(control<ui::TextBox>(screen, "txtquotient"), QStringLiteral("7"));
        QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
        save(&screen, folder, name + QStringLiteral("-wrong"));
        QTest::mouseClick(control(screen, "cmdstop"), Qt::LeftButton);
    }
    QTest::mouseClick(control(program.kiesbasis1(), "cmdeinde"), Qt::LeftButton);
    save(&program.mdiForm2(), folder, QStringLiteral("info"));
    return 0;
}
