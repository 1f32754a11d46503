#include "shell/mdiform2.h"

#include "shell/frmkiesbasis1.h"
#include "shell/program.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/pictures.h"
#include "ui/windowframe.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {
constexpr ui::BgrColor backdrop = 0x8AE2EA;
}

MDIForm2::MDIForm2(Program &program) : m_program(program)
{
    setObjectName(QStringLiteral("MDIForm2"));
    ui::setFrameKind(this, ui::FrameKind::Standard);
    setWindowTitle(QStringLiteral(" Alle kinderen moeten alle kansen krijgen."));
    setWindowIcon(ui::cachedIcon(QString::fromLatin1(pictures::programIcon)));
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
    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("documentArea"));
    m_area->setBackground(ui::toQColor(backdrop));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDIForm2::noteActivation);

    QMenu *aftrek = menuBar()->addMenu(QStringLiteral("OPENEN "));
    aftrek->setObjectName(QStringLiteral("aftrek"));
    m_aftrek2 = aftrek->addAction(QStringLiteral("&Basis"));
    m_aftrek2->setObjectName(QStringLiteral("aftrek2"));
    m_aftrek2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(m_aftrek2, &QAction::triggered, this, &MDIForm2::aftrek2_Click);
}

void MDIForm2::MDIForm_Load()
{
    m_program.frmmecenaat1().Show();
}

void MDIForm2::aftrek2_Click()
{
    m_program.frmmecenaat1().Hide();
    m_program.kiesbasis1().Show();
    makeVisible();
}

void MDIForm2::makeVisible()
{
    if (isHidden())
        showMaximized();
}

void MDIForm2::closeEvent(QCloseEvent *event)
{
    m_program.forms().handleCloseRequest(event);
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
    m_program.forms().activated(form ? form : this);
}
