#pragma once

#include <QString>
#include <QStringView>

namespace tamsoret {

// The text before the first NUL, with blanks (spaces only) trimmed at both ends.
QString StripNul(QStringView text);

// StripNul, then a single-case name gets a capital first letter and small letters after it
// (at most 255 of them); a mixed-case name is kept as it is.
QString NiceCase(QStringView text);

} // namespace tamsoret
