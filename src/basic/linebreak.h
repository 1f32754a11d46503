#pragma once

#include <QString>

namespace basic {

// The line break of every multi-line caption: CR LF, which a label shows as one clean break.
inline QString lineBreak()
{
    return QStringLiteral("\r\n");
}

} // namespace basic
