#include "platform/FolderEntries.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tamsoret {

namespace {

// Room for the names of one directory read: about a thousand entries.
constexpr size_t ChunkBytes = 64 * 1024;

int StatAt(int dirFd, const char *name, struct stat &st, int flags)
{
    int result;
    do
        result = fstatat(dirFd, name, &st, flags);
    while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

} // namespace

bool IsDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

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

FolderEntries::FolderEntries(FolderEntries &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), atRoot_(other.atRoot_),
      volume_(std::move(other.volume_)), chunk_(std::move(other.chunk_)), end_(other.end_),
      at_(other.at_), ended_(other.ended_), error_(other.error_)
{
}

FolderEntries::~FolderEntries()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int FolderEntries::open(int folderFd)
{
    fd_ = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return errno;

    // A folder removed since it was opened still opens, but reading its names fails with
    // ENOENT; its link count tells nothing, as some file systems give folders none.
    // The root is asked for once: a tree walk opens tens of thousands of folders.
    static const std::optional<std::pair<dev_t, ino_t>> root = []() -> std::optional<std::pair<dev_t, ino_t>> {
        struct stat st;
        if (stat("/", &st) != 0) return std::nullopt;
        return std::pair{st.st_dev, st.st_ino};
    }();
    struct stat here;
    atRoot_ = root && fstat(fd_, &here) == 0 && here.st_dev == root->first &&
              here.st_ino == root->second;
    volume_ = WindowsVolume::of(fd_);
    chunk_.reset(new char[ChunkBytes]);
    return 0;
}

bool FolderEntries::next(Name &name)
{
    if (at_ == end_) {
        if (ended_)
            return false;
        ssize_t bytes;
        do
            bytes = getdents64(fd_, chunk_.get(), ChunkBytes);
        while (bytes < 0 && errno == EINTR);
        if (bytes <= 0) {
            // A folder removed while it is read fails here with ENOENT: the names that are
            // left were never seen, so that is a failure, not the end.
            if (bytes < 0)
                error_ = errno;
            ended_ = true;
            return false;
        }
        end_ = size_t(bytes);
        at_ = 0;
    }
    const auto *entry = reinterpret_cast<const dirent64 *>(chunk_.get() + at_);
    name.bytes = entry->d_name;
    name.length = std::strlen(entry->d_name);
    name.type = entry->d_type;
    return true;
}

void FolderEntries::skip()
{
    at_ += reinterpret_cast<const dirent64 *>(chunk_.get() + at_)->d_reclen;
}

void FolderEntries::readStatus(const char *name, unsigned char type, Status &status) const
{
    status.shortName[0] = '\0';
    status.size = 0;
    status.lastWriteTime = 0;
    status.error = 0;
    status.present = true;
    // On Windows volumes the hidden bit is the volume's, whatever the name.
    const bool dotName = volume_.kind() == WindowsVolume::Kind::None && name[0] == '.' &&
                         !IsDotOrDotDot(name);
    struct stat st;
    // A link whose target is missing, loops or cannot be reached is described by the link
    // itself.
    int error = StatAt(fd_, name, st, 0);
    if (error != 0) error = StatAt(fd_, name, st, AT_SYMLINK_NOFOLLOW);
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
    if (volume_.kind() != WindowsVolume::Kind::None)
        volume_.describe(name, attributes, status.shortName);
    status.size = folder ? 0 : static_cast<qint64>(st.st_size);
    status.lastWriteTime = static_cast<qint64>(st.st_mtim.tv_sec);
    status.attributes = attributes;
}

} // namespace tamsoret
