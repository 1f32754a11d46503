#include "info/frmmecenaat1.h"

#include "info/credits.h"
#include "info/windowdirectory.h"
#include "resources/pictures.h"
#include "ui/fonts.h"
#include "ui/windowbuilder.h"

namespace {

using ui::ControlDesign;
using ui::fills;
using ui::Kind;
using C = IntroControls;

constexpr ui::BgrColor mauve = ui::rgb(112, 101, 109);
constexpr ui::BgrColor panelYellow = ui::rgb(255, 255, 128);
constexpr ui::FontDesign large{ui::fonts::msSansSerif, 24};
constexpr ui::FontDesign medium{ui::fonts::msSansSerif, 13.5};

// Front to back. The frame is larger than the window, so only its left and top border lines are
// seen; it holds every other control, whose places are measured in it.
// clang-format off
const std::vector<ControlDesign> introDesign{
    {.name = "Frame1", .index = 1, .kind = Kind::Frame, .place = {0, 0, 11520, 19530}, .back = ui::colors::lightYellow},
    {.name = "cmdkombinnen", .fills = fills<&C::cmdkombinnen>, .kind = Kind::PictureCaptionButton, .in = "Frame1_1", .text = "Klik hier en start !", .place = {3600, 1080, 3855, 3495}, .font = {ui::fonts::msSansSerif, 18, true}, .back = ui::colors::white, .tab = 0, .picture = pictures::introButton, .isDefault = true},
    {.name = "Image1", .index = 1, .kind = Kind::Picture, .in = "Frame1_1", .place = {9480, 3960, 1635, 1710}, .picture = pictures::introSide},
    {.name = "Image1", .index = 0, .kind = Kind::Picture, .in = "Frame1_1", .place = {120, 3960, 1635, 1710}, .picture = pictures::introSide},
    {.name = "Image1", .index = 3, .kind = Kind::Picture, .in = "Frame1_1", .place = {0, 5640, 480, 420}, .picture = pictures::smallLogo},
    {.name = "Image1", .index = 2, .kind = Kind::Picture, .in = "Frame1_1", .place = {10560, 5640, 480, 420}, .picture = pictures::smallLogo},
    {.name = "lblpartner2", .kind = Kind::Label, .in = "Frame1_1", .text = "Tobbelwerk ", .place = {1920, 4920, 7455, 615}, .font = large, .back = ui::colors::navy, .fore = ui::colors::white},
    {.name = "Label5", .kind = Kind::Label, .in = "Frame1_1", .text = credits::schoolLine, .place = {0, 6120, 11415, 375}, .font = medium, .back = ui::colors::navy, .fore = ui::colors::white},
    {.name = "Label11", .kind = Kind::Label, .in = "Frame1_1", .text = "Educatieve software voor de  basisschool.", .place = {1320, 360, 8415, 255}, .font = {ui::fonts::arial, 11.25, true}, .back = ui::colors::lightYellow},
    {.name = "Label4", .kind = Kind::Label, .in = "Frame1_1", .text = "Gratis te verspreiden software", .place = {1920, 5520, 7455, 495}, .font = medium, .back = ui::colors::navy, .fore = ui::colors::white},
    {.name = "Shape3", .kind = Kind::Shape, .in = "Frame1_1", .place = {1920, 720, 7455, 4215}, .back = panelYellow},
};
// clang-format on

} // namespace

frmmecenaat1::frmmecenaat1(WindowDirectory &windows)
    : ui::Form(windows.forms(), QStringLiteral("frmmecenaat1")), m_windows(windows)
{
    createControls();
    connectHandlers();
}

void frmmecenaat1::createControls()
{
    // A fixed panel in the main window: an empty caption and no title bar.
    ui::buildWindow(
        *this,
        {.spoken = "welkom bij rekenrups", .document = true, .clientWidth = 11160, .clientHeight = 6720, .back = mauve},
        introDesign, static_cast<IntroControls &>(*this), m_windows.documentArea());
}

void frmmecenaat1::connectHandlers()
{
    connect(cmdkombinnen, &QPushButton::clicked, this, &frmmecenaat1::cmdkombinnen_Click);
}

void frmmecenaat1::Form_Load()
{
    centreOnDisplay();
}

void frmmecenaat1::Form_Activate()
{
    centreOnDisplay();
    cmdkombinnen->setFocus(Qt::ActiveWindowFocusReason);
}

void frmmecenaat1::cmdkombinnen_Click()
{
    Hide();
    m_windows.showChooser();
    m_windows.hideMainWindow();
}
