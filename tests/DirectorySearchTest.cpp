#include "listing/DirectorySearch.h"
#include "platform/ListedFolder.h"

#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace tamsoret;
using namespace tamsoret::test;

namespace {

// An entry whose name is given as bytes: a name that is not valid UTF-8 cannot pass
// through QString, so neither can QTemporaryDir remove it.
class RawFile
{
public:
    explicit RawFile(const QByteArray &path) : path_(path)
    {
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
    }
    ~RawFile() { ::unlink(path_.constData()); }

private:
    QByteArray path_;
};

std::map<QByteArray, FindRecord> ReadAllRecords(const QByteArray &folder)
{
    std::map<QByteArray, FindRecord> records;
    DirectorySearch search;
    FindRecord record;
    if (!search.findFirst(record, ListedFolder::open(folder).fd())) return records;
    do {
        records[record.rawName] = record;
    } while (search.findNext(record));
    return records;
}

class DirectorySearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = QFile::encodeName(dir.path());
    }

    QByteArray at(const char *name) const { return folder + '/' + name; }

    QTemporaryDir dir;
    QByteArray folder;
};

TEST_F(DirectorySearchTest, Should_DescribeFilesFoldersAndSpecialEntries)
{
    MakeFile(dir.filePath("plain.txt"), 1234);
    MakeFile(dir.filePath(".hidden"), 7);
    MakeFile(dir.filePath("locked"), 1);
    ASSERT_EQ(chmod(at("locked"), 0444), 0);
    MakeFile(dir.filePath("big"), 20LL << 30);
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(".cache"));
    ASSERT_EQ(mkfifo(at("pipe"), 0644), 0);
    const qint64 summer = LocalSeconds(2026, 7, 1, 14, 30);
    SetModificationTime(dir.filePath("plain.txt"), summer);

    const auto records = ReadAllRecords(folder);
    ASSERT_EQ(records.size(), 9u); // seven entries plus "." and ".."

    const FindRecord &plain = records.at("plain.txt");
    EXPECT_EQ(plain.name, "plain.txt");
    EXPECT_EQ(plain.attributes, 0u);
    EXPECT_EQ(plain.size, 1234);
    EXPECT_EQ(plain.lastWriteTime, summer);
    EXPECT_TRUE(plain.alternateName.isEmpty());

    EXPECT_EQ(records.at(".hidden").attributes, Attr::Hidden);
    EXPECT_EQ(records.at("locked").attributes, Attr::ReadOnly);
    EXPECT_EQ(records.at("big").size, 20LL << 30);
    EXPECT_EQ(records.at("sub").attributes, Attr::Folder);
    EXPECT_EQ(records.at("sub").size, 0);
    EXPECT_EQ(records.at(".cache").attributes, Attr::Folder | Attr::Hidden);
    EXPECT_EQ(records.at("pipe").attributes, Attr::System);
    EXPECT_EQ(records.at(".").attributes, Attr::Folder);
    EXPECT_EQ(records.at("..").attributes, Attr::Folder);
}

TEST_F(DirectorySearchTest, Should_DescribeBrokenLinksByTheLinkItself)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("target"));
    ASSERT_EQ(symlink("target", at("to-folder")), 0);
    ASSERT_EQ(symlink("missing", at("dangling")), 0);
    ASSERT_EQ(symlink("loop-b", at("loop-a")), 0);
    ASSERT_EQ(symlink("loop-a", at("loop-b")), 0);

    const auto records = ReadAllRecords(folder);
    EXPECT_EQ(records.at("to-folder").attributes, Attr::Folder);
    ASSERT_TRUE(records.count("dangling"));
    EXPECT_EQ(records.at("dangling").attributes, 0u);
    EXPECT_EQ(records.at("dangling").size, qint64(strlen("missing")));
    EXPECT_TRUE(records.count("loop-a"));
    EXPECT_TRUE(records.count("loop-b"));
}

TEST_F(DirectorySearchTest, Should_KeepRawBytes_And_ShowUnprintableNamesSafely)
{
    MakeFile(dir.filePath("line\nbreak"), 1);
    MakeFile(dir.filePath(QStringLiteral("Überraschung.txt")), 1);
    const QByteArray latin1 = "caf\xe9.txt"; // not valid UTF-8
    const RawFile raw(folder + '/' + latin1);

    const auto records = ReadAllRecords(folder);
    EXPECT_EQ(records.at("line\nbreak").name, "line\nbreak");
    EXPECT_EQ(records.at(QStringLiteral("Überraschung.txt").toUtf8()).name,
              QStringLiteral("Überraschung.txt"));
    ASSERT_TRUE(records.count(latin1));
    const QString shown = records.at(latin1).name;
    EXPECT_TRUE(shown.startsWith("caf"));
    EXPECT_TRUE(shown.endsWith(".txt"));
    EXPECT_NE(shown.toUtf8(), latin1);
}

TEST_F(DirectorySearchTest, Should_SkipEntries_That_VanishBeforeTheirStatusCall)
{
    for (int i = 0; i < 20; ++i)
        MakeFile(dir.filePath(QStringLiteral("f%1").arg(i)), 1);

    DirectorySearch search;
    FindRecord record;
    ASSERT_TRUE(search.findFirst(record, ListedFolder::open(folder).fd()));
    // The names of a small folder are all read in one go by the first call; removing
    // the files now leaves names whose status can no longer be read.
    for (int i = 0; i < 20; ++i)
        QFile::remove(dir.filePath(QStringLiteral("f%1").arg(i)));
    QList<QByteArray> later;
    while (search.findNext(record))
        later << record.rawName;
    for (const QByteArray &name : later)
        EXPECT_TRUE(name == "." || name == "..") << name.constData();
}

