#include "tests/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamsoret::test {

CurrentFolderGuard::CurrentFolderGuard(const QString &folder)
{
    char buf[4096];
    if (getcwd(buf, sizeof buf)) previous_ = buf;
    if (chdir(QFile::encodeName(folder).constData()) != 0)
        throw std::runtime_error("chdir failed: " + folder.toStdString());
}

CurrentFolderGuard::~CurrentFolderGuard()
{
    if (!previous_.isEmpty() && chdir(previous_.constData()) != 0) std::abort();
}

EnvGuard::EnvGuard(const char *name, const QByteArray &value) : name_(name)
{
    const char *old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
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
    mounted_ = dir_.isValid() && mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                                       0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (mounted_) umount(QFile::encodeName(dir_.path()).constData());
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

bool IsRoot()
{
    return geteuid() == 0;
}

void NoteSkippedForRights(const char *what)
{
    const QByteArray log = qgetenv("TAMSORET_RIGHTS_LOG");
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (log.isEmpty() || !info) return;
    // CTest names a case "Suite.Name" (with its prefix and value index when parameterised).
    QByteArray name = QByteArray(info->test_suite_name()) + '.' + info->name();
    if (FILE *f = std::fopen(log.constData(), "a")) {
        std::fprintf(f, "%s\t%s\n", name.constData(), what);
        std::fclose(f);
    }
}

bool UnprivilegedIsNobody()
{
    return IsRoot();
}

namespace {

// This program, where nobody can run it: the build folder when nobody may reach it, otherwise
// a copy made once per run.
QString ProgramForNobody()
{
    static QTemporaryDir copies;
    static QString program;
    if (!program.isEmpty()) return program;
    const QString own = QCoreApplication::applicationFilePath();
    if (QProcess::execute(QStringLiteral("setpriv"),
                          {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                           QStringLiteral("--clear-groups"), QStringLiteral("test"),
                           QStringLiteral("-x"), own}) == 0) {
        program = own;
        return program;
    }
    const QString copy = copies.filePath(QFileInfo(own).fileName());
    if (!copies.isValid() || chmod(QFile::encodeName(copies.path()).constData(), 0755) != 0 ||
        !QFile::copy(own, copy) || chmod(QFile::encodeName(copy).constData(), 0755) != 0)
        throw std::runtime_error("cannot copy the test program where nobody can run it");
    program = copy;
    return program;
}

} // namespace

ChildRun RunChildTestUnprivileged(const char *test, const QProcessEnvironment &env, int timeoutMs)
{
    const QStringList gtest{QStringLiteral("--gtest_also_run_disabled_tests"),
                            QStringLiteral("--gtest_filter=") + QString::fromLatin1(test)};
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    // The folder CTest starts us in may be closed to nobody, and a test program that cannot
    // read its working folder ends in the middle of its test.
    child.setWorkingDirectory(QDir::tempPath());
    if (UnprivilegedIsNobody())
        child.start(QStringLiteral("setpriv"),
                    QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                QStringLiteral("--clear-groups"), ProgramForNobody()} +
                        gtest);
    else
        child.start(QCoreApplication::applicationFilePath(), gtest);
    ChildRun run;
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
    } else {
        run.finished = child.exitStatus() == QProcess::NormalExit;
        run.exitCode = child.exitCode();
    }
    run.out = child.readAllStandardOutput();
    run.err = child.readAllStandardError();
    if (!run.passed())
        std::printf("child %s:\n%s\n%s\n", test, run.out.constData(), run.err.constData());
    return run;
}

ModeGuard::ModeGuard(const QString &path, unsigned mode) : path_(QFile::encodeName(path))
{
    if (chmod(path_.constData(), mode) != 0)
        throw std::runtime_error("chmod failed: " + path.toStdString());
}

ModeGuard::~ModeGuard()
{
    struct stat st;
    if (stat(path_.constData(), &st) == 0) chmod(path_.constData(), (st.st_mode & 07777) | S_IRWXU);
}

} // namespace tamsoret::test
