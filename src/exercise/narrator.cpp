#include "exercise/narrator.h"

#include "exercise/exercisedesign.h"
#include "exercise/level.h"
#include "exercise/spoken.h"
#include "help/splithelp.h"
#include "ui/controls.h"

#include <QStringList>

namespace exercise {

Narrator::Narrator(QWidget &screen, const Level &level) : m_screen(screen), m_level(level)
{
}

void Narrator::tell(QWidget *control, const QString &text)
{
    control->setAccessibleDescription(text.simplified());
}

void Narrator::nameControls(const ExerciseControls &controls, const QString &startHint)
{
    m_controls = &controls;
    m_startHint = startHint;
    for (ui::Label *answer : {controls.lblquotient, controls.lblrest, controls.lblprodukt})
        answer->keepCaptionFromScreenReaders();
    tell(controls.cmdjuist, check::checkHint());
    controls.txtquotient->setAccessibleName(controls.lblhulp(3).caption());
    controls.txtrest->setAccessibleName(controls.lblhulp(4).caption());
    controls.lbldeeltal->setSpokenName(QStringLiteral("deeltal"));
    controls.lbldeler->setSpokenName(QStringLiteral("deler"));
    controls.lbljuist->setSpokenName(QStringLiteral("uitkomst"));
    controls.lblaantal->setSpokenName(QStringLiteral("score"));
    for (int help : {0, 1, 7})
        controls.lblhulp(help).setSpokenName(QStringLiteral("hulp"));
    controls.lblhulp(2).setSpokenName(QStringLiteral("tip"));
}

void Narrator::reset()
{
    m_division.clear();
    m_splitLine.clear();
    m_smallDivisions.clear();
    for (QWidget *control : std::initializer_list<QWidget *>{m_controls->txtquotient, m_controls->txtrest,
                                                             m_controls->lbljuist, m_controls->cmdstop})
        tell(control, QString());
    tell(m_controls->cmdstart, m_startHint);
}

void Narrator::newDivision(basic::Int16 deeltal, basic::Int16 deler)
{
    m_division = spokenDivision(deeltal, deler);
    m_splitLine.clear();
    m_smallDivisions.clear();
    tell(m_controls->txtquotient, exerciseStory());
    tell(m_controls->txtrest, QString());
    tell(m_controls->lbljuist, QString());
    describeHelpButtons(deeltal, deler);
}

void Narrator::describeHelpButtons(basic::Int16 deeltal, basic::Int16 deler)
{
    // Keyboard users never see the hints the mouse brings up; a screen reader reads them here.
    if (const auto hint = help::helpHint(help::Step::One, deeltal, deler, true))
        tell(m_controls->cmdcontrole1, hint->text);
    if (const auto hint = help::helpHint(help::Step::Two, deeltal, deler, m_level.step2HintStrict))
        tell(m_controls->cmdcontrole, hint->text);
}

QString Narrator::exerciseStory() const
{
    // The newest help first, as that is what the child asked for when the focus arrives.
    QStringList parts;
    for (const QString *part : {&m_smallDivisions, &m_splitLine, &m_division}) {
        if (!part->isEmpty())
            parts << *part;
    }
    return parts.join(QStringLiteral(". "));
}

void Narrator::split(const QString &splitLine)
{
    if (splitLine.isEmpty())
        return;
    m_splitLine = spokenWords(splitLine);
    tell(m_controls->txtquotient, exerciseStory());
}

void Narrator::split(const QString &left, const QString &right)
{
    m_smallDivisions = spokenSplit(left, right);
    tell(m_controls->txtquotient, exerciseStory());
}

void Narrator::refused(ui::TextBox *box, const QString &reason)
{
    const bool quotientBox = box == m_controls->txtquotient;
    tell(box, spokenWords(reason) + (quotientBox ? QStringLiteral(", ") + exerciseStory() : QString()));
    // Once the child changes the box the reason is old news.
    QObject::connect(
        box, &QLineEdit::textChanged, box,
        [this, box, quotientBox] { tell(box, quotientBox ? exerciseStory() : QString()); }, Qt::SingleShotConnection);
}

void Narrator::verdict(check::Verdict verdict, const QString &solution, const QString &statistics)
{
    const QString said = check::spokenVerdict(verdict, spokenWords(solution));
    const QString withCounts = said + QStringLiteral(". ") + statistics;
    tell(m_controls->lbljuist, said);
    tell(m_controls->cmdstop, withCounts);
    QWidget *focused = m_screen.focusWidget();
    if (focused == m_controls->cmdstart)
        tell(focused, withCounts + u' ' + m_startHint);
    else if (focused && focused != m_controls->cmdcontrole1)
        tell(focused, withCounts);
}

} // namespace exercise
