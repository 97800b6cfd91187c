#include "platform/DirectorySearch.h"

#include "platform/Processors.h"
#include "platform/WindowsVolume.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <new>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tamsoret {

namespace {

bool IsDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Decodes a name into the record's own string, reusing its buffer when nobody else
// shares it: most names are plain ASCII, and a listing of a million entries should not
// pay a conversion and an allocation for each of them. Control characters are left for
// the listing to clean.
void DecodeName(const char *bytes, size_t length, QString &out)
{
    bool ascii = true;
    for (size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (!ascii) {
        out = QFile::decodeName(QByteArray(bytes, qsizetype(length)));
        return;
    }
    out.resize(qsizetype(length));
    QChar *dest = out.data();
    for (size_t i = 0; i < length; ++i) {
        dest[i] = char16_t(static_cast<unsigned char>(bytes[i]));
    }
}

// What the status call tells of one name. An entry that is gone is not present; one whose
// status cannot be read has the system's error number, and only what the folder told.
struct Status
{
    qint64 size;
    qint64 lastWriteTime;
    quint32 attributes;
    int error;
    bool present;
    char shortName[WindowsVolume::ShortNameBytes];
};

int StatAt(int dirFd, const char *name, struct stat &st, int flags)
{
    int result;
    do
        result = fstatat(dirFd, name, &st, flags);
    while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

void ReadStatus(int dirFd, const char *name, unsigned char type, const WindowsVolume &volume,
                Status &status)
{
    status.shortName[0] = '\0';
    status.size = 0;
    status.lastWriteTime = 0;
    status.error = 0;
    status.present = true;
    // On Windows volumes the hidden bit is the volume's, whatever the name.
    const bool dotName = volume.kind() == WindowsVolume::Kind::None && name[0] == '.' &&
                         !IsDotOrDotDot(name);
    struct stat st;
    // A link whose target is missing, loops or cannot be reached is described by the link
    // itself.
    int error = StatAt(dirFd, name, st, 0);
    if (error != 0) error = StatAt(dirFd, name, st, AT_SYMLINK_NOFOLLOW);
    if (error == ENOENT || error == ENOTDIR) {
        status.present = false; // gone since its name was read
        return;
    }
    if (error != 0) {
        status.error = error;
        status.attributes = (type == DT_DIR ? Attr::Folder : 0) | (dotName ? Attr::Hidden : 0);
        return;
    }
    quint32 attributes = 0;
    const bool folder = S_ISDIR(st.st_mode);
    if (folder)
        attributes |= Attr::Folder;
    if (dotName)
        attributes |= Attr::Hidden;
    if (!(st.st_mode & S_IWUSR))
        attributes |= Attr::ReadOnly;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode) ||
        S_ISSOCK(st.st_mode))
        attributes |= Attr::System;
    if (volume.kind() != WindowsVolume::Kind::None)
        volume.describe(name, attributes, status.shortName);
    status.size = folder ? 0 : static_cast<qint64>(st.st_size);
    status.lastWriteTime = static_cast<qint64>(st.st_mtim.tv_sec);
    status.attributes = attributes;
}

// Names read from the folder and not yet delivered, with their status once it is read.
// All room is taken when the search opens, so that a worker never allocates.
struct Batch
{
    enum class State { Free, Named, Claimed, Done };

    // Some file systems give names longer than NAME_MAX bytes: room for a few of those.
    explicit Batch(size_t capacity)
        : room(std::max<size_t>(capacity * (NAME_MAX + 1), 4096)), names(new char[room]),
          starts(capacity), types(capacity), status(capacity)
    {
    }
    const char *name(size_t i) const { return names.get() + starts[i]; }

    size_t room;
    std::unique_ptr<char[]> names; // each name ended by a NUL
    std::vector<quint32> starts;
    std::vector<unsigned char> types; // the file type the folder tells, DT_UNKNOWN when none
    std::vector<Status> status;
    size_t count = 0;
    State state = State::Free;
};

void ReadStatuses(int dirFd, const WindowsVolume &volume, Batch &batch)
{
    for (size_t i = 0; i < batch.count; ++i)
        ReadStatus(dirFd, batch.name(i), batch.types[i], volume, batch.status[i]);
}

// Room for the names of one directory read: about a thousand entries.
constexpr size_t DirentBytes = 64 * 1024;
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
    Scan(int fd, bool atRoot, unsigned workers, bool forced);
    ~Scan();

    // The next batch in directory order with every status read, or nullptr at the end.
    Batch *nextBatch();
    void release();

    int fd;
    bool atRoot;
    WindowsVolume volume;
    int readError = 0;
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

    std::unique_ptr<char[]> dirents{new char[DirentBytes]};
    size_t direntsEnd = 0;
    size_t direntsAt = 0;
    bool namesEnded = false;
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

DirectorySearch::Scan::Scan(int fd, bool atRoot, unsigned workers, bool forced)
    : fd(fd), atRoot(atRoot), volume(WindowsVolume::of(fd)), workers(workers), forced(forced)
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
    ::close(fd);
}

void DirectorySearch::Scan::readNames(Batch &batch)
{
    batch.count = 0;
    size_t used = 0;
    while (batch.count < batch.starts.size()) {
        if (direntsAt == direntsEnd) {
            if (namesEnded)
                return;
            ssize_t bytes;
            do
                bytes = getdents64(fd, dirents.get(), DirentBytes);
            while (bytes < 0 && errno == EINTR);
            if (bytes <= 0) {
                // A folder removed while it is read fails here with ENOENT: the names
                // that are left were never seen, so that is a failure, not the end.
                if (bytes < 0)
                    readError = errno;
                namesEnded = true;
                return;
            }
            direntsEnd = size_t(bytes);
            direntsAt = 0;
        }
        const auto *entry = reinterpret_cast<const dirent64 *>(dirents.get() + direntsAt);
        if (atRoot && IsDotOrDotDot(entry->d_name)) {
            direntsAt += entry->d_reclen;
            continue;
        }
        const size_t length = std::strlen(entry->d_name);
        if (used + length + 1 > batch.room) {
            if (batch.count > 0)
                return; // the name opens the next batch
            direntsAt += entry->d_reclen; // no status call could take it either
            continue;
        }
        direntsAt += entry->d_reclen;
        std::memcpy(batch.names.get() + used, entry->d_name, length + 1);
        batch.types[batch.count] = entry->d_type;
        batch.starts[batch.count++] = quint32(used);
        used += length + 1;
        ++namesRead;
    }
}

void DirectorySearch::Scan::topUp()
{
    while (made - next < ring.size() && !namesEnded) {
        Batch &batch = slot(made);
        readNames(batch);
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
    ReadStatuses(fd, volume, batch);
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
    // A descriptor of its own, reading from the folder's first name whoever read before.
    const int fd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno;
        return false;
    }

    // A folder removed since it was opened still opens, but reading its names fails with
    // ENOENT; its link count tells nothing, as some file systems give folders none.
    struct stat here, root;
    const bool known = fstat(fd, &here) == 0;
    // The root has no "." and "..", the way a drive root has none; the folder may have
    // been reached by any path, so compare identities rather than names.
    const bool atRoot =
        known && stat("/", &root) == 0 && here.st_dev == root.st_dev && here.st_ino == root.st_ino;
    try {
        scan_ = std::make_unique<Scan>(fd, atRoot, workers_, forced_);
    } catch (const std::bad_alloc &) {
        // The room for the names could not be had, as when the folder cannot be opened
        // for want of memory.
        ::close(fd);
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
                const Status &status = batch.status[i];
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
            error_ = scan.readError;
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
