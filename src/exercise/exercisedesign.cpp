#include "exercise/exercisedesign.h"

#include "info/credits.h"
#include "ui/fonts.h"
#include "ui/pictures.h"

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

// name, index, kind, text, tool tip, place, font, back, fore, visible, tab, align, picture, spoken
// clang-format off
const ControlDesign commonDesign[] = {
    {"cmdcontrole1", -1, Kind::PictureButton, "", "hulp", {4560, 4560, 1215, 735}, {}, lightGreen, {}, false, 22, Align::Centre, pictures::helpIcon, "hulp stap 1"},
    {"cmdjuist", -1, Kind::PictureButton, "", "CONTROLE", {6720, 5640, 1575, 735}, {}, green, {}, false, 4, Align::Centre, pictures::checkIcon, "controleren"},
    {"cmdstart", -1, Kind::PictureButton, "", "start", {2160, 5640, 1575, 735}, {}, purple, {}, true, 1, Align::Centre, pictures::startIcon},
    {"cmdcontrole", -1, Kind::PictureButton, "", "hulp", {4560, 4560, 1215, 735}, {}, lightGreen, {}, false, 5, Align::Centre, pictures::helpIcon, "hulp stap 2"},
    {"cmdstop", -1, Kind::PictureButton, "", "stop", {4440, 5640, 1575, 735}, {}, darkRed, {}, true, 6, Align::Centre, pictures::stopIcon},
    {"txtrest", -1, Kind::TextBox, "", "", {8160, 2520, 1815, 855}, arial36, {}, {}, true, 3},
    {"txtquotient", -1, Kind::TextBox, "", "", {5880, 2520, 1815, 855}, arial36, lightYellow, {}, true, 2},
    {"cmddeler", -1, Kind::Button, "deler", "", {120, 5880, 1935, 615}, sans8, {}, {}, false, 10},
    {"cmddeel", -1, Kind::Button, "vermenigvuldigen", "", {360, 4920, 1575, 615}, sans8, {}, {}, false, 0},
    {"lbljuist", -1, Kind::Label, "", "", {6120, 3480, 3855, 855}, sans18, teal, white, true, 23},
    {"lblhulp", 7, Kind::Label, "", "", {360, 1680, 5415, 735}, arial27, teal, white, true, 21},
    {"lblhulp", 4, Kind::Label, "rest", "", {8160, 720, 1695, 735}, arial20, teal, white, true, 20},
    {"lblhulp", 3, Kind::Label, "quotiënt", "", {6000, 720, 1695, 735}, arial20, teal, white, true, 19},
    {"lblhulp", 2, Kind::Label, "", "", {360, 4560, 4095, 735}, arial15, teal, white, true, 18},
    {"lblhulp", 0, Kind::Label, "", "", {360, 3600, 2415, 735}, arial24, teal, white, true, 17},
    {"lblhulp", 1, Kind::Label, "", "", {3360, 3600, 2415, 735}, arial24, teal, white, true, 16},
    {"Shape1", -1, Kind::Shape, "", "", {240, 3480, 5775, 1935}, {}, lightBlue},
    {"lblteken", 1, Kind::Label, "=", "", {4800, 2520, 975, 855}, arial36Bold, teal, white, true, 15},
    {"lblteken", 0, Kind::Label, ":", "", {2040, 2520, 735, 855}, arial36Bold, teal, white, true, 14},
    {"lblaantal", -1, Kind::Label, "", "", {360, 120, 5415, 1335}, windowFont, teal, white, true, 13},
    {"Image1", -1, Kind::Picture, "", makerAddress, {9480, 6360, 480, 420}, {}, {}, {}, true, -1, Align::Left, pictures::smallLogo},
    {"lblprodukt", -1, Kind::Label, "", "", {360, 5160, 1455, 735}, sans24, {}, {}, false, 12},
    {"lblrest", -1, Kind::Label, "", "", {120, 4920, 1455, 375}, sans24, {}, {}, false, 11},
    {"lbldeler", -1, Kind::Label, "", "", {2760, 2520, 2055, 855}, arial36Bold, teal, white, true, 9, Align::Left},
    {"lbldeeltal", -1, Kind::Label, "", "", {360, 2520, 1695, 855}, arial36Bold, teal, white, true, 8},
    {"lblquotient", -1, Kind::Label, "", "", {240, 5400, 1575, 495}, sans18, lightYellow, {}, false, 7},
};
// clang-format on

// Only some screens have these; they lie just behind lblhulp(7).
// clang-format off
const ControlDesign hulp56Design[] = {
    {"lblhulp", 5, Kind::Label, "", "", {360, 1680, 1215, 735}, arial27, teal, white, false, 21},
    {"lblhulp", 6, Kind::Label, "", "", {1680, 1680, 1215, 735}, arial27, teal, white, false, 22},
};
// clang-format on

bool sameControl(const ControlDesign &row, const char *name, int index)
{
    return row.index == index && std::strcmp(row.name, name) == 0;
}

} // namespace

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
