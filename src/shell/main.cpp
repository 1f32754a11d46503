#include "shell/benchreport.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/form.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a terse message when it finds no display; a teacher gets a plain answer instead.
bool displayMissing()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return false;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return !(x11 && *x11) && !(wayland && *wayland);
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        std::fputs("rekenrups: er is geen beeldscherm (no display found).\n"
                   "Start rekenrups op een bureaublad, of zonder scherm met: xvfb-run -a rekenrups\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rekenrups"));
    QApplication::setDesktopFileName(QStringLiteral("rekenrups"));
    // One look on every desktop: the buttons must show their own back colours.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    Program program;
    if (bench::FirstPaintReport::wanted())
        program.mdiForm2().installEventFilter(new bench::FirstPaintReport(&app));
    program.start();
    // With REKENRUPS_BENCH_INFO set, the information screen opens at once, as from the chooser's
    // stop button, and bench/run times it until the program has ended.
    const bool benchInfo = qEnvironmentVariableIsSet("REKENRUPS_BENCH_INFO");
    if (benchInfo) {
        bench::report("info-opened");
        program.frmmecenaat1().Hide();
        program.kiesbasis1().cmdeinde_Click();
    }
    const int code = QApplication::exec();
    if (benchInfo)
        bench::report("program-ended");
    return code;
}
