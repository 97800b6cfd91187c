#pragma once

#include "platform/FindRecord.h"
#include "platform/WindowsVolume.h"

#include <QString>

#include <cstddef>
#include <memory>

namespace tamsoret {

// The system calls of one folder's scan: a descriptor of the folder's own, its names read
// a chunk at a time in the order the system returns them, and one status call a name.
// Starts no thread; the status calls may be made from several threads at once.
class FolderEntries
{
public:
    // One name as the folder gives it, valid until the next chunk is read.
    struct Name
    {
        const char *bytes; // ended by a NUL
        size_t length;
        unsigned char type; // the file type the folder tells, DT_UNKNOWN when none
    };

    // What the status call tells of one name. An entry that is gone is not present; one
    // whose status cannot be read has the system's error number, and only what the folder
    // told.
    struct Status
    {
        qint64 size;
        qint64 lastWriteTime;
        quint32 attributes;
        int error;
        bool present;
        char shortName[WindowsVolume::ShortNameBytes];
    };

    FolderEntries() = default;
    FolderEntries(FolderEntries &&other) noexcept;
    FolderEntries &operator=(FolderEntries &&) = delete;
    ~FolderEntries();

    // Opens a descriptor of its own on the folder of folderFd, reading from the folder's
    // first name whoever read before. Returns 0, or the system's error number with nothing
    // open. Throws std::bad_alloc when the room for the names cannot be had; the descriptor
    // is closed with this value.
    int open(int folderFd);

    // Whether the folder is the root: the folder may have been reached by any path, so its
    // identity is compared rather than a name.
    bool atRoot() const { return atRoot_; }

    // The next name, read from the folder when the names read before are used up; it stays
    // the next one until skip(). False at the end of the names or when they cannot be read
    // (error()).
    bool next(Name &name);
    void skip();
    // No name is left, or reading failed.
    bool ended() const { return ended_; }
    // The system's error number when the names could not be read to the end, else 0.
    int error() const { return error_; }

    // Makes the status call of a name read from this folder. May be called from several
    // threads at once, beside next() and skip() on one other.
    void readStatus(const char *name, unsigned char type, Status &status) const;

private:
    int fd_ = -1;
    bool atRoot_ = false;
    WindowsVolume volume_;
    std::unique_ptr<char[]> chunk_;
    size_t end_ = 0;
    size_t at_ = 0;
    bool ended_ = false;
    int error_ = 0;
};

// "." or "..", which every folder but the root holds.
bool IsDotOrDotDot(const char *name);

// Decodes a name into the record's own string, reusing its buffer when nobody else
// shares it: most names are plain ASCII, and a listing of a million entries should not
// pay a conversion and an allocation for each of them. Control characters are left for
// the listing to clean.
void DecodeName(const char *bytes, size_t length, QString &out);

} // namespace tamsoret
