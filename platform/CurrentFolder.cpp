#include "platform/CurrentFolder.h"

#include "platform/DirectorySearch.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamsoret {

QByteArray CurrentFolderBytes()
{
    // Paths have no fixed limit here, so grow the buffer until the whole path fits.
    QByteArray buffer(4096, Qt::Uninitialized);
    for (;;) {
        if (getcwd(buffer.data(), size_t(buffer.size())))
            return QByteArray(buffer.constData());
        if (errno != ERANGE || buffer.size() > (1 << 24))
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

QString CurrentFolderPath()
{
    QByteArray path = CurrentFolderBytes();
    if (path.isEmpty()) {
        // A folder removed while current has no path any more, but a message about it must
        // still name it: the kernel remembers where it was.
        QByteArray link(4096, Qt::Uninitialized);
        const ssize_t length = readlink("/proc/self/cwd", link.data(), size_t(link.size()));
        link.resize(length > 0 && length < link.size() ? qsizetype(length) : 0);
        const QByteArray removed(" (deleted)");
        if (link.startsWith('/') && link.endsWith(removed))
            path = link.chopped(removed.size());
    }
    // Shown in the window and printed in the listing's heading: a control character in a
    // folder name must not break that line.
    return ReplaceControlCharacters(QFile::decodeName(path));
}

bool ChangeFolder(const QByteArray &path)
{
    if (path.isEmpty() || path.contains('\0'))
        return false;
    return chdir(path.constData()) == 0;
}

QByteArray LookupName(const QString &name)
{
    if (name.isEmpty() || name.contains(QChar(u'\0')) || name.contains(u'/'))
        return {};

    const QByteArray exact = QFile::encodeName(name);
    struct stat st;
    if (fstatat(AT_FDCWD, exact.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return exact;

    DIR *dir = opendir(".");
    if (!dir)
        return {};
    QByteArray found;
    while (const dirent *entry = readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (QFile::decodeName(bytes).compare(name, Qt::CaseInsensitive) == 0) {
            found = bytes;
            break;
        }
    }
    closedir(dir);
    return found;
}

} // namespace tamsoret
