#pragma once

#include <QByteArray>
#include <QString>

namespace tamsoret {

// The process's current folder, decoded for display; empty when it cannot be read.
QString CurrentFolderPath();
QByteArray CurrentFolderBytes();

// Changes the current folder; false when it fails (missing, not a folder, no permission).
bool ChangeFolder(const QByteArray &path);

// Looks one name up in the current folder: the entry stored under exactly that name,
// otherwise the first entry whose name equals it without regard to case. Returns the
// stored name's bytes, or an empty array when there is none.
QByteArray LookupName(const QString &name);

} // namespace tamsoret
