#include "listing/DirectorySearch.h"

#include "platform/FolderEntries.h"
#include "platform/Processors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace tamsoret {

namespace {

// Names read from the folder and not yet delivered, with their status once it is read.
// The room grows on the thread that reads the names, before a worker is handed the
// batch, so that a worker never allocates. It starts small: a tree walk opens a search
// for each of ten thousand folders of a few names each, and room for the most names a
// batch holds, taken and given back each time, cost more than the names' status calls.
struct Batch
{
    enum class State { Free, Named, Claimed, Done };

    // Some file systems give names longer than NAME_MAX bytes: room for a few of those.
    explicit Batch(size_t capacity)
        : capacity(capacity), maxRoom(std::max<size_t>(capacity * (NAME_MAX + 1), FirstRoom)),
          room(std::min(maxRoom, FirstRoom)), names(new char[room])
    {
        // Taken, not filled: only what a folder's names use is ever touched.
        starts.reserve(capacity);
        types.reserve(capacity);
        status.reserve(capacity);
    }
    const char *name(size_t i) const { return names.get() + starts[i]; }
    // Room for wanted bytes of names, the used ones kept; false when the batch has all the
    // room it may have, or no more can be had (the name then opens the next batch).
    bool grow(size_t used, size_t wanted)
    {
        if (room >= maxRoom || wanted > maxRoom) return false;
        const size_t bigger = std::min(maxRoom, std::max(wanted, room * 2));
        char *more = new (std::nothrow) char[bigger];
        if (!more) return false;
        std::memcpy(more, names.get(), used);
        names.reset(more);
        room = bigger;
        return true;
    }

    static constexpr size_t FirstRoom = 4096;
    size_t capacity; // names at most
    size_t maxRoom;
    size_t room;
    std::unique_ptr<char[]> names; // each name ended by a NUL
    std::vector<quint32> starts;
    std::vector<unsigned char> types; // as FolderEntries::Name has it
    std::vector<FolderEntries::Status> status; // one for each name, made with the names
    size_t count = 0;
    State state = State::Free;
};

void ReadStatuses(const FolderEntries &entries, Batch &batch)
{
    for (size_t i = 0; i < batch.count; ++i)
        entries.readStatus(batch.name(i), batch.types[i], batch.status[i]);
}

// Names handed to a worker at a time: enough that the handing over costs little beside
// the status calls, few enough that the first records come soon.
constexpr size_t NamesPerBatch = 256;
// Batches read ahead for each thread that makes status calls.
constexpr size_t BatchesPerThread = 4;
// A thread started for fewer status calls than this costs more than it saves (a folder of
// 1,000 entries was listed fastest by the caller's thread alone, bench/threads.sh): one
// more thread is started for each such run of names read.
constexpr size_t NamesPerStatusThread = 4096;
// Measured on two processors only, where four threads still gained on 100,000 entries: the
// cap keeps a machine of many processors from starting threads that no measurement backs.
constexpr unsigned MaxStatusWorkers = 3;

} // namespace

struct DirectorySearch::Scan
{
    Scan(FolderEntries &&entries, unsigned workers, bool forced);
    ~Scan();

    // The next batch in directory order with every status read, or nullptr at the end.
    Batch *nextBatch();
    void release();

    FolderEntries entries;
    Batch *current = nullptr;
    size_t item = 0; // the next record of current

private:
    Batch &slot(size_t sequence) { return ring[sequence % ring.size()]; }
    void readNames(Batch &batch);
    void topUp();
    Batch *oldestNamed();
    // Makes a named batch's status calls outside the lock, which is held on entry and exit.
    void readClaimed(std::unique_lock<std::mutex> &lock, Batch &batch);
    void work();

    size_t namesRead = 0;

    // Batches by sequence number: next is the one delivered now or next, made the one
    // to be filled next.
    std::vector<Batch> ring;
    size_t next = 0;
    size_t made = 0;

    unsigned workers; // at most
    bool forced;      // all of them, whatever the size of the folder
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable named;    // a batch waits for its status calls, or stop
    std::condition_variable finished; // a worker is done with a batch
    bool stopping = false;
};

DirectorySearch::Scan::Scan(FolderEntries &&entries, unsigned workers, bool forced)
    : entries(std::move(entries)), workers(workers), forced(forced)
{
    // Without workers each name is read and its status asked for only when its record
    // is, so nothing is read ahead of the caller.
    const size_t perBatch = workers ? NamesPerBatch : 1;
    const size_t batches = workers ? BatchesPerThread * (workers + 1) : 1;
    ring.reserve(batches);
    for (size_t i = 0; i < batches; ++i)
        ring.emplace_back(perBatch);
    threads.reserve(workers);
}

DirectorySearch::Scan::~Scan()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    named.notify_all();
    for (std::thread &thread : threads)
        thread.join();
}

void DirectorySearch::Scan::readNames(Batch &batch)
{
    batch.count = 0;
    batch.starts.clear();
    batch.types.clear();
    size_t used = 0;
    FolderEntries::Name entry;
    while (batch.count < batch.capacity && entries.next(entry)) {
        // The root has no "." and "..", the way a drive root has none.
        if (entries.atRoot() && IsDotOrDotDot(entry.bytes)) {
            entries.skip();
            continue;
        }
        if (used + entry.length + 1 > batch.room && !batch.grow(used, used + entry.length + 1)) {
            if (batch.count > 0)
                return; // the name opens the next batch
            entries.skip(); // no status call could take it either
            continue;
        }
        std::memcpy(batch.names.get() + used, entry.bytes, entry.length + 1);
        entries.skip();
        batch.types.push_back(entry.type);
        batch.starts.push_back(quint32(used));
        ++batch.count;
        used += entry.length + 1;
        ++namesRead;
    }
}

