#pragma once

#include "basic/random.h"
#include "control.h"
#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "scripteddraws.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

#include <QLineEdit>
#include <QTest>

#include <memory>
#include <utility>

// A program whose draws the test scripts, with its exercise screens opened as a pupil opens them.
class ScreenFixture {
protected:
    void setUpProgram()
    {
        auto scripted = std::make_unique<basic::ScriptedRandom>();
        random = scripted.get();
        program = std::make_unique<Program>(std::move(scripted));
        program->forms().setEndProgram([] {});
    }

    void tearDownProgram() { program.reset(); }

    // Opens a level with its button on the chooser.
    ExerciseScreen &open(const QString &window)
    {
        frmkiesbasis1 &chooser = program->kiesbasis1();
        if (!chooser.isShown())
            chooser.Show();
        QTest::mouseClick(control(chooser, exercise::levelOf(window).chooserButton), Qt::LeftButton);
        ExerciseScreen &opened = program->exerciseScreen(window);
        if (!QTest::qWaitForWindowExposed(&opened))
            qWarning("%s was not exposed", qPrintable(window));
        return opened;
    }

    // Opens a level from the chooser and starts one exercise with the given numbers.
    ExerciseScreen &startExercise(const QString &window, const QList<int> &numbers)
    {
        ExerciseScreen &screen = open(window);
        queue(screen.level(), numbers);
        QTest::mouseClick(control(screen, "cmdstart"), Qt::LeftButton);
        return screen;
    }

    // Queues the draws of one division, or of two when the screen must draw again.
    void queue(const exercise::Level &level, const QList<int> &numbers)
    {
        const qsizetype perDivision = std::holds_alternative<exercise::DirectDividend>(level.draw.dividend) ? 2 : 3;
        for (qsizetype at = 0; at < numbers.size(); at += perDivision) {
            for (float draw : scripted::divisionFor(level, numbers.mid(at, perDivision)))
                random->push({draw});
        }
    }

    static void type(ExerciseScreen &screen, const QString &quotientText, const QString &restText)
    {
        for (auto [box, text] : {std::pair{"txtquotient", quotientText}, std::pair{"txtrest", restText}}) {
            control<QLineEdit>(screen, box)->clear();
            QTest::keyClicks(control(screen, box), text);
        }
    }

    static void answer(ExerciseScreen &screen, const QString &quotientText, const QString &restText)
    {
        type(screen, quotientText, restText);
        QTest::mouseClick(control(screen, "cmdjuist"), Qt::LeftButton);
    }

    // Moves the mouse onto a control from the window's corner, so that it arrives wherever it was before.
    static void pointAt(ExerciseScreen &screen, const char *name)
    {
        QTest::mouseMove(screen.windowHandle(), QPoint(1, 1));
        QTest::mouseMove(screen.windowHandle(), control(screen, name)->geometry().center());
    }

    std::unique_ptr<Program> program;
    basic::ScriptedRandom *random = nullptr;
};
