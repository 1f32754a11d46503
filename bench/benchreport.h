#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

// Hooks for bench/run, inert unless their environment variable is set. Each report is one line:
// the event, the wall-clock time in microseconds since the epoch, the peak memory in kB.
namespace bench {

inline void report(const char *event)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s %lld %ld\n", event,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                usage.ru_maxrss);
    std::fflush(stdout);
}

// Installed on the main window when REKENRUPS_BENCH_FIRST_PAINT is set: reports its first paint
// and ends the program.
class FirstPaintReport : public QObject {
public:
    using QObject::QObject;

    static bool wanted() { return qEnvironmentVariableIsSet("REKENRUPS_BENCH_FIRST_PAINT"); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The backing store reaches the screen only after the last paint event of this pass.
            QTimer::singleShot(0, this, [] {
                report("first-paint");
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace bench
