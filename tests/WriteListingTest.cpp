#include "output/WriteListing.h"
#include "platform/Failure.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tamsoret {
namespace {

// A listing with fixed texts from the outside world, recording when each is asked for.
struct Fixture
{
    ListingData data;
    ListOptions options;
    LocaleFormat locale = LocaleFormat::fromLocale(QLocale::c());
    QStringList calls;

    ListingInput Input()
    {
        ListingSources sources;
        sources.now = [this] {
            calls << QStringLiteral("now");
            return LocalDateTime{2026, 12, 7, 14, 5, 30, 1};
        };
        sources.volumeLabelText = [this] {
            calls << QStringLiteral("label");
            return QStringLiteral("No name");
        };
        sources.folderPath = [this] {
            calls << QStringLiteral("folder");
            return QStringLiteral("/home/ann/Letters");
        };
        sources.freeSpaceText = [this] {
            calls << QStringLiteral("free");
            return QStringLiteral("41 Gb available from 249 Gb.");
        };
        return ListingInput{data, qint32(data.Entries.size()), options, locale, sources};
    }

    void Add(const QString &name, const QString &size)
    {
        DirEntry e;
        e.Name = name;
        e.DosName = name.toLower();
        e.SizeText = size;
        e.DateText = QStringLiteral("30/11/26 09:12");
        e.AttrText = QStringLiteral("     ");
        data.EntryOrder.push_back(qint32(data.Entries.size()));
        data.Entries.push_back(e);
    }

    // Roughly the given number of listing bytes.
    void AddEntriesFilling(qsizetype bytes)
    {
        for (qsizetype n = 0; n * 75 < bytes; ++n)
            Add(QStringLiteral("File %1.txt").arg(n), QStringLiteral("4,210 b "));
    }
};

TEST(ListingFileBytes, AnEmptyListingIsTenLinesEachEndedByCarriageReturnAndLineFeed)
{
    Fixture f;
    f.data.SummaryText = QStringLiteral("0 file(s), 0 b ");
    const QByteArray bytes = ListingFileBytes(f.Input());
    EXPECT_EQ(
        bytes,
        QByteArray(
            "Tamsoret - Monday 7 December 2026  14:05\r\n"
            "Drive labeled No name\r\n"
            "Directory of /home/ann/Letters\r\n"
            "\r\n"
            "\r\n"
            "Name                       MS-DOS Name   Size       Modified        Attributes\r\n"
            "\r\n"
            "\r\n"
            "               0 file(s), 0 b \r\n"
            "               41 Gb available from 249 Gb.\r\n"));
    EXPECT_EQ(f.calls, QStringList({"now", "label", "folder", "free"}));
}

TEST(ListingFileBytes, WritesEntriesInTheOrderOfTheOrderTableIn1252)
{
    Fixture f;
    f.options.ShowDOS = false;
    f.options.ShowTime = false;
    f.Add(QStringLiteral("Caf\u00E9 \u20AC"), QStringLiteral("5,000 b "));
    f.Add(QString::fromUtf16(u"\u03A9mega \U0001F600 and a name longer than the column"),
          QStringLiteral("<DIR>    "));
    f.data.EntryOrder = {1, 0};
    const QByteArray bytes = ListingFileBytes(f.Input());
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 13); // twelve lines and nothing after the last line end
    EXPECT_EQ(lines[7], QByteArray("?mega ? and a name longer  <DIR>           \r"));
    EXPECT_EQ(lines[8], QByteArray("Caf\xE9 \x80                      5,000 b        \r"));
    EXPECT_TRUE(lines[12].isEmpty());
    EXPECT_EQ(bytes.count('\r'), 12);
}

class WriteListingFiles : public ::testing::Test
{
protected:
    QStringList Names() const
    {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QString Path(const char *name) const { return dir_.path() + u'/' + QString::fromLatin1(name); }

    void ExpectFailure(const QString &path)
    {
        try {
            WriteListing(path, f_.Input());
            ADD_FAILURE() << "no failure for " << path.toStdString();
        } catch (const Failure &failure) {
            EXPECT_EQ(failure.whatFailed(), QStringLiteral("Cannot write the listing file"));
            EXPECT_EQ(failure.on(), path);
            EXPECT_FALSE(failure.reason().isEmpty());
        }
    }

    QTemporaryDir dir_;
    Fixture f_;
};

TEST_F(WriteListingFiles, WritesTheListingBytes)
{
    f_.Add(QStringLiteral("Readme"), QStringLiteral("812 b "));
    WriteListing(Path("listing.txt"), f_.Input());
    EXPECT_EQ(test::ReadAll(Path("listing.txt")), ListingFileBytes(f_.Input()));
    EXPECT_EQ(Names(), QStringList({"listing.txt"}));
}

TEST_F(WriteListingFiles, ReplacesALongerExistingFileCompletely)
{
    f_.Add(QStringLiteral("Readme"), QStringLiteral("812 b "));
    {
        QFile old(Path("listing.txt"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
    }
    WriteListing(Path("listing.txt"), f_.Input());
    EXPECT_EQ(test::ReadAll(Path("listing.txt")), ListingFileBytes(f_.Input()));
}

TEST_F(WriteListingFiles, AFolderThatDoesNotExistFailsAndCreatesNothing)
{
    ExpectFailure(Path("missing/listing.txt"));
    EXPECT_TRUE(Names().isEmpty());
}

TEST_F(WriteListingFiles, APathNamingAFolderFailsAndLeavesTheFolder)
{
    ASSERT_TRUE(QDir().mkdir(Path("Letters")));
    ExpectFailure(Path("Letters"));
    EXPECT_TRUE(QFileInfo(Path("Letters")).isDir());
    EXPECT_EQ(Names(), QStringList({"Letters"}));
}

TEST(WriteListingOnAFullDisk, FailsAndLeavesTheExistingFileUntouched)
{
    TAMSORET_SKIP_UNLESS_ROOT("mounting a small tmpfs for a full disk");
    test::SmallDisk disk("64k");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    const QString path = disk.path() + QStringLiteral("/listing.txt");
    const QByteArray old("Tamsoret - an older listing\r\n");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    // One listing far beyond the disk, one that just does not fit in what is left, so
    // that the failure comes at a write and at the end.
    for (qsizetype size : {qsizetype(400000), qsizetype(62000)}) {
        SCOPED_TRACE(size);
        Fixture f;
        f.AddEntriesFilling(size);
        ASSERT_THROW(WriteListing(path, f.Input()), Failure);
        EXPECT_EQ(test::ReadAll(path), old);
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList({"listing.txt"}));
    }
    // What fits is written.
    Fixture small;
    small.AddEntriesFilling(20000);
    WriteListing(path, small.Input());
    EXPECT_EQ(test::ReadAll(path), ListingFileBytes(small.Input()));
}

} // namespace
} // namespace tamsoret
