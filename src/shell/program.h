#pragma once

#include "ui/formmanager.h"
#include "ui/random.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>

class MDIForm2;
class frmkiesbasis1;

namespace ui {
class Form;
}

// The program's windows: each is created on its first reference, loaded once, and then only
// shown and hidden until the program ends.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(std::unique_ptr<ui::RandomSource> random = nullptr, QObject *parent = nullptr);
    ~Program() override;

    // Creates the main window; its load handler shows the intro, then it opens maximised.
    void start();

    ui::FormManager &forms() { return m_forms; }
    ui::RandomSource &random() { return *m_random; }

    MDIForm2 &mdiForm2();
    frmkiesbasis1 &kiesbasis1();
    ui::Form &exerciseScreen(const QString &windowName);
    ui::Form &frmmecenaat1();
    ui::Form &frminfo();

    // Whether a window has been created yet, without creating it.
    bool isLoaded(const QString &windowName) const;

private:
    template <typename F, typename Slot, typename... Args>
    Slot &load(std::unique_ptr<Slot> &slot, Args &&...args);

    ui::FormManager m_forms;
    std::unique_ptr<ui::RandomSource> m_random;
    std::unique_ptr<MDIForm2> m_mdiForm2;
    std::unique_ptr<frmkiesbasis1> m_kiesbasis1;
    std::map<QString, std::unique_ptr<ui::Form>> m_exerciseScreens;
    std::unique_ptr<ui::Form> m_frmmecenaat1;
    std::unique_ptr<ui::Form> m_frminfo;
};
