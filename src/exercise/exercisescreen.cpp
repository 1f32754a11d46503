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
    m_narrator.nameControls(createControls(), startHint());
    connectHandlers();
}

ui::Controls ExerciseScreen::createControls()
{
    // A resizable frame whose title bar has no buttons: the screen is left through cmdstop only.
    const ui::Controls controls =
        ui::buildWindow(*this, exercise::exerciseWindow(m_level), exercise::exerciseDesign(m_level));
    cmdcontrole1 = controls.get<ui::CommandButton>("cmdcontrole1");
    cmdjuist = controls.get<ui::CommandButton>("cmdjuist");
    cmdstart = controls.get<ui::CommandButton>("cmdstart");
    cmdcontrole = controls.get<ui::CommandButton>("cmdcontrole");
    cmdstop = controls.get<ui::CommandButton>("cmdstop");
    txtrest = controls.get<ui::TextBox>("txtrest");
    txtquotient = controls.get<ui::TextBox>("txtquotient");
    lbljuist = controls.get<ui::Label>("lbljuist");
    lblaantal = controls.get<ui::Label>("lblaantal");
    lblprodukt = controls.get<ui::Label>("lblprodukt");
    lblrest = controls.get<ui::Label>("lblrest");
    lbldeler = controls.get<ui::Label>("lbldeler");
    lbldeeltal = controls.get<ui::Label>("lbldeeltal");
    lblquotient = controls.get<ui::Label>("lblquotient");
    lblhulp = controls.array<ui::Label>("lblhulp");
    return controls;
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
    lblaantal->setCaption(exercise::statistiektekst(aantaloefeningen, aantalfouten, aantaljuist, aantalhulp));
}

void ExerciseScreen::wisscherm()
{
    aantaloefeningen = 0;
    aantalfouten = 0;
    aantaljuist = 0;
    aantalhulp = 0;
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
    quotient = 0;
    rest = 0;
    produkt = 0;
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
    aantaloefeningen = basic::countUp(aantaloefeningen);
    showStatistics();
    if (m_level.startShowsCmdcontrole)
        cmdcontrole->show();
    cmdstop->hide();
    cmdstart->hide();
    cmdjuist->show();

    deeltal = drawn.deeltal;
    deler = drawn.deler;
    quotient = drawn.quotient;
    produkt = drawn.produkt;
    rest = drawn.rest;
    if (m_level.startFillsRest)
        txtrest->setText(basic::toText(rest));
    lbldeeltal->setCaption(basic::toText(deeltal));
    lbldeler->setCaption(basic::toText(deler));
    lblquotient->setCaption(basic::toText(quotient));
    lblrest->setCaption(basic::toText(rest));
    lblprodukt->setCaption(basic::toText(produkt));
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
    const check::CheckResult result = check::checkAnswer(txtquotient->text(), txtrest->text(), quotient, rest);
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
    const QString solution = check::solutionLine(deeltal, deler, quotient, rest);
    if (result.verdict == check::Verdict::Right) {
        setBackColor(green);
        aantaljuist = basic::countUp(aantaljuist);
        lbljuist->setCaption(solution);
        totaaljuist = basic::countUp(totaaljuist);
    } else {
        setBackColor(red);
        aantalfouten = basic::countUp(aantalfouten);
        lbljuist->setCaption(solution);
    }
    showStatistics();
    cmdcontrole->hide();
    cmdstart->show();
    cmdstop->show();
    cmdjuist->hide();
    // The colour alone says nothing to a blind or colour-blind child.
    m_narrator.verdict(result.verdict, solution,
                       exercise::spokenStatistics(aantaloefeningen, aantalfouten, aantaljuist, aantalhulp));
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
    const help::HelpStep1 step = help::helpStep1(deeltal, deler, quotient);
    if (step.split)
        showSplit(*step.split);
    lblhulp(7).setCaption(step.splitLine);
    aantalhulp = basic::countUp(aantalhulp);
    showStatistics();
    // Hiding this button moves the focus on to the quotient box, which then says the split.
    m_narrator.split(step.splitLine);
    cmdcontrole1->hide();
}

void ExerciseScreen::cmdcontrole_Click()
{
    // The smaller divisions are worked out first, so the quotient box says them as the focus arrives.
    const auto split = help::helpStep2(deeltal, deler, quotient, m_level.step2LastTensEntry);
    if (split)
        m_narrator.split(split->left, split->right);
    txtquotient->setFocus(Qt::OtherFocusReason);
    aantalhulp = basic::countUp(aantalhulp);
    showStatistics();
    if (split)
        showSplit(*split);
    if (m_level.step2HidesCmdcontrole)
        cmdcontrole->hide();
}

void ExerciseScreen::showHelpHint(help::Step step, bool strict)
{
    // With no division drawn yet the divisor is 0; the hint line then stays as it is.
    if (const auto hint = help::helpHint(step, deeltal, deler, strict)) {
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
