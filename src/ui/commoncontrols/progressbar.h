#pragma once

#include "ui/twips.h"

#include <QProgressBar>

namespace ui {

// A horizontal progress bar whose minimum, maximum and value are single-precision numbers; it
// shows no text.
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent);

    float min() const { return m_min; }
    void setMin(float min);
    float max() const { return m_max; }
    void setMax(float max);
    float floatValue() const { return m_value; }
    void setFloatValue(float value);

    // Moves it to a place given in twips, in its parent's coordinates.
    void moveTwips(const TwipRect &place);

private:
    void showRange();

    float m_min = 0;
    float m_max = 100;
    float m_value = 0;
};

// The platform's standard colours, not the ones of the window the control stands in.
void useStandardColours(QWidget *control);

// Makes a control the child of another window, keeping it a child control and keeping its
// visibility, as the window system's re-parenting does; its place is then measured in the new
// parent.
void reparent(QWidget *control, QWidget *newParent);

} // namespace ui
