#include "listing/TreeReadAhead.h"

#include "platform/Processors.h"

#include <algorithm>
#include <new>
#include <system_error>

namespace tamsoret {

namespace {

// Folders read ahead at most, those being read among them. With 8, the threads woke for
// each folder the walk took, and 10,000 folders of 100 entries took a fifth longer than
// with 32, 64 or 128, which were alike within the noise. Each folder read ahead holds a descriptor while
// its subfolders wait to be read, on top of the walk's own few: under a low limit of open
// files fewer are read ahead.
constexpr size_t MaxFoldersAhead = 64;
constexpr size_t MinFoldersAhead = 4;
// Descriptors left for the walk, its writer and the rest of the process.
constexpr size_t DescriptorsKept = 64;
// Entries read ahead at most, so that a tree of large folders is not held whole: a thread
// starts no folder beyond them.
constexpr size_t MaxEntriesAhead = 64 * 1024;
// For measuring only: TAMSORET_TREE_THREADS=N makes a walk read ahead on N - 1 threads,
// and never more.
constexpr char ForceThreadsVariable[] = "TAMSORET_TREE_THREADS";
// Threads added beside one a processor while the status calls wait on the disk. From a
// cold cache, 10,000 folders of 100 entries were read fastest by four threads on two
// processors (7.2 s, against 9.0 s with two and 9.1 s with eight); while the cache is
// warm, a third thread only made the walk slower.
constexpr unsigned ThreadsForTheDisk = 2;
// Folders a thread reads before it tells whether it waited for the disk: with the cache
// warm a folder is read without waiting, from a cold one each folder waits a few times.
// Only one folder in MeasureEvery is measured, as asking costs two system calls.
constexpr unsigned FoldersMeasured = 16;
constexpr unsigned MeasureEvery = 4;

} // namespace

std::vector<QByteArray> SubfoldersInWalkOrder(Subfolders &subfolders, const SortFolder &sort)
{
    std::vector<QByteArray> names;
    if (subfolders.count == 0) return names;
    sort(subfolders.data, subfolders.count);
    names.reserve(size_t(subfolders.count));
    for (qint32 p = 0; p < subfolders.count; ++p)
        names.push_back(
            std::move(subfolders.rawNames[size_t(subfolders.data.EntryOrder[size_t(p)])]));
    subfolders.rawNames.clear();
    subfolders.data.Entries.clear();
    subfolders.data.EntryOrder.clear();
    subfolders.count = 0;
    return names;
}

bool Ancestry::contains(const FolderId &folder) const
{
    for (const Ancestry *a = this; a; a = a->up.get()) {
        if (a->id == folder) return true;
    }
    return false;
}

TreeReadAhead::TreeReadAhead(const ReadAheadRules &rules, const MakeSortFolder &makeSort,
                             unsigned threads)
    : rules_(rules), makeSort_(makeSort),
      maxAhead_(std::clamp((OpenFilesAllowed() - std::min<size_t>(OpenFilesAllowed(),
                                                                  DescriptorsKept)) / 2,
                           MinFoldersAhead, MaxFoldersAhead)),
      maxThreads_(ForcedThreads(ForceThreadsVariable) ? threads : threads + ThreadsForTheDisk)
{
    std::lock_guard lock(mutex_);
    for (unsigned i = 0; i < threads; ++i)
        addThread();
    reading_ = !threads_.empty();
}

// Called with the lock held.
void TreeReadAhead::addThread()
{
    if (stopping_ || threads_.size() >= maxThreads_) return;
    try {
        threads_.reserve(maxThreads_);
        threads_.emplace_back(&TreeReadAhead::work, this);
    } catch (const std::system_error &) {
        // Fewer threads read ahead, or none: the walk reads what they do not.
        maxThreads_ = unsigned(threads_.size());
    } catch (const std::bad_alloc &) {
        maxThreads_ = unsigned(threads_.size());
    }
}

TreeReadAhead::~TreeReadAhead()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    work_.notify_all();
    for (std::thread &thread : threads_)
        thread.join();
}

