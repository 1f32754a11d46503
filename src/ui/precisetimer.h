#pragma once

#include <QTimer>

namespace ui {

// A periodic timer that keeps its interval: the default coarse timer may be 5 % off.
class PreciseTimer : public QTimer {
    Q_OBJECT
public:
    explicit PreciseTimer(QObject *parent = nullptr) : QTimer(parent) { setTimerType(Qt::PreciseTimer); }
    void setEnabled(bool enabled)
    {
        if (!enabled)
            stop();
        else if (!isActive())
            start();
    }
};

} // namespace ui
