#include "shell/benchreport.h"

#include <QApplication>
#include <QMainWindow>
#include <QStyleFactory>

// The yardstick for the start-up of rekenrups: an empty main window, shown maximised in the same
// style, built with the same flags, reporting its first paint through the same hook.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("barewindow"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("barewindow"));
    if (bench::FirstPaintReport::wanted())
        window.installEventFilter(new bench::FirstPaintReport(&app));
    window.showMaximized();
    return QApplication::exec();
}
