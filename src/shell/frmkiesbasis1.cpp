#include "shell/frmkiesbasis1.h"

#include "exercise/level.h"
#include "info/credits.h"
#include "info/windowdirectory.h"
#include "resources/pictures.h"
#include "ui/fonts.h"
#include "ui/windowbuilder.h"

namespace {

using ui::Align;
using ui::ControlDesign;
using ui::fills;
using ui::Kind;
using C = ChooserControls;

constexpr ui::BgrColor lightBlue = 0xFFC0C0;
constexpr ui::BgrColor blue = 0xFF0000;
constexpr ui::FontDesign levelFont{ui::fonts::arial, 12, true};
constexpr ui::FontDesign totalFont{ui::fonts::msSansSerif, 13.5, false};
using credits::makerAddress;

// Front to back, as the design lists them. Which screen each level button opens is the level
// table's to say.
// clang-format off
const std::vector<ControlDesign> chooserDesign{
    {.name = "cmdplus", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "rest is 0  (tot 100+)", .toolTip = "KIJK", .place = {4320, 360, 5295, 495}, .font = levelFont, .tab = 0},
    {.name = "cmdplustrain", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "rest is 0 (boven 100+)", .toolTip = "SCHAT", .place = {4320, 1080, 5295, 495}, .font = levelFont, .tab = 1},
    {.name = "cmd100", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "deeltal tot 100  (rest)", .place = {4320, 1800, 5295, 495}, .font = levelFont, .tab = 5},
    {.name = "cmd200", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "deeltal van 100 tot 200", .place = {4320, 2520, 5295, 495}, .font = levelFont, .tab = 6},
    {.name = "cmd300", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "deeltal van 200 tot 300", .place = {4320, 3240, 5295, 495}, .font = levelFont, .tab = 7},
    {.name = "cmd400", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "deeltal van 300 tot 400", .place = {4320, 3960, 5295, 495}, .font = levelFont, .tab = 8},
    {.name = "cmd500", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "deeltal van 400 tot 500 (rest)", .toolTip = "OEFEN", .place = {4320, 4680, 5295, 495}, .font = levelFont, .tab = 2},
    {.name = "cmd999", .fills = fills<&C::levelButtons>, .kind = Kind::Button, .text = "deeltal tot 999 (rest)", .toolTip = "OEFEN", .place = {4320, 5400, 5295, 495}, .font = levelFont, .tab = 4},
    {.name = "cmdeinde", .fills = fills<&C::cmdeinde>, .kind = Kind::Button, .toolTip = "S T O P ", .place = {5760, 6720, 1815, 735}, .back = 0x000080, .tab = 3, .picture = pictures::stopIcon, .spoken = "stoppen"},
    {.name = "lblgemaakt", .fills = fills<&C::lblgemaakt>, .kind = Kind::Label, .place = {8400, 6240, 1575, 375}, .font = totalFont, .back = lightBlue, .fore = blue},
    {.name = "Label1", .fills = fills<&C::Label1>, .kind = Kind::Label, .text = "Totaal aantal juiste oefeningen:", .place = {3960, 6240, 4455, 375}, .font = totalFont, .back = lightBlue, .fore = blue},
    {.name = "Image1", .kind = Kind::Picture, .toolTip = makerAddress, .place = {3240, 6240, 480, 420}, .picture = pictures::smallLogo},
    {.name = "Image2", .kind = Kind::Picture, .toolTip = makerAddress, .place = {3240, 6240, 480, 420}, .picture = pictures::smallLogo},
    // The ring, in the order in which a click moves on; only the first is visible at first.
    {.name = "imgmeisje", .fills = fills<&C::ring>, .kind = Kind::Picture, .place = {360, 0, 3000, 6465}, .picture = pictures::ringMeisje},
    {.name = "imgwit", .fills = fills<&C::ring>, .kind = Kind::Picture, .place = {240, 1800, 3180, 4125}, .visible = false, .picture = pictures::ringWit},
    {.name = "imgchinees", .fills = fills<&C::ring>, .kind = Kind::Picture, .place = {960, 360, 2250, 5820}, .visible = false, .picture = pictures::ringChinees},
    {.name = "imgkleur", .fills = fills<&C::ring>, .kind = Kind::Picture, .place = {0, 1320, 3750, 4155}, .visible = false, .picture = pictures::ringKleur},
    {.name = "imgkleur2", .fills = fills<&C::ring>, .kind = Kind::Picture, .place = {960, 1440, 1500, 4785}, .visible = false, .picture = pictures::ringKleur2},
    {.name = "imgkleur3", .fills = fills<&C::ring>, .kind = Kind::Picture, .place = {360, 120, 3405, 6000}, .visible = false, .picture = pictures::ringKleur3},
    {.name = "Shape1", .kind = Kind::Shape, .place = {3960, 120, 6015, 6015}, .back = 0x404080},
};
// clang-format on

} // namespace

frmkiesbasis1::frmkiesbasis1(WindowDirectory &windows)
    : ui::Form(windows.forms(), QStringLiteral("frmkiesbasis1")), m_windows(windows)
{
    createControls();
    m_narrator.nameLevels(*this);
    connectHandlers();
}

void frmkiesbasis1::createControls()
{
    // Every window shows the same caption; a screen reader tells them apart by what they are for.
    ui::buildWindow(*this,
                    {.caption = "rekenrups",
                     .spoken = "kies een oefening",
                     .clientWidth = 10260,
                     .clientHeight = 7530,
                     .back = ui::colors::white},
                    chooserDesign, static_cast<ChooserControls &>(*this));
}

void frmkiesbasis1::connectHandlers()
{
    for (const exercise::Level &level : exercise::levels()) {
        const QString opens = QString::fromLatin1(level.windowName);
        connect(levelButtons.at(QString::fromLatin1(level.chooserButton)), &QPushButton::clicked, this,
                [this, opens] { openLevel(opens); });
    }
    connect(cmdeinde, &QPushButton::clicked, this, &frmkiesbasis1::cmdeinde_Click);
    for (std::size_t i = 0; i < ring.size(); ++i)
        connect(ring[i], &ui::Picture::clicked, this, [this, i] { ringPicture_Click(i); });
}

void frmkiesbasis1::centreAndFillTotal()
{
    centreOnDisplay();
    if (lblgemaakt->caption().isEmpty())
        lblgemaakt->setCaption(QStringLiteral("0"));
}

void frmkiesbasis1::Form_Load()
{
    centreAndFillTotal();
}

void frmkiesbasis1::Form_Activate()
{
    centreAndFillTotal();
    m_narrator.arrived();
}

basic::Int16 frmkiesbasis1::runningTotal() const
{
    return basic::captionToInt16(lblgemaakt->caption());
}

void frmkiesbasis1::setRunningTotal(basic::Int16 total)
{
    lblgemaakt->setCaption(basic::toText(total));
}

void frmkiesbasis1::openLevel(const QString &windowName)
{
    m_windows.showExerciseScreen(windowName);
    Hide();
    m_windows.hideMainWindow();
}

void frmkiesbasis1::cmdeinde_Click()
{
    m_windows.showInformation();
    Hide();
    m_windows.showMainWindow();
    lblgemaakt->setCaption(QString());
}

void frmkiesbasis1::ringPicture_Click(std::size_t position)
{
    ring[position]->hide();
    ring[(position + 1) % ring.size()]->show();
}
