#pragma once

#include <functional>
#include <memory>

namespace basic {
class RandomSource;
}
class Program;
class QApplication;

// The whole run of the program, from the application object to the end of the event loop.
// The benchmark's probe and the Windows road's driver pass hooks; the program itself passes none.
struct StartupHooks {
    // The source the divisions are drawn from; the clock's when none is given.
    std::function<std::unique_ptr<basic::RandomSource>()> random;
    std::function<void(QApplication &, Program &)> beforeStart;
    std::function<void(QApplication &, Program &)> afterStart;
    std::function<void()> afterEnd;
};

int runRekenrups(int argc, char *argv[], const StartupHooks &hooks = {});
