#pragma once

#include "listing/DirEntry.h"
#include "listing/FilterPattern.h"
#include "listing/ReadDirectory.h"
#include "listing/TreeReadAhead.h"
#include "platform/ListedFolder.h"
#include "platform/LocaleFormat.h"

#include <QString>

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

namespace tamsoret {

// How far a tree walk goes.
struct TreeLimits
{
    int depth = -1;             // levels below the listed folder; -1 for no end
    bool oneFileSystem = false; // stay on the listed folder's file system
};

// Where a walk hands each folder as it has read it, in walk order.
class TreeVisitor
{
public:
    virtual ~TreeVisitor() = default;
    // A folder read whole, its entries sorted: only the listed folder and the folders with
    // a listed entry are handed on. data is the walk's own and is reused for the next one.
    virtual void folderRead(const QString &shownPath, const ListingData &data, qint32 count) = 0;
    // A folder that could not be opened or read, with the system's error number.
    virtual void folderUnreadable(const QString &shownPath, int error) = 0;
    // Before each folder's news: its path relative to the listed folder, as the names'
    // bytes joined by "/" (empty for the listed folder itself).
    virtual void folderStarts(const QByteArray &relativePath) { (void)relativePath; }
    // A folder read whole none of whose entries is listed (it has no section).
    virtual void folderWithoutEntries() {}
    // Whether the folders' data should keep the entries' facts (names' bytes and numbers).
    virtual bool wantsFacts() const { return false; }
};

// The first few of some kind of trouble on the way, with their number.
struct TreeTrouble
{
    static constexpr size_t NamesKept = 5;
    qint64 count = 0;
    std::vector<std::pair<QString, int>> first; // shown path, error number (0 where none)
    void add(const QString &shownPath, int error);
};

// What a walk found besides the sections.
struct TreeWalkResult
{
    qint64 foldersWalked = 0;  // read or tried: the listed folder, unlisted and unreadable ones
    TreeTrouble unreadable;    // folders that could not be opened or read
    TreeTrouble loops;         // folders that are one of their own ancestors, not walked again
    TreeTrouble lost;          // folders moved during the walk: what was left of them is not walked
    TreeTrouble unreadEntries; // entries listed by their name only
};

// Walks the tree below folder depth first, through descriptors only: each folder is opened
// relative to its parent's descriptor, and at most a few are held open at once, the walk
// going back up through "..". Each folder is read once through the filter and switches,
// its entries put in order by a sort from makeSort (one for each thread that reads), and
// handed to the visitor before its subfolders are walked, in the order the sort gives them.
// The next folders in walk order are read ahead on other threads while the visitor writes
// (TreeReadAhead); the visitor is only ever called on the caller's thread. Symbolic links are never followed, hidden folders
// are not walked while hidden entries are not listed. shownPath is the listed folder's
// path as its heading shows it; each subfolder's is its parent's with its name added.
// Throws what the read throws for a whole run (TooManyFiles).
TreeWalkResult WalkTree(const ListedFolder &folder, const QString &shownPath,
                        const FilterPattern &pattern, const ScanSwitches &switches,
                        qint16 orderBy, const LocaleFormat &locale, const TreeLimits &limits,
                        const MakeSortFolder &makeSort, TreeVisitor &visitor,
                        std::atomic<qint64> *foldersRead = nullptr);

// The walk's troubles as the closing message tells them, one paragraph a kind, each
// naming its first few folders; empty when there were none.
QString TreeTroubleText(const TreeWalkResult &result);

} // namespace tamsoret
