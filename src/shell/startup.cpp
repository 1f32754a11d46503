#include "shell/startup.h"

#include "shell/program.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Qt 6 takes the Wayland platform first wherever it is installed, and there a program can neither
// place its windows nor ask for a frame without buttons; through XWayland it can. A platform the
// user names wins, and Wayland stays as the fall-back where no X display answers. Elsewhere the
// system's own platform is the only one: Wine, or an X server on Windows or macOS, sets DISPLAY too.
void preferX11()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "xcb;wayland");
#endif
}

// While the application object starts its platform Qt's messages are held: on success they go out
// as usual, and when no display can be used Qt's fatal message and abort give way to a plain answer.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// The display the platform tried, as the user named it; empty when none was named.
QString namedDisplay()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.startsWith(u"wayland") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        return qEnvironmentVariable("DISPLAY");
    return qEnvironmentVariable("WAYLAND_DISPLAY");
}

[[noreturn]] void noUsableDisplay()
{
    const QString display = namedDisplay();
    const QString what =
        display.isEmpty()
            ? QStringLiteral("er is geen beeldscherm (no display found)")
            : QStringLiteral("het beeldscherm %1 is niet te openen (cannot open display %1)").arg(display);
    std::fprintf(stderr,
                 "rekenrups: %s.\n"
                 "Start rekenrups op een bureaublad, of zonder scherm met: xvfb-run -a rekenrups\n"
                 "(Start it on a desktop, or without a screen with: xvfb-run -a rekenrups)\n",
                 qUtf8Printable(what));
    for (const HeldMessage &held : heldMessages)
        std::fprintf(stderr, "  %s: %s\n", held.category.c_str(), qUtf8Printable(held.text));
    std::fflush(stderr);
    std::_Exit(1);
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        noUsableDisplay();
    heldMessages.push_back({type, context.category ? context.category : "default", text});
}

// Qt hands back its default handler where none was installed before, never a null one.
void releaseHeldMessages(QtMessageHandler previous)
{
    qInstallMessageHandler(previous);
    for (const HeldMessage &held : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        previous(held.type, context, held.text);
    }
    heldMessages.clear();
}

} // namespace

int runRekenrups(int argc, char *argv[], const StartupHooks &hooks)
{
    preferX11();
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    QApplication app(argc, argv);
    releaseHeldMessages(previous);
#ifdef Q_OS_WASM
    // Qt's browser platform warns, once its screen-reader tree is on, that the application object
    // has no window to lie in: nothing a child's console needs.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.accessibility.warning=false"));
#endif
    QApplication::setApplicationName(QStringLiteral("rekenrups"));
    QApplication::setDesktopFileName(QStringLiteral("rekenrups"));
    // One look on every desktop: the buttons must show their own back colours.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The windows' default font, also for the menu and the status bar; it spares loading a
    // second face for the few texts that have no font of their own.
    QApplication::setFont(ui::designFont(QString::fromLatin1(ui::fonts::msSansSerif), 8.25));

    Program program(hooks.random ? hooks.random() : nullptr);
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
