#include "ui/layout.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QLineEdit>

#include <algorithm>

namespace ui {

namespace {

bool isWindowed(const QWidget *control)
{
    if (qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLineEdit *>(control))
        return true;
    return qobject_cast<const QFrame *>(control) && !qobject_cast<const QLabel *>(control);
}

Qt::Alignment toQt(Align align, Kind kind)
{
    const Qt::Alignment vertical = kind == Kind::TextBox ? Qt::AlignVCenter : Qt::AlignTop;
    switch (align) {
    case Align::Left:
        return vertical | Qt::AlignLeft;
    case Align::Right:
        return vertical | Qt::AlignRight;
    case Align::Centre:
        break;
    }
    return vertical | Qt::AlignHCenter;
}

} // namespace

QString designName(const ControlDesign &design)
{
    const QString name = QString::fromLatin1(design.name);
    return design.index < 0 ? name : name + u'_' + QString::number(design.index);
}

QWidget *buildControl(QWidget *parent, const ControlDesign &design)
{
    QWidget *control = nullptr;
    switch (design.kind) {
    case Kind::Label: {
        auto *label = new Label(parent);
        label->setCaption(QString::fromUtf8(design.text));
        control = label;
        break;
    }
    case Kind::TextBox: {
        auto *box = new TextBox(parent);
        box->setText(QString::fromUtf8(design.text));
        control = box;
        break;
    }
    case Kind::Button:
    case Kind::PictureButton: {
        auto *button = new CommandButton(parent);
        if (design.kind == Kind::Button)
            button->setText(QString::fromUtf8(design.text));
        if (design.picture)
            button->setPicture(QString::fromLatin1(design.picture));
        control = button;
        break;
    }
    case Kind::Picture: {
        auto *picture = new Picture(parent);
        if (design.picture)
            picture->setPicture(QString::fromLatin1(design.picture));
        control = picture;
        break;
    }
    case Kind::Shape:
        control = new Shape(parent);
        if (design.back)
            static_cast<Shape *>(control)->setFillColor(*design.back);
        break;
    case Kind::Frame:
        control = new Frame(parent);
        break;
    }
    applyDesign(control, design);
    return control;
}

void applyDesign(QWidget *control, const ControlDesign &design)
{
    control->setObjectName(designName(design));
    control->setGeometry(toPixels(design.place));
    if (design.font.face)
        control->setFont(designFont(QString::fromLatin1(design.font.face), design.font.points, design.font.bold));
    if (auto *button = qobject_cast<CommandButton *>(control); button && design.back)
        button->setFaceColor(*design.back);
    else if (design.back && design.kind != Kind::Shape)
        setBackColor(control, *design.back);
    if (design.fore)
        setForeColor(control, *design.fore);
    if (*design.toolTip)
        control->setToolTip(QString::fromUtf8(design.toolTip));
    // A button is spoken by its caption, blanks folded; a picture button without one by what its
    // tool tip means.
    if (design.kind == Kind::Button || design.kind == Kind::PictureButton) {
        const char *spoken = design.spoken ? design.spoken : *design.text ? design.text : design.toolTip;
        control->setAccessibleName(QString::fromUtf8(spoken).simplified());
    }
    if (auto *label = qobject_cast<QLabel *>(control); label && design.kind == Kind::Label)
        label->setAlignment(toQt(design.align, design.kind));
    if (auto *box = qobject_cast<QLineEdit *>(control))
        box->setAlignment(toQt(design.align, design.kind));
    control->setVisible(design.visible);
}

void stackFrontToBack(const std::vector<QWidget *> &frontToBack)
{
    for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it) {
        if (!isWindowed(*it))
            (*it)->raise();
    }
    for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it) {
        if (isWindowed(*it))
            (*it)->raise();
    }
}

std::vector<QWidget *> applyTabOrder(std::vector<std::pair<int, QWidget *>> tabbed)
{
    std::stable_sort(tabbed.begin(), tabbed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QWidget *> order;
    for (const auto &[tab, control] : tabbed) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (!order.empty())
            QWidget::setTabOrder(order.back(), control);
        order.push_back(control);
    }
    return order;
}

} // namespace ui
