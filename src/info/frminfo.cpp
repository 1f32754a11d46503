#include "info/frminfo.h"

#include "info/credits.h"
#include "info/documentwindow.h"
#include "info/slogan.h"
#include "shell/mdiform2.h"
#include "shell/program.h"
#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QFontMetricsF>

namespace {

using ui::Align;
using ui::ControlDesign;
using ui::Kind;

constexpr ui::BgrColor darkGrey = ui::rgb(111, 111, 111);
constexpr ui::BgrColor paper = ui::colors::lightYellow;
constexpr ui::FontDesign small{ui::fonts::arial, 8.25};

constexpr int sloganField = 1;
constexpr int progressField = 1; // zero-based: the second field
constexpr int lastTick = 150;

const ui::TwipRect progressBarPlace{3240, 5280, 2775, 255};
const ui::TwipRect statusBarPlace{0, 5550, 10185, 375};

struct StatusField {
    ui::StatusBar::FieldKind kind;
    int widthTwips;
    const char *text;
};

// Together wider than the bar, so the last field is cut off at the window's edge.
const std::array<StatusField, 5> statusFields{{
    {ui::StatusBar::FieldKind::Text, 2000, ""},
    {ui::StatusBar::FieldKind::Text, 3500, ""},
    {ui::StatusBar::FieldKind::Date, 1200, ""},
    {ui::StatusBar::FieldKind::Time, 1000, ""},
    {ui::StatusBar::FieldKind::Text, 3000, "Gratis software"},
}};

const ControlDesign frameDesign{"Frame1", -1, Kind::Frame, "", "", {1560, 360, 7080, 4050}, {}, paper};

ControlDesign label(const char *name, const char *text, ui::TwipRect place, ui::FontDesign font,
                    Align align = Align::Left)
{
    return {name, -1, Kind::Label, text, "", place, font, paper, {}, true, -1, align};
}

ControlDesign picture(const char *name, const char *resource, ui::TwipRect place, const char *toolTip = "")
{
    return {name, -1, Kind::Picture, "", toolTip, place, {}, {}, {}, true, -1, Align::Left, resource};
}

// Inside the frame, front to back.
const std::array<ControlDesign, 9> frameContents{{
    label("Lblwebinfo", credits::birth, {4680, 3480, 2295, 255}, small),
    label("lbladres1", credits::professions, {2640, 3240, 4335, 255}, small),
    label("lblmail", credits::diploma, {3840, 3720, 3135, 255}, small),
    label("Lblidee", credits::authorName, {840, 3720, 1095, 255}, {ui::fonts::arial, 9.75}),
    picture("imgplof", pictures::portrait, {240, 3480, 480, 480}, credits::portraitToolTip),
    picture("Imgzon", pictures::sun, {0, 720, 2520, 2610}),
    label("lblmening", "software om te trainen", {3480, 2340, 3375, 360}, {ui::fonts::arial, 15.75, true},
          Align::Right),
    label("lblinstituut", "TOBBELWERK ", {2520, 1440, 4245, 660}, {ui::fonts::arial, 27.75, true}),
    label("lblmemo", "Voor jou gemaakt door ", {2355, 720, 3255, 330}, {ui::fonts::arial, 14.25, true}),
}};

// On the window itself, front to back after the frame.
const std::array<ControlDesign, 3> windowContents{{
    picture("Image4", pictures::smallLogo, {120, 4080, 480, 420}, credits::makerAddress),
    picture("Image3", pictures::smallLogo, {8760, 4080, 480, 420}, credits::makerAddress),
    {.name = "lblgeld",
     .place = {1560, 4440, 7080, 735},
     .font = {ui::fonts::arial, 14.25},
     .back = ui::colors::navy,
     .fore = ui::colors::white},
}};

} // namespace

frminfo::frminfo(Program &program) : ui::Form(program.forms(), QStringLiteral("frminfo")), m_program(program)
{
    setBackColor(darkGrey);
    setFont(ui::designFont(QString::fromLatin1(ui::fonts::msSansSerif), 8.25));
    info::makeFixedDocumentWindow(*this, program.mdiForm2().documentArea(), 10185, 5925);
    setSpokenName(QStringLiteral("over rekenrups"));
    createControls();
    connectHandlers();
}