void TreeReadAhead::offer(const WalkPlace &place, const ListedFolder &folder, int depth,
                          const std::shared_ptr<const Ancestry> &ancestry,
                          const std::vector<QByteArray> &subfolders)
{
    if (!reading_ || subfolders.empty()) return;
    {
        std::lock_guard lock(mutex_);
        addJobs(place, folder, depth, ancestry, subfolders);
    }
    work_.notify_all();
}

// Called with the lock held.
void TreeReadAhead::addJobs(const WalkPlace &place, const ListedFolder &folder, int depth,
                            const std::shared_ptr<const Ancestry> &ancestry,
                            const std::vector<QByteArray> &subfolders)
{
    WalkPlace child = place;
    child.push_back(0);
    for (size_t i = 0; i < subfolders.size(); ++i) {
        child.back() = quint32(i);
        Job &job = jobs_[child];
        if (job.state != Job::State::Waiting || job.parent.isValid()) continue; // offered twice
        job.parent = folder;
        job.name = subfolders[i];
        job.depth = depth + 1;
        job.ancestry = ancestry;
    }
}

// Called with the lock held: the first waiting job in walk order, when there is room.
TreeReadAhead::Jobs::iterator TreeReadAhead::nextJob()
{
    if (ahead_ >= maxAhead_ || entries_ >= MaxEntriesAhead) return jobs_.end();
    for (auto it = jobs_.begin(); it != jobs_.end(); ++it) {
        if (it->second.state == Job::State::Waiting) return it;
    }
    return jobs_.end();
}

void TreeReadAhead::work()
{
    SortFolder sort;
    try {
        sort = makeSort_();
    } catch (const std::bad_alloc &) {
        return;
    }
    std::unique_lock lock(mutex_);
    // The times the thread waited while it read the last few folders.
    qint64 waits = 0;
    unsigned measured = 0;
    unsigned readCount = 0;
    for (;;) {
        Jobs::iterator it;
        work_.wait(lock, [&] { return stopping_ || (it = nextJob()) != jobs_.end(); });
        if (stopping_) return;
        const WalkPlace place = it->first;
        Job &job = it->second;
        job.state = Job::State::Reading;
        ++ahead_;
        lock.unlock();

        std::shared_ptr<const Ancestry> ancestry;
        ListedFolder folder;
        std::unique_ptr<FolderReadAhead> read;
        const bool measuring = ++readCount % MeasureEvery == 0;
        const qint64 waitsBefore = measuring ? ThreadWaits() : 0;
        try {
            read = this->read(job, sort, ancestry, folder);
        } catch (...) {
            // Whatever failed here fails again when the walk reads the folder itself,
            // and is reported there.
            read.reset();
        }
        if (measuring) waits += ThreadWaits() - waitsBefore;

        lock.lock();
        // A thread that waits for the disk leaves its processor idle meanwhile: another
        // one keeps more status calls in flight.
        if (measuring && ++measured == FoldersMeasured) {
            if (waits >= qint64(FoldersMeasured)) addThread();
            waits = 0;
            measured = 0;
        }
        // The map's nodes stay where they are while others come and go.
        bool more = false; // jobs for the other threads
        if (job.state == Job::State::Dropped || !read) {
            --ahead_;
            jobs_.erase(place);
            more = true; // room for one more
        } else {
            entries_ += read->data.Entries.size();
            if (!read->subfolders.empty() && !stopping_) {
                try {
                    addJobs(place, folder, job.depth, ancestry, read->subfolders);
                    more = true;
                } catch (const std::bad_alloc &) {
                }
            }
            job.read = std::move(read);
            job.state = Job::State::Read;
        }
        // Waking threads that have nothing to do costs more than reading a small folder.
        if (walkWaits_) read_.notify_one();
        if (more && threads_.size() > 1) work_.notify_one();
    }
}

