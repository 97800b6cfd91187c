#include "platform/DirectorySearch.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace tamsoret {

namespace {

bool IsDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool IsControl(char16_t c) { return c < 0x20 || c == 0x7f; }

// Decodes a name into the record's own string, reusing its buffer when nobody else
// shares it: most names are plain ASCII, and a listing of a million entries should not
// pay a conversion and an allocation for each of them.
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
        out = ReplaceControlCharacters(QFile::decodeName(QByteArray(bytes, qsizetype(length))));
        return;
    }
    out.resize(qsizetype(length));
    QChar *dest = out.data();
    for (size_t i = 0; i < length; ++i) {
        const char16_t c = static_cast<unsigned char>(bytes[i]);
        dest[i] = IsControl(c) ? u'?' : c;
    }
}

} // namespace

bool DirectorySearch::findFirst(FindRecord &record, const QByteArray &folder)
{
    close();
    error_ = 0;
    DIR *dir = opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir) {
        error_ = errno;
        return false;
    }
    dir_ = dir;
    dirFd_ = dirfd(dir);

    // A folder removed while it was current still opens, and reads as empty: without this
    // its listing would claim an empty folder.
    struct stat here, root;
    const bool known = fstat(dirFd_, &here) == 0;
    if (known && here.st_nlink == 0) {
        close();
        error_ = ENOENT;
        return false;
    }
    // The root has no "." and "..", the way a drive root has none; the folder may have
    // been reached by any path, so compare identities rather than names.
    atRoot_ = known && stat("/", &root) == 0 && here.st_dev == root.st_dev && here.st_ino == root.st_ino;

    // A folder with no entry at all gives no first entry, and then no search to close.
    FindRecord first;
    if (!fill(first)) {
        close();
        return false;
    }
    record = std::move(first);
    return true;
}

bool DirectorySearch::findNext(FindRecord &record)
{
    if (!dir_)
        return false;
    return fill(record);
}

void DirectorySearch::close()
{
    if (dir_)
        closedir(static_cast<DIR *>(dir_));
    dir_ = nullptr;
    dirFd_ = -1;
    atRoot_ = false;
}

DirectorySearch::~DirectorySearch() { close(); }

bool DirectorySearch::fill(FindRecord &record)
{
    DIR *dir = static_cast<DIR *>(dir_);
    for (;;) {
        const dirent *entry = readdir(dir);
        if (!entry)
            return false; // the end, or a failure that ends the search the same way
        const char *name = entry->d_name;
        if (atRoot_ && IsDotOrDotDot(name))
            continue;

        struct stat st;
        if (fstatat(dirFd_, name, &st, 0) != 0) {
            // A link whose target is missing, loops or cannot be reached is described by
            // the link itself; an entry that is gone altogether is passed over.
            if (fstatat(dirFd_, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
        }

        const size_t length = std::strlen(name);
        DecodeName(name, length, record.name);
        record.rawName.resize(qsizetype(length));
        std::memcpy(record.rawName.data(), name, length);
        record.alternateName.clear();

        quint32 attributes = 0;
        const bool folder = S_ISDIR(st.st_mode);
        if (folder)
            attributes |= Attr::Folder;
        if (name[0] == '.' && !IsDotOrDotDot(name))
            attributes |= Attr::Hidden;
        if (!(st.st_mode & S_IWUSR))
            attributes |= Attr::ReadOnly;
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode) ||
            S_ISSOCK(st.st_mode))
            attributes |= Attr::System;
        record.attributes = attributes;
        record.size = folder ? 0 : static_cast<qint64>(st.st_size);
        record.lastWriteTime = static_cast<qint64>(st.st_mtim.tv_sec);
        return true;
    }
}

QString ReplaceControlCharacters(QString name)
{
    const qsizetype length = name.size();
    const QChar *chars = name.constData();
    qsizetype i = 0;
    while (i < length && !IsControl(chars[i].unicode()))
        ++i;
    if (i == length)
        return name;
    QChar *dest = name.data();
    for (; i < length; ++i) {
        if (IsControl(dest[i].unicode()))
            dest[i] = u'?';
    }
    return name;
}

} // namespace tamsoret
