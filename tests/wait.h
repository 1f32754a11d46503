#pragma once

#include <QTest>
#include <QWindow>

// Waiting in a test for what the event loop brings, written once for every Qt the scripts meet
// (6.4 on Debian 12, 6.8 on Debian 13). Qt's own QTRY_VERIFY and QTRY_COMPARE are not used: in
// Qt 6.8 they assign a std::chrono count to an int inside qtestcase.h, which -Wconversion reports
// in every test that uses them, and CI builds with warnings as errors.

// Handles events until expr holds, for at most 5 s, then checks it as QVERIFY does.
#define WAIT_VERIFY(expr)                                                                                              \
    do {                                                                                                               \
        static_cast<void>(QTest::qWaitFor([&] { return static_cast<bool>(expr); }));                                   \
        QVERIFY(expr);                                                                                                 \
    } while (false)

// Handles events until actual equals expected, for at most 5 s, then compares them as QCOMPARE does.
#define WAIT_COMPARE(actual, expected)                                                                                 \
    do {                                                                                                               \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }));                                    \
        QCOMPARE(actual, expected);                                                                                    \
    } while (false)

// Another application, as the program sees one: a window that is no widget. While it has the
// focus, no window of Qt Widgets is active, as when the pupil has clicked into another program.
// (QApplication::setActiveWindow(nullptr) did this before Qt 6.5 deprecated it.)
class AnotherApplication {
public:
    AnotherApplication() { m_window.resize(100, 100); }

    // Takes the focus from the program's windows; true once it has it, within 5 s.
    bool takeFocus()
    {
        m_window.show();
        m_window.requestActivate();
        return QTest::qWaitForWindowActive(&m_window);
    }

private:
    QWindow m_window;
};
