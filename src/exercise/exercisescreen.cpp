#include "exercise/exercisescreen.h"

#include "basic/linebreak.h"
#include "check/answer.h"
#include "exercise/draw.h"
#include "exercise/exercisedesign.h"
#include "exercise/narrator.h"
#include "exercise/spoken.h"
#include "exercise/statistics.h"
#include "help/splithelp.h"
#include "info/windowdirectory.h"
#include "ui/windowbuilder.h"

#include <stdexcept>

namespace {

constexpr ui::BgrColor green = 0x00FF00;
constexpr ui::BgrColor red = 0x0000FF;

} // namespace

ExerciseScreen::ExerciseScreen(WindowDirectory &windows, const exercise::Level &level)
    : ui::Form(windows.forms(), QString::fromLatin1(level.windowName)), m_windows(windows), m_level(level),
      m_narrator(*this, level)
{
    createControls();
    m_narrator.nameControls(*this, startHint());
    connectHandlers();
}

void ExerciseScreen::createControls()
{
    // A resizable frame whose title bar has no buttons: the screen is left through cmdstop only.
    ui::buildWindow(*this, exercise::exerciseWindow(m_level), exercise::exerciseDesign(m_level),
                    static_cast<exercise::ExerciseControls &>(*this));
}

void ExerciseScreen::connectHandlers()
{
    connect(cmdstart, &QPushButton::clicked, this, &ExerciseScreen::cmdstart_Click);
    connect(cmdstart, &ui::CommandButton::mouseMoved, this, &ExerciseScreen::cmdstart_MouseMove);
    connect(cmdstop, &QPushButton::clicked, this, &ExerciseScreen::cmdstop_Click);
    connect(cmdjuist, &QPushButton::clicked, this, &ExerciseScreen::cmdjuist_Click);
    connect(cmdjuist, &ui::CommandButton::mouseMoved, this, &ExerciseScreen::cmdjuist_MouseMove);
    connect(cmdcontrole1, &QPushButton::clicked, this, &ExerciseScreen::cmdcontrole1_Click);
    connect(cmdcontrole1, &ui::CommandButton::mouseMoved, this, &ExerciseScreen::cmdcontrole1_MouseMove);
    connect(cmdcontrole, &QPushButton::clicked, this, &ExerciseScreen::cmdcontrole_Click);
    connect(cmdcontrole, &ui::CommandButton::mouseMoved, this, &ExerciseScreen::cmdcontrole_MouseMove);
    connect(txtquotient, &ui::TextBox::doubleClicked, this, &ExerciseScreen::txtquotient_DblClick);
    connect(txtrest, &ui::TextBox::doubleClicked, this, &ExerciseScreen::txtrest_DblClick);
    // Once a box changes the refusal has been seen, and the hint line follows the mouse again.
    for (ui::TextBox *box : {txtquotient, txtrest})
        connect(box, &QLineEdit::textChanged, this, [this] { m_refusalShown = false; });
}

void ExerciseScreen::takeOverTotal()
{
    totaaljuist = m_windows.runningTotal();
}

void ExerciseScreen::Form_Load()
{
    centreOnDisplay();
    wisscherm();
    takeOverTotal();
}

void ExerciseScreen::Form_Activate()
{
    centreOnDisplay();
    wisscherm();
    takeOverTotal();
}

void ExerciseScreen::showStatistics()
{
    lblaantal->setCaption(exercise::statistiektekst(m_counters));
}

void ExerciseScreen::wisscherm()
{
    m_counters = {};
    showStatistics();
    txtquotient->clear();
    txtrest->clear();
    lbldeeltal->setCaption(QString());
    lbldeler->setCaption(QString());
    lblhulp(0).setCaption(QString());
    lblhulp(1).setCaption(QString());
    lblhulp(7).setCaption(QString());
    setBackColor(exercise::neutralBackground);
    lblprodukt->setCaption(QString());
    lblrest->setCaption(QString());
    lblquotient->setCaption(QString());
    m_division.quotient = 0;
    m_division.rest = 0;
    m_division.produkt = 0;
    m_narrator.reset();
}

void ExerciseScreen::cmdstart_Click()
{
    // A screen reader speaks what the quotient box says of itself only as the focus arrives there,
    // so the division is drawn before the focus moves; nothing of it shows until the end.
    m_windows.random().reseedFromClock();
    const exercise::Division drawn = exercise::drawDivision(m_level.draw, m_windows.random());

    endRefusal();
    lbljuist->setCaption(QString());
    setBackColor(exercise::neutralBackground);
    for (int index : m_level.startEmptiesHulp)
        lblhulp(index).setCaption(QString());
    cmdcontrole1->show();
    m_narrator.newDivision(drawn.deeltal, drawn.deler);
    // Orca takes a text change on a box for the focus arriving there, and then keeps quiet when it
    // does arrive: the boxes are emptied once the focus is in the quotient box.
    txtquotient->setFocus(Qt::OtherFocusReason);
    txtquotient->clear();
    txtrest->clear();
    m_counters.aantaloefeningen = basic::countUp(m_counters.aantaloefeningen);
    showStatistics();
    if (m_level.startShowsCmdcontrole)
        cmdcontrole->show();
    cmdstop->hide();
    cmdstart->hide();
    cmdjuist->show();

    m_division = drawn;
    if (m_level.startFillsRest)
        txtrest->setText(basic::toText(drawn.rest));
    lbldeeltal->setCaption(basic::toText(drawn.deeltal));
    lbldeler->setCaption(basic::toText(drawn.deler));
    lblquotient->setCaption(basic::toText(drawn.quotient));
    lblrest->setCaption(basic::toText(drawn.rest));
    lblprodukt->setCaption(basic::toText(drawn.produkt));
}

