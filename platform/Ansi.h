#pragma once

#include <QByteArray>
#include <QStringView>

namespace tamsoret {

// Windows-1252 encoding; a character the code page lacks becomes '?'.
QByteArray ToWindows1252(QStringView text);
void AppendWindows1252(QByteArray &out, QStringView text);

} // namespace tamsoret
