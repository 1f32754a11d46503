#pragma once

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturecaptionbutton.h"

class WindowDirectory;

// The controls of the intro screen that its handlers reach.
struct IntroControls {
    ui::PictureCaptionButton *cmdkombinnen = nullptr;
};

// The intro screen: a fixed panel in the main window naming the maker, with one big button that
// leads on to the level chooser.
class frmmecenaat1 : public ui::Form, private IntroControls {
    Q_OBJECT
public:
    explicit frmmecenaat1(WindowDirectory &windows);

private:
    void Form_Load() override;
    void Form_Activate() override;
    void cmdkombinnen_Click();

    void createControls();
    void connectHandlers();

    WindowDirectory &m_windows;
};
