#pragma once

#include "listing/DirEntry.h"
#include "options/ListOptions.h"
#include "platform/FileTime.h"
#include "platform/ListedFolder.h"
#include "platform/LocaleFormat.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tamsoret {

// Lines 1 to 5: title with date and time, drive label, folder, two empty lines.
QStringList ListingHeader(const LocalDateTime &now, const LocaleFormat &locale,
                          const QString &volumeLabelText, const QString &folder);
// Lines 6 and 7: the titles of the shown columns, then an empty line.
QStringList ColumnTitles(const ListOptions &options);
// Line 8 for one entry.
QString EntryLine(const DirEntry &entry, const ListOptions &options);
// Lines 9 to 11: an empty line, the summary and the free space, each after 15 blanks.
QStringList ListingFooter(const QString &summaryText, const QString &freeSpaceText);

// Lines 3 to 5: "Directory of" the folder, then two empty lines. Each section of a
// tree's listing begins with them too.
QStringList FolderHeading(const QString &folder);
// A tree's section of a folder that could not be opened or read: its "Directory of" line,
// then the system's reason after 15 blanks.
QStringList UnreadableSection(const QString &folder, const QString &reason);
// The line that closes a tree's sections, after 15 blanks: the folders walked, and the
// sums of the sections' counts and sizes.
QString TreeTotalLine(qint64 folders, qint64 files, qint64 bytes, const LocaleFormat &locale);

// Where the writers take the texts that are computed at the moment they are written.
// The system's read the clock, the listed folder's path as it stands then, and the file
// system holding it.
struct ListingSources {
    std::function<LocalDateTime()> now;
    std::function<QString()> volumeLabelText;
    std::function<QString()> folderPath;
    std::function<QString()> freeSpaceText;

    static ListingSources system(const ListedFolder &folder, const LocaleFormat &locale);
};

// Everything a writer reads.
struct ListingInput {
    const ListingData &data;
    qint32 count;
    const ListOptions &options;
    const LocaleFormat &locale;
    ListingSources sources;
};

} // namespace tamsoret
