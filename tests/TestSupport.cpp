#include "tests/TestSupport.h"

#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/mount.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace tamsoret::test {

CurrentFolderGuard::CurrentFolderGuard(const QString &folder)
{
    char buf[4096];
    if (getcwd(buf, sizeof buf))
        previous_ = buf;
    if (chdir(QFile::encodeName(folder).constData()) != 0)
        throw std::runtime_error("chdir failed: " + folder.toStdString());
}

CurrentFolderGuard::~CurrentFolderGuard()
{
    if (!previous_.isEmpty() && chdir(previous_.constData()) != 0)
        std::abort();
}

EnvGuard::EnvGuard(const char *name, const QByteArray &value) : name_(name)
{
    const char *old = std::getenv(name);
    had_ = old != nullptr;
    if (had_)
        old_ = old;
    setenv(name, value.constData(), 1);
    tzset();
}

EnvGuard::~EnvGuard()
{
    if (had_)
        setenv(name_.constData(), old_.constData(), 1);
    else
        unsetenv(name_.constData());
    tzset();
}

void MakeFile(const QString &path, qint64 size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot create " + path.toStdString());
    if (size <= 1024 * 1024) {
        if (f.write(QByteArray(size, 'x')) != size)
            throw std::runtime_error("cannot write " + path.toStdString());
    } else if (!f.resize(size)) {
        throw std::runtime_error("cannot resize " + path.toStdString());
    }
}

void SetModificationTime(const QString &path, qint64 utcSeconds)
{
    timespec times[2];
    times[0].tv_sec = utcSeconds;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    if (utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("utimensat failed: " + path.toStdString());
}

qint64 LocalSeconds(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return static_cast<qint64>(mktime(&tm));
}

SmallDisk::SmallDisk(const char *size)
{
    const QByteArray options = QByteArray("size=") + size;
    mounted_ = dir_.isValid() && mount("tmpfs", QFile::encodeName(dir_.path()).constData(),
                                       "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (mounted_)
        umount(QFile::encodeName(dir_.path()).constData());
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

} // namespace tamsoret::test
