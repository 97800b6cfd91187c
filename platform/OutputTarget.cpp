#include "platform/OutputTarget.h"

#include "platform/Failure.h"
#include "platform/FileNameBytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace tamsoret {

namespace {

// Functions, not constants: translated when they are needed, once the catalogue is installed.
QString WriteFailure()
{
    return QCoreApplication::translate("OutputTarget", "Cannot write the listing file");
}
QString BlockDevice()
{
    return QCoreApplication::translate(
        "OutputTarget", "It is a block device; a listing is not written onto a disk.");
}
QString Socket()
{
    return QCoreApplication::translate("OutputTarget",
                                       "It is a socket, which cannot be written as a file.");
}
QString MayBeIncomplete()
{
    return QCoreApplication::translate("OutputTarget", "The file may be incomplete.");
}
QString UnfinishedPages()
{
    return QCoreApplication::translate("OutputTarget", "The pages could not be finished.");
}

// What the writers' buffer collects before it is handed to the system.
constexpr qint64 BufferSize = 64 * 1024;
// As many symbolic links as the kernel follows in one path.
constexpr int MaxLinks = 40;

[[noreturn]] void Throw(const QString &fileName, const QString &reason)
{
    throw Failure(WriteFailure(), fileName, reason);
}

[[noreturn]] void ThrowErrno(const QString &fileName, int error)
{
    Throw(fileName, qt_error_string(error));
}

// Where a name leads: the folder that holds it, held open, the name in that folder, and
// its status when it exists.
struct Place
{
    Place() = default;
    Place(const Place &) = delete;
    Place &operator=(const Place &) = delete;
    ~Place()
    {
        if (dirFd >= 0) ::close(dirFd);
    }
    int dirFd = -1;
    QByteArray name;
    bool exists = false;
    struct stat status {};
};

// Follows path to the name that would be written, as open() follows symbolic links (a
// dangling link leads to the name it points to, which a write creates). Returns 0 or the
// system's error number.
int Locate(QByteArray path, Place &place)
{
    for (int links = 0; links <= MaxLinks; ++links) {
        // A name ending in "/" can only be a folder, which is never written.
        bool folderOnly = false;
        while (path.size() > 1 && path.endsWith('/')) {
            path.chop(1);
            folderOnly = true;
        }
        if (path.isEmpty()) return ENOENT;
        if (path == "/") return EISDIR;
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/")
                                                                            : path.left(slash);
        if (place.dirFd >= 0) ::close(place.dirFd);
        place.name = path.mid(slash + 1);
        place.dirFd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (place.dirFd < 0) return errno;
        if (::fstatat(place.dirFd, place.name.constData(), &place.status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) return errno;
            place.exists = false;
            return folderOnly ? EISDIR : 0;
        }
        place.exists = true;
        if (!S_ISLNK(place.status.st_mode)) return folderOnly && !S_ISDIR(place.status.st_mode) ? ENOTDIR : 0;

        QByteArray target(qsizetype(place.status.st_size > 0 ? place.status.st_size : 256) + 1, '\0');
        const ssize_t length =
            ::readlinkat(place.dirFd, place.name.constData(), target.data(), size_t(target.size()));
        if (length < 0) return errno;
        if (length >= target.size()) return ENAMETOOLONG; // grew while it was read
        target.truncate(length);
        if (target.isEmpty()) return ENOENT;
        path = target.startsWith('/') ? target : folder + '/' + target;
        if (folderOnly) path += '/';
    }
    return ELOOP;
}

// Whether the file carries an access ACL, which a new file would not get back.
bool HasAccessAcl(const Place &place)
{
    char path[64 + NAME_MAX];
    std::snprintf(path, sizeof path, "/proc/self/fd/%d/%s", place.dirFd, place.name.constData());
    return ::lgetxattr(path, "system.posix_acl_access", nullptr, 0) > 0;
}

// Finds the file, decides how it is written and whether the user may write it, with the
// system's reasons. Throws Failure.
OutputTarget::Way Decide(const QString &fileName, Place &place)
{
    if (const int error = Locate(EncodeFileName(fileName), place)) ThrowErrno(fileName, error);
    if (!place.exists) {
        // The new file is made in the folder.
        if (::faccessat(place.dirFd, ".", W_OK | X_OK, AT_EACCESS) != 0) ThrowErrno(fileName, errno);
        return OutputTarget::Way::Create;
    }
    const mode_t type = place.status.st_mode & S_IFMT;
    if (type == S_IFDIR) ThrowErrno(fileName, EISDIR);
    if (type == S_IFBLK) Throw(fileName, BlockDevice());
    if (type == S_IFSOCK) Throw(fileName, Socket());
    // A file the user may not write is not replaced either, as a shell's ">" would not.
    if (::faccessat(place.dirFd, place.name.constData(), W_OK, AT_EACCESS) != 0)
        ThrowErrno(fileName, errno);
    if (type != S_IFREG) return OutputTarget::Way::Stream;
    if (place.status.st_nlink > 1 || HasAccessAcl(place)) return OutputTarget::Way::InPlace;
    return OutputTarget::Way::Replace;
}

// A fresh, short hidden name in the folder: it fits NAME_MAX whatever the target's length.
int CreateTemporary(int dirFd, QByteArray &name)
{
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = ".tamsoret-";
        for (int i = 0; i < 6; ++i)
            name += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))];
        // Mode 0666 within the umask and the folder's default ACL, as any new file.
        const int fd = ::openat(dirFd, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

void CheckOutputTarget(const QString &fileName)
{
    Place place;
    Decide(fileName, place);
}

OutputTarget::OutputTarget(const QString &fileName) : fileName_(fileName)
{
    try {
        open();
    } catch (...) {
        closeAll();
        throw;
    }
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

OutputTarget::~OutputTarget()
{
    if (!done_) cancel();
}

void OutputTarget::open()
{
    Place place;
    way_ = Decide(fileName_, place);
    dirFd_ = place.dirFd;
    place.dirFd = -1;
    name_ = place.name;

    if (way_ == Way::Create || way_ == Way::Replace) {
        fd_ = CreateTemporary(dirFd_, tempName_);
        if (fd_ < 0) {
            tempName_.clear();
            // A folder the user cannot write: an existing file is still written in place.
            if (way_ == Way::Create || (errno != EACCES && errno != EPERM))
                ThrowErrno(fileName_, errno);
            way_ = Way::InPlace;
        }
    }
    if (way_ == Way::Replace) {
        // Only a file that ends up as the old one's owner, group and mode may replace it.
        // Setting the owner clears the set-id bits, so the mode comes after it.
        const struct stat &old = place.status;
        struct stat now {};
        const bool kept = ::fstat(fd_, &now) == 0 &&
                          ((now.st_uid == old.st_uid && now.st_gid == old.st_gid) ||
                           ::fchown(fd_, old.st_uid, old.st_gid) == 0) &&
                          ::fchmod(fd_, old.st_mode & 07777) == 0;
        if (!kept) {
            ::close(fd_);
            fd_ = -1;
            ::unlinkat(dirFd_, tempName_.constData(), 0);
            tempName_.clear();
            way_ = Way::InPlace;
        }
    }
    if (way_ == Way::InPlace || way_ == Way::Stream) {
        // As a shell's ">": no new file, the old content dropped; a FIFO waits here for
        // its reader.
        do {
            fd_ = ::openat(dirFd_, name_.constData(),
                           O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW);
        } while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0) ThrowErrno(fileName_, errno);
    }
}

qint64 OutputTarget::writeData(const char *data, qint64 size)
{
    if (error_ != 0 || fd_ < 0) return -1;
    if (buffer_.size() + size > BufferSize && !flushBuffer()) return -1;
    if (size >= BufferSize) return writeOut(data, size) ? size : -1;
    buffer_.append(data, size);
    return size;
}

bool OutputTarget::flushBuffer()
{
    const bool written = writeOut(buffer_.constData(), buffer_.size());
    buffer_.resize(0);
    return written;
}

bool OutputTarget::writeOut(const char *data, qint64 size)
{
    if (error_ != 0) return false;
    // A FIFO whose reader has gone raises SIGPIPE, which would end the program without a
    // word: it is held back for these writes, and the one they raised is taken away.
    sigset_t pipe, old, pending;
    const bool stream = way_ == Way::Stream;
    bool pipePending = false;
    if (stream) {
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        sigpending(&pending);
        pipePending = sigismember(&pending, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, &old);
    }
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size_t(size));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        data += written;
        size -= written;
    }
    if (stream) {
        if (error_ == EPIPE && !pipePending) {
            const timespec now{};
            while (sigtimedwait(&pipe, nullptr, &now) < 0 && errno == EINTR) {}
        }
        pthread_sigmask(SIG_SETMASK, &old, nullptr);
    }
    return error_ == 0;
}

