#include "listing/ReadDirectory.h"

#include "listing/EntryFields.h"
#include "listing/FilterPattern.h"
#include "listing/NameCleaning.h"
#include "listing/DirectorySearch.h"
#include "platform/Failure.h"

#include <QCoreApplication>

namespace tamsoret {

namespace {

void Clear(ListingData &data)
{
    data.TotalBytes = 0;
    data.Entries.clear();
    data.EntryOrder.clear();
    data.Unread = {};
    data.Facts.clear();
}

} // namespace

int ReadFolder(const ListedFolder &folder, const FilterPattern &pattern,
               const ScanSwitches &switches, ListingData &data, qint32 &count, qint16 orderBy,
               const LocaleFormat &locale, unsigned statusWorkers,
               std::atomic<qint64> *entriesRead, Subfolders *subfolders)
{
    const auto clearAll = [&] {
        Clear(data);
        count = 0;
        if (subfolders) {
            Clear(subfolders->data);
            subfolders->rawNames.clear();
            subfolders->count = 0;
        }
    };
    clearAll();

    DirectorySearch search(statusWorkers);
    FindRecord record;
    if (!search.findFirst(record, folder.fd())) {
        // A folder without even "." and ".." (some FUSE file systems give none) is empty;
        // one that failed keeps the summary it had, as nothing was read.
        if (search.error() == 0)
            data.SummaryText = QStringLiteral("0 file(s), ") + FormatSize(0, locale);
        return search.error();
    }

    QString dotted; // kept from one entry to the next, so that its room is reused
    qint64 seen = 0;
    do {
        if (entriesRead) entriesRead->store(++seen, std::memory_order_relaxed);
        record.name = ReplaceControlCharacters(std::move(record.name));
        const QStringView name = StripNulView(record.name);
        if (name == u".")
            continue;
        const bool hiddenLeftOut = (record.attributes & Attr::Hidden) && !switches.listHidden;
        // Walked whatever the filter and the folder switch decide for the listing.
        if (subfolders && (record.attributes & Attr::Folder) && !hiddenLeftOut &&
            record.rawName != ".." && record.rawName != ".") {
            AddEntry(record, subfolders->count, subfolders->data, orderBy, locale);
            ++subfolders->count;
            subfolders->rawNames.push_back(record.rawName);
        }
        // Every candidate holds a dot, so that "*.*" takes all and "*." the names without one.
        QStringView candidate = name;
        if (!name.contains(u'.')) {
            dotted.resize(0);
            dotted.append(name);
            dotted.append(u'.');
            candidate = dotted;
        }
        if (!pattern.matches(candidate))
            continue;
        if ((record.attributes & Attr::Folder) && !switches.listFolders)
            continue;
        if (hiddenLeftOut)
            continue;
        AddEntry(record, count, data, orderBy, locale);
        ++count;
        if (record.statusError != 0) {
            if (data.Unread.first.size() < UnreadEntries::NamesKept)
                data.Unread.first.emplace_back(name.toString(), record.statusError);
            ++data.Unread.count;
        }
    } while (search.findNext(record));
    search.close();
    if (search.error() != 0) {
        // Half a listing is not kept: it would pass for the whole folder.
        clearAll();
        return search.error();
    }

    data.SummaryText =
        QString::number(count) + QStringLiteral(" file(s), ") + FormatSize(data.TotalBytes, locale);
    return 0;
}

qint32 ReadDirectory(const ListedFolder &folder, const QString &filter,
                     const ScanSwitches &switches, ListingData &data, qint16 orderBy,
                     const LocaleFormat &locale, std::atomic<qint64> *entriesRead)
{
    // An invalid filter is reported before the folder is touched.
    const FilterPattern pattern(filter);
    qint32 count = 0;
    // A folder that cannot be read, from the start or part of the way, would otherwise be
    // listed as an empty one or as the part that was read.
    if (const int error =
            ReadFolder(folder, pattern, switches, data, count, orderBy, locale, StatusWorkers(),
                       entriesRead))
        throw Failure(QCoreApplication::translate("ReadDirectory", "Cannot read the folder"), ShownPath(folder),
                      qt_error_string(error));
    return count;
}

void ReportUnreadEntries(const ListedFolder &folder, const ListingData &data)
{
    if (data.Unread.count == 0) return;
    QString reason =
        data.Unread.count == 1
            ? QCoreApplication::translate("ReadDirectory", "1 entry is listed by its name only: ")
            : QCoreApplication::translate("ReadDirectory",
                                          "%1 entries are listed by their names only: ")
                  .arg(data.Unread.count);
    for (size_t i = 0; i < data.Unread.first.size(); ++i) {
        const auto &[name, error] = data.Unread.first[i];
        if (i > 0) reason += QStringLiteral(", ");
        reason += name + QStringLiteral(" (") + qt_error_string(error) + u')';
    }
    const size_t more = size_t(data.Unread.count) - data.Unread.first.size();
    if (more > 0) reason += QCoreApplication::translate("ReadDirectory", " and %1 more").arg(more);
    throw Failure(QCoreApplication::translate("ReadDirectory", "Some entries could not be read"),
                  ShownPath(folder), reason + u'.');
}

} // namespace tamsoret
