#pragma once

#include <QMainWindow>

class Windows;
class QAction;
class QMdiArea;

// The main window: a maximised backdrop with the motto as its title, a menu, and the document
// area in which the intro and information screens live.
class MDIForm2 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm2(Windows &windows);
    ~MDIForm2() override;

    QMdiArea *documentArea() const { return m_area; }
    QAction *basisAction() const { return m_aftrek2; }

    void MDIForm_Load();
    void aftrek2_Click();
    // Makes the main window visible again, maximised.
    void makeVisible();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void noteActivation();

    Windows &m_windows;
    QMdiArea *m_area = nullptr;
    QAction *m_aftrek2 = nullptr;
};
