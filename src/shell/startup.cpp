#include "shell/startup.h"

#include "shell/program.h"
#include "ui/fonts.h"

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

int runRekenrups(int argc, char *argv[], const StartupHooks &hooks)
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
    // The windows' default font, also for the menu and the status bar; it spares loading a
    // second face for the few texts that have no font of their own.
    QApplication::setFont(ui::designFont(QString::fromLatin1(ui::fonts::msSansSerif), 8.25));

    Program program;
    if (hooks.beforeStart)
        hooks.beforeStart(app, program);
    program.start();
    if (hooks.afterStart)
        hooks.afterStart(app, program);
    const int code = QApplication::exec();
    if (hooks.afterEnd)
        hooks.afterEnd();
    return code;
}
