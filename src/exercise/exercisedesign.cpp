#include "exercise/exercisedesign.h"

#include "info/credits.h"
#include "resources/pictures.h"
#include "ui/fonts.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace exercise {

namespace {

using ui::Align;
using ui::ControlDesign;
using ui::FontDesign;
using ui::Kind;
using ui::rgb;
using C = ExerciseControls;
using ui::fills;

constexpr ui::BgrColor teal = ui::colors::teal;
constexpr ui::BgrColor white = ui::colors::white;
constexpr ui::BgrColor lightYellow = ui::colors::lightYellow;
constexpr ui::BgrColor lightGreen = rgb(192, 255, 192);
constexpr ui::BgrColor green = rgb(128, 255, 128);
constexpr ui::BgrColor purple = rgb(192, 0, 192);
constexpr ui::BgrColor darkRed = rgb(128, 0, 0);
constexpr ui::BgrColor lightBlue = rgb(192, 192, 255);

constexpr FontDesign arial36{ui::fonts::arial, 36};
constexpr FontDesign arial36Bold{ui::fonts::arial, 36, true};
constexpr FontDesign arial27{ui::fonts::arial, 27.75};
constexpr FontDesign arial24{ui::fonts::arial, 24};
constexpr FontDesign arial20{ui::fonts::arial, 20.25};
constexpr FontDesign arial15{ui::fonts::arial, 15.75};
constexpr FontDesign sans8{ui::fonts::msSansSerif, 8.25};
constexpr FontDesign sans18{ui::fonts::msSansSerif, 18};
constexpr FontDesign sans24{ui::fonts::msSansSerif, 24};
constexpr FontDesign windowFont{};

using credits::makerAddress;

// Front to back, as the design lists them.
// clang-format off
const ControlDesign commonDesign[] = {
    {.name = "cmdcontrole1", .fills = fills<&C::cmdcontrole1>, .kind = Kind::Button, .toolTip = "hulp", .place = {4560, 4560, 1215, 735}, .back = lightGreen, .visible = false, .tab = 22, .picture = pictures::helpIcon, .spoken = "hulp stap 1"},
    {.name = "cmdjuist", .fills = fills<&C::cmdjuist>, .kind = Kind::Button, .toolTip = "CONTROLE", .place = {6720, 5640, 1575, 735}, .back = green, .visible = false, .tab = 4, .picture = pictures::checkIcon, .spoken = "controleren"},
    {.name = "cmdstart", .fills = fills<&C::cmdstart>, .kind = Kind::Button, .toolTip = "start", .place = {2160, 5640, 1575, 735}, .back = purple, .tab = 1, .picture = pictures::startIcon},
    {.name = "cmdcontrole", .fills = fills<&C::cmdcontrole>, .kind = Kind::Button, .toolTip = "hulp", .place = {4560, 4560, 1215, 735}, .back = lightGreen, .visible = false, .tab = 5, .picture = pictures::helpIcon, .spoken = "hulp stap 2"},
    {.name = "cmdstop", .fills = fills<&C::cmdstop>, .kind = Kind::Button, .toolTip = "stop", .place = {4440, 5640, 1575, 735}, .back = darkRed, .tab = 6, .picture = pictures::stopIcon},
    {.name = "txtrest", .fills = fills<&C::txtrest>, .kind = Kind::TextBox, .place = {8160, 2520, 1815, 855}, .font = arial36, .tab = 3},
    {.name = "txtquotient", .fills = fills<&C::txtquotient>, .kind = Kind::TextBox, .place = {5880, 2520, 1815, 855}, .font = arial36, .back = lightYellow, .tab = 2},
    {.name = "cmddeler", .kind = Kind::Button, .text = "deler", .place = {120, 5880, 1935, 615}, .font = sans8, .visible = false, .tab = 10},
    {.name = "cmddeel", .kind = Kind::Button, .text = "vermenigvuldigen", .place = {360, 4920, 1575, 615}, .font = sans8, .visible = false, .tab = 0},
    {.name = "lbljuist", .fills = fills<&C::lbljuist>, .kind = Kind::Label, .place = {6120, 3480, 3855, 855}, .font = sans18, .back = teal, .fore = white},
    {.name = "lblhulp", .index = 7, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .place = {360, 1680, 5415, 735}, .font = arial27, .back = teal, .fore = white},
    {.name = "lblhulp", .index = 4, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .text = "rest", .place = {8160, 720, 1695, 735}, .font = arial20, .back = teal, .fore = white},
    {.name = "lblhulp", .index = 3, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .text = "quotiënt", .place = {6000, 720, 1695, 735}, .font = arial20, .back = teal, .fore = white},
    {.name = "lblhulp", .index = 2, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .place = {360, 4560, 4095, 735}, .font = arial15, .back = teal, .fore = white},
    {.name = "lblhulp", .index = 0, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .place = {360, 3600, 2415, 735}, .font = arial24, .back = teal, .fore = white},
    {.name = "lblhulp", .index = 1, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .place = {3360, 3600, 2415, 735}, .font = arial24, .back = teal, .fore = white},
    {.name = "Shape1", .kind = Kind::Shape, .place = {240, 3480, 5775, 1935}, .back = lightBlue},
    {.name = "lblteken", .index = 1, .kind = Kind::Label, .text = "=", .place = {4800, 2520, 975, 855}, .font = arial36Bold, .back = teal, .fore = white},
    {.name = "lblteken", .index = 0, .kind = Kind::Label, .text = ":", .place = {2040, 2520, 735, 855}, .font = arial36Bold, .back = teal, .fore = white},
    {.name = "lblaantal", .fills = fills<&C::lblaantal>, .kind = Kind::Label, .place = {360, 120, 5415, 1335}, .font = windowFont, .back = teal, .fore = white},
    {.name = "Image1", .kind = Kind::Picture, .toolTip = makerAddress, .place = {9480, 6360, 480, 420}, .picture = pictures::smallLogo},
    {.name = "lblprodukt", .fills = fills<&C::lblprodukt>, .kind = Kind::Label, .place = {360, 5160, 1455, 735}, .font = sans24, .visible = false},
    {.name = "lblrest", .fills = fills<&C::lblrest>, .kind = Kind::Label, .place = {120, 4920, 1455, 375}, .font = sans24, .visible = false},
    {.name = "lbldeler", .fills = fills<&C::lbldeler>, .kind = Kind::Label, .place = {2760, 2520, 2055, 855}, .font = arial36Bold, .back = teal, .fore = white, .align = Align::Left},
    {.name = "lbldeeltal", .fills = fills<&C::lbldeeltal>, .kind = Kind::Label, .place = {360, 2520, 1695, 855}, .font = arial36Bold, .back = teal, .fore = white},
    {.name = "lblquotient", .fills = fills<&C::lblquotient>, .kind = Kind::Label, .place = {240, 5400, 1575, 495}, .font = sans18, .back = lightYellow, .visible = false},
};
// clang-format on

// Only some screens have these; they lie just behind lblhulp(7).
// clang-format off
const ControlDesign hulp56Design[] = {
    {.name = "lblhulp", .index = 5, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .place = {360, 1680, 1215, 735}, .font = arial27, .back = teal, .fore = white, .visible = false},
    {.name = "lblhulp", .index = 6, .fills = fills<&C::lblhulp>, .kind = Kind::Label, .place = {1680, 1680, 1215, 735}, .font = arial27, .back = teal, .fore = white, .visible = false},
};
// clang-format on

bool sameControl(const ControlDesign &row, const char *name, int index)
{
    return row.index == index && std::strcmp(row.name, name) == 0;
}

} // namespace

