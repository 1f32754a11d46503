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

template <typename F, typename... Args>
F &Program::load(std::unique_ptr<F> &slot, Args &&...args)
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
    return load(m_kiesbasis1, *this);
}

ui::Form &Program::exerciseScreen(const QString &windowName)
{
    const exercise::Level &level = exercise::levelOf(windowName);
    std::unique_ptr<ui::Form> &slot = m_exerciseScreens[windowName];
    if (!slot) {
        slot = std::make_unique<ExerciseScreen>(*this, level);
        slot->Form_Load();
    }
    return *slot;
}

ui::Form &Program::frmmecenaat1()
{
    if (!m_frmmecenaat1) {
        m_frmmecenaat1 = std::make_unique<::frmmecenaat1>(*this);
        m_frmmecenaat1->Form_Load();
    }
    return *m_frmmecenaat1;
}

ui::Form &Program::frminfo()
{
    if (!m_frminfo) {
        m_frminfo = std::make_unique<::frminfo>(*this);
        m_frminfo->Form_Load();
    }
    return *m_frminfo;
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
