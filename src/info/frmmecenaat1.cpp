#include "info/frmmecenaat1.h"

#include "info/credits.h"
#include "info/documentwindow.h"
#include "shell/frmkiesbasis1.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/pictures.h"

namespace {

using ui::Align;
using ui::ControlDesign;
using ui::Kind;

constexpr ui::BgrColor mauve = ui::rgb(112, 101, 109);
constexpr ui::BgrColor panelYellow = ui::rgb(255, 255, 128);
constexpr ui::FontDesign large{ui::fonts::msSansSerif, 24};
constexpr ui::FontDesign medium{ui::fonts::msSansSerif, 13.5};

// Larger than the window, so only its left and top border lines are seen.
const ControlDesign frameDesign{"Frame1", 1, Kind::Frame, "", "", {0, 0, 11520, 19530}, {}, ui::colors::lightYellow};

const ControlDesign buttonDesign{.name = "cmdkombinnen",
                                 .kind = Kind::PictureButton,
                                 .text = "Klik hier en start !",
                                 .place = {3600, 1080, 3855, 3495},
                                 .font = {ui::fonts::msSansSerif, 18, true},
                                 .back = ui::colors::white,
                                 .tab = 0};

ControlDesign image1(int index, const char *resource, ui::TwipRect place)
{
    return {"Image1", index, Kind::Picture, "", "", place, {}, {}, {}, true, -1, Align::Left, resource};
}

ControlDesign label(const char *name, const char *text, ui::TwipRect place, ui::FontDesign font, ui::BgrColor back,
                    std::optional<ui::BgrColor> fore = {})
{
    return {name, -1, Kind::Label, text, "", place, font, back, fore};
}

// The controls inside the frame, front to back after the button.
const std::array<ControlDesign, 9> frameContents{{
    image1(1, pictures::introSide, {9480, 3960, 1635, 1710}),
    image1(0, pictures::introSide, {120, 3960, 1635, 1710}),
    image1(3, pictures::smallLogo, {0, 5640, 480, 420}),
    image1(2, pictures::smallLogo, {10560, 5640, 480, 420}),
    label("lblpartner2", "Tobbelwerk ", {1920, 4920, 7455, 615}, large, ui::colors::navy, ui::colors::white),
    label("Label5", credits::schoolLine, {0, 6120, 11415, 375}, medium, ui::colors::navy, ui::colors::white),
    label("Label11", "Educatieve software voor de  basisschool.", {1320, 360, 8415, 255},
          {ui::fonts::arial, 11.25, true}, ui::colors::lightYellow),
    label("Label4", "Gratis te verspreiden software", {1920, 5520, 7455, 495}, medium, ui::colors::navy,
          ui::colors::white),
    {"Shape3", -1, Kind::Shape, "", "", {1920, 720, 7455, 4215}, {}, panelYellow},
}};

} // namespace

frmmecenaat1::frmmecenaat1(Program &program)
    : ui::Form(program.forms(), QStringLiteral("frmmecenaat1")), m_program(program)
{
    setWindowIcon(ui::cachedIcon(QString::fromLatin1(pictures::programIcon)));
    setBackColor(mauve);
    info::makeFixedDocumentWindow(*this, program.mdiForm2().documentArea(), 11160, 6720);
    setSpokenName(QStringLiteral("welkom bij rekenrups"));
    createControls();
    connectHandlers();
}

void frmmecenaat1::createControls()
{
    Frame1 = static_cast<ui::Frame *>(ui::buildControl(this, frameDesign));
    cmdkombinnen = new ui::PictureCaptionButton(Frame1);
    ui::applyDesign(cmdkombinnen, buttonDesign);
    cmdkombinnen->setText(QString::fromUtf8(buttonDesign.text));
    cmdkombinnen->setPicture(QString::fromLatin1(pictures::introButton));
    // Outside a dialog only an auto-default button takes Enter.
    cmdkombinnen->setAutoDefault(true);
    cmdkombinnen->setDefault(true);

    std::vector<QWidget *> frontToBack{cmdkombinnen};
    for (const ControlDesign &design : frameContents) {
        QWidget *control = ui::buildControl(Frame1, design);
        if (design.kind == Kind::Picture)
            Image1.add(design.index, static_cast<ui::Picture *>(control));
        frontToBack.push_back(control);
    }
    ui::stackFrontToBack(frontToBack);
    setTabOrder(ui::applyTabOrder({{buttonDesign.tab, cmdkombinnen}}));
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
    m_program.kiesbasis1().Show();
    m_program.mdiForm2().hide();
}
