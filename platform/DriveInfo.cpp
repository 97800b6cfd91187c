#include "platform/DriveInfo.h"

#include <QDir>
#include <QStorageInfo>

#include <sys/statvfs.h>

namespace tamsoret {

QString CurrentVolumeLabel()
{
    const QStorageInfo storage(QDir::currentPath());
    if (!storage.isValid())
        return {};
    return storage.name();
}

void CurrentDiskSpace(qint64 &freeBytes, qint64 &totalBytes)
{
    freeBytes = 0;
    totalBytes = 0;
    struct statvfs fs;
    if (statvfs(".", &fs) != 0)
        return;
    freeBytes = static_cast<qint64>(fs.f_bavail) * static_cast<qint64>(fs.f_frsize);
    totalBytes = static_cast<qint64>(fs.f_blocks) * static_cast<qint64>(fs.f_frsize);
}

} // namespace tamsoret
