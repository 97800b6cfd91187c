// The real settings store when its file is damaged or its disk is full: what start-up
// reads, and what the options window's OK leaves on disk.

#include "options/Settings.h"
#include "platform/Failure.h"
#include "platform/SettingsStore.h"
#include "tests/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tamsoret {
namespace {

// The values the options window's OK writes when nothing was changed from these.
ListOptions Chosen()
{
    ListOptions options;
    options.ShowDOS = false;
    options.OrderBy = OrderBySize;
    options.OrderAZ = false;
    options.MarginLeft = 11;
    options.MarginTop = 22;
    options.MarginBottom = 33;
    return options;
}

ListingFont ChosenFont()
{
    ListingFont font;
    font.name = QStringLiteral("Liberation Mono");
    font.size = 10.5f;
    return font;
}

// The real store with its configuration folder at a path of the test's choosing.
class StoreAt
{
public:
    explicit StoreAt(const QString &folder)
    {
        // QSettings keeps the files it read, trusting their size and time: each store
        // gets a folder of its own.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        path = folder + QStringLiteral("/Tamsoret/Tamsoret 2.0.conf");
        QDir().mkpath(QFileInfo(path).path());
    }
    void write(const QByteArray &bytes) const
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QString path;
    QtSettingsStore store;
};

// What a fresh process reads from a store file: the values and the messages.
QStringList ReadBack(const QString &file, const QString &folder, ListOptions &options,
                     ListingFont &font)
{
    StoreAt again(folder);
    QFile::remove(again.path);
    EXPECT_TRUE(QFile::copy(file, again.path));
    return LoadSettings(again.store, options, font);
}

void ExpectSavedWhole(StoreAt &at, const QString &folder)
{
    EXPECT_NO_THROW(SaveSettings(at.store, Chosen(), ChosenFont()));
    ListOptions reread;
    ListingFont rereadFont;
    EXPECT_TRUE(ReadBack(at.path, folder, reread, rereadFont).isEmpty());
    EXPECT_EQ(reread.ShowDOS, false);
    EXPECT_EQ(reread.OrderBy, OrderBySize);
    EXPECT_EQ(reread.OrderAZ, false);
    EXPECT_EQ(reread.MarginBottom, 33);
    EXPECT_EQ(rereadFont.name, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(rereadFont.size, 10.5f);
}

TEST(SettingsStoreFaults, GarbageAroundReadableLinesGivesThemAndOKReplacesTheStoreWhole)
{
    // QSettings reports a format error for such a file, also after writing the new one.
    // Before, that made the first value's save report a failure: OK saved the font name
    // and nothing else, and said the disk might be full.
    QTemporaryDir dir;
    StoreAt at(dir.filePath(QStringLiteral("store")));
    static const char bytes[] = "\xff\xfe\x01"
                                "binary\x02\n[Settings]\nOrderBy=4\nShow=00001\n\x80\x81=\xfe\n";
    at.write(QByteArray(bytes, sizeof bytes - 1));
    ListOptions loaded;
    ListingFont font;
    EXPECT_TRUE(LoadSettings(at.store, loaded, font).isEmpty());
    EXPECT_EQ(loaded.OrderBy, 4);
    EXPECT_FALSE(loaded.ShowName);
    EXPECT_TRUE(loaded.ShowAttr);
    ExpectSavedWhole(at, dir.filePath(QStringLiteral("reread")));
}

TEST(SettingsStoreFaults, RandomBytesNeverStopStartUpAndOKReplacesThemWhole)
{
    QTemporaryDir dir;
    QRandomGenerator random(20261207);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        StoreAt at(dir.filePath(QString::number(round)));
        QByteArray garbage(4096, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
        at.write(garbage);
        ListOptions loaded;
        ListingFont font;
        EXPECT_LE(LoadSettings(at.store, loaded, font).size(), 8);
        ExpectSavedWhole(at, dir.filePath(QString::number(round) + QStringLiteral("-reread")));
    }
}

TEST(SettingsStoreFaults, AnEmptyStoreFileGivesTheDefaultsWithoutAMessage)
{
    QTemporaryDir dir;
    StoreAt at(dir.path());
    at.write({});
    ListOptions loaded;
    loaded.MarginLeft = 99;
    ListingFont font;
    EXPECT_TRUE(LoadSettings(at.store, loaded, font).isEmpty());
    EXPECT_EQ(loaded.MarginLeft, 20);
    EXPECT_EQ(font.name, QStringLiteral("Courier New"));
    EXPECT_EQ(QFileInfo(at.path).size(), 0);
}

// A tmpfs of 64 KiB holding the configuration folder, filled up to the page the store
// already takes and one more.
class FullDisk : public test::SmallDisk
{
public:
    FullDisk() : SmallDisk("64k") {}

    // Fills every free page, then frees one.
    void leaveOnePage()
    {
        const QByteArray filler = QFile::encodeName(filePath(QStringLiteral("filler")));
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const QByteArray page(4096, 'f');
        off_t size = 0;
        for (;;) {
            const ssize_t n = ::write(fd, page.constData(), size_t(page.size()));
            if (n <= 0) break;
            size += n;
        }
        ASSERT_EQ(errno, ENOSPC);
        ASSERT_EQ(::ftruncate(fd, size > 4096 ? (size - 4096) / 4096 * 4096 : 0), 0);
        ::close(fd);
    }
};

// An old store of one page that the chosen values make longer than a page, by less
// than the last four of them take. Measured on an ordinary folder, since QSettings
// writes in a layout of its own.
QByteArray OldStoreJustUnderAPage(const QString &scratch)
{
    auto old = [](int pad) {
        return "[Other]\nNote=" + QByteArray(pad, 'n') +
               "\n\n[Settings]\nFontName=Courier New\nOrderBy=1\nMarginLeft=20\n";
    };
    StoreAt at(scratch);
    at.write(old(3900));
    SaveSettings(at.store, Chosen(), ChosenFont());
    const qint64 written = QFileInfo(at.path).size();
    // Show, OrderAZ, MarginTop and MarginBottom add 54 bytes: end half-way through them.
    return old(int(3900 + 4096 + 27 - written));
}

TEST(SettingsStoreFaults, OKOnAFullDiskFailsNamingTheFileAndLeavesTheOldStoreWhole)
{
    TAMSORET_SKIP_UNLESS_ROOT("mounting a small tmpfs for a full disk");
    FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    QTemporaryDir scratch;
    const QByteArray old = OldStoreJustUnderAPage(scratch.path());
    ASSERT_LE(old.size(), 4096);
    StoreAt at(disk.path() + QStringLiteral("/config"));
    at.write(old);
    disk.leaveOnePage();

    // Saved value by value, the first values fitted and the later ones did not: the store
    // was left half new.
    try {
        SaveSettings(at.store, Chosen(), ChosenFont());
        ADD_FAILURE() << "saving on a full disk did not fail";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.whatFailed(), QStringLiteral("Cannot save the options"));
        EXPECT_EQ(failure.on(), at.path);
        EXPECT_EQ(failure.reason(), qt_error_string(ENOSPC));
    }
    EXPECT_EQ(test::ReadAll(at.path), old);
    EXPECT_EQ(QDir(QFileInfo(at.path).path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("Tamsoret 2.0.conf")}));
}