std::unique_ptr<FolderReadAhead> TreeReadAhead::read(Job &job, const SortFolder &sort,
                                                     std::shared_ptr<const Ancestry> &ancestry,
                                                     ListedFolder &folder)
{
    int error = 0;
    folder = job.parent.openSubfolder(job.name, error);
    job.parent = ListedFolder();
    if (!folder.isValid()) return nullptr;
    auto read = std::make_unique<FolderReadAhead>();
    read->id = folder.id();
    // Left for the walk, which tells them in its closing message.
    if (rules_.oneFileSystem && read->id.device != rules_.device) return nullptr;
    if (job.ancestry && job.ancestry->contains(read->id)) return nullptr;

    const bool deeper = rules_.depth < 0 || job.depth < rules_.depth;
    Subfolders subfolders;
    read->data.Facts.keep = rules_.keepFacts;
    if (ReadFolder(folder, rules_.pattern, rules_.switches, read->data, read->count,
                   rules_.orderBy, rules_.locale, rules_.statusWorkers, nullptr,
                   deeper ? &subfolders : nullptr) != 0)
        return nullptr;
    sort(read->data, read->count);
    read->subfolders = SubfoldersInWalkOrder(subfolders, sort);
    if (!read->subfolders.empty())
        ancestry = std::make_shared<const Ancestry>(Ancestry{read->id, job.ancestry});
    read->folder = folder;
    return read;
}

// Called with the lock held.
void TreeReadAhead::dropWaiting(Jobs::iterator first, Jobs::iterator last)
{
    while (first != last) {
        Job &job = first->second;
        switch (job.state) {
        case Job::State::Reading:
            job.state = Job::State::Dropped; // its thread lets it go
            ++first;
            break;
        case Job::State::Dropped:
            ++first;
            break;
        case Job::State::Read:
            --ahead_;
            entries_ -= job.read->data.Entries.size();
            first = jobs_.erase(first);
            break;
        case Job::State::Waiting:
            first = jobs_.erase(first);
            break;
        }
    }
}

std::unique_ptr<FolderReadAhead> TreeReadAhead::take(const WalkPlace &place)
{
    if (!reading_) return nullptr;
    std::unique_lock lock(mutex_);
    const size_t aheadBefore = ahead_;
    const size_t entriesBefore = entries_;
    dropWaiting(jobs_.begin(), jobs_.lower_bound(place));
    std::unique_ptr<FolderReadAhead> read;
    auto it = jobs_.find(place);
    if (it != jobs_.end() && it->second.state == Job::State::Waiting) {
        // Nobody has started it: the walk is quicker reading it than waiting for a thread.
        jobs_.erase(it);
    } else if (it != jobs_.end()) {
        walkWaits_ = true;
        read_.wait(lock, [&] {
            it = jobs_.find(place);
            return it == jobs_.end() || it->second.state == Job::State::Read;
        });
        walkWaits_ = false;
        if (it != jobs_.end()) {
            read = std::move(it->second.read);
            --ahead_;
            entries_ -= read->data.Entries.size();
            jobs_.erase(it);
        }
    }
    // Threads that wait for room are woken once there is room for several folders, not
    // for each folder taken: waking a thread for one small folder costs more than reading it.
    // Threads that found no room are woken when the folders read ahead are down to half.
    const size_t lowWater = maxAhead_ / 2;
    const bool room = (aheadBefore > lowWater && ahead_ <= lowWater) ||
                      (entriesBefore > MaxEntriesAhead / 2 && entries_ <= MaxEntriesAhead / 2);
    lock.unlock();
    if (room) work_.notify_all();
    return read;
}

void TreeReadAhead::forget(const WalkPlace &place)
{
    if (!reading_) return;
    std::lock_guard lock(mutex_);
    WalkPlace child = place;
    child.push_back(0);
    auto it = jobs_.lower_bound(child);
    while (it != jobs_.end() && it->first.size() == child.size() &&
           std::equal(place.begin(), place.end(), it->first.begin())) {
        if (it->second.state == Job::State::Waiting)
            it = jobs_.erase(it);
        else
            ++it;
    }
}

void TreeReadAhead::clear()
{
    if (!reading_) return;
    {
        std::lock_guard lock(mutex_);
        dropWaiting(jobs_.begin(), jobs_.end());
    }
    work_.notify_all();
}

unsigned ReadAheadThreads()
{
    if (const unsigned forced = ForcedThreads(ForceThreadsVariable)) return forced - 1;
    // One thread of each processor reads ahead, the walk's own writing beside them.
    return std::min(UsableProcessors(), 4u);
}

} // namespace tamsoret
