#include "ui/windowbuilder.h"

#include "ui/commoncontrols/progressbar.h"
#include "ui/commoncontrols/statusbar.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form.h"
#include "ui/picturecaptionbutton.h"
#include "ui/precisetimer.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace ui {

namespace {

bool isWindowed(const QWidget *control)
{
    if (qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLineEdit *>(control))
        return true;
    if (qobject_cast<const StatusBar *>(control) || qobject_cast<const ProgressBar *>(control))
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

QFont fontOf(const FontDesign &font)
{
    return designFont(QString::fromLatin1(font.face), font.points, font.bold);
}

// A control's place, font, colours, tool tip, name for screen readers and visibility.
void applyDesign(QWidget *control, const ControlDesign &design)
{
    control->setGeometry(toPixels(design.place));
    if (design.font.face)
        control->setFont(fontOf(design.font));
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
    if (design.spoken) {
        control->setAccessibleName(QString::fromUtf8(design.spoken));
    } else if (qobject_cast<QAbstractButton *>(control)) {
        const char *spoken = *design.text ? design.text : design.toolTip;
        control->setAccessibleName(QString::fromUtf8(spoken).simplified());
    }
    if (auto *label = qobject_cast<QLabel *>(control); label && design.kind == Kind::Label)
        label->setAlignment(toQt(design.align, design.kind));
    if (auto *box = qobject_cast<QLineEdit *>(control))
        box->setAlignment(toQt(design.align, design.kind));
    if (auto *button = qobject_cast<QPushButton *>(control); button && design.isDefault) {
        // Outside a dialog only an auto-default button takes Enter.
        button->setAutoDefault(true);
        button->setDefault(true);
    }
    control->setVisible(design.visible);
}

bool isWidget(Kind kind)
{
    return kind != Kind::Timer && kind != Kind::Menu && kind != Kind::MenuCommand && kind != Kind::DocumentArea;
}

bool isButton(Kind kind)
{
    return kind == Kind::Button || kind == Kind::PictureCaptionButton;
}

// The first field that the row sets and its kind ignores, or none.
const char *ignoredField(const ControlDesign &row)
{
    const Kind kind = row.kind;
    const bool widget = isWidget(kind);
    const bool captioned = isButton(kind) || kind == Kind::Label || kind == Kind::TextBox || kind == Kind::Menu ||
                           kind == Kind::MenuCommand;
    const struct {
        const char *name;
        bool set;
        bool used;
    } fields[] = {
        {"text", *row.text != 0, captioned},
        {"toolTip", *row.toolTip != 0, widget},
        {"place", row.place.width != 0 || row.place.height != 0 || row.place.left != 0 || row.place.top != 0, widget},
        {"font", row.font.face != nullptr, widget},
        {"back", row.back.has_value(), widget || kind == Kind::DocumentArea},
        {"fore", row.fore.has_value(), widget},
        {"visible", !row.visible, widget},
        {"tab", row.tab >= 0, widget},
        {"align", row.align != Align::Centre, kind == Kind::Label || kind == Kind::TextBox},
        {"picture", row.picture != nullptr, isButton(kind) || kind == Kind::Picture},
        {"spoken", row.spoken != nullptr, widget},
        {"shortcut", row.shortcut != nullptr, kind == Kind::MenuCommand},
        {"interval", row.interval != 0, kind == Kind::Timer},
        {"isDefault", row.isDefault, isButton(kind)},
    };
    for (const auto &field : fields) {
        if (field.set && !field.used)
            return field.name;
    }
    return nullptr;
}

// A control named after its design from its creation on, before its caption gives it an accessible
// name: Qt's browser platform names the element a screen reader finds once, when it first appears.
template <class Control> Control *named(QWidget *parent, const ControlDesign &design)
{
    auto *control = new Control(parent);
    control->setObjectName(designName(design));
    return control;
}

QWidget *buildWidget(QWidget *parent, const ControlDesign &design)
{
    const QString text = QString::fromUtf8(design.text);
    const QString picture = design.picture ? QString::fromLatin1(design.picture) : QString();
    switch (design.kind) {
    case Kind::Label: {
        auto *label = named<Label>(parent, design);
        label->setCaption(text);
        return label;
    }
    case Kind::TextBox: {
        auto *box = named<TextBox>(parent, design);
        box->setText(text);
        return box;
    }
    case Kind::Button: {
        auto *button = named<CommandButton>(parent, design);
        button->setText(text);
        if (!picture.isEmpty())
            button->setPicture(picture);
        return button;
    }
    case Kind::PictureCaptionButton: {
        auto *button = named<PictureCaptionButton>(parent, design);
        button->setText(text);
        button->setPicture(picture);
        return button;
    }
    case Kind::Picture: {
        auto *shown = named<Picture>(parent, design);
        if (!picture.isEmpty())
            shown->setPicture(picture);
        return shown;
    }
    case Kind::Shape: {
        auto *shape = named<Shape>(parent, design);
        if (design.back)
            shape->setFillColor(*design.back);
        return shape;
    }
    case Kind::Frame:
        return named<Frame>(parent, design);
    case Kind::StatusBar:
        return named<StatusBar>(parent, design);
    case Kind::ProgressBar:
        return named<ProgressBar>(parent, design);
    case Kind::Timer:
    case Kind::Menu:
    case Kind::MenuCommand:
    case Kind::DocumentArea:
        break;
    }
    return nullptr;
}

// The parts of a main window, which are no child controls: its menus, their commands, its document area.
QObject *buildMainWindowPart(QWidget &window, QObject *in, const ControlDesign &design)
{
    auto *main = qobject_cast<QMainWindow *>(&window);
    if (!main)
        throw std::logic_error(std::string("only a main window has ") + design.name);
    const QString text = QString::fromUtf8(design.text);
    switch (design.kind) {
    case Kind::Menu:
        return main->menuBar()->addMenu(text);
    case Kind::MenuCommand: {
        auto *menu = qobject_cast<QMenu *>(in);
        if (!menu)
            throw std::logic_error(std::string("a menu command stands in a menu: ") + design.name);
        QAction *command = menu->addAction(text);
        if (design.shortcut)
            command->setShortcut(QKeySequence(QString::fromLatin1(design.shortcut)));
        return command;
    }
    case Kind::DocumentArea: {
        auto *area = new QMdiArea(main);
        if (design.back)
            area->setBackground(toQColor(*design.back));
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        main->setCentralWidget(area);
        return area;
    }
    default:
        return nullptr;
    }
}

void designWindow(QWidget &window, const WindowDesign &design, QMdiArea *documentArea)
{
    auto *form = qobject_cast<Form *>(&window);
    if (design.document) {
        if (!form || !documentArea)
            throw std::logic_error("a document window is a form in the main window's document area");
        form->makeDocumentWindow(documentArea);
    } else if (form) {
        form->setFrameKind(design.frame);
    } else {
        setFrameKind(&window, design.frame);
    }
    window.setWindowTitle(QString::fromUtf8(design.caption));
    if (design.font.face)
        window.setFont(fontOf(design.font));
    if (form && design.back)
        form->setBackColor(*design.back);
    if (form && design.clientWidth > 0)
        form->setClientSizeTwips(design.clientWidth, design.clientHeight);
    if (design.spoken) {
        if (form)
            form->setSpokenName(QString::fromUtf8(design.spoken));
        else
            window.setAccessibleName(QString::fromUtf8(design.spoken));
    }
}

} // namespace

QString designName(const char *name, int index)
{
    const QString designed = QString::fromLatin1(name);
    return index < 0 ? designed : designed + u'_' + QString::number(index);
}

QString designName(const ControlDesign &design)
{
    return designName(design.name, design.index);
}

void buildWindow(QWidget &window, const WindowDesign &design, const std::vector<ControlDesign> &rows, void *controls,
                 const void *controlsTag, QMdiArea *documentArea)
{
    designWindow(window, design, documentArea);
    std::map<QString, QObject *> byName;
    std::vector<QWidget *> frontToBack;
    std::vector<std::pair<int, QWidget *>> tabbed;
    for (const ControlDesign &row : rows) {
        const auto found = byName.find(QString::fromLatin1(row.in));
        QObject *in = *row.in ? (found == byName.end() ? nullptr : found->second) : &window;
        if (!in)
            throw std::logic_error(std::string("a control stands in one that is not designed before it: ") + row.name);
        if (const char *field = ignoredField(row))
            throw std::logic_error(std::string("a row sets what its kind ignores: ") + row.name + '.' + field);
        if (row.fills.into && row.fills.controls != controlsTag)
            throw std::logic_error(std::string("a row fills a member of another window's controls: ") + row.name);
        QObject *built = nullptr;
        if (row.kind == Kind::Timer) {
            auto *timer = new PreciseTimer(&window);
            timer->setInterval(row.interval);
            built = timer;
        } else if (QWidget *control = buildWidget(qobject_cast<QWidget *>(in), row)) {
            applyDesign(control, row);
            frontToBack.push_back(control);
            if (row.tab >= 0)
                tabbed.emplace_back(row.tab, control);
            built = control;
        } else {
            built = buildMainWindowPart(window, in, row);
        }
        built->setObjectName(designName(row));
        byName[designName(row)] = built;
        if (row.fills.into)
            row.fills.into(controls, built, row);
    }
    stackFrontToBack(frontToBack);
    const std::vector<QWidget *> order = applyTabOrder(tabbed);
    if (auto *form = qobject_cast<Form *>(&window))
        form->setTabOrder(order);
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
