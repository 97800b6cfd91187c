#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tamsoret {

// Attribute flags of a directory record; the values are those the listing's letters
// and the scan's switches were defined on.
namespace Attr {
constexpr quint32 ReadOnly = 0x01;
constexpr quint32 Hidden = 0x02;
constexpr quint32 System = 0x04;
constexpr quint32 Folder = 0x10;
constexpr quint32 Archive = 0x20;
} // namespace Attr

// One entry as the directory search delivers it.
struct FindRecord {
    QString name;          // decoded, control characters and all
    QByteArray rawName;    // the name's bytes as stored, for every further system call
    QString alternateName; // the short name an NTFS or FAT volume keeps; else empty
    quint32 attributes = 0;
    qint64 size = 0;          // bytes; 0 for a folder
    qint64 lastWriteTime = 0; // seconds since the Unix epoch, UTC
    // The system's error number when the entry's status could not be read: the record then
    // holds only what the folder told, its name and whether it is a folder.
    int statusError = 0;
};

} // namespace tamsoret
