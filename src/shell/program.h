#pragma once

#include "basic/random.h"
#include "shell/windows.h"
#include "ui/formmanager.h"

#include <QObject>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QWidget;

// The program's windows: each is created on its first reference, loaded once, and then only
// shown and hidden until the program ends.
class Program : public QObject, public Windows {
    Q_OBJECT
public:
    explicit Program(std::unique_ptr<basic::RandomSource> random = nullptr, QObject *parent = nullptr);
    ~Program() override;

    // Creates the main window; its load handler shows the intro, then it opens maximised.
    void start();

    MDIForm2 &mdiForm2() override;
    frmkiesbasis1 &kiesbasis1() override;
    ExerciseScreen &exerciseScreen(const QString &windowName) override;
    ::frmmecenaat1 &frmmecenaat1() override;
    ::frminfo &frminfo() override;

    ui::FormManager &forms() override { return m_forms; }
    basic::RandomSource &random() override { return *m_random; }

    // Whether a window has been created yet, without creating it.
    bool isLoaded(const QString &windowName) const;

private:
    // The window of that name, created and loaded on the first call with the arguments given.
    template <typename Window, typename... Arguments> Window &load(const QString &name, Arguments &&...arguments);

    ui::FormManager m_forms;
    std::unique_ptr<basic::RandomSource> m_random;
    // In the order of creation, so that they go in reverse: the document windows before the
    // main window whose document area holds them.
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> m_windows;
};
