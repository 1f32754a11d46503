#include "info/slogan.h"

#include <algorithm>
#include <cmath>

namespace info {

int blankCount(double fieldWidthTwips, double blankWidthTwips)
{
    if (!(blankWidthTwips > 0) || !(fieldWidthTwips > 0))
        return 0;
    // std::nearbyint rounds an exact half to the even neighbour in the default rounding mode.
    const double count = std::nearbyint(fieldWidthTwips / blankWidthTwips);
    // A field of a few thousand twips never comes near this; it keeps a hair-thin font finite.
    constexpr double most = 1 << 16;
    return static_cast<int>(std::min(count, most));
}

SloganField scrollSlogan(SloganField field, double fieldWidthTwips, double blankWidthTwips)
{
    if (field.tag.isEmpty()) {
        field.tag = QString(blankCount(fieldWidthTwips, blankWidthTwips), u' ') + field.text;
        field.text = field.tag;
    }
    if (!field.text.isEmpty())
        field.text.remove(0, 1);
    else
        field.text = field.tag;
    return field;
}

} // namespace info
