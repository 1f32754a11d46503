#pragma once

#include "ui/colors.h"
#include "ui/twips.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace ui {

enum class Kind { Label, TextBox, Button, PictureButton, Picture, Shape, Frame };
enum class Align { Left, Centre, Right };

struct FontDesign {
    const char *face = nullptr; // none: the window's font
    double points = 0;
    bool bold = false;
};

// One row of a design table: a control as it stands before any handler runs.
struct ControlDesign {
    const char *name;
    int index = -1; // element of a control array, or -1
    Kind kind = Kind::Label;
    const char *text = "";
    const char *toolTip = "";
    TwipRect place;
    FontDesign font;
    std::optional<BgrColor> back;
    std::optional<BgrColor> fore;
    bool visible = true;
    int tab = -1; // place in the tab order, -1 for none
    Align align = Align::Centre;
    const char *picture = nullptr;
    // What a screen reader calls a picture button, where its tool tip does not say it well.
    const char *spoken = nullptr;
};

// objectName of a control: its design name, "_index" for an array element.
QString designName(const ControlDesign &design);

// Builds one control from its row; the caller keeps the typed pointer it needs.
QWidget *buildControl(QWidget *parent, const ControlDesign &design);

// Applies a row's place, font, colours, tool tip and visibility to an existing control.
void applyDesign(QWidget *control, const ControlDesign &design);

// Stacks controls listed front to back: the first covers the later ones. Windowed controls
// (buttons, text boxes, frames) always cover drawn ones (labels, pictures, shapes).
void stackFrontToBack(const std::vector<QWidget *> &frontToBack);

// Orders the focusable controls by their tab places and returns them in that order.
std::vector<QWidget *> applyTabOrder(std::vector<std::pair<int, QWidget *>> tabbed);

} // namespace ui
