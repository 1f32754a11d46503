#pragma once

#include <QString>

namespace info {

// The text and the tag of the status-bar field through which the slogan scrolls.
struct SloganField {
    QString text;
    QString tag;
};

// As many blanks as fill the field: its width over one blank's width, both in twips, rounded
// half to even; none when the blank has no width.
int blankCount(double fieldWidthTwips, double blankWidthTwips);

// One tick: on the first the tag becomes the field's width in blanks followed by the slogan;
// then each tick drops the first character shown, and a tick that finds the field empty starts
// again from the tag.
SloganField scrollSlogan(SloganField field, double fieldWidthTwips, double blankWidthTwips);

} // namespace info
