#include "listing/ReadDirectory.h"

#include "listing/DirectorySearch.h"
#include "listing/EntryFields.h"
#include "options/ListOptions.h"
#include "platform/Failure.h"
#include "sort/SortEntries.h"
#include "tests/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tamsoret;
using namespace tamsoret::test;

namespace {

const LocaleFormat English = LocaleFormat::fromLocale(QLocale::c());

qint64 Utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc())
        .toSecsSinceEpoch();
}

QStringList SortedNames(const ListingData &data)
{
    QStringList names;
    for (const DirEntry &e : data.Entries)
        names << e.Name;
    names.sort();
    return names;
}

std::optional<DirEntry> Find(const ListingData &data, const QString &name)
{
    for (const DirEntry &e : data.Entries) {
        if (e.Name == name) return e;
    }
    return std::nullopt;
}

class ReadDirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void file(const QString &name, qint64 size = 0) { MakeFile(dir.filePath(name), size); }
    void folder(const QString &name) { ASSERT_TRUE(QDir(dir.path()).mkdir(name)); }

    qint32 read(const QString &filter, ScanSwitches switches = {}, qint16 orderBy = OrderByName)
    {
        return ReadDirectory(ListedFolder::open(QFile::encodeName(dir.path())), filter, switches,
                             data, orderBy, English);
    }

    QTemporaryDir dir;
    ListingData data;
};

TEST_F(ReadDirectoryTest, Should_ListOnlyTheParent_When_TheFolderIsEmpty)
{
    ASSERT_EQ(read("*.*"), 1);
    ASSERT_EQ(data.Entries.size(), 1u);
    EXPECT_EQ(data.Entries[0].Name, "..");
    EXPECT_EQ(data.Entries[0].SizeText, "<DIR>    ");
    EXPECT_EQ(data.Entries[0].AttrText, "d    ");
    EXPECT_EQ(data.EntryOrder, std::vector<qint32>{0});
    EXPECT_EQ(data.SummaryText, "1 file(s), 0 b ");

    EXPECT_EQ(read("*.*", {false, true}), 0);
    EXPECT_TRUE(data.Entries.empty());
    EXPECT_TRUE(data.EntryOrder.empty());
    EXPECT_EQ(data.SummaryText, "0 file(s), 0 b ");
}

TEST_F(ReadDirectoryTest, Should_CountFoldersAndTheParentInTheSummary)
{
    file("one.txt", 100);
    file("two", 200);
    file("three.dat", 300);
    folder("sub");
    ASSERT_EQ(read("*.*"), 5);
    EXPECT_EQ(data.SummaryText, "5 file(s), 600 b ");
    EXPECT_EQ(data.EntryOrder, (std::vector<qint32>{0, 1, 2, 3, 4}));
    EXPECT_EQ(SortedNames(data), (QStringList{"..", "One.txt", "Sub", "Three.dat", "Two"}));
}

struct FilterCase
{
    const char *filter;
    QStringList names;
};

class ReadDirectoryFilter : public ReadDirectoryTest,
                            public ::testing::WithParamInterface<FilterCase>
{
};

TEST_P(ReadDirectoryFilter, Should_ListTheNamesThe_FilterAccepts)
{
    for (const char *name :
         {"README", "Makefile", "notes.txt", "a.txt", "B.Txt", "2026 report.txt", "x.text"})
        file(name, 10);
    const FilterCase &c = GetParam();
    read(QString::fromUtf8(c.filter), {false, true});
    QStringList expected = c.names;
    expected.sort();
    EXPECT_EQ(SortedNames(data), expected) << c.filter;
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ReadDirectoryFilter,
    ::testing::Values(FilterCase{"*.", {"Readme", "Makefile"}},
                      FilterCase{"*.TXT", {"Notes.txt", "A.txt", "B.Txt", "2026 report.txt"}},
                      FilterCase{"#*", {"2026 report.txt"}}, FilterCase{"*.t?xt", {"X.text"}},
                      FilterCase{"[a-m]*", {"Makefile", "A.txt", "B.Txt"}}, FilterCase{" *.*", {}},
                      FilterCase{"", {}}));

