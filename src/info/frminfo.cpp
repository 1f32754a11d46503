#include "info/frminfo.h"

#include "basic/linebreak.h"
#include "info/credits.h"
#include "info/slogan.h"
#include "info/windowdirectory.h"
#include "resources/pictures.h"
#include "ui/fonts.h"
#include "ui/formmanager.h"
#include "ui/twips.h"
#include "ui/windowbuilder.h"

#include <QFontMetricsF>

namespace {

using ui::Align;
using ui::ControlDesign;
using ui::fills;
using ui::Kind;
using C = InfoControls;

constexpr ui::BgrColor darkGrey = ui::rgb(111, 111, 111);
constexpr ui::BgrColor paper = ui::colors::lightYellow;
constexpr ui::FontDesign small{ui::fonts::arial, 8.25};

// Status bar fields count from 0 at the left.
constexpr int sloganField = 0;
constexpr int progressField = 1;
constexpr int lastTick = 150;

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

// Front to back; the frame holds the timer and the controls after it up to Image4, measured in it.
// clang-format off
const std::vector<ControlDesign> infoDesign{
    {.name = "ProgressBar1", .fills = fills<&C::ProgressBar1>, .kind = Kind::ProgressBar, .place = {3240, 5280, 2775, 255}, .spoken = "het programma sluit af"},
    {.name = "StatusBar1", .fills = fills<&C::StatusBar1>, .kind = Kind::StatusBar, .place = {0, 5550, 10185, 375}, .font = {ui::fonts::msSansSerif, 9.75}},
    {.name = "Frame1", .kind = Kind::Frame, .place = {1560, 360, 7080, 4050}, .back = paper},
    {.name = "Timer1", .fills = fills<&C::Timer1>, .kind = Kind::Timer, .in = "Frame1", .interval = 75},
    {.name = "Lblwebinfo", .kind = Kind::Label, .in = "Frame1", .text = credits::birth, .place = {4680, 3480, 2295, 255}, .font = small, .back = paper, .align = Align::Left},
    {.name = "lbladres1", .kind = Kind::Label, .in = "Frame1", .text = credits::professions, .place = {2640, 3240, 4335, 255}, .font = small, .back = paper, .align = Align::Left},
    {.name = "lblmail", .kind = Kind::Label, .in = "Frame1", .text = credits::diploma, .place = {3840, 3720, 3135, 255}, .font = small, .back = paper, .align = Align::Left},
    {.name = "Lblidee", .kind = Kind::Label, .in = "Frame1", .text = credits::authorName, .place = {840, 3720, 1095, 255}, .font = {ui::fonts::arial, 9.75}, .back = paper, .align = Align::Left},
    {.name = "imgplof", .kind = Kind::Picture, .in = "Frame1", .toolTip = credits::portraitToolTip, .place = {240, 3480, 480, 480}, .picture = pictures::portrait},
    {.name = "Imgzon", .kind = Kind::Picture, .in = "Frame1", .place = {0, 720, 2520, 2610}, .picture = pictures::sun},
    {.name = "lblmening", .kind = Kind::Label, .in = "Frame1", .text = "software om te trainen", .place = {3480, 2340, 3375, 360}, .font = {ui::fonts::arial, 15.75, true}, .back = paper, .align = Align::Right},
    {.name = "lblinstituut", .kind = Kind::Label, .in = "Frame1", .text = "TOBBELWERK ", .place = {2520, 1440, 4245, 660}, .font = {ui::fonts::arial, 27.75, true}, .back = paper, .align = Align::Left},
    {.name = "lblmemo", .kind = Kind::Label, .in = "Frame1", .text = "Voor jou gemaakt door ", .place = {2355, 720, 3255, 330}, .font = {ui::fonts::arial, 14.25, true}, .back = paper, .align = Align::Left},
    {.name = "Image4", .kind = Kind::Picture, .toolTip = credits::makerAddress, .place = {120, 4080, 480, 420}, .picture = pictures::smallLogo},
    {.name = "Image3", .kind = Kind::Picture, .toolTip = credits::makerAddress, .place = {8760, 4080, 480, 420}, .picture = pictures::smallLogo},
    {.name = "lblgeld", .fills = fills<&C::lblgeld>, .kind = Kind::Label, .place = {1560, 4440, 7080, 735}, .font = {ui::fonts::arial, 14.25}, .back = ui::colors::navy, .fore = ui::colors::white},
};
// clang-format on

} // namespace

frminfo::frminfo(WindowDirectory &windows) : ui::Form(windows.forms(), QStringLiteral("frminfo")), m_windows(windows)
{
    createControls();
    connectHandlers();
}

void frminfo::createControls()
{
    // A fixed panel in the main window: an empty caption and no title bar. It shows only as the
    // program ends, and its name is all a screen reader says of it, so the name tells the end.
    ui::buildWindow(*this,
                    {.spoken = "over rekenrups: rekenrups stopt, tot ziens",
                     .document = true,
                     .clientWidth = 10185,
                     .clientHeight = 5925,
                     .back = darkGrey,
                     .font = {ui::fonts::msSansSerif, 8.25}},
                    infoDesign, static_cast<InfoControls &>(*this), m_windows.documentArea());
    for (const StatusField &field : statusFields) {
        const QString text = QString::fromUtf8(field.text);
        StatusBar1->addField(field.kind, field.widthTwips, text, text);
    }
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
    lblgeld->setCaption(QStringLiteral(" Sinds mijn 60ste verjaardag is de software gratis") + basic::lineBreak() +
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
        m_windows.forms().endProgram();
        return;
    }
    ProgressBar1->setFloatValue(static_cast<float>(m_teller));
}
