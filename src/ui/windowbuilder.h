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
    Button,               // a push button with a caption or a picture, on the system's face or in its own back colour
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

struct ControlDesign;

// The member of a window's set of controls that a row's control goes into, named by the row:
// `.fills = ui::fills<&Controls::cmdstart>`. A member is a typed pointer, a control array, a list
// in the table's order, or a map by design name; a control of another type than the member's is
// refused at build time.
struct Fill {
    void (*into)(void *controls, QObject *built, const ControlDesign &row) = nullptr;
    const void *controls = nullptr; // which set of controls the member belongs to
};

namespace detail {
template <typename Controls> inline constexpr char controlsTag = 0;
template <typename Member> struct MemberOf;
template <typename Controls, typename Target> struct MemberOf<Target Controls::*> {
    using controls = Controls;
};
template <typename Control> Control *builtAs(QObject *built, const ControlDesign &row);
template <typename Control> void put(Control *&member, QObject *built, const ControlDesign &row)
{
    member = builtAs<Control>(built, row);
}
template <typename Control> void put(ControlArray<Control> &member, QObject *built, const ControlDesign &row);
template <typename Control> void put(std::vector<Control *> &member, QObject *built, const ControlDesign &row)
{
    member.push_back(builtAs<Control>(built, row));
}
template <typename Control> void put(std::map<QString, Control *> &member, QObject *built, const ControlDesign &row);
template <auto member> void fillMember(void *controls, QObject *built, const ControlDesign &row)
{
    using Controls = typename MemberOf<decltype(member)>::controls;
    put(static_cast<Controls *>(controls)->*member, built, row);
}
} // namespace detail

template <auto member>
inline constexpr Fill fills{&detail::fillMember<member>,
                            &detail::controlsTag<typename detail::MemberOf<decltype(member)>::controls>};

struct FontDesign {
    const char *face = nullptr; // none: the window's font
    double points = 0;
    bool bold = false;
};

// One row of a design table: a control as it stands before any handler runs. Rows are written
// with designated initialisers; what a row leaves out keeps the default here.
// A row may set only what its kind uses: a table that sets more is refused when the window is built.
struct ControlDesign {
    const char *name = "";
    int index = -1; // element of a control array, or -1
    Fill fills{};   // none: the window's code never reaches the control
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

// Builds a window from its design and its controls from their rows, listed front to back: the
// window's caption, frame, size, colour and font; every control with its place, font, colours,
// tool tip, visibility and what a screen reader calls it; which control covers which; and the
// tab order. Each control goes into the member of `controls` that its row names. A document
// window needs the main window's document area.
void buildWindow(QWidget &window, const WindowDesign &design, const std::vector<ControlDesign> &rows, void *controls,
                 const void *controlsTag, QMdiArea *documentArea = nullptr);
template <typename Controls>
void buildWindow(QWidget &window, const WindowDesign &design, const std::vector<ControlDesign> &rows,
                 Controls &controls, QMdiArea *documentArea = nullptr)
{
    buildWindow(window, design, rows, &controls, &detail::controlsTag<Controls>, documentArea);
}

// Stacks controls listed front to back: the first covers the later ones. Windowed controls
// (buttons, text boxes, frames, bars) always cover drawn ones (labels, pictures, shapes).
void stackFrontToBack(const std::vector<QWidget *> &frontToBack);

// Orders the focusable controls by their tab places and returns them in that order.
std::vector<QWidget *> applyTabOrder(std::vector<std::pair<int, QWidget *>> tabbed);

} // namespace ui

template <typename Control> Control *ui::detail::builtAs(QObject *built, const ControlDesign &row)
{
    auto *control = qobject_cast<Control *>(built);
    if (!control)
        throw std::logic_error(std::string("a row fills a member of another type: ") + row.name);
    return control;
}

template <typename Control>
void ui::detail::put(ControlArray<Control> &member, QObject *built, const ControlDesign &row)
{
    member.add(row.index, builtAs<Control>(built, row));
}

template <typename Control>
void ui::detail::put(std::map<QString, Control *> &member, QObject *built, const ControlDesign &row)
{
    member[designName(row)] = builtAs<Control>(built, row);
}
