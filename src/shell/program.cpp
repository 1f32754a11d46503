#include "shell/program.h"

#include "exercise/exercisescreen.h"
#include "info/frminfo.h"
#include "info/frmmecenaat1.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "ui/form.h"

Program::Program(std::unique_ptr<ui::RandomSource> random, QObject *parent)
    : QObject(parent), m_random(random ? std::move(random) : std::make_unique<ui::ClockRandom>())
{
}

Program::~Program() = default;

// The first reference to a window creates it and runs its Form_Load.
template <typename F, typename Slot, typename... Args>
Slot &Program::load(std::unique_ptr<Slot> &slot, Args &&...args)
{
    if (!slot) {
        slot = std::make_unique<F>(std::forward<Args>(args)...);
        slot->Form_Load();
    }
    return *slot;
}

void Program::start()
{
    MDIForm2 &main = mdiForm2();
    main.makeVisible();
}

MDIForm2 &Program::mdiForm2()
{
    if (!m_mdiForm2) {
        m_mdiForm2 = std::make_unique<MDIForm2>(*this);
        m_mdiForm2->MDIForm_Load();
    }
    return *m_mdiForm2;
}

frmkiesbasis1 &Program::kiesbasis1()
{
    return load<frmkiesbasis1>(m_kiesbasis1, *this);
}

ui::Form &Program::exerciseScreen(const QString &windowName)
{
    const exercise::Level &level = exercise::levelOf(windowName);
    return load<ExerciseScreen>(m_exerciseScreens[windowName], *this, level);
}

ui::Form &Program::frmmecenaat1()
{
    return load<::frmmecenaat1>(m_frmmecenaat1, *this);
}

ui::Form &Program::frminfo()
{
    return load<::frminfo>(m_frminfo, *this);
}

bool Program::isLoaded(const QString &windowName) const
{
    if (windowName == u"MDIForm2")
        return m_mdiForm2 != nullptr;
    if (windowName == u"frmkiesbasis1")
        return m_kiesbasis1 != nullptr;
    if (windowName == u"frmmecenaat1")
        return m_frmmecenaat1 != nullptr;
    if (windowName == u"frminfo")
        return m_frminfo != nullptr;
    const auto found = m_exerciseScreens.find(windowName);
    return found != m_exerciseScreens.end() && found->second;
}
