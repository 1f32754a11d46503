#pragma once

#include "basic/int16.h"
#include "check/answer.h"

#include <QString>

class QWidget;
namespace ui {
class TextBox;
}

namespace exercise {

struct ExerciseControls;
struct Level;

// What a screen reader hears on an exercise screen, told as things happen there. Orca (over AT-SPI,
// Qt 6.4) speaks what a control says of itself, its description, when the focus arrives at it, and
// not when the description of a label or of the control that has the focus changes: every call
// comes before the focus moves, or, where a button hides and so hands the focus on, after it.
class Narrator {
public:
    Narrator(QWidget &screen, const Level &level);

    // Names and descriptions that stay for the whole run, given the screen's controls.
    void nameControls(const ExerciseControls &controls, const QString &startHint);
    // The screen was emptied: nothing of the last exercise is told any more.
    void reset();
    // Before the focus moves into the quotient box, which then says the division.
    void newDivision(basic::Int16 deeltal, basic::Int16 deler);
    // A help step: the quotient box says the division and everything the help shows so far.
    void split(const QString &splitLine);
    void split(const QString &left, const QString &right);
    // Before the focus moves into the refused box, which then says why, until its text changes.
    void refused(ui::TextBox *box, const QString &reason);
    // After the check has shown and hidden its buttons: the control with the focus, the stop button
    // and the verdict line say the verdict, and the buttons also the counts of the visit.
    void verdict(check::Verdict verdict, const QString &solution, const QString &statistics);

private:
    static void tell(QWidget *control, const QString &text);
    // Everything the screen shows of the exercise, for the quotient box.
    QString exerciseStory() const;
    void describeHelpButtons(basic::Int16 deeltal, basic::Int16 deler);

    QWidget &m_screen;
    const Level &m_level;
    const ExerciseControls *m_controls = nullptr;
    QString m_startHint;
    QString m_division;
    QString m_splitLine;
    QString m_smallDivisions;
};

} // namespace exercise
