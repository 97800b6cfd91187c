#pragma once

#include "platform/ListedFolder.h"
#include "platform/LocaleFormat.h"

#include <QString>

namespace tamsoret {

// "[" + NiceCase(label) + "]", or "No name" for an empty label.
QString VolumeLabelText(const QString &label);
// The same for the file system holding the folder.
QString VolumeLabelText(const ListedFolder &folder);

// "<free> available from <total>." with each amount from FormatSize, trimmed.
QString FreeSpaceText(qint64 freeBytes, qint64 totalBytes, const LocaleFormat &locale);
// The same for the file system holding the folder.
QString FreeSpaceText(const ListedFolder &folder, const LocaleFormat &locale);

} // namespace tamsoret
