#include "listing/DriveTexts.h"

#include "platform/DriveInfo.h"
#include "tests/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>


using namespace tamsoret;
using namespace tamsoret::test;

namespace {

const LocaleFormat English = LocaleFormat::fromLocale(QLocale::c());
const LocaleFormat German = LocaleFormat::fromLocale(QLocale("de_DE"));

TEST(VolumeLabelText, Should_BracketTheNiceCaseLabel_Or_SayNoName)
{
    EXPECT_EQ(VolumeLabelText(QString()), "No name");
    EXPECT_EQ(VolumeLabelText("MYDISK"), "[Mydisk]");
    EXPECT_EQ(VolumeLabelText("Work 98"), "[Work 98]");
    EXPECT_EQ(VolumeLabelText(" BACKUP "), "[Backup]");
}

struct SpaceCase {
    qint64 freeBytes;
    qint64 totalBytes;
    const char *english;
    const char *german;
};

class FreeSpaceTable : public ::testing::TestWithParam<SpaceCase>
{
};

TEST_P(FreeSpaceTable, Should_TrimEachAmount)
{
    const SpaceCase &c = GetParam();
    EXPECT_EQ(FreeSpaceText(c.freeBytes, c.totalBytes, English), c.english);
    EXPECT_EQ(FreeSpaceText(c.freeBytes, c.totalBytes, German), c.german);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FreeSpaceTable,
    ::testing::Values(
        SpaceCase{2000000, 1000000000, "1,953 kb available from 953 Mb.",
                  "1.953 kb available from 953 Mb."},
        SpaceCase{4096, 1423LL << 20, "4,096 b available from 1,423 Mb.",
                  "4.096 b available from 1.423 Mb."},
        SpaceCase{0, 0, "0 b available from 0 b.", "0 b available from 0 b."},
        SpaceCase{44LL << 30, 4000LL << 30, "44 Gb available from 4,000 Gb.",
                  "44 Gb available from 4.000 Gb."}));

// A file system of exactly 1 MiB, so that its amounts are known.
class OneMegabyteDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TAMSORET_SKIP_UNLESS_ROOT("mounting a small tmpfs");
        if (!disk.mounted())
            GTEST_SKIP() << "cannot mount a tmpfs here";
    }

    test::SmallDisk disk{"1m"};
};

TEST_F(OneMegabyteDisk, Should_TellTheFreeAndTotalSpaceOfTheListedFolder)
{
    const ListedFolder folder = ListedFolder::open(QFile::encodeName(disk.path()));
    EXPECT_EQ(FreeSpaceText(folder, English), "1,024 kb available from 1,024 kb.");
    MakeFile(disk.filePath("half"), 512 * 1024);
    EXPECT_EQ(FreeSpaceText(folder, English), "512 kb available from 1,024 kb.");
    MakeFile(disk.filePath("more"), 512 * 1024 - 4096);
    EXPECT_EQ(FreeSpaceText(folder, English), "4,096 b available from 1,024 kb.");
    qint64 freeBytes = -1, totalBytes = -1;
    DiskSpace(folder, freeBytes, totalBytes);
    EXPECT_EQ(freeBytes, 4096);
    EXPECT_EQ(totalBytes, 1 << 20);
    EXPECT_EQ(VolumeLabelText(folder), "No name");
}

} // namespace
