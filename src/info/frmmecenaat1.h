#pragma once

#include "ui/controls.h"
#include "ui/form.h"
#include "ui/picturecaptionbutton.h"

class Windows;

// The intro screen: a fixed panel in the main window naming the maker, with one big button that
// leads on to the level chooser.
class frmmecenaat1 : public ui::Form {
    Q_OBJECT
public:
    explicit frmmecenaat1(Windows &windows);

    void Form_Load() override;
    void Form_Activate() override;
    void cmdkombinnen_Click();

    ui::PictureCaptionButton *cmdkombinnen = nullptr;
    ui::Frame *Frame1 = nullptr;
    ui::ControlArray<ui::Picture> Image1;

private:
    void createControls();
    void connectHandlers();

    Windows &m_windows;
};
