#pragma once

#include "exercise/level.h"
#include "help/splithelp.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/int16.h"

class Program;

// One exercise screen: the same design, variables and handlers on every level; the level gives
// the draw rule and the few places where the screens differ.
class ExerciseScreen : public ui::Form {
    Q_OBJECT
public:
    ExerciseScreen(Program &program, const exercise::Level &level);

    const exercise::Level &level() const { return m_level; }

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

    ui::Int16 totaaljuist = 0;
    ui::Int16 deeltal = 0;
    ui::Int16 deler = 0;
    ui::Int16 quotient = 0;
    ui::Int16 rest = 0;
    ui::Int16 produkt = 0;
    ui::Int16 hulpprodukt = 0;
    ui::Int16 hulprest = 0;
    ui::Int16 aantaloefeningen = 0;
    ui::Int16 aantalfouten = 0;
    ui::Int16 aantaljuist = 0;
    ui::Int16 aantalhulp = 0;
    ui::Int16 tafelquotient = 0;
    ui::Int16 tafelprodukt = 0;
    // Used only on the screens whose dividend is built from the quotient's digits.
    ui::Int16 tientallen = 0;
    ui::Int16 eenheden = 0;
    ui::Int16 tientalprodukt = 0;

    ui::CommandButton *cmdcontrole1 = nullptr;
    ui::CommandButton *cmdjuist = nullptr;
    ui::CommandButton *cmdstart = nullptr;
    ui::CommandButton *cmdcontrole = nullptr;
    ui::CommandButton *cmdstop = nullptr;
    ui::CommandButton *cmddeler = nullptr;
    ui::CommandButton *cmddeel = nullptr;
    ui::TextBox *txtrest = nullptr;
    ui::TextBox *txtquotient = nullptr;
    ui::Label *lbljuist = nullptr;
    ui::Label *lblaantal = nullptr;
    ui::Label *lblprodukt = nullptr;
    ui::Label *lblrest = nullptr;
    ui::Label *lbldeler = nullptr;
    ui::Label *lbldeeltal = nullptr;
    ui::Label *lblquotient = nullptr;
    ui::ControlArray<ui::Label> lblhulp;
    ui::ControlArray<ui::Label> lblteken;
    ui::Shape *Shape1 = nullptr;
    ui::Picture *Image1 = nullptr;

private:
    void createControls();
    void nameForScreenReaders();
    void connectHandlers();
    void showSplit(const help::SplitCaptions &split);
    void showHelpHint(help::Step step, bool strict);
    // The hint line as the mouse moves: kept while it shows why an answer was refused.
    void showHoverHint(const QString &hint);
    static QString startHint();
    // What a screen reader says of a control besides its name, blanks folded.
    static void tellScreenReaders(QWidget *control, const QString &text);
    void describeHelpButtons();
    void takeOverTotal();

    Program &m_program;
    const exercise::Level &m_level;
    bool m_refusalShown = false;
};
