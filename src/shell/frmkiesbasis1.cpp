#include "shell/frmkiesbasis1.h"

#include "info/credits.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/pictures.h"

namespace {

using ui::Align;
using ui::ControlDesign;
using ui::Kind;

constexpr ui::BgrColor lightBlue = 0xFFC0C0;
constexpr ui::BgrColor blue = 0xFF0000;
constexpr ui::FontDesign levelFont{ui::fonts::arial, 12, true};
constexpr ui::FontDesign totalFont{ui::fonts::msSansSerif, 13.5, false};
using credits::makerAddress;

struct LevelButton {
    ControlDesign design;
    const char *opens;
};

// The level buttons from top to bottom, with the exercise screen each one opens.
// clang-format off
const std::array<LevelButton, 8> levelButtons{{
    {{"cmdplus", -1, Kind::Button, "rest is 0  (tot 100+)", "KIJK", {4320, 360, 5295, 495}, levelFont, {}, {}, true, 0}, "frmrekenrupseven"},
    {{"cmdplustrain", -1, Kind::Button, "rest is 0 (boven 100+)", "SCHAT", {4320, 1080, 5295, 495}, levelFont, {}, {}, true, 1}, "frmrekenrupsevenhoog"},
    {{"cmd100", -1, Kind::Button, "deeltal tot 100  (rest)", "", {4320, 1800, 5295, 495}, levelFont, {}, {}, true, 5}, "frmrekenrups100"},
    {{"cmd200", -1, Kind::Button, "deeltal van 100 tot 200", "", {4320, 2520, 5295, 495}, levelFont, {}, {}, true, 6}, "frmrekenrups200"},
    {{"cmd300", -1, Kind::Button, "deeltal van 200 tot 300", "", {4320, 3240, 5295, 495}, levelFont, {}, {}, true, 7}, "frmrekenrups300"},
    {{"cmd400", -1, Kind::Button, "deeltal van 300 tot 400", "", {4320, 3960, 5295, 495}, levelFont, {}, {}, true, 8}, "frmrekenrups400"},
    {{"cmd500", -1, Kind::Button, "deeltal van 400 tot 500 (rest)", "OEFEN", {4320, 4680, 5295, 495}, levelFont, {}, {}, true, 2}, "frmrekenrups500"},
    {{"cmd999", -1, Kind::Button, "deeltal tot 999 (rest)", "OEFEN", {4320, 5400, 5295, 495}, levelFont, {}, {}, true, 4}, "frmrekenrups999"},
}};
// clang-format on

// The ring, in the order in which a click moves on; only the first is visible at first.
// clang-format off
const std::array<ControlDesign, 6> ringDesign{{
    {"imgmeisje", -1, Kind::Picture, "", "", {360, 0, 3000, 6465}, {}, {}, {}, true, -1, Align::Left, pictures::ringMeisje},
    {"imgwit", -1, Kind::Picture, "", "", {240, 1800, 3180, 4125}, {}, {}, {}, false, -1, Align::Left, pictures::ringWit},
    {"imgchinees", -1, Kind::Picture, "", "", {960, 360, 2250, 5820}, {}, {}, {}, false, -1, Align::Left, pictures::ringChinees},
    {"imgkleur", -1, Kind::Picture, "", "", {0, 1320, 3750, 4155}, {}, {}, {}, false, -1, Align::Left, pictures::ringKleur},
    {"imgkleur2", -1, Kind::Picture, "", "", {960, 1440, 1500, 4785}, {}, {}, {}, false, -1, Align::Left, pictures::ringKleur2},
    {"imgkleur3", -1, Kind::Picture, "", "", {360, 120, 3405, 6000}, {}, {}, {}, false, -1, Align::Left, pictures::ringKleur3},
}};

const ControlDesign cmdeindeDesign{"cmdeinde", -1, Kind::PictureButton, "", "S T O P ", {5760, 6720, 1815, 735}, {}, 0x000080, {}, true, 3, Align::Centre, pictures::stopIcon, "stoppen"};
const ControlDesign label1Design{"Label1", -1, Kind::Label, "Totaal aantal juiste oefeningen:", "", {3960, 6240, 4455, 375}, totalFont, lightBlue, blue, true};
const ControlDesign lblgemaaktDesign{"lblgemaakt", -1, Kind::Label, "", "", {8400, 6240, 1575, 375}, totalFont, lightBlue, blue, true};
const ControlDesign image1Design{"Image1", -1, Kind::Picture, "", makerAddress, {3240, 6240, 480, 420}, {}, {}, {}, true, -1, Align::Left, pictures::smallLogo};
const ControlDesign image2Design{"Image2", -1, Kind::Picture, "", makerAddress, {3240, 6240, 480, 420}, {}, {}, {}, true, -1, Align::Left, pictures::smallLogo};
const ControlDesign shape1Design{"Shape1", -1, Kind::Shape, "", "", {3960, 120, 6015, 6015}, {}, 0x404080};
// clang-format on

} // namespace

