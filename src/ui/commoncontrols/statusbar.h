#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace ui {

// A status bar with fields side by side, aligned to the bottom edge of its window and as wide as
// it. Each field has a kind, a width in twips, a text and a tag that is never shown; date and
// time fields show the current date and time and keep it up to date.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    enum class FieldKind { Text, Date, Time };

    // A field's rectangle in pixels relative to the bar, right and bottom exclusive.
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    explicit StatusBar(QWidget *parent);

    void addField(FieldKind kind, int widthTwips, const QString &text = {}, const QString &toolTip = {});
    int fieldCount() const { return static_cast<int>(m_fields.size()); }

    // Fields by their zero-based position, the leftmost being 0; another position throws.
    QString text(int position) const;
    void setText(int position, const QString &text);
    QString tag(int position) const;
    void setTag(int position, const QString &tag);
    int widthTwips(int position) const;
    // What the field shows: its text, or the current date or time.
    QString shownText(int position) const;

    // The rectangle of a field; false for a position without a field, and then the rectangle is
    // left as it was.
    bool fieldRect(int index, Rect &rect) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Field {
        FieldKind kind;
        int widthTwips;
        QString text;
        QString tag;
        QString toolTip;
    };

    const Field &field(int position) const;
    Field &field(int position);
    void alignToBottom();
    void refreshClock();
    // A painted field is nothing to a screen reader; the bar is named after what its fields say,
    // a scrolling text by the whole of it.
    void updateSpokenName();

    std::vector<Field> m_fields;
    QTimer m_clock;
    QString m_clockShown;
};

} // namespace ui