void DirectorySearch::Scan::topUp()
{
    while (made - next < ring.size() && !entries.ended()) {
        Batch &batch = slot(made);
        readNames(batch);
        batch.status.resize(batch.count); // within the room taken
        if (batch.count == 0)
            break;
        {
            std::lock_guard lock(mutex);
            batch.state = Batch::State::Named;
            ++made;
        }
        named.notify_one();
        // A folder whose names fit one batch is done quicker than a thread starts, and a
        // few thousand quicker than a worker pays for itself; larger ones get more.
        const unsigned wanted =
            forced ? workers
                   : ThreadsFor(namesRead, NamesPerStatusThread, workers + 1, workers + 1) - 1;
        if (made - next >= 2 && threads.size() < wanted) {
            try {
                while (threads.size() < wanted)
                    threads.emplace_back(&Scan::work, this);
            } catch (const std::system_error &) {
                workers = unsigned(threads.size()); // the caller's thread makes up for them
            } catch (const std::bad_alloc &) {
                workers = unsigned(threads.size());
            }
        }
    }
}

Batch *DirectorySearch::Scan::oldestNamed()
{
    for (size_t s = next; s != made; ++s) {
        if (slot(s).state == Batch::State::Named)
            return &slot(s);
    }
    return nullptr;
}

void DirectorySearch::Scan::work()
{
    std::unique_lock lock(mutex);
    for (;;) {
        Batch *batch = nullptr;
        named.wait(lock, [&] { return stopping || (batch = oldestNamed()) != nullptr; });
        if (stopping)
            return;
        readClaimed(lock, *batch);
        finished.notify_one();
    }
}

void DirectorySearch::Scan::readClaimed(std::unique_lock<std::mutex> &lock, Batch &batch)
{
    batch.state = Batch::State::Claimed;
    lock.unlock();
    ReadStatuses(entries, batch);
    lock.lock();
    batch.state = Batch::State::Done;
}

Batch *DirectorySearch::Scan::nextBatch()
{
    topUp();
    if (next == made)
        return nullptr;
    Batch &wanted = slot(next);
    std::unique_lock lock(mutex);
    while (wanted.state != Batch::State::Done) {
        // The caller's thread makes status calls too: those of the batch it waits for
        // when no worker has taken it yet, else those of a later one.
        Batch *batch = wanted.state == Batch::State::Named ? &wanted : oldestNamed();
        if (!batch) {
            finished.wait(lock);
            continue;
        }
        readClaimed(lock, *batch);
    }
    return &wanted;
}

void DirectorySearch::Scan::release()
{
    std::lock_guard lock(mutex);
    slot(next).state = Batch::State::Free;
    ++next;
    current = nullptr;
}

DirectorySearch::DirectorySearch(unsigned workers)
    : workers_(workers), forced_(false)
{
    if (const unsigned threads = ForcedThreads(ForceThreadsVariable)) {
        workers_ = threads - 1;
        forced_ = true;
    }
}

DirectorySearch::~DirectorySearch() = default;

bool DirectorySearch::findFirst(FindRecord &record, int folderFd)
{
    close();
    error_ = 0;
    FolderEntries entries;
    try {
        if (const int error = entries.open(folderFd)) {
            error_ = error;
            return false;
        }
        scan_ = std::make_unique<Scan>(std::move(entries), workers_, forced_);
    } catch (const std::bad_alloc &) {
        // The room for the names could not be had, as when the folder cannot be opened
        // for want of memory.
        error_ = ENOMEM;
        return false;
    }

    // A folder with no entry at all gives no first entry, and then no search to close.
    FindRecord first;
    if (!findNext(first)) {
        close();
        return false;
    }
    record = std::move(first);
    return true;
}

bool DirectorySearch::findNext(FindRecord &record)
{
    if (!scan_)
        return false;
    Scan &scan = *scan_;
    for (;;) {
        if (scan.current) {
            Batch &batch = *scan.current;
            while (scan.item < batch.count) {
                const size_t i = scan.item++;
                const FolderEntries::Status &status = batch.status[i];
                if (!status.present)
                    continue;
                const char *name = batch.name(i);
                const size_t length = std::strlen(name);
                DecodeName(name, length, record.name);
                record.rawName.resize(qsizetype(length));
                std::memcpy(record.rawName.data(), name, length);
                if (status.shortName[0] == '\0')
                    record.alternateName.clear();
                else
                    record.alternateName = QString::fromUtf8(status.shortName);
                record.statusError = status.error;
                record.attributes = status.attributes;
                record.size = status.size;
                record.lastWriteTime = status.lastWriteTime;
                return true;
            }
            scan.release();
        }
        scan.current = scan.nextBatch();
        scan.item = 0;
        if (!scan.current) {
            error_ = scan.entries.error();
            return false;
        }
    }
}

void DirectorySearch::close()
{
    scan_.reset();
}

unsigned StatusWorkers()
{
    // The caller's thread makes status calls too.
    return std::min(UsableProcessors() - 1, MaxStatusWorkers);
}

} // namespace tamsoret