TEST_F(ReadDirectoryTest, Should_ListHiddenEntriesOnlyWithTheirSwitches)
{
    file(".hidden", 5);
    file("visible", 7);
    folder(".hiddendir");
    folder("sub");
    read("*.*", {true, true});
    EXPECT_EQ(SortedNames(data), (QStringList{"..", ".hidden", ".hiddendir", "Sub", "Visible"}));
    read("*.*", {true, false});
    EXPECT_EQ(SortedNames(data), (QStringList{"..", "Sub", "Visible"}));
    EXPECT_EQ(data.TotalBytes, 7);
    read("*.*", {false, true});
    EXPECT_EQ(SortedNames(data), (QStringList{".hidden", "Visible"}));
    EXPECT_EQ(data.TotalBytes, 12);
    read("*.*", {false, false});
    EXPECT_EQ(SortedNames(data), QStringList{"Visible"});
}

TEST_F(ReadDirectoryTest, Should_TotalOnlyStoredEntries_In64Bits)
{
    file("small.txt", 100);
    file("skipped.log", 5000);
    file("three.txt", 3LL << 30);
    file("twenty.txt", 20LL << 30);
    ASSERT_EQ(read("*.txt"), 3);
    EXPECT_EQ(data.TotalBytes, (23LL << 30) + 100);
    EXPECT_EQ(data.SummaryText, "3 file(s), 23 Gb");
    EXPECT_EQ(Find(data, "Three.txt")->SizeText, "3,072 Mb");
    EXPECT_EQ(Find(data, "Twenty.txt")->SizeText, "20 Gb");
    read("*.txt", {}, OrderBySize);
    EXPECT_EQ(Find(data, "Twenty.txt")->SortKey, "000021474836480");
}

TEST_F(ReadDirectoryTest, Should_ShowEachDateWithItsOwnOffset)
{
    file("summer", 1);
    file("winter", 1);
    SetModificationTime(dir.filePath("summer"), Utc(2026, 7, 1, 12, 30));
    SetModificationTime(dir.filePath("winter"), Utc(2026, 1, 15, 8, 15));
    read("*.*", {false, true}, OrderByTime);
    EXPECT_EQ(Find(data, "Summer")->DateText, "01/07/26 14:30");
    EXPECT_EQ(Find(data, "Summer")->SortKey, "202607011430");
    EXPECT_EQ(Find(data, "Winter")->DateText, "15/01/26 09:15");
    EXPECT_EQ(Find(data, "Winter")->SortKey, "202601150915");
}

TEST_F(ReadDirectoryTest, Should_ListAwkwardNamesAndSpecialEntries)
{
    file("line\nbreak", 1);
    file("Data.txt", 1);
    file("DATA.TXT", 2);
    file(QStringLiteral("ÜBERSICHT.TXT"), 3);
    file("A name of well over twenty-five characters.txt", 4);
    file("locked", 1);
    ASSERT_EQ(chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0444), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0644), 0);
    const QByteArray path = QFile::encodeName(dir.path());
    ASSERT_EQ(symlink("missing", (path + "/dangling").constData()), 0);
    ASSERT_EQ(symlink("loop2", (path + "/loop1").constData()), 0);
    ASSERT_EQ(symlink("loop1", (path + "/loop2").constData()), 0);

    read("*.*", {false, true});
    EXPECT_TRUE(Find(data, "Line?break"));
    EXPECT_EQ(data.Entries.size(), 10u);
    // "Data.txt" and "DATA.TXT" are two entries, even though both display as "Data.txt".
    int dataCount = 0;
    for (const DirEntry &e : data.Entries)
        dataCount += e.DosName == "data.txt";
    EXPECT_EQ(dataCount, 2);
    EXPECT_TRUE(Find(data, QStringLiteral("Übersicht.txt")));
    EXPECT_TRUE(Find(data, "A name of well over twenty-five characters.txt"));
    EXPECT_EQ(Find(data, "Locked")->AttrText, "  r  ");
    EXPECT_EQ(Find(data, "Pipe")->AttrText, "   s ");
    EXPECT_EQ(Find(data, "Dangling")->AttrText, "     ");
    EXPECT_TRUE(Find(data, "Loop1"));
    EXPECT_TRUE(Find(data, "Loop2"));
}

