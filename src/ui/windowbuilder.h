#pragma once

#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/twips.h"
#include "ui/windowframe.h"

#include <QString>
#include <QWidget>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class QMdiArea;

namespace ui {

enum class Kind {
    Label,
    TextBox,
    Button,               // a push button with a caption on the system's face
    PictureButton,        // a button showing a picture in its own back colour
    PictureCaptionButton, // a button showing a picture above its caption, in its own back colour
    Picture,
    Shape,
    Frame,
    StatusBar,
    ProgressBar,
    Timer,
    Menu,        // a menu of the main window's menu bar
    MenuCommand, // a command of a menu
    DocumentArea // the main window's area for document windows
};
enum class Align { Left, Centre, Right };

struct FontDesign {
    const char *face = nullptr; // none: the window's font
    double points = 0;
    bool bold = false;
};

// One row of a design table: a control as it stands before any handler runs. Rows are written
// with designated initialisers; what a row leaves out keeps the default here.
struct ControlDesign {
    const char *name = "";
    int index = -1; // element of a control array, or -1
    Kind kind = Kind::Label;
    const char *in = ""; // the design name of the frame or menu it stands in; none: the window
    const char *text = "";
    const char *toolTip = "";
    TwipRect place{};
    FontDesign font{};
    std::optional<BgrColor> back{};
    std::optional<BgrColor> fore{};
    bool visible = true;
    int tab = -1; // place in the tab order, -1 for none
    Align align = Align::Centre;
    const char *picture = nullptr;
    const char *spoken = nullptr;   // what a screen reader calls a button, where its text does not say it
    const char *shortcut = nullptr; // a menu command's key, as QKeySequence reads it ("Ctrl+B")
    int interval = 0;               // a timer's period in milliseconds
    bool isDefault = false;         // the button that Enter presses wherever the focus is
};

// A window as it stands before any handler runs.
struct WindowDesign {
    const char *caption = "";
    const char *spoken = nullptr; // what a screen reader calls the window, where its caption does not tell it apart
    FrameKind frame = FrameKind::Standard;
    bool document = false; // a document window in the main window's area, framed as a fixed panel
    int clientWidth = 0;   // twips; 0 leaves the size to the window (the maximised main window)
    int clientHeight = 0;
    std::optional<BgrColor> back{};
    FontDesign font{};
};

// objectName of a control: its design name, "_index" for an array element.
QString designName(const char *name, int index = -1);
QString designName(const ControlDesign &design);

// The controls a window was built with, found by their design names.
class Controls {
public:
    template <typename Control> Control *get(const char *name, int index = -1) const
    {
        const auto found = m_controls.find(designName(name, index));
        auto *control = found == m_controls.end() ? nullptr : qobject_cast<Control *>(found->second);
        if (!control)
            throw std::logic_error(std::string("the window has no such control: ") + name);
        return control;
    }
    // Every designed element of a control array.
    template <typename Control> ControlArray<Control> array(const char *name) const;

    void add(const ControlDesign &design, QObject *control);
    // A control by its objectName, or none.
    QObject *find(const QString &name) const;

private:
    std::map<QString, QObject *> m_controls;
    std::map<QString, std::vector<std::pair<int, QObject *>>> m_arrays;
};

// Builds a window from its design and its controls from their rows, listed front to back: the
// window's caption, frame, size, colour and font; every control with its place, font, colours,
// tool tip, visibility and what a screen reader calls it; which control covers which; and the
// tab order. A document window needs the main window's document area.
Controls buildWindow(QWidget &window, const WindowDesign &design, const std::vector<ControlDesign> &rows,
                     QMdiArea *documentArea = nullptr);

// Stacks controls listed front to back: the first covers the later ones. Windowed controls
// (buttons, text boxes, frames, bars) always cover drawn ones (labels, pictures, shapes).
void stackFrontToBack(const std::vector<QWidget *> &frontToBack);

// Orders the focusable controls by their tab places and returns them in that order.
std::vector<QWidget *> applyTabOrder(std::vector<std::pair<int, QWidget *>> tabbed);

} // namespace ui

template <typename Control> ui::ControlArray<Control> ui::Controls::array(const char *name) const
{
    ControlArray<Control> elements;
    const auto found = m_arrays.find(QString::fromLatin1(name));
    if (found != m_arrays.end()) {
        for (const auto &[index, control] : found->second)
            elements.add(index, qobject_cast<Control *>(control));
    }
    return elements;
}
