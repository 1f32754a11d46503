#pragma once

#include "basic/int16.h"

#include <QString>

class QMdiArea;

namespace ui {
class FormManager;
}
namespace basic {
class RandomSource;
}

// What each window needs of the rest of the program. The shell keeps the windows and answers for
// it, so windows never reach one another directly; it lives here, below the exercise screens,
// which take the maker's texts from this folder too.
class WindowDirectory {
public:
    virtual ui::FormManager &forms() = 0;
    virtual basic::RandomSource &random() = 0;
    // The main window's area in which the intro and the information screen live.
    virtual QMdiArea *documentArea() = 0;
    // Maximised, if it is hidden.
    virtual void showMainWindow() = 0;
    virtual void hideMainWindow() = 0;
    virtual void showIntro() = 0;
    virtual void hideIntro() = 0;
    virtual void showChooser() = 0;
    // An unknown window name is a programming error and throws std::out_of_range.
    virtual void showExerciseScreen(const QString &windowName) = 0;
    virtual void showInformation() = 0;
    // The right answers of the session, which the chooser shows.
    virtual basic::Int16 runningTotal() = 0;
    virtual void setRunningTotal(basic::Int16 total) = 0;

protected:
    ~WindowDirectory() = default;
};
