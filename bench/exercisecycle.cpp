#include "control.h"
#include "exercise/exercisescreen.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Times whole exercise cycles on the first level as a pupil goes through them: start, type the
// quotient and the remainder, check, and let the screen repaint. Prints one line,
//   cycle-us MEDIAN MEAN CYCLES RIGHT
// with the median and mean time of a cycle in microseconds and the number of cycles the screen
// counted right.

namespace {

constexpr int warmUpCycles = 100;
constexpr int timedCycles = 10000;
const QString level = QStringLiteral("frmrekenrups100");

void cycle(ExerciseScreen &s)
{
    QTest::mouseClick(control(s, "cmdstart"), Qt::LeftButton);
    const int deeltal = caption(s, "lbldeeltal").toInt();
    const int deler = caption(s, "lbldeler").toInt();
    if (deler > 0) {
        QTest::keyClicks(control<ui::TextBox>(s, "txtquotient"), QString::number(deeltal / deler));
        QTest::keyClicks(control<ui::TextBox>(s, "txtrest"), QString::number(deeltal % deler));
    }
    QTest::mouseClick(control(s, "cmdjuist"), Qt::LeftButton);
    QCoreApplication::processEvents();
}

// The count after " aantal juist = " in the statistics text.
long rightAnswers(const ui::Label &lblaantal)
{
    const QString text = lblaantal.caption();
    const QString key = QStringLiteral("aantal juist = ");
    const qsizetype at = text.indexOf(key);
    if (at < 0)
        return -1;
    return text.mid(at + key.size()).section(QLatin1Char('\r'), 0, 0).trimmed().toLong();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Program program;
    program.start();
    program.frmmecenaat1().Hide();
    program.kiesbasis1().openLevel(level);
    // Let the window system's show and activation events land first, as they do before a pupil's first click.
    QTest::qWait(200);
    ExerciseScreen &screen = program.exerciseScreen(level);
    for (int i = 0; i < warmUpCycles; ++i)
        cycle(screen);
    const long rightBefore = rightAnswers(*control<ui::Label>(screen, "lblaantal"));

    std::vector<double> micros;
    micros.reserve(timedCycles);
    for (int i = 0; i < timedCycles; ++i) {
        const auto start = std::chrono::steady_clock::now();
        cycle(screen);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    const long right = rightAnswers(*control<ui::Label>(screen, "lblaantal")) - rightBefore;

    double total = 0;
    for (double m : micros)
        total += m;
    std::nth_element(micros.begin(), micros.begin() + timedCycles / 2, micros.end());
    std::printf("cycle-us %.1f %.1f %d %ld\n", micros[timedCycles / 2], total / timedCycles, timedCycles, right);
    return 0;
}
