#include "benchreport.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
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
    // With --text the window also has what any real window shows: a menu and a line of text, so
    // the toolkit loads its fonts as rekenrups must.
    if (app.arguments().contains(QStringLiteral("--text"))) {
        window.menuBar()->addMenu(QStringLiteral("OPENEN "))->addAction(QStringLiteral("&Basis"));
        window.setCentralWidget(new QLabel(QStringLiteral("Alle kinderen moeten alle kansen krijgen."), &window));
    }
    if (bench::FirstPaintReport::wanted())
        window.installEventFilter(new bench::FirstPaintReport(&app));
    window.showMaximized();
    return QApplication::exec();
}
