#pragma once

#include "shell/choosercontrols.h"
#include "ui/controls.h"

#include <QPointer>
#include <QWidget>

// What a screen reader hears on the level chooser: each level in words, and the total of right
// answers as the child arrives, told by the control that the focus lands on.
class ChooserNarrator {
public:
    explicit ChooserNarrator(QWidget &chooser);
    ~ChooserNarrator();
    ChooserNarrator(const ChooserNarrator &) = delete;
    ChooserNarrator &operator=(const ChooserNarrator &) = delete;

    // Given the chooser's controls.
    void nameLevels(const ChooserControls &controls);
    // As the chooser is shown, before the window system hands it the focus.
    void arrived();

private:
    QWidget &m_chooser;
    ui::Label *m_heading = nullptr;
    ui::Label *m_total = nullptr;
    QPointer<QWidget> m_told;
    QMetaObject::Connection m_leaving;
};
