#pragma once

#include "listing/DirEntry.h"
#include "listing/FilterPattern.h"
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

// The real subfolders a read found, for a tree walk: each as AddEntry stores it (so that
// they can be sorted as the listing sorts) with its name's bytes, in scan order.
struct Subfolders
{
    ListingData data;
    std::vector<QByteArray> rawNames;
    qint32 count = 0;
};

// ReadDirectory with a checked filter, for a walk that goes on past a folder it cannot
// read: returns the system's error number when the folder cannot be read to the end
// (nothing is then kept), 0 after a whole read, with the count in count. When subfolders
// is given it also receives every folder entry but "." and "..", whatever the filter and
// the folder switch, leaving out the hidden ones when hidden entries are not listed.
// Symbolic links to folders are among them: opening one as a folder tells them apart.
int ReadFolder(const ListedFolder &folder, const FilterPattern &pattern,
               const ScanSwitches &switches, ListingData &data, qint32 &count, qint16 orderBy,
               const LocaleFormat &locale, std::atomic<qint64> *entriesRead = nullptr,
               Subfolders *subfolders = nullptr);

// Throws a Failure naming the entries the last read listed without their status, the first
// few with the system's reason; nothing when there are none. Called once the listing is
// out, so that what could be read is not withheld for what could not.
void ReportUnreadEntries(const ListedFolder &folder, const ListingData &data);

} // namespace tamsoret
