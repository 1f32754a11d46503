#pragma once

#include <QMainWindow>

class WindowDirectory;
class QAction;
class QMdiArea;

// The main window: a maximised backdrop with the motto as its title, a menu, and the document
// area in which the intro and information screens live.
class MDIForm2 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm2(WindowDirectory &windows);
    ~MDIForm2() override;

    QMdiArea *documentArea() const { return m_area; }

    // Runs once, when the program creates the main window.
    void MDIForm_Load();
    // Makes the main window visible again, maximised.
    void makeVisible();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void aftrek2_Click();
    void createControls();
    void noteActivation();

    WindowDirectory &m_windows;
    QMdiArea *m_area = nullptr;
};
