#pragma once

#include <QString>
#include <QtGlobal>

namespace tamsoret {

// The label of the file system holding the current folder; empty when it has none.
QString CurrentVolumeLabel();

// Free (available to the user) and total bytes of the file system holding the current
// folder; both 0 when the query fails.
void CurrentDiskSpace(qint64 &freeBytes, qint64 &totalBytes);

} // namespace tamsoret
