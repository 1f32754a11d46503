#pragma once

#include "ui/commoncontrols/progressbar.h"
#include "ui/commoncontrols/statusbar.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/precisetimer.h"

#include <cstdint>

class WindowDirectory;

// The controls of the information screen that its handlers reach.
struct InfoControls {
    ui::ProgressBar *ProgressBar1 = nullptr;
    ui::StatusBar *StatusBar1 = nullptr;
    ui::PreciseTimer *Timer1 = nullptr;
    ui::Label *lblgeld = nullptr;
};

// The information screen: presents the maker and the author, scrolls a slogan through its status
// bar, fills a progress bar laid into the status bar, and ends the program after 151 ticks.
class frminfo : public ui::Form, private InfoControls {
    Q_OBJECT
public:
    explicit frminfo(WindowDirectory &windows);

    // The ticks counted so far.
    std::int32_t teller() const { return m_teller; }

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Timer1_Timer();
    // The width of one blank in the window's font, in twips.
    double blankWidthTwips() const;
    void createControls();
    void connectHandlers();
    void toonvoortgang(bool tonen);

    WindowDirectory &m_windows;
    std::int32_t m_teller = 0;
};