// Runs in a child process as an unprivileged user: loads the store of the folder in the environment
// and prints what start-up would show, one message a line with its breaks as "|".
const char ChildStoreFolder[] = "TAMSORET_STORE_FOLDER";

TEST(SettingsStoreChild, DISABLED_LoadsAndReports)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       qEnvironmentVariable(ChildStoreFolder));
    QtSettingsStore store;
    ListOptions options;
    ListingFont font;
    for (const QString &message : LoadSettings(store, options, font))
        std::printf("message: %s\n", qPrintable(QString(message).replace(u'\r', u'|')));
    std::printf("margin: %d\n", options.MarginLeft);
}

TEST(SettingsStoreFaults, AStoreTheUserCannotReadIsReportedAtStartUpAndTheDefaultsAreUsed)
{
    QTemporaryDir dir;
    StoreAt at(dir.path());
    at.write("[Settings]\nMarginLeft=11\n");
    test::ModeGuard top(dir.path(), 0755);
    std::optional<test::ModeGuard> unreadable;
    unreadable.emplace(at.path, 0200);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildStoreFolder), dir.path());
    env.insert(QStringLiteral("HOME"), QDir::tempPath());
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    const test::ChildRun child =
        test::RunChildTestUnprivileged("SettingsStoreChild.DISABLED_LoadsAndReports", env, 60000);
    ASSERT_TRUE(child.passed());
    const QString output = QString::fromLocal8Bit(child.out);
    QStringList messages;
    for (const QString &line : output.split(u'\n')) {
        if (line.startsWith(QStringLiteral("message: "))) messages << line.mid(9);
    }
    // Before, nothing was said: the user's options were silently replaced by the defaults.
    EXPECT_EQ(messages, QStringList({QStringLiteral("The stored options cannot be read; the "
                                                    "defaults are used.|") +
                                     at.path + u'|' + qt_error_string(EACCES)}));
    EXPECT_TRUE(output.contains(QStringLiteral("margin: 20\n"))) << output.toStdString();
    unreadable.reset();
    EXPECT_EQ(test::ReadAll(at.path), QByteArray("[Settings]\nMarginLeft=11\n"));
}

} // namespace
} // namespace tamsoret