frmkiesbasis1::frmkiesbasis1(Program &program)
    : ui::Form(program.forms(), QStringLiteral("frmkiesbasis1")), m_program(program)
{
    setFrameKind(ui::FrameKind::Standard);
    setWindowTitle(QStringLiteral("rekenrups"));
    // Every window shows the same caption; a screen reader tells them apart by what they are for.
    setAccessibleName(QStringLiteral("kies een oefening"));
    setWindowIcon(ui::cachedIcon(QString::fromLatin1(pictures::programIcon)));
    setBackColor(0xFFFFFF);
    setClientSizeTwips(10260, 7530);
    createControls();
    connectHandlers();
}

void frmkiesbasis1::createControls()
{
    std::vector<QWidget *> frontToBack;
    std::vector<std::pair<int, QWidget *>> tabbed;
    for (const LevelButton &level : levelButtons) {
        QWidget *button = ui::buildControl(this, level.design);
        frontToBack.push_back(button);
        tabbed.emplace_back(level.design.tab, button);
    }
    cmdeinde = static_cast<ui::CommandButton *>(ui::buildControl(this, cmdeindeDesign));
    tabbed.emplace_back(cmdeindeDesign.tab, cmdeinde);
    frontToBack.push_back(cmdeinde);
    Label1 = static_cast<ui::Label *>(ui::buildControl(this, label1Design));
    lblgemaakt = static_cast<ui::Label *>(ui::buildControl(this, lblgemaaktDesign));
    frontToBack.push_back(lblgemaakt);
    frontToBack.push_back(Label1);
    frontToBack.push_back(ui::buildControl(this, image1Design));
    frontToBack.push_back(ui::buildControl(this, image2Design));
    for (std::size_t i = 0; i < ring.size(); ++i) {
        ring[i] = static_cast<ui::Picture *>(ui::buildControl(this, ringDesign[i]));
        frontToBack.push_back(ring[i]);
    }
    frontToBack.push_back(ui::buildControl(this, shape1Design));
    ui::stackFrontToBack(frontToBack);
    setTabOrder(ui::applyTabOrder(tabbed));
}

void frmkiesbasis1::connectHandlers()
{
    for (const LevelButton &level : levelButtons) {
        auto *button = findChild<ui::CommandButton *>(QString::fromLatin1(level.design.name));
        const QString opens = QString::fromLatin1(level.opens);
        connect(button, &QPushButton::clicked, this, [this, opens] { openLevel(opens); });
    }
    connect(cmdeinde, &QPushButton::clicked, this, &frmkiesbasis1::cmdeinde_Click);
    for (std::size_t i = 0; i < ring.size(); ++i)
        connect(ring[i], &ui::Picture::clicked, this, [this, i] { ringPicture_Click(static_cast<int>(i)); });
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
}

void frmkiesbasis1::openLevel(const QString &windowName)
{
    m_program.exerciseScreen(windowName).Show();
    Hide();
    m_program.mdiForm2().hide();
}

void frmkiesbasis1::cmdeinde_Click()
{
    m_program.frminfo().Show();
    Hide();
    m_program.mdiForm2().makeVisible();
    lblgemaakt->setCaption(QString());
}

void frmkiesbasis1::ringPicture_Click(int position)
{
    ring[static_cast<std::size_t>(position)]->hide();
    ring[static_cast<std::size_t>(position + 1) % ring.size()]->show();
}
