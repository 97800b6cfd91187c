#include "platform/ListedFolder.h"

#include "platform/FileNameBytes.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamsoret {

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
// A folder is held by a descriptor that only names it: one the user may enter but not
// read is still listed, and its listing then fails with the system's reason.
constexpr int HoldFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// Holds the folder that fd names, as far as the user may enter it (look names up in it);
// -1 otherwise. Closes fd.
int Enterable(int fd)
{
    if (fd < 0) return -1;
    const int entered = ::openat(fd, ".", HoldFlags);
    ::close(fd);
    return entered;
}

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The path of name in the folder at parent, from the names alone.
QByteArray WalkedPath(const QByteArray &parent, const QByteArray &name)
{
    if (parent.isEmpty() || name == ".") return parent;
    if (name == "..") {
        const qsizetype slash = parent.lastIndexOf('/');
        return slash <= 0 ? QByteArray("/") : parent.left(slash);
    }
    return parent.endsWith('/') ? parent + name : parent + '/' + name;
}

} // namespace

// Where a relative path starts. glibc's getcwd finds a path too long for the kernel's own
// answer by walking up the tree.
QByteArray ListedFolder::WorkingFolder(const ListedFolder &dot)
{
    if (QByteArray known = dot.pathBytes(); !known.isEmpty()) return known;
    std::unique_ptr<char, decltype(&free)> cwd(getcwd(nullptr, 0), free);
    return cwd && cwd.get()[0] == '/' ? QByteArray(cwd.get()) : QByteArray();
}

ListedFolder::ListedFolder(int fd, QByteArray walked)
    : fd_(new int(fd),
          [](const int *owned) {
              ::close(*owned);
              delete owned;
          }),
      walked_(std::move(walked))
{
}

ListedFolder ListedFolder::open(const QByteArray &path)
{
    if (path.isEmpty() || path.contains('\0')) return {};
    const int fd = Enterable(::open(path.constData(), HoldFlags));
    if (fd < 0) return {};
    ListedFolder folder(fd, {});
    if (path.startsWith('/'))
        folder.walked_ = path;
    else
        folder.walked_ = WalkedPath(WorkingFolder(folder), path);
    return folder;
}

ListedFolder ListedFolder::openAt(const QByteArray &name) const
{
    if (!isValid() || name.isEmpty() || name.contains('\0')) return {};
    const int fd = Enterable(::openat(*fd_, name.constData(), HoldFlags));
    return fd < 0 ? ListedFolder() : ListedFolder(fd, WalkedPath(walked_, name));
}

ListedFolder ListedFolder::openSubfolder(const QByteArray &name, int &error) const
{
    error = 0;
    if (!isValid() || name.isEmpty() || name.contains('\0') || name.contains('/')) {
        error = EINVAL;
        return {};
    }
    int fd;
    do
        fd = ::openat(*fd_, name.constData(), HoldFlags | O_NOFOLLOW);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A link with O_NOFOLLOW and O_DIRECTORY fails as no folder; some systems say ELOOP.
        error = errno == ELOOP ? ENOTDIR : errno;
        return {};
    }
    return ListedFolder(fd, {});
}

ListedFolder ListedFolder::openParent(const FolderId &expected) const
{
    if (!isValid()) return {};
    const int fd = ::openat(*fd_, "..", HoldFlags);
    if (fd < 0) return {};
    ListedFolder parent(fd, {});
    if (parent.id() != expected) return {};
    return parent;
}

FolderId ListedFolder::id() const
{
    struct stat st;
    if (!isValid() || fstat(*fd_, &st) != 0) return {};
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

QByteArray ListedFolder::pathBytes() const
{
    if (!isValid()) return {};
    // The kernel keeps the descriptor's path up to date through renames, and marks a
    // folder removed since with a suffix.
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(*fd_);
    QByteArray link(4096, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = readlink(proc.constData(), link.data(), size_t(link.size()));
        if (length < 0) return errno == ENAMETOOLONG ? walked_ : QByteArray();
        if (length < link.size()) {
            link.resize(qsizetype(length));
            break;
        }
        if (link.size() > (1 << 24)) return walked_;
        link.resize(link.size() * 2);
    }
    if (!link.startsWith('/')) return {};
    const QByteArray removed(" (deleted)");
    if (link.endsWith(removed)) {
        // Unless the folder's own name ends that way.
        struct stat self, named;
        const bool ownName =
            fstat(*fd_, &self) == 0 && stat(link.constData(), &named) == 0 && SameFile(self, named);
        if (!ownName) link.chop(removed.size());
    }
    return link;
}

QString ListedFolder::path() const
{
    return QFile::decodeName(pathBytes());
}

QByteArray ListedFolder::lookupName(const QString &name) const
{
    if (!isValid() || name.isEmpty() || name.contains(QChar(u'\0')) || name.contains(u'/'))
        return {};

    const QByteArray exact = EncodeFileName(name);
    struct stat st;
    if (fstatat(*fd_, exact.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) return exact;
    // A name with bytes that are not UTF-8 has no case to ignore, and its text would equal
    // that of every other name with other such bytes.
    if (!IsWholeUtf8(exact)) return {};

    const int readFd = ::openat(*fd_, ".", FolderFlags);
    if (readFd < 0) return {};
    DIR *dir = fdopendir(readFd);
    if (!dir) {
        ::close(readFd);
        return {};
    }
    QByteArray found;
    while (const dirent *entry = readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (IsWholeUtf8(bytes) &&
            QString::fromUtf8(bytes).compare(name, Qt::CaseInsensitive) == 0) {
            found = bytes;
            break;
        }
    }
    closedir(dir);
    return found;
}

} // namespace tamsoret
