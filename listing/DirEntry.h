#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace tamsoret {

// One listed entry: every column already in its final text, plus the sort key.
struct DirEntry {
    QString Name;
    QString DosName;
    QString SortKey;
    QString SizeText;
    QString DateText;
    QString AttrText;
};

// What one listing run knows about the folder: the entries in scan order, the order
// in which they are printed, the byte total of the stored entries and the summary line.
struct ListingData {
    std::vector<DirEntry> Entries;
    std::vector<qint32> EntryOrder;
    qint64 TotalBytes = 0;
    QString SummaryText;
};

} // namespace tamsoret
