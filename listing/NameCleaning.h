#pragma once

#include "platform/ListedFolder.h"

#include <QString>
#include <QStringView>

namespace tamsoret {

// The text before the first NUL, with blanks (spaces only) trimmed at both ends.
QString StripNul(QStringView text);
// The same text as a part of the given one, without a copy.
QStringView StripNulView(QStringView text);

// Replaces every control character (below U+0020, and U+007F) with '?', so that a name can
// never break a listing line.
QString ReplaceControlCharacters(QString name);
// The listed folder's path as it stands now, cleaned the same way for headings, labels
// and messages.
QString ShownPath(const ListedFolder &folder);

// StripNul, then a single-case name gets a capital first letter and small letters after it
// (at most 255 of them); a mixed-case name is kept as it is.
QString NiceCase(QStringView text);
// NiceCase of a text StripNul has already trimmed, written to out, which has room for
// 2 × text.size() units. Returns the number of units written.
qsizetype WriteNiceCase(QStringView trimmed, char16_t *out);

} // namespace tamsoret
