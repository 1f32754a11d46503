#pragma once

#include "ui/colors.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <optional>
#include <stdexcept>

namespace ui {

// Every control takes the mouse moves over it, so that the window's own move handler runs only
// over bare surface: Qt hands a move that a child ignores (or that a child without mouse tracking
// never sees) on to its parent.
void claimMouseMoves(QWidget *control);

void setBackColor(QWidget *control, BgrColor color);

// What screen readers find of labels, pictures, text boxes and windows; every control and form
// installs it before Qt makes an interface for it.
void installOwnAccessibility();

// An icon from the resources, read once: QIcon reads every image of an icon file anew each time.
QIcon cachedIcon(const QString &resource);
void setForeColor(QWidget *control, BgrColor color);

// An opaque, borderless label of fixed size; text wraps at word boundaries from the top and is
// cut off at the bottom. Captions of several lines hold CR LF, and reading one back returns it.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // What a screen reader says before the caption, for labels whose text alone means little ("118");
    // an empty label says nothing.
    void setSpokenName(const QString &name);
    // A hidden label holding what the child must work out: a screen reader gets nothing of it.
    void keepCaptionFromScreenReaders();
    bool captionKeptFromScreenReaders() const { return m_captionKept; }

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void updateAccessibleName();

    QString m_caption;
    QString m_spokenName;
    bool m_captionKept = false;
};

// A picture shown unscaled from the top-left corner of its box; it takes clicks. Every picture of
// the program only decorates, so a screen reader is told neither a name nor its tool tip.
class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);
    void setPicture(const QString &resource);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A single-line text box; it accepts any typed text.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

signals:
    void doubleClicked();
    void mouseMoved();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A push button, with a caption on the system's button face, or with a picture drawn flat in its
// own back colour with the classic raised edge. Enter presses it as Space does, and the focused
// button shows a thick frame from the first show on.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget *parent = nullptr);
    void setPicture(const QString &resource);
    // The button's own face colour; without one the style draws the system's face.
    void setFaceColor(BgrColor color);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // Draws what the button shows inside its edge: by default its picture, centred.
    virtual void paintContent(QPainter &painter, const QRect &content);

private:
    std::optional<QColor> m_face;
};

// A filled rectangle that is drawing only: the mouse passes through it to the window.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);
    void setFillColor(BgrColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

// A frame with a thin border and no caption, holding other controls.
class Frame : public QFrame {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// Controls of one role sharing a name, addressed by index; only the designed indices exist.
template <typename Control> class ControlArray {
public:
    void add(int index, Control *control) { m_elements[index] = control; }
    Control &operator()(int index) const
    {
        const auto found = m_elements.find(index);
        if (found == m_elements.end())
            throw std::out_of_range("no control with that index");
        return *found->second;
    }
    bool contains(int index) const { return m_elements.count(index) != 0; }
    const std::map<int, Control *> &elements() const { return m_elements; }

private:
    std::map<int, Control *> m_elements;
};

} // namespace ui
