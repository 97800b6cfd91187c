#pragma once

#include "platform/FindRecord.h"

#include <QByteArray>

#include <memory>

namespace tamsoret {

// Enumerates one folder in the order the system's directory reading returns it,
// with one status call per entry. Never sorts.
//
// The names are always read on the caller's thread. With workers allowed, the status calls
// of names read ahead are made on threads of the search's own as well as on the caller's,
// one more for each few thousand names read, up to the number allowed; the records still
// come in directory order. Without, each status call is made when its record is asked
// for. Every thread is joined before close() returns.
//
// On NTFS and FAT volumes each record also carries the short name and the attribute bits
// the volume keeps (WindowsVolume). The system calls are FolderEntries'.
class DirectorySearch
{
public:
    // For measuring only: TAMSORET_STATUS_THREADS=N in the environment makes every search
    // use N threads (N - 1 workers and the caller's), whatever the folder and the machine.
    static constexpr char ForceThreadsVariable[] = "TAMSORET_STATUS_THREADS";

    explicit DirectorySearch(unsigned workers = 0);
    ~DirectorySearch();
    DirectorySearch(const DirectorySearch &) = delete;
    DirectorySearch &operator=(const DirectorySearch &) = delete;

    // Opens the folder of this descriptor. Returns false when it cannot be opened or
    // holds no entry; the record is then untouched and there is nothing to close.
    bool findFirst(FindRecord &record, int folderFd);
    // Why the search ended: the system's error number when the folder could not be opened
    // or its names could not be read to the end, 0 when every entry was delivered.
    int error() const { return error_; }
    // Delivers the next entry; false at the end or on any failure. Entries that vanish
    // between the listing of names and their status call are skipped; one whose status
    // call fails otherwise is delivered with the error (FindRecord::statusError).
    bool findNext(FindRecord &record);
    void close();

private:
    struct Scan;
    std::unique_ptr<Scan> scan_;
    unsigned workers_;
    bool forced_;
    int error_ = 0;
};

// How many threads a search may start beside the caller's on this machine: one less than
// the processors this process may use, so none on a single processor, and no more than
// make status calls go faster.
unsigned StatusWorkers();

} // namespace tamsoret
