#pragma once

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

    // Once the level buttons exist.
    void nameLevels();
    // As the chooser is shown, before the window system hands it the focus.
    void arrived();

private:
    QWidget &m_chooser;
    QPointer<QWidget> m_told;
    QMetaObject::Connection m_leaving;
};
