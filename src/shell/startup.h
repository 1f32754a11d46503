#pragma once

#include <functional>

class Program;
class QApplication;

// The whole run of the program, from the application object to the end of the event loop.
// The benchmark's probe passes hooks; the program itself passes none.
struct StartupHooks {
    std::function<void(QApplication &, Program &)> beforeStart;
    std::function<void(QApplication &, Program &)> afterStart;
    std::function<void()> afterEnd;
};

int runRekenrups(int argc, char *argv[], const StartupHooks &hooks = {});
