#include "benchreport.h"
#include "exercise/exercisescreen.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "shell/startup.h"
#include "ui/form.h"

#include <QApplication>
#include <QPushButton>

// rekenrups as bench/run times it: the program's own start-up code, with hooks that the shipped
// program does not have. REKENRUPS_BENCH_FIRST_PAINT reports the main window's first paint and
// ends; REKENRUPS_BENCH_INFO opens the information screen at once, as the chooser's stop button
// does, and reports its opening and the end of the program.
int main(int argc, char *argv[])
{
    const bool benchInfo = qEnvironmentVariableIsSet("REKENRUPS_BENCH_INFO");
    StartupHooks hooks;
    hooks.beforeStart = [](QApplication &app, Program &program) {
        if (bench::FirstPaintReport::wanted())
            program.mdiForm2().installEventFilter(new bench::FirstPaintReport(&app));
    };
    if (benchInfo) {
        hooks.afterStart = [](QApplication &, Program &program) {
            bench::report("info-opened");
            program.frmmecenaat1().Hide();
            program.kiesbasis1().findChild<QPushButton *>(QStringLiteral("cmdeinde"))->click();
        };
        hooks.afterEnd = [] { bench::report("program-ended"); };
    }
    return runRekenrups(argc, argv, hooks);
}
