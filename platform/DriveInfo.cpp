#include "platform/DriveInfo.h"

#include <QStorageInfo>

#include <sys/statvfs.h>

namespace tamsoret {

QString VolumeLabel(const ListedFolder &folder)
{
    const QStorageInfo storage(folder.path());
    if (!storage.isValid())
        return {};
    return storage.name();
}

void DiskSpace(const ListedFolder &folder, qint64 &freeBytes, qint64 &totalBytes)
{
    freeBytes = 0;
    totalBytes = 0;
    struct statvfs fs;
    if (fstatvfs(folder.fd(), &fs) != 0) return;
    freeBytes = static_cast<qint64>(fs.f_bavail) * static_cast<qint64>(fs.f_frsize);
    totalBytes = static_cast<qint64>(fs.f_blocks) * static_cast<qint64>(fs.f_frsize);
}

} // namespace tamsoret
