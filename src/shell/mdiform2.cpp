#include "shell/mdiform2.h"

#include "info/windowdirectory.h"
#include "ui/form.h"
#include "ui/formmanager.h"
#include "ui/windowbuilder.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

using ui::fills;
using ui::Kind;

// What the main window's code reaches.
struct MainControls {
    QAction *aftrek2 = nullptr;
    QMdiArea *documentArea = nullptr;
};
using C = MainControls;

// The menu and the area in which the document windows live.
// clang-format off
const std::vector<ui::ControlDesign> mainDesign{
    {.name = "aftrek", .kind = Kind::Menu, .text = "OPENEN "},
    {.name = "aftrek2", .fills = fills<&C::aftrek2>, .kind = Kind::MenuCommand, .in = "aftrek", .text = "&Basis", .shortcut = "Ctrl+B"},
    {.name = "documentArea", .fills = fills<&C::documentArea>, .kind = Kind::DocumentArea, .back = 0x8AE2EA},
};
// clang-format on

} // namespace

MDIForm2::MDIForm2(WindowDirectory &windows) : m_windows(windows)
{
    setObjectName(QStringLiteral("MDIForm2"));
    createControls();
}

MDIForm2::~MDIForm2()
{
    // The document area still signals activation changes while QWidget's destructor closes it,
    // when this object is no longer an MDIForm2.
    disconnect(m_area, nullptr, this, nullptr);
}

void MDIForm2::createControls()
{
    MainControls controls;
    ui::buildWindow(*this, {.caption = " Alle kinderen moeten alle kansen krijgen."}, mainDesign, controls);
    m_area = controls.documentArea;
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDIForm2::noteActivation);
    connect(controls.aftrek2, &QAction::triggered, this, &MDIForm2::aftrek2_Click);
}

void MDIForm2::MDIForm_Load()
{
    m_windows.showIntro();
}

void MDIForm2::aftrek2_Click()
{
    m_windows.hideIntro();
    m_windows.showChooser();
    makeVisible();
}

void MDIForm2::makeVisible()
{
    if (isHidden())
        showMaximized();
}

void MDIForm2::closeEvent(QCloseEvent *event)
{
    m_windows.forms().handleCloseRequest(event);
}

void MDIForm2::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        noteActivation();
    QMainWindow::changeEvent(event);
}

void MDIForm2::noteActivation()
{
    if (!isActiveWindow())
        return;
    // The main window counts as active itself while none of its documents is.
    QMdiSubWindow *active = m_area->activeSubWindow();
    QWidget *form = active && !active->isHidden() ? ui::Form::ofSubWindow(active) : nullptr;
    m_windows.forms().activated(form ? form : this);
}