void OutputTarget::commit()
{
    if (done_) return;
    if (!flushBuffer()) fail();
    // Errors that a file system reports only when the data reach the disk (NFS, quotas)
    // come here; a file system that cannot sync says so with EINVAL and is taken at its word.
    if (way_ != Way::Stream && ::fdatasync(fd_) != 0 && errno != EINVAL && errno != EROFS)
        error_ = errno;
    if (error_ != 0) fail();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        error_ = errno;
        fail();
    }
    if (!tempName_.isEmpty()) {
        if (::renameat(dirFd_, tempName_.constData(), dirFd_, name_.constData()) != 0) {
            error_ = errno;
            fail();
        }
        tempName_.clear();
    }
    closeAll();
    done_ = true;
    QIODevice::close();
}

void OutputTarget::cancel()
{
    if (done_) return;
    buffer_.clear();
    closeAll();
    done_ = true;
    QIODevice::close();
}

void OutputTarget::fail(const QString &reason)
{
    QString why = reason;
    if (why.isEmpty()) why = error_ != 0 ? qt_error_string(error_) : UnfinishedPages();
    // Written in place, the old content is gone already.
    if (way_ == Way::InPlace || way_ == Way::Stream) why += u'\r' + MayBeIncomplete();
    cancel();
    Throw(fileName_, why);
}

void OutputTarget::closeAll()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tempName_.isEmpty()) ::unlinkat(dirFd_, tempName_.constData(), 0);
    tempName_.clear();
    if (dirFd_ >= 0) ::close(dirFd_);
    dirFd_ = -1;
}

} // namespace tamsoret
