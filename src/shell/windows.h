#pragma once

class QString;
class MDIForm2;
class frmkiesbasis1;
class ExerciseScreen;
class frmmecenaat1;
class frminfo;

namespace ui {
class FormManager;
}
namespace basic {
class RandomSource;
}

// The program's windows as each of them reaches the others, every one as its own type and
// created on its first reference. The program keeps them; a window knows only this.
class Windows {
public:
    virtual MDIForm2 &mdiForm2() = 0;
    virtual frmkiesbasis1 &kiesbasis1() = 0;
    // An unknown window name is a programming error and throws std::out_of_range.
    virtual ExerciseScreen &exerciseScreen(const QString &windowName) = 0;
    virtual ::frmmecenaat1 &frmmecenaat1() = 0;
    virtual ::frminfo &frminfo() = 0;

    virtual ui::FormManager &forms() = 0;
    virtual basic::RandomSource &random() = 0;

protected:
    ~Windows() = default;
};
