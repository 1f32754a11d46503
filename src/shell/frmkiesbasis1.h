#pragma once

#include "basic/int16.h"
#include "shell/choosercontrols.h"
#include "shell/choosernarrator.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/windowbuilder.h"

#include <vector>

class WindowDirectory;

// The level chooser: eight level buttons, the stop button, the running total of right answers
// and a ring of pictures that turns on a click. Its controls are members of the chooser itself.
class frmkiesbasis1 : public ui::Form, private ChooserControls {
    Q_OBJECT
public:
    explicit frmkiesbasis1(WindowDirectory &windows);

    // A level button: opens the exercise screen of that window name.
    void openLevel(const QString &windowName);
    // The right answers of the session, kept as the text of lblgemaakt.
    basic::Int16 runningTotal() const;
    void setRunningTotal(basic::Int16 total);

private:
    void Form_Load() override;
    void Form_Activate() override;
    void cmdeinde_Click();
    // A click on a picture of the ring hides it and shows the next one.
    void ringPicture_Click(std::size_t position);

    void createControls();
    void connectHandlers();
    void centreAndFillTotal();

    WindowDirectory &m_windows;
    ChooserNarrator m_narrator{*this};
};
