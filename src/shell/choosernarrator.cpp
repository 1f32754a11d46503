#include "shell/choosernarrator.h"

#include "exercise/level.h"
#include "ui/controls.h"

#include <QApplication>

ChooserNarrator::ChooserNarrator(QWidget &chooser) : m_chooser(chooser)
{
}

ChooserNarrator::~ChooserNarrator()
{
    // The chooser outlives this member while it deletes its buttons, which moves the focus.
    QObject::disconnect(m_leaving);
}

void ChooserNarrator::nameLevels(const ChooserControls &controls)
{
    m_heading = controls.Label1;
    m_total = controls.lblgemaakt;
    // The captions' brackets and plus signs would be read out as punctuation.
    for (const exercise::Level &level : exercise::levels()) {
        controls.levelButtons.at(QString::fromLatin1(level.chooserButton))
            ->setAccessibleName(QString::fromUtf8(level.spokenName));
    }
    // The total is news on arrival only; the control that told it says it no more once left.
    m_leaving = QObject::connect(qApp, &QApplication::focusChanged, &m_chooser, [this](QWidget *old, QWidget *) {
        if (old && old == m_told) {
            old->setAccessibleDescription(QString());
            m_told = nullptr;
        }
    });
}

void ChooserNarrator::arrived()
{
    if (m_told)
        m_told->setAccessibleDescription(QString());
    m_told = m_chooser.focusWidget();
    if (!m_told)
        return;
    m_told->setAccessibleDescription(m_heading->caption().simplified() + u' ' + m_total->caption().simplified());
}