void frminfo::createControls()
{
    ProgressBar1 = new ui::ProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->moveTwips(progressBarPlace);
    ProgressBar1->setAccessibleName(QStringLiteral("het programma sluit af"));

    StatusBar1 = new ui::StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFont(ui::designFont(QString::fromLatin1(ui::fonts::msSansSerif), 9.75));
    StatusBar1->setGeometry(ui::toPixels(statusBarPlace));
    for (const StatusField &field : statusFields) {
        const QString text = QString::fromUtf8(field.text);
        StatusBar1->addField(field.kind, field.widthTwips, text, text);
    }

    Frame1 = static_cast<ui::Frame *>(ui::buildControl(this, frameDesign));
    std::vector<QWidget *> frontToBack{ProgressBar1, StatusBar1, Frame1};
    for (const ControlDesign &design : frameContents)
        frontToBack.push_back(ui::buildControl(Frame1, design));
    for (const ControlDesign &design : windowContents)
        frontToBack.push_back(ui::buildControl(this, design));
    lblgeld = findChild<ui::Label *>(QStringLiteral("lblgeld"));
    ui::stackFrontToBack(frontToBack);

    Timer1 = new ui::PreciseTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(75);
}

void frminfo::connectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &frminfo::Timer1_Timer);
}

double frminfo::blankWidthTwips() const
{
    const double pixels = QFontMetricsF(font(), this).horizontalAdvance(u' ');
    return ui::pixelsToTwips(pixels, ui::logicalDpiX());
}

void frminfo::toonvoortgang(bool tonen)
{
    if (tonen) {
        ui::StatusBar::Rect field{0, 0, 0, 0};
        StatusBar1->fieldRect(progressField, field);
        const double acrossTwips = ui::twipsPerPixelX();
        const double downTwips = ui::twipsPerPixelY();
        const int top = static_cast<int>(ui::roundHalfEven(field.top * downTwips));
        const int left = static_cast<int>(ui::roundHalfEven(field.left * acrossTwips));
        const int height = static_cast<int>(ui::roundHalfEven(field.bottom * downTwips)) - top;
        const int width = static_cast<int>(ui::roundHalfEven(field.right * acrossTwips)) - left;
        ui::reparent(ProgressBar1, StatusBar1);
        ProgressBar1->moveTwips({left, top, width, height});
        ProgressBar1->show();
        ProgressBar1->setFloatValue(0);
    } else {
        ui::reparent(ProgressBar1, this);
        ProgressBar1->hide();
    }
}

void frminfo::Form_Load()
{
    lblgeld->setCaption(QStringLiteral(" Sinds mijn 60ste verjaardag is de software gratis") + QStringLiteral("\r\n") +
                        QStringLiteral(" via ") + QString::fromLatin1(credits::distributionHost) + u' ');
    ProgressBar1->setMin(0);
    ProgressBar1->setMax(lastTick);
    toonvoortgang(true);
    Timer1->setEnabled(true);
    StatusBar1->setText(sloganField, QStringLiteral("Tobbelwerk,educatieve software voor de basisschool"));
    StatusBar1->setTag(sloganField, QString());
    centreOnDisplay();
}

void frminfo::Form_Activate()
{
    ProgressBar1->setMin(0);
    ProgressBar1->setMax(lastTick);
    toonvoortgang(true);
    Timer1->setEnabled(true);
}

void frminfo::Timer1_Timer()
{
    const info::SloganField scrolled = info::scrollSlogan({StatusBar1->text(sloganField), StatusBar1->tag(sloganField)},
                                                          StatusBar1->widthTwips(sloganField), blankWidthTwips());
    StatusBar1->setTag(sloganField, scrolled.tag);
    StatusBar1->setText(sloganField, scrolled.text);

    ++m_teller;
    if (m_teller > lastTick) {
        Timer1->setEnabled(false);
        toonvoortgang(false);
        Hide();
        m_program.forms().endProgram();
        return;
    }
    ProgressBar1->setFloatValue(static_cast<float>(m_teller));
}
