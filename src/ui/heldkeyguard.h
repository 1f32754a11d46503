#pragma once

#include <QElapsedTimer>
#include <QObject>

class QKeyEvent;

namespace ui {

// One press of Enter, keypad Enter or Space presses one button, however long the key is held:
// watching every key event of the application, it swallows the presses that only repeat one.
class HeldKeyGuard : public QObject {
    Q_OBJECT
public:
    explicit HeldKeyGuard(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isRepeat(QObject *watched, const QKeyEvent *event);

    int m_releasedKey = 0;
    quint64 m_releasedAt = 0;
    QElapsedTimer m_releaseClock;
};

} // namespace ui
