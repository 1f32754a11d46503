#pragma once

#include "basic/int16.h"
#include "exercise/draw.h"
#include "exercise/exercisedesign.h"
#include "exercise/level.h"
#include "exercise/narrator.h"
#include "exercise/statistics.h"
#include "help/splithelp.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/windowbuilder.h"

class WindowDirectory;

// One exercise screen: the same design, variables and handlers on every level; the level gives
// the draw rule and the few places where the screens differ. Its controls are members of the
// screen itself, as a form's are, filled by the rows of the design table.
class ExerciseScreen : public ui::Form, private exercise::ExerciseControls {
    Q_OBJECT
public:
    ExerciseScreen(WindowDirectory &windows, const exercise::Level &level);

    const exercise::Level &level() const { return m_level; }

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_MouseMove() override;
    void wisscherm();

    void cmdstart_Click();
    void cmdstart_MouseMove();
    void cmdstop_Click();
    void txtquotient_DblClick();
    void txtrest_DblClick();

    void cmdjuist_Click();
    void cmdjuist_MouseMove();
    void cmdcontrole1_Click();
    void cmdcontrole_Click();
    void cmdcontrole1_MouseMove();
    void cmdcontrole_MouseMove();

    // Rewrites lblaantal from the four counters of the visit.
    void showStatistics();

    void createControls();
    void connectHandlers();
    void showSplit(const help::SplitCaptions &split);
    void showHelpHint(help::Step step, bool strict);
    // The hint line as the mouse moves: kept while it shows why an answer was refused.
    void showHoverHint(const QString &hint);
    static QString startHint();
    // The refusal's reason leaves the hint line with the refusal: at the next start or check.
    void endRefusal();
    void takeOverTotal();

    basic::Int16 totaaljuist = 0;
    // The division on the screen; emptying the screen keeps its dividend and divisor.
    exercise::Division m_division;
    exercise::Counters m_counters;

    WindowDirectory &m_windows;
    const exercise::Level &m_level;
    bool m_refusalShown = false;
    exercise::Narrator m_narrator;
};