TEST_F(DirectorySearchTest, Should_ReportAFolderRemovedWhileItsNamesAreRead)
{
    // Long names, so that the names take many directory reads and most are still unread
    // when the folder goes, whatever the workers have read ahead.
    const QString stem(100, u'n');
    for (unsigned workers : {0u, 1u}) {
        const QString doomed = dir.filePath(QStringLiteral("doomed%1").arg(workers));
        ASSERT_TRUE(QDir().mkdir(doomed));
        for (int i = 0; i < 3000; ++i)
            MakeFile(doomed + u'/' + stem + QString::number(i), 0);

        DirectorySearch search(workers);
        FindRecord record;
        ASSERT_TRUE(search.findFirst(record, ListedFolder::open(QFile::encodeName(doomed)).fd()));
        ASSERT_TRUE(QDir(doomed).removeRecursively());
        int delivered = 1;
        while (search.findNext(record))
            ++delivered;
        EXPECT_LT(delivered, 3000) << workers << " workers";
        EXPECT_EQ(search.error(), ENOENT) << workers << " workers";
    }
}

TEST_F(DirectorySearchTest, Should_Fail_When_TheFolderCannotBeOpened_LeavingTheRecord)
{
    DirectorySearch search;
    FindRecord record;
    record.name = "untouched";
    ASSERT_TRUE(QDir(dir.path()).mkdir("removed"));
    const ListedFolder removed = ListedFolder::open(at("removed"));
    ASSERT_TRUE(QDir(dir.path()).rmdir("removed"));
    EXPECT_FALSE(search.findFirst(record, removed.fd()));
    EXPECT_EQ(search.error(), ENOENT);
    EXPECT_EQ(record.name, "untouched");
    EXPECT_FALSE(search.findNext(record));
}

TEST(DirectorySearch, Should_GiveNoDotEntries_AtTheRoot)
{
    const auto records = ReadAllRecords("/");
    EXPECT_FALSE(records.empty());
    EXPECT_EQ(records.count("."), 0u);
    EXPECT_EQ(records.count(".."), 0u);
    EXPECT_TRUE(records.count("tmp"));
}

// A Windows volume made in an image file by commands (%1 the image, %2 the mount point).
// NTFS keeps the short names it is given; FAT makes its own.
class WindowsVolumes : public ::testing::TestWithParam<const char *>
{
};

TEST_P(WindowsVolumes, Should_GiveTheVolumesShortNamesAndAttributes_NotTheDotRule)
{
    TAMSORET_SKIP_UNLESS_ROOT("mounting a file system image");
    const bool ntfs = GetParam() == std::string("ntfs3g");
    if (!ntfs && !ReadAll("/proc/filesystems").contains("vfat"))
        GTEST_SKIP() << "this machine's kernel has no vfat";
    QTemporaryDir dir;
    const QString mnt = dir.filePath("mnt");
    ASSERT_TRUE(QDir().mkdir(mnt));
    MakeFile(dir.filePath("img"), 32 << 20);
    const QList<QStringList> commands =
        ntfs ? QList<QStringList>{{"mkntfs", "-F", "-Q", "-q", "%1"}, {"ntfs-3g", "%1", "%2"}}
             : QList<QStringList>{{"mkfs.fat", "%1"}, {"mount", "-o", "loop", "%1", "%2"}};
    for (QStringList command : commands) { // the tools come with scripts/setup.sh
        command.replaceInStrings("%1", dir.filePath("img")).replaceInStrings("%2", mnt);
        ASSERT_EQ(QProcess::execute(command.takeFirst(), command), 0);
    }
    const QByteArray at = QFile::encodeName(mnt) + '/', file = at + "A long file name.txt";
    MakeFile(QFile::decodeName(file), 3);
    MakeFile(QFile::decodeName(at + ".dot"), 1);
    ASSERT_EQ(mkdir(at + "Program Files", 0755), 0);
    for (const auto &[path, bits] : {std::pair{file, 0x27u}, std::pair{at + ".dot", 0x20u}}) {
        const quint32 big = qToBigEndian(bits);
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        EXPECT_EQ(ntfs ? setxattr(path, "system.ntfs_attrib_be", &big, 4, 0)
                       : ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &bits),
                  0);
        ::close(fd);
    }
    if (ntfs) {
        EXPECT_EQ(setxattr(file, "system.ntfs_dos_name", "ALONGF~1.TXT", 12, 0), 0);
        EXPECT_EQ(setxattr(at + "Program Files", "system.ntfs_dos_name", "PROGRA~1", 8, 0), 0);
    }
    const auto records = ReadAllRecords(QFile::encodeName(mnt));
    umount(QFile::encodeName(mnt));
    EXPECT_EQ(records.at("A long file name.txt").alternateName.toUpper(), "ALONGF~1.TXT");
    EXPECT_EQ(records.at("A long file name.txt").attributes, 0x27u);
    EXPECT_EQ(records.at(".dot").attributes, Attr::Archive);
    EXPECT_EQ(records.at("Program Files").alternateName.toUpper(), "PROGRA~1");
    EXPECT_EQ(records.at("Program Files").attributes & ~Attr::Archive, Attr::Folder);
}

INSTANTIATE_TEST_SUITE_P(Volumes, WindowsVolumes, ::testing::Values("ntfs3g", "vfat"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
