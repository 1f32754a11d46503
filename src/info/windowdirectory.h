#pragma once

#include "basic/int16.h"

class QMdiArea;

namespace ui {
class FormManager;
}
namespace basic {
class RandomSource;
}

// What the exercise screens and the intro and information screens need of the rest of the
// program. The shell keeps the windows and answers for it, so these windows never include the
// shell; it lives here, below the exercise screens, which take the maker's texts from this folder too.
class WindowDirectory {
public:
    virtual ui::FormManager &forms() = 0;
    virtual basic::RandomSource &random() = 0;
    // The main window's area in which the intro and the information screen live.
    virtual QMdiArea *documentArea() = 0;
    virtual void hideMainWindow() = 0;
    virtual void showChooser() = 0;
    // The right answers of the session, which the chooser shows.
    virtual basic::Int16 runningTotal() = 0;
    virtual void setRunningTotal(basic::Int16 total) = 0;

protected:
    ~WindowDirectory() = default;
};
