#include "shell/program.h"

#include "exercise/exercisescreen.h"
#include "exercise/level.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "resources/pictures.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "ui/controls.h"

#include <QGuiApplication>

#include <algorithm>
#include <type_traits>

Program::Program(std::unique_ptr<basic::RandomSource> random, QObject *parent)
    : QObject(parent), m_random(random ? std::move(random) : std::make_unique<basic::ClockRandom>())
{
    // Every window shows the program's icon.
    QGuiApplication::setWindowIcon(ui::cachedIcon(QString::fromLatin1(pictures::programIcon)));
}

Program::~Program()
{
    while (!m_windows.empty())
        m_windows.pop_back();
}

template <typename Window, typename... Arguments> Window &Program::load(const QString &name, Arguments &&...arguments)
{
    const auto found =
        std::find_if(m_windows.begin(), m_windows.end(), [&name](const auto &window) { return window.first == name; });
    if (found != m_windows.end())
        return static_cast<Window &>(*found->second);
    auto created = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    Window &window = *created;
    // Stored before its load handler runs, because that may come back here for the same window:
    // MDIForm_Load shows the intro, which is built in the main window's document area.
    m_windows.emplace_back(name, std::move(created));
    if constexpr (std::is_base_of_v<ui::Form, Window>)
        static_cast<ui::Form &>(window).Form_Load();
    else
        window.MDIForm_Load();
    return window;
}

void Program::start()
{
    showMainWindow();
}

MDIForm2 &Program::mdiForm2()
{
    return load<MDIForm2>(QStringLiteral("MDIForm2"), *this);
}

frmkiesbasis1 &Program::kiesbasis1()
{
    return load<frmkiesbasis1>(QStringLiteral("frmkiesbasis1"), *this);
}

ExerciseScreen &Program::exerciseScreen(const QString &windowName)
{
    return load<ExerciseScreen>(windowName, *this, exercise::levelOf(windowName));
}

frmmecenaat1 &Program::frmmecenaat1()
{
    return load<::frmmecenaat1>(QStringLiteral("frmmecenaat1"), *this);
}

frminfo &Program::frminfo()
{
    return load<::frminfo>(QStringLiteral("frminfo"), *this);
}

QMdiArea *Program::documentArea()
{
    return mdiForm2().documentArea();
}

void Program::showMainWindow()
{
    mdiForm2().makeVisible();
}

void Program::hideMainWindow()
{
    mdiForm2().hide();
}

void Program::showIntro()
{
    frmmecenaat1().Show();
}

void Program::hideIntro()
{
    frmmecenaat1().Hide();
}

void Program::showChooser()
{
    kiesbasis1().Show();
}

void Program::showExerciseScreen(const QString &windowName)
{
    exerciseScreen(windowName).Show();
}

void Program::showInformation()
{
    frminfo().Show();
}

basic::Int16 Program::runningTotal()
{
    return kiesbasis1().runningTotal();
}

void Program::setRunningTotal(basic::Int16 total)
{
    kiesbasis1().setRunningTotal(total);
}

bool Program::isLoaded(const QString &windowName) const
{
    return std::any_of(m_windows.begin(), m_windows.end(),
                       [&windowName](const auto &window) { return window.first == windowName; });
}
