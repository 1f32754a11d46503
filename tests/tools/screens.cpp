// Renders the program's windows in a few states to PNG files, for looking at the layout:
//   rekenrups_screens <folder>   (any platform; QT_SCALE_FACTOR=2 shows the high-DPI look)
#include "basic/random.h"
#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

#include <QApplication>
#include <QDir>
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
    program.mdiForm2().aftrek2_Click();
    save(&program.kiesbasis1(), folder, QStringLiteral("chooser"));

    for (const exercise::Level &level : exercise::levels()) {
        const QString name = QString::fromLatin1(level.windowName);
        frmkiesbasis1 &chooser = program.kiesbasis1();
        chooser.Show();
        QTest::mouseClick(chooser.findChild<QPushButton *>(QString::fromLatin1(level.chooserButton)), Qt::LeftButton);
        auto &screen = program.exerciseScreen(name);
        save(&screen, folder, name + QStringLiteral("-ready"));
        QTest::mouseClick(screen.cmdstart, Qt::LeftButton);
        screen.cmdstart_MouseMove();
        save(&screen, folder, name + QStringLiteral("-exercise"));
        QTest::mouseClick(screen.cmdcontrole1, Qt::LeftButton);
        QTest::mouseClick(screen.cmdcontrole, Qt::LeftButton);
        screen.cmdcontrole_MouseMove();
        save(&screen, folder, name + QStringLiteral("-helped"));
        QTest::keyClicks(screen.txtquotient, QString::number(screen.quotient));
        if (screen.txtrest->text().isEmpty())
            QTest::keyClicks(screen.txtrest, QString::number(screen.rest));
        QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
        save(&screen, folder, name + QStringLiteral("-right"));
        QTest::mouseClick(screen.cmdstart, Qt::LeftButton);
        QTest::keyClicks(screen.txtquotient, QStringLiteral("7"));
        QTest::mouseClick(screen.cmdjuist, Qt::LeftButton);
        save(&screen, folder, name + QStringLiteral("-wrong"));
        QTest::mouseClick(screen.cmdstop, Qt::LeftButton);
    }
    program.kiesbasis1().cmdeinde_Click();
    save(&program.mdiForm2(), folder, QStringLiteral("info"));
    return 0;
}
