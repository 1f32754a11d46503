#include "ui/commoncontrols/progressbar.h"

#include <QApplication>

#include <algorithm>
#include <cmath>

namespace ui {

ProgressBar::ProgressBar(QWidget *parent) : QProgressBar(parent)
{
    useStandardColours(this);
    setOrientation(Qt::Horizontal);
    setTextVisible(false);
    setFocusPolicy(Qt::NoFocus);
    showRange();
}

void ProgressBar::setMin(float min)
{
    m_min = min;
    showRange();
}

void ProgressBar::setMax(float max)
{
    m_max = max;
    showRange();
}

void ProgressBar::setFloatValue(float value)
{
    m_value = value;
    showRange();
}

void ProgressBar::showRange()
{
    const int low = static_cast<int>(std::lround(m_min));
    const int high = std::max(low, static_cast<int>(std::lround(m_max)));
    setRange(low, high);
    setValue(std::clamp(static_cast<int>(std::lround(m_value)), low, high));
}

void ProgressBar::moveTwips(const TwipRect &place)
{
    setGeometry(toPixels(place));
}

void useStandardColours(QWidget *control)
{
    // A palette equal to the application's would still inherit the window's colours role by role
    // (Qt propagates every role a widget has not set itself), so each role is set explicitly.
    QPalette standard = QApplication::palette(control);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        standard.setColor(colorRole, standard.color(colorRole));
    }
    control->setPalette(standard);
}

void reparent(QWidget *control, QWidget *newParent)
{
    const bool shown = !control->isHidden();
    // QWidget::setParent hides the widget, where the window system keeps it as it was.
    control->setParent(newParent);
    if (shown)
        control->show();
}

} // namespace ui
