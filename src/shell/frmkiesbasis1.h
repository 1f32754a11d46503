#pragma once

#include "shell/choosernarrator.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <array>

class Windows;

// The level chooser: eight level buttons, the stop button, the running total of right answers
// and a ring of pictures that turns on a click.
class frmkiesbasis1 : public ui::Form {
    Q_OBJECT
public:
    explicit frmkiesbasis1(Windows &windows);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdeinde_Click();
    // A level button: opens the exercise screen of that window name.
    void openLevel(const QString &windowName);
    // A click on a picture of the ring hides it and shows the next one.
    void ringPicture_Click(int position);

    ui::Label *lblgemaakt = nullptr;
    ui::Label *Label1 = nullptr;
    ui::CommandButton *cmdeinde = nullptr;
    std::array<ui::Picture *, 6> ring{};

private:
    void createControls();
    void connectHandlers();
    void centreAndFillTotal();

    Windows &m_windows;
    ChooserNarrator m_narrator{*this};
};
