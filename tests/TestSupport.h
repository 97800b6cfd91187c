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