ui::WindowDesign exerciseWindow(const Level &level)
{
    return {.caption = "rekenrups",
            .spoken = level.spokenName,
            .frame = ui::FrameKind::CaptionOnly,
            .clientWidth = clientWidthTwips,
            .clientHeight = clientHeightTwips,
            .back = neutralBackground,
            .font = {ui::fonts::msSansSerif, 12}};
}

std::vector<ControlDesign> exerciseDesign(const Level &level)
{
    std::vector<ControlDesign> rows(std::begin(commonDesign), std::end(commonDesign));
    if (level.hasHulp56) {
        const auto hulp7 = std::find_if(rows.begin(), rows.end(),
                                        [](const ControlDesign &row) { return sameControl(row, "lblhulp", 7); });
        rows.insert(hulp7 + 1, std::begin(hulp56Design), std::end(hulp56Design));
    }
    for (const DesignChange &change : level.designChanges) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&change](const ControlDesign &candidate) {
            return sameControl(candidate, change.name, change.index);
        });
        if (row == rows.end())
            throw std::logic_error(std::string("a level changes a control that is not designed: ") + change.name);
        row->place.left = change.left.value_or(row->place.left);
        row->place.top = change.top.value_or(row->place.top);
        row->place.width = change.width.value_or(row->place.width);
        row->tab = change.tab.value_or(row->tab);
    }
    return rows;
}

} // namespace exercise
