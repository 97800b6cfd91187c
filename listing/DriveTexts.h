#pragma once

#include "platform/LocaleFormat.h"

#include <QString>

namespace tamsoret {

// "[" + NiceCase(label) + "]", or "No name" for an empty label.
QString VolumeLabelText(const QString &label);
// The same for the file system holding the current folder.
QString VolumeLabelText();

// "<free> available from <total>." with each amount from FormatSize, trimmed.
QString FreeSpaceText(qint64 freeBytes, qint64 totalBytes, const LocaleFormat &locale);
// The same for the file system holding the current folder.
QString FreeSpaceText(const LocaleFormat &locale);

} // namespace tamsoret