QString ExerciseScreen::startHint()
{
    return QStringLiteral(" nieuwe oefening ") + basic::lineBreak() + QStringLiteral(" klik hier ! ");
}

void ExerciseScreen::cmdstart_MouseMove()
{
    showHoverHint(startHint());
}

void ExerciseScreen::Form_MouseMove()
{
    showHoverHint(QString());
}

void ExerciseScreen::showHoverHint(const QString &hint)
{
    // A child who moves the mouse on must still be able to read why the answer was not checked.
    if (!m_refusalShown)
        lblhulp(2).setCaption(hint);
}

void ExerciseScreen::cmdstop_Click()
{
    wisscherm();
    lbljuist->setCaption(QString());
    m_windows.setRunningTotal(totaaljuist);
    m_windows.showChooser();
    Hide();
}

void ExerciseScreen::txtquotient_DblClick()
{
    txtquotient->clear();
}

void ExerciseScreen::txtrest_DblClick()
{
    txtrest->clear();
}

void ExerciseScreen::endRefusal()
{
    if (lblhulp(2).caption() == check::refusalHint())
        lblhulp(2).setCaption(QString());
    m_refusalShown = false;
}

void ExerciseScreen::cmdjuist_Click()
{
    endRefusal();
    const check::CheckResult result =
        check::checkAnswer(txtquotient->text(), txtrest->text(), m_division.quotient, m_division.rest);
    if (result.verdict == check::Verdict::Refused) {
        // Text that is no number changes nothing: the child corrects it and checks again.
        ui::TextBox *refused = result.refusedBox == check::AnswerBox::Quotient ? txtquotient : txtrest;
        m_narrator.refused(refused, check::refusalHint());
        refused->setFocus(Qt::OtherFocusReason);
        lblhulp(2).setCaption(check::refusalHint());
        m_refusalShown = true;
        return;
    }
    txtquotient->setText(result.quotientText);
    txtrest->setText(result.restText);
    const QString solution =
        check::solutionLine(m_division.deeltal, m_division.deler, m_division.quotient, m_division.rest);
    if (result.verdict == check::Verdict::Right) {
        setBackColor(green);
        m_counters.aantaljuist = basic::countUp(m_counters.aantaljuist);
        lbljuist->setCaption(solution);
        totaaljuist = basic::countUp(totaaljuist);
    } else {
        setBackColor(red);
        m_counters.aantalfouten = basic::countUp(m_counters.aantalfouten);
        lbljuist->setCaption(solution);
    }
    showStatistics();
    cmdcontrole->hide();
    cmdstart->show();
    cmdstop->show();
    cmdjuist->hide();
    // The colour alone says nothing to a blind or colour-blind child.
    m_narrator.verdict(result.verdict, solution, exercise::spokenStatistics(m_counters));
}

void ExerciseScreen::cmdjuist_MouseMove()
{
    showHoverHint(check::checkHint());
}

void ExerciseScreen::showSplit(const help::SplitCaptions &split)
{
    lblhulp(0).setCaption(split.left);
    lblhulp(1).setCaption(split.right);
}

void ExerciseScreen::cmdcontrole1_Click()
{
    cmdcontrole->show();
    m_refusalShown = false;
    lblhulp(2).setCaption(QString());
    const help::HelpStep1 step = help::helpStep1(m_division.deeltal, m_division.deler, m_division.quotient);
    if (step.split)
        showSplit(*step.split);
    lblhulp(7).setCaption(step.splitLine);
    m_counters.aantalhulp = basic::countUp(m_counters.aantalhulp);
    showStatistics();
    // Hiding this button moves the focus on to the quotient box, which then says the split.
    m_narrator.split(step.splitLine);
    cmdcontrole1->hide();
}

void ExerciseScreen::cmdcontrole_Click()
{
    // The smaller divisions are worked out first, so the quotient box says them as the focus arrives.
    const auto split =
        help::helpStep2(m_division.deeltal, m_division.deler, m_division.quotient, m_level.step2LastTensEntry);
    if (split)
        m_narrator.split(split->left, split->right);
    txtquotient->setFocus(Qt::OtherFocusReason);
    m_counters.aantalhulp = basic::countUp(m_counters.aantalhulp);
    showStatistics();
    if (split)
        showSplit(*split);
    if (m_level.step2HidesCmdcontrole)
        cmdcontrole->hide();
}

void ExerciseScreen::showHelpHint(help::Step step, bool strict)
{
    // With no division drawn yet the divisor is 0; the hint line then stays as it is.
    if (const auto hint = help::helpHint(step, m_division.deeltal, m_division.deler, strict)) {
        showHoverHint(hint->text);
    }
}

void ExerciseScreen::cmdcontrole1_MouseMove()
{
    showHelpHint(help::Step::One, true);
}

void ExerciseScreen::cmdcontrole_MouseMove()
{
    showHelpHint(help::Step::Two, m_level.step2HintStrict);
}