TEST_F(ReadDirectoryTest, Should_ListANameThatIsNotValidUtf8)
{
    const QByteArray raw = QFile::encodeName(dir.path()) + "/caf\xe9";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    read("caf*", {false, true});
    ::unlink(raw.constData()); // QTemporaryDir cannot remove a name QString cannot carry
    ASSERT_EQ(data.Entries.size(), 1u);
    EXPECT_TRUE(data.Entries[0].Name.startsWith("Caf"));
}

TEST_F(ReadDirectoryTest, Should_ListAlikeOnOneProcessorAndOnAll_InTheDirectorysOrder)
{
    // Enough entries for the status calls to be shared out, each with its own size and
    // time, so that a status given to the wrong name shows.
    constexpr int Files = 2000;
    for (int i = 0; i < Files; ++i) {
        const QString name = QStringLiteral("f%1.dat").arg(i);
        file(name, i * 37);
        SetModificationTime(dir.filePath(name), Utc(2000, 1, 1, 0, 0) + i * 86460);
    }
    QStringList inDirectoryOrder;
    DIR *plain = opendir(QFile::encodeName(dir.path()).constData());
    ASSERT_NE(plain, nullptr);
    while (const dirent *entry = readdir(plain)) {
        if (strcmp(entry->d_name, ".") != 0)
            inDirectoryOrder << QString::fromUtf8(entry->d_name);
    }
    closedir(plain);

    cpu_set_t all, one;
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &all)) {
            CPU_SET(cpu, &one);
            break;
        }
    }
    const qint16 noOrder = 7;
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    EXPECT_EQ(StatusWorkers(), 0u);
    const qint32 count = read("*.*", {}, noOrder);
    ASSERT_EQ(sched_setaffinity(0, sizeof all, &all), 0);
    const ListingData onOne = data;
    ASSERT_EQ(read("*.*", {}, noOrder), count);
    SortEntries(count, data, true, Collation(QLocale::c()));

    ASSERT_EQ(count, Files + 1);
    EXPECT_EQ(data.SummaryText, onOne.SummaryText);
    for (qint32 i = 0; i < count; ++i) {
        const DirEntry entry = data.Entries[size_t(i)];
        const DirEntry other = onOne.Entries[size_t(i)];
        ASSERT_EQ(entry.DosName, inDirectoryOrder[i]) << i;
        EXPECT_EQ(data.EntryOrder[size_t(i)], i);
        EXPECT_EQ(entry.Name, other.Name);
        EXPECT_EQ(entry.SizeText, other.SizeText);
        EXPECT_EQ(entry.DateText, other.DateText);
        EXPECT_EQ(entry.AttrText, other.AttrText);
        if (entry.DosName != u"..") {
            const int k = entry.DosName.mid(1).section(u'.', 0, 0).toInt();
            EXPECT_EQ(entry.SizeText, FormatSize(k * 37, English)) << entry.Name.toStdString();
        }
    }
}

TEST_F(ReadDirectoryTest, Should_RefuseAnInvalidFilter_BeforeReadingAnything)
{
    file("a.txt", 10);
    data.SummaryText = "earlier";
    data.TotalBytes = 77;
    data.Entries.resize(1);
    data.EntryOrder = {0};
    EXPECT_THROW(read("[a-"), Failure);
    EXPECT_THROW(read("[z-a]*"), Failure);
    EXPECT_EQ(data.SummaryText, "earlier");
    EXPECT_EQ(data.TotalBytes, 77);
    EXPECT_EQ(data.Entries.size(), 1u);
}

