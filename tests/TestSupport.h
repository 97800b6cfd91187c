#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace tamsoret::test {

// Makes a folder current for the life of the guard and restores the old one afterwards.
class CurrentFolderGuard
{
public:
    explicit CurrentFolderGuard(const QString &folder);
    ~CurrentFolderGuard();
    CurrentFolderGuard(const CurrentFolderGuard &) = delete;
    CurrentFolderGuard &operator=(const CurrentFolderGuard &) = delete;

private:
    QByteArray previous_;
};

// Sets an environment variable for the life of the guard.
class EnvGuard
{
public:
    EnvGuard(const char *name, const QByteArray &value);
    ~EnvGuard();

private:
    QByteArray name_;
    QByteArray old_;
    bool had_;
};

// Creates (or replaces) a file of the given size; sizes above 1 MiB are made sparse.
void MakeFile(const QString &path, qint64 size);
// Sets a file's modification time (seconds since the epoch, UTC) without following links.
void SetModificationTime(const QString &path, qint64 utcSeconds);
// Seconds since the epoch of a local (TZ) date and time.
qint64 LocalSeconds(int year, int month, int day, int hour, int minute, int second = 0);
// The whole content of a file.
QByteArray ReadAll(const QString &path);

} // namespace tamsoret::test

#include <QTemporaryDir>

namespace tamsoret::test {

// A tmpfs of the given size ("64k", "1m") mounted on a temporary folder for the life of the
// object. Root may mount one; elsewhere mounted() is false and the test skips.
class SmallDisk
{
public:
    explicit SmallDisk(const char *size);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace tamsoret::test

#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace tamsoret::test {

// Rights. A case that only root can set up (a tmpfs of its own, a CUPS queue) is skipped for
// anyone else, with one line saying what it needs; scripts/test.sh collects those lines (the
// file TAMSORET_RIGHTS_LOG names) to run the cases again through sudo, or to count them.
bool IsRoot();
void NoteSkippedForRights(const char *what);

#define TAMSORET_SKIP_UNLESS_ROOT(what)                                                            \
    if (!::tamsoret::test::IsRoot()) {                                                             \
        ::tamsoret::test::NoteSkippedForRights(what);                                              \
        GTEST_SKIP() << "needs root: " << (what);                                                  \
    }

// A permission case needs someone whom permission bits stop: the user "nobody" when the tests
// run as root, the tester otherwise. Modes given to the folders and files of such a case must
// deny the owner and the others alike, so that both meet them.
bool UnprivilegedIsNobody();

// What a child run of this test program printed, and how it ended.
struct ChildRun
{
    bool finished = false; // ended on its own within the time allowed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    // The child's one test ran and passed.
    bool passed() const { return finished && exitCode == 0 && out.contains("[  PASSED  ] 1 test"); }
};

// Runs one disabled test of this program ("Suite.DISABLED_Name") as the unprivileged user, in
// the given environment. Root's build folder may lie where nobody can reach it (a checkout in
// /root): nobody then runs a copy of the program in a folder open to all.
ChildRun RunChildTestUnprivileged(const char *test, const QProcessEnvironment &env,
                                  int timeoutMs = 120000);

// Gives a path a mode and, when the guard ends, full rights back to its owner, so that the
// temporary folders can be removed by a tester who is not root.
class ModeGuard
{
public:
    ModeGuard(const QString &path, unsigned mode);
    ~ModeGuard();
    ModeGuard(const ModeGuard &) = delete;
    ModeGuard &operator=(const ModeGuard &) = delete;

private:
    QByteArray path_;
};

} // namespace tamsoret::test
