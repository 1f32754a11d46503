#pragma once

#include "basic/random.h"
#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

#include <QPushButton>
#include <QTest>

#include <memory>

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

    ExerciseScreen &screen(const QString &window) { return program->exerciseScreen(window); }

    // Opens a level with its button on the chooser.
    ExerciseScreen &open(const QString &window)
    {
        frmkiesbasis1 &chooser = program->kiesbasis1();
        if (!chooser.isShown())
            chooser.Show();
        auto *button = chooser.findChild<QPushButton *>(QString::fromLatin1(exercise::levelOf(window).chooserButton));
        if (!button)
            qFatal("no chooser button for %s", qPrintable(window));
        QTest::mouseClick(button, Qt::LeftButton);
        ExerciseScreen &opened = screen(window);
        if (!QTest::qWaitForWindowExposed(&opened))
            qWarning("%s was not exposed", qPrintable(window));
        return opened;
    }

    std::unique_ptr<Program> program;
    basic::ScriptedRandom *random = nullptr;
};