TEST_F(ReadDirectoryTest, Should_Fail_NamingTheFolder_When_ItIsGone)
{
    // A folder removed while held still opens and reads as empty; listing it as an
    // empty folder would report a failure as a success.
    folder("gone");
    data.SummaryText = "earlier";
    const ListedFolder gone = ListedFolder::open(QFile::encodeName(dir.filePath("gone")));
    ASSERT_TRUE(QDir(dir.path()).rmdir("gone"));
    try {
        ReadDirectory(gone, "*.*", {}, data, OrderByName, English);
        ADD_FAILURE() << "no failure for a removed folder";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.whatFailed(), "Cannot read the folder");
        EXPECT_EQ(failure.on(), dir.filePath("gone"));
        EXPECT_EQ(failure.reason(), qt_error_string(ENOENT));
    }
    EXPECT_EQ(data.SummaryText, "earlier");
    EXPECT_TRUE(data.Entries.empty());
}

TEST_F(ReadDirectoryTest, Should_Fail_NamingTheFolder_When_ItCannotBeRead)
{
    // Root reads everything; only an unprivileged user meets the permission bits: nobody when
    // we are root, else the tester, whom the mode denies as well.
    const passwd *nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    folder("closed");
    file("closed/inside.txt", 1);
    test::ModeGuard closed(dir.filePath("closed"), 0311);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const ListedFolder closed = ListedFolder::open(QFile::encodeName(dir.filePath("closed")));
        if (!closed.isValid() || (test::UnprivilegedIsNobody() &&
                                  (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
                                   setuid(nobody->pw_uid) != 0)))
            _exit(10);
        ListingData scan;
        scan.SummaryText = "earlier";
        try {
            ReadDirectory(closed, "*.*", {}, scan, OrderByName, English);
        } catch (const Failure &failure) {
            const bool named = failure.whatFailed() == "Cannot read the folder" &&
                               failure.on() == dir.filePath("closed") &&
                               failure.reason() == qt_error_string(EACCES);
            _exit(named && scan.SummaryText == "earlier" && scan.Entries.empty() ? 0 : 1);
        }
        _exit(2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(ReadDirectoryTest, Should_SumSizesBeyond64Bits_WithoutWrapping)
{
    TAMSORET_SKIP_UNLESS_ROOT("a tmpfs of its own, which takes sparse files of 2^62 bytes");
    SmallDisk disk("1m");
    for (const char *name : {"a", "b", "c"})
        MakeFile(disk.filePath(name), qint64(1) << 62);
    ReadDirectory(ListedFolder::open(QFile::encodeName(disk.path())), "*.*", {}, data,
                  OrderBySize, English);
    EXPECT_EQ(data.SummaryText, "4 file(s), 8,589,934,591 Gb");
}

TEST_F(ReadDirectoryTest, Should_ListEntriesWhoseStatusFails_AndNameThemAfterwards)
{
#ifndef FAULTY_FOLDER_FS
    GTEST_SKIP() << "libfuse3 was not found when the tests were built";
#else
    TAMSORET_SKIP_UNLESS_ROOT("mounting a FUSE file system");
    const QByteArray mnt = QFile::encodeName(dir.path()) + "/mnt";
    folder("mnt");
    ASSERT_EQ(QProcess::execute(FAULTY_FOLDER_FS, {QFile::decodeName(mnt)}), 0);
    EXPECT_EQ(ReadDirectory(ListedFolder::open(mnt), "*.*", {}, data, OrderByName, English), 3);
    const QString eio = qt_error_string(EIO);
    EXPECT_THAT([&] { ReportUnreadEntries(ListedFolder::open(mnt), data); },
                testing::ThrowsMessage<Failure>(testing::StrEq(
                    ("Some entries could not be read\r" + QFile::decodeName(mnt) +
                     "\r2 entries are listed by their names only: broken.txt (" + eio +
                     "), broken folder (" + eio + ").")
                        .toStdString())));
    EXPECT_EQ(umount(mnt), 0);
    EXPECT_EQ(Find(data, "Readable.txt")->SizeText, "5 b ");
    EXPECT_EQ(Find(data, "Broken.txt")->DateText + Find(data, "Broken.txt")->SizeText,
              "?\?/?\?/?? ??:??0 b ");
    EXPECT_EQ(Find(data, "Broken folder")->SizeText, "<DIR>    ");
#endif
}

} // namespace
