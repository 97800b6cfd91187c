#pragma once

#include "listing/DirEntry.h"
#include "listing/FilterPattern.h"
#include "listing/ReadDirectory.h"
#include "platform/ListedFolder.h"
#include "platform/LocaleFormat.h"

#include <QByteArray>

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tamsoret {

// A folder's place in a walk: the index of each folder on the way down among its parent's
// subfolders in walk order. Compared as they stand, places come in walk order.
using WalkPlace = std::vector<quint32>;

// Puts a folder's entries in order: one for each thread, as a sort's collator is not to be
// shared between threads.
using SortFolder = std::function<void(ListingData &, qint32)>;
using MakeSortFolder = std::function<SortFolder()>;

// Sorts the subfolders a read found as the folder's own listing would put them, and gives
// their names in that order, leaving subfolders empty: a large folder's sort keys need not
// stay for the whole walk.
std::vector<QByteArray> SubfoldersInWalkOrder(Subfolders &subfolders, const SortFolder &sort);

// The identities of the folders above one, for telling a file system loop.
struct Ancestry
{
    FolderId id;
    std::shared_ptr<const Ancestry> up;
    bool contains(const FolderId &folder) const;
};

// A folder read whole by a thread ahead of the walk: its entries sorted, its subfolders'
// names in walk order.
struct FolderReadAhead
{
    ListedFolder folder; // the descriptor it was read through
    FolderId id;
    ListingData data;
    qint32 count = 0;
    std::vector<QByteArray> subfolders;
};

// What each read ahead needs to read a folder as the walk itself would.
struct ReadAheadRules
{
    const FilterPattern &pattern;
    const ScanSwitches &switches;
    qint16 orderBy;
    const LocaleFormat &locale;
    int depth;              // levels below the listed folder; -1 for no end
    bool oneFileSystem;     // stay on the device below
    quint64 device;
    bool keepFacts;
    unsigned statusWorkers; // for each folder's own scan
};

// Reads the folders a walk comes to next on threads of its own, so that while the walk
// writes one folder the status calls of the next few are made on the other processors.
// The walk names the subfolders of each folder it reads itself; the threads then go on
// down from what they read, always taking the folder that comes first in walk order. Only
// a few folders are read ahead, and only a few held open, so that memory and descriptors
// stay those of a walk on one thread. Whatever cannot be had (a thread, a descriptor,
// memory) is left for the walk to read itself.
class TreeReadAhead
{
public:
    TreeReadAhead(const ReadAheadRules &rules, const MakeSortFolder &makeSort, unsigned threads);
    ~TreeReadAhead();
    TreeReadAhead(const TreeReadAhead &) = delete;
    TreeReadAhead &operator=(const TreeReadAhead &) = delete;

    // The walk has read the folder at place, held by folder, at the given depth, and will
    // walk these subfolders in this order.
    void offer(const WalkPlace &place, const ListedFolder &folder, int depth,
               const std::shared_ptr<const Ancestry> &ancestry,
               const std::vector<QByteArray> &subfolders);
    // The folder at place as it was read ahead; waits while a thread reads it. Null when
    // nobody read it: the walk reads it itself. Every folder before it in walk order is
    // given up.
    std::unique_ptr<FolderReadAhead> take(const WalkPlace &place);
    // The walk let go of the folder at place: the reads of its subfolders that have not
    // started are given up, and with them the descriptor they held.
    void forget(const WalkPlace &place);
    // Gives up everything not being read now, for the walk to have the descriptors.
    void clear();

private:
    struct Job
    {
        enum class State { Waiting, Reading, Read, Dropped } state = State::Waiting;
        ListedFolder parent; // until the folder is opened
        QByteArray name;
        int depth = 0;
        std::shared_ptr<const Ancestry> ancestry; // the parent's
        std::unique_ptr<FolderReadAhead> read;
    };
    using Jobs = std::map<WalkPlace, Job>;

    void work();
    void addThread();
    Jobs::iterator nextJob();
    std::unique_ptr<FolderReadAhead> read(Job &job, const SortFolder &sort,
                                          std::shared_ptr<const Ancestry> &ancestry,
                                          ListedFolder &folder);
    void addJobs(const WalkPlace &place, const ListedFolder &folder, int depth,
                 const std::shared_ptr<const Ancestry> &ancestry,
                 const std::vector<QByteArray> &subfolders);
    void dropWaiting(Jobs::iterator first, Jobs::iterator last);

    const ReadAheadRules rules_;
    const MakeSortFolder makeSort_;
    const size_t maxAhead_; // folders read ahead at most
    std::mutex mutex_;
    std::condition_variable work_; // a job to take, room to read ahead, or the end
    std::condition_variable read_; // a job read
    Jobs jobs_;
    size_t ahead_ = 0;   // folders being read or read and not yet taken
    size_t entries_ = 0; // entries of the folders read and not yet taken
    bool walkWaits_ = false; // for a job to be read
    bool reading_ = false;   // any thread reads ahead
    unsigned maxThreads_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

// Threads to read a tree ahead of its walk on this machine, at first.
unsigned ReadAheadThreads();

} // namespace tamsoret
