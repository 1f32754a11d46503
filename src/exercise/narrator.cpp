#include "exercise/narrator.h"

#include "exercise/level.h"
#include "exercise/spoken.h"
#include "help/splithelp.h"
#include "ui/controls.h"

#include <QStringList>

namespace exercise {

Narrator::Narrator(QWidget &screen, const Level &level) : m_screen(screen), m_level(level)
{
}

template <typename Control> Control *Narrator::control(const char *name, int index) const
{
    return m_controls.get<Control>(name, index);
}

void Narrator::tell(QWidget *control, const QString &text)
{
    control->setAccessibleDescription(text.simplified());
}

void Narrator::nameControls(const ui::Controls &controls, const QString &startHint)
{
    m_controls = controls;
    m_startHint = startHint;
    for (const char *answer : {"lblquotient", "lblrest", "lblprodukt"})
        control<ui::Label>(answer)->keepCaptionFromScreenReaders();
    tell(control<QWidget>("cmdjuist"), check::checkHint());
    control<QWidget>("txtquotient")->setAccessibleName(control<ui::Label>("lblhulp", 3)->caption());
    control<QWidget>("txtrest")->setAccessibleName(control<ui::Label>("lblhulp", 4)->caption());
    control<ui::Label>("lbldeeltal")->setSpokenName(QStringLiteral("deeltal"));
    control<ui::Label>("lbldeler")->setSpokenName(QStringLiteral("deler"));
    control<ui::Label>("lbljuist")->setSpokenName(QStringLiteral("uitkomst"));
    control<ui::Label>("lblaantal")->setSpokenName(QStringLiteral("score"));
    for (int help : {0, 1, 7})
        control<ui::Label>("lblhulp", help)->setSpokenName(QStringLiteral("hulp"));
    control<ui::Label>("lblhulp", 2)->setSpokenName(QStringLiteral("tip"));
}

void Narrator::reset()
{
    m_division.clear();
    m_splitLine.clear();
    m_smallDivisions.clear();
    for (const char *name : {"txtquotient", "txtrest", "lbljuist", "cmdstop"})
        tell(control<QWidget>(name), QString());
    tell(control<QWidget>("cmdstart"), m_startHint);
}

void Narrator::newDivision(basic::Int16 deeltal, basic::Int16 deler)
{
    m_division = spokenDivision(deeltal, deler);
    m_splitLine.clear();
    m_smallDivisions.clear();
    tell(control<QWidget>("txtquotient"), exerciseStory());
    tell(control<QWidget>("txtrest"), QString());
    tell(control<QWidget>("lbljuist"), QString());
    describeHelpButtons(deeltal, deler);
}

void Narrator::describeHelpButtons(basic::Int16 deeltal, basic::Int16 deler)
{
    // Keyboard users never see the hints the mouse brings up; a screen reader reads them here.
    if (const auto hint = help::helpHint(help::Step::One, deeltal, deler, true))
        tell(control<QWidget>("cmdcontrole1"), hint->text);
    if (const auto hint = help::helpHint(help::Step::Two, deeltal, deler, m_level.step2HintStrict))
        tell(control<QWidget>("cmdcontrole"), hint->text);
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
    tell(control<QWidget>("txtquotient"), exerciseStory());
}

void Narrator::split(const QString &left, const QString &right)
{
    m_smallDivisions = spokenSplit(left, right);
    tell(control<QWidget>("txtquotient"), exerciseStory());
}

void Narrator::refused(QWidget *box, const QString &reason)
{
    const bool quotientBox = box == control<QWidget>("txtquotient");
    tell(box, spokenWords(reason) + (quotientBox ? QStringLiteral(", ") + exerciseStory() : QString()));
    // Once the child changes the box the reason is old news.
    QObject::connect(
        qobject_cast<QLineEdit *>(box), &QLineEdit::textChanged, box,
        [this, box, quotientBox] { tell(box, quotientBox ? exerciseStory() : QString()); }, Qt::SingleShotConnection);
}

void Narrator::verdict(check::Verdict verdict, const QString &solution, const QString &statistics)
{
    const QString said = check::spokenVerdict(verdict, spokenWords(solution));
    const QString withCounts = said + QStringLiteral(". ") + statistics;
    tell(control<QWidget>("lbljuist"), said);
    tell(control<QWidget>("cmdstop"), withCounts);
    QWidget *focused = m_screen.focusWidget();
    if (focused == control<QWidget>("cmdstart"))
        tell(focused, withCounts + u' ' + m_startHint);
    else if (focused && focused != control<QWidget>("cmdcontrole1"))
        tell(focused, withCounts);
}

} // namespace exercise
