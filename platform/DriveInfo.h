#pragma once

#include "platform/ListedFolder.h"

#include <QString>
#include <QtGlobal>

namespace tamsoret {

// The label of the file system holding the folder; empty when it has none.
QString VolumeLabel(const ListedFolder &folder);

// Free (available to the user) and total bytes of the file system holding the folder;
// both 0 when the query fails.
void DiskSpace(const ListedFolder &folder, qint64 &freeBytes, qint64 &totalBytes);

} // namespace tamsoret
