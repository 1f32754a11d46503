#pragma once

#include "basic/random.h"
#include "info/windowdirectory.h"
#include "ui/formmanager.h"

#include <QObject>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QWidget;
class MDIForm2;
class frmkiesbasis1;
class ExerciseScreen;
class frmmecenaat1;
class frminfo;

// The program's windows: each is created on its first reference, loaded once, and then only
// shown and hidden until the program ends.
class Program : public QObject, public WindowDirectory {
    Q_OBJECT
public:
    explicit Program(std::unique_ptr<basic::RandomSource> random = nullptr, QObject *parent = nullptr);
    ~Program() override;

    // Creates the main window; its load handler shows the intro, then it opens maximised.
    void start();

    MDIForm2 &mdiForm2();
    frmkiesbasis1 &kiesbasis1();
    // An unknown window name is a programming error and throws std::out_of_range.
    ExerciseScreen &exerciseScreen(const QString &windowName);
    ::frmmecenaat1 &frmmecenaat1();
    ::frminfo &frminfo();

    ui::FormManager &forms() override { return m_forms; }
    basic::RandomSource &random() override { return *m_random; }
    QMdiArea *documentArea() override;
    void showMainWindow() override;
    void hideMainWindow() override;
    void showIntro() override;
    void hideIntro() override;
    void showChooser() override;
    void showExerciseScreen(const QString &windowName) override;
    void showInformation() override;
    basic::Int16 runningTotal() override;
    void setRunningTotal(basic::Int16 total) override;

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
