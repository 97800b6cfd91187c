#pragma once

#include <QByteArray>
#include <QString>

namespace tamsoret {

// Names given on the command line are bytes, and need not be UTF-8. Decoded the usual way,
// every byte that is no part of a UTF-8 character becomes U+FFFD, and two different names
// read as one. Here each such byte becomes a lone surrogate U+DC80..U+DCFF instead, and
// encoding turns it back into the same byte, so that the text carries the name unchanged
// to the file system.
QString DecodeFileName(const QByteArray &bytes);
QByteArray EncodeFileName(const QString &name);

// Whether bytes are UTF-8 through and through, so that their text can stand for them in a
// comparison that ignores case.
bool IsWholeUtf8(const QByteArray &bytes);

} // namespace tamsoret
