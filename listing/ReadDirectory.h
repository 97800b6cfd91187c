#pragma once

#include "listing/DirEntry.h"
#include "platform/ListedFolder.h"
#include "platform/LocaleFormat.h"

#include <QString>

#include <atomic>

namespace tamsoret {

// The main window's two scan switches, as the scan reads them.
struct ScanSwitches {
    bool listFolders = true; // "&Directory's"
    bool listHidden = true;  // "&Hidden files"
};

// Reads the folder through the filter and the switches into data, and returns the count. Throws
// Failure for an invalid filter (before anything is read) and for a folder that cannot be read or
// no longer exists, and TooManyFiles when the tables cannot grow. When given, entriesRead
// counts the entries looked at so far, for another thread to show.
qint32 ReadDirectory(const ListedFolder &folder, const QString &filter,
                     const ScanSwitches &switches, ListingData &data, qint16 orderBy,
                     const LocaleFormat &locale, std::atomic<qint64> *entriesRead = nullptr);

// Throws a Failure naming the entries the last read listed without their status, the first
// few with the system's reason; nothing when there are none. Called once the listing is
// out, so that what could be read is not withheld for what could not.
void ReportUnreadEntries(const ListedFolder &folder, const ListingData &data);

} // namespace tamsoret
