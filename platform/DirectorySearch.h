#pragma once

#include "platform/FindRecord.h"

#include <QByteArray>

namespace tamsoret {

// Enumerates one folder in the order the system's directory reading returns it,
// with one status call per entry. Never sorts.
class DirectorySearch
{
public:
    // Opens the folder (the current folder when empty). Returns false when it cannot be
    // opened or holds no entry; the record is then untouched and there is nothing to close.
    bool findFirst(FindRecord &record, const QByteArray &folder = {});
    // Why the last findFirst returned false: the system's error number, or 0 when the
    // folder was read and simply holds no entry.
    int error() const { return error_; }
    // Delivers the next entry; false at the end or on any failure. Entries that vanish
    // between the listing of names and their status call are skipped.
    bool findNext(FindRecord &record);
    void close();
    ~DirectorySearch();

    DirectorySearch() = default;
    DirectorySearch(const DirectorySearch &) = delete;
    DirectorySearch &operator=(const DirectorySearch &) = delete;

private:
    bool fill(FindRecord &record);
    void *dir_ = nullptr; // DIR*
    int dirFd_ = -1;
    bool atRoot_ = false;
    int error_ = 0;
};

// Replaces every control character (below U+0020, and U+007F) with '?'.
QString ReplaceControlCharacters(QString name);

} // namespace tamsoret
