#include "listing/ReadDirectory.h"
#include "output/WriteListing.h"
#include "sort/SortEntries.h"
#include "tests/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tamsoret {
namespace {

using test::LocalSeconds;

// A folder with an entry of every kind, inside a parent whose time is fixed too, since
// the parent is listed as "..".
class WholeListing : public ::testing::Test
{
protected:
    WholeListing() : folder_(parent_.path() + QStringLiteral("/Letters"))
    {
        QDir().mkdir(folder_);
        File("README.TXT", 0, LocalSeconds(2025, 1, 15, 8, 30, 15));
        File("notes.txt", 9999, LocalSeconds(2025, 7, 1, 12, 0)); // summer time
        File("Photo.JPG", 123456, LocalSeconds(2025, 10, 26, 1, 30));
        File("video.mkv", 10240000, LocalSeconds(2025, 8, 15, 18, 45));
        File("big.iso", 3LL << 30, LocalSeconds(2025, 2, 1, 0, 0)); // sparse
        File("huge.img", 10LL << 30, LocalSeconds(2025, 11, 11, 11, 11));
        File(".hidden", 5, LocalSeconds(2025, 5, 5, 5, 5));
        File("locked.txt", 4096, LocalSeconds(2025, 6, 6, 6, 6));
        chmod(QFile::encodeName(folder_ + QStringLiteral("/locked.txt")).constData(), 0444);
        File("same.txt", 100, LocalSeconds(2025, 4, 4, 4, 4));
        File("SAME.TXT", 100, LocalSeconds(2025, 4, 4, 4, 4, 30));
        File("A very long file name that goes on.txt", 20000, LocalSeconds(2025, 9, 9, 9, 9));
        File("Größe.txt", 1, LocalSeconds(2025, 12, 24, 18, 0));
        File("line\nbreak.txt", 2, LocalSeconds(2025, 3, 1, 10, 0));
        QDir().mkdir(folder_ + QStringLiteral("/Sub"));
        test::SetModificationTime(folder_ + QStringLiteral("/Sub"),
                                  LocalSeconds(2025, 3, 30, 3, 15));
        test::SetModificationTime(parent_.path(), LocalSeconds(2024, 12, 31, 23, 59, 30));
    }

    void File(const char *name, qint64 size, qint64 time)
    {
        const QString path = folder_ + u'/' + QString::fromUtf8(name);
        test::MakeFile(path, size);
        test::SetModificationTime(path, time);
    }

    // Reads, sorts and lays out the folder with fixed texts from the outside world.
    QStringList Listing(const ListOptions &options, const QString &filter = QStringLiteral("*.*"),
                        ScanSwitches switches = {})
    {
        const qint32 count = ReadDirectory(ListedFolder::open(QFile::encodeName(folder_)), filter,
                                           switches, data_, options.OrderBy, locale_);
        if (count > 1) SortEntries(count, data_, options.OrderAZ, collation_);
        ListingSources fixed;
        fixed.now = [] { return LocalDateTime{2026, 12, 7, 14, 5, 30, 1}; };
        fixed.volumeLabelText = [] { return QStringLiteral("[Work 98]"); };
        fixed.folderPath = [] { return QStringLiteral("/home/ann/Letters"); };
        fixed.freeSpaceText = [] { return QStringLiteral("41 Gb available from 249 Gb."); };
        bytes_ = ListingFileBytes(ListingInput{data_, count, options, locale_, fixed});
        QStringDecoder fromWindows1252("windows-1252");
        QStringList lines = QString(fromWindows1252.decode(bytes_)).split(QStringLiteral("\r\n"));
        EXPECT_TRUE(lines.last().isEmpty()) << "the last line has no line end";
        lines.removeLast();
        return lines;
    }

    QStringList Names() const
    {
        QStringList names;
        for (qint32 i : data_.EntryOrder)
            names << data_.Entries[size_t(i)].Name;
        return names;
    }

    // The two folders, whose size keys are equal, in the order the scan met them.
    QStringList FoldersInScanOrder() const
    {
        QStringList folders;
        for (const DirEntry &e : data_.Entries) {
            if (e.SizeText.startsWith(u"<DIR>")) folders << e.Name;
        }
        return folders;
    }

    QTemporaryDir parent_;
    QString folder_;
    ListingData data_;
    LocaleFormat locale_ = LocaleFormat::fromLocale(QLocale::c());
    Collation collation_{QLocale::c()};
    QByteArray bytes_;
};

const QStringList Heading = {
    "Tamsoret - Monday 7 December 2026  14:05",
    "Drive labeled [Work 98]",
    "Directory of /home/ann/Letters",
    "",
    "",
};

void ExpectLines(const QStringList &actual, const QStringList &expected)
{
    EXPECT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i)
        EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
}

TEST_F(WholeListing, DefaultOptions)
{
    const QStringList lines = Listing(ListOptions{});
    ExpectLines(
        lines,
        Heading +
            QStringList{
                "Name                       MS-DOS Name   Size       Modified        Attributes",
                "",
                "..                         ..            <DIR>      31/12/24 23:59  d    ",
                "Sub                        sub           <DIR>      30/03/25 03:15  d    ",
                ".hidden                    .hidden            5 b   05/05/25 05:05      h",
                "A very long file name tha  a very long       19 kb  09/09/25 09:09       ",
                "Big.iso                    big.iso        3,072 Mb  01/02/25 00:00       ",
                "Größe.txt                  größe.txt          1 b   24/12/25 18:00       ",
                "Huge.img                   huge.img          10 Gb  11/11/25 11:11       ",
                "Line?break.txt             line?break.t       2 b   01/03/25 10:00       ",
                "Locked.txt                 locked.txt     4,096 b   06/06/25 06:06    r  ",
                "Notes.txt                  notes.txt      9,999 b   01/07/25 12:00       ",
                "Photo.JPG                  photo.jpg        120 kb  26/10/25 01:30       ",
                "Readme.txt                 readme.txt         0 b   15/01/25 08:30       ",
                "Same.txt                   same.txt         100 b   04/04/25 04:04       ",
                "Same.txt                   same.txt         100 b   04/04/25 04:04       ",
                "Video.mkv                  video.mkv          9 Mb  15/08/25 18:45       ",
                "",
                "               15 file(s), 13 Gb",
                "               41 Gb available from 249 Gb.",
            });
    EXPECT_TRUE(bytes_.contains("\r\nGr\xF6\xDF"
                                "e.txt   "));
}

TEST_F(WholeListing, SizeOrderDescendingWithoutMsDosNameAndTime)
{
    ListOptions options;
    options.ShowDOS = false;
    options.ShowTime = false;
    options.OrderBy = OrderBySize;
    options.OrderAZ = false;
    const QStringList lines = Listing(options);
    const QString folderLine[] = {"..                         <DIR>      d    ",
                                  "Sub                        <DIR>      d    "};
    const bool parentFirst = FoldersInScanOrder().first() == u"..";
    ExpectLines(lines, Heading + QStringList{
                                     "Name                       Size       Attributes",
                                     "",
                                     "Huge.img                       10 Gb       ",
                                     "Big.iso                     3,072 Mb       ",
                                     "Video.mkv                       9 Mb       ",
                                     "Photo.JPG                     120 kb       ",
                                     "A very long file name tha      19 kb       ",
                                     "Notes.txt                   9,999 b        ",
                                     "Locked.txt                  4,096 b     r  ",
                                     "Same.txt                      100 b        ",
                                     "Same.txt                      100 b        ",
                                     ".hidden                         5 b       h",
                                     "Line?break.txt                  2 b        ",
                                     "Größe.txt                       1 b        ",
                                     "Readme.txt                      0 b        ",
                                     folderLine[parentFirst ? 0 : 1],
                                     folderLine[parentFirst ? 1 : 0],
                                     "",
                                     "               15 file(s), 13 Gb",
                                     "               41 Gb available from 249 Gb.",
                                 });
}

TEST_F(WholeListing, TimeOrderThroughAFilterWithoutHiddenEntries)
{
    ListOptions options;
    options.OrderBy = OrderByTime;
    const QStringList lines = Listing(options, QStringLiteral("*.txt"), ScanSwitches{true, false});
    ExpectLines(
        lines,
        Heading +
            QStringList{
                "Name                       MS-DOS Name   Size       Modified        Attributes",
                "",
                "Readme.txt                 readme.txt         0 b   15/01/25 08:30       ",
                "Line?break.txt             line?break.t       2 b   01/03/25 10:00       ",
                "Same.txt                   same.txt         100 b   04/04/25 04:04       ",
                "Same.txt                   same.txt         100 b   04/04/25 04:04       ",
                "Locked.txt                 locked.txt     4,096 b   06/06/25 06:06    r  ",
                "Notes.txt                  notes.txt      9,999 b   01/07/25 12:00       ",
                "A very long file name tha  a very long       19 kb  09/09/25 09:09       ",
                "Größe.txt                  größe.txt          1 b   24/12/25 18:00       ",
                "",
                "               8 file(s), 33 kb",
                "               41 Gb available from 249 Gb.",
            });
}

TEST_F(WholeListing, OrderOfNamesForEveryOrderAndDirection)
{
    const QStringList byName = {
        "..",         "Sub",       ".hidden",   "A very long file name that goes on.txt",
        "Big.iso",    "Größe.txt", "Huge.img",  "Line?break.txt",
        "Locked.txt", "Notes.txt", "Photo.JPG", "Readme.txt",
        "Same.txt",   "Same.txt",  "Video.mkv"};
    const QStringList byNameDescending = {
        "Video.mkv", "Same.txt",  "Same.txt",   "Readme.txt",
        "Photo.JPG", "Notes.txt", "Locked.txt", "Line?break.txt",
        "Huge.img",  "Größe.txt", "Big.iso",    "A very long file name that goes on.txt",
        ".hidden",   "Sub",       ".."};
    const QStringList filesBySize = {
        "Readme.txt", "Größe.txt", "Line?break.txt",
        ".hidden",    "Same.txt",  "Same.txt",
        "Locked.txt", "Notes.txt", "A very long file name that goes on.txt",
        "Photo.JPG",  "Video.mkv", "Big.iso",
        "Huge.img"};
    QStringList filesBySizeDescending = filesBySize;
    std::reverse(filesBySizeDescending.begin(), filesBySizeDescending.end());
    const QStringList byTime = {
        "..",         "Readme.txt", "Big.iso",   "Line?break.txt",
        "Sub",        "Same.txt",   "Same.txt",  ".hidden",
        "Locked.txt", "Notes.txt",  "Video.mkv", "A very long file name that goes on.txt",
        "Photo.JPG",  "Huge.img",   "Größe.txt"};
    QStringList byTimeDescending = byTime;
    std::reverse(byTimeDescending.begin(), byTimeDescending.end());

    struct Case
    {
        qint16 orderBy;
        bool orderAZ;
        std::function<QStringList(const QStringList &folders)> expected;
    };
    const Case cases[] = {
        {OrderByName, true, [&](const QStringList &) { return byName; }},
        {OrderByName, false, [&](const QStringList &) { return byNameDescending; }},
        {OrderByDOS, true, [&](const QStringList &) { return byName; }},
        {OrderByDOS, false, [&](const QStringList &) { return byNameDescending; }},
        {OrderBySize, true, [&](const QStringList &folders) { return folders + filesBySize; }},
        {OrderBySize, false,
         [&](const QStringList &folders) { return filesBySizeDescending + folders; }},
        {OrderByTime, true, [&](const QStringList &) { return byTime; }},
        {OrderByTime, false, [&](const QStringList &) { return byTimeDescending; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "OrderBy " << c.orderBy << (c.orderAZ ? " ascending" : " descending"));
        ListOptions options;
        options.OrderBy = c.orderBy;
        options.OrderAZ = c.orderAZ;
        Listing(options);
        EXPECT_EQ(Names().join(u'|').toStdString(),
                  c.expected(FoldersInScanOrder()).join(u'|').toStdString());
        // Equal keys, such as same.txt and SAME.TXT, keep the order of the scan.
        for (size_t p = 0; p + 1 < data_.EntryOrder.size(); ++p) {
            const qint32 a = data_.EntryOrder[p];
            const qint32 b = data_.EntryOrder[p + 1];
            if (collation_.compare(data_.Entries[size_t(a)].SortKey,
                                   data_.Entries[size_t(b)].SortKey) == 0) {
                EXPECT_LT(a, b) << data_.Entries[size_t(a)].SortKey.toStdString();
            }
        }
    }
}

TEST_F(WholeListing, AnUnknownOrderCodeKeepsTheScanOrderBothWays)
{
    for (bool orderAZ : {true, false}) {
        ListOptions options;
        options.OrderBy = 7;
        options.OrderAZ = orderAZ;
        Listing(options);
        ASSERT_EQ(data_.EntryOrder.size(), 15u);
        for (size_t i = 0; i < data_.EntryOrder.size(); ++i)
            EXPECT_EQ(data_.EntryOrder[i], qint32(i));
    }
}

TEST_F(WholeListing, EachColumnSwitch)
{
    struct Case
    {
        void (*switchOff)(ListOptions &);
        const char *titles;
        const char *readme;
    };
    const Case cases[] = {
        {[](ListOptions &o) { o.ShowName = false; },
         "MS-DOS Name   Size       Modified        Attributes",
         "readme.txt         0 b   15/01/25 08:30       "},
        {[](ListOptions &o) { o.ShowDOS = false; },
         "Name                       Size       Modified        Attributes",
         "Readme.txt                      0 b   15/01/25 08:30       "},
        {[](ListOptions &o) { o.ShowSize = false; },
         "Name                       MS-DOS Name   Modified        Attributes",
         "Readme.txt                 readme.txt    15/01/25 08:30       "},
        {[](ListOptions &o) { o.ShowTime = false; },
         "Name                       MS-DOS Name   Size       Attributes",
         "Readme.txt                 readme.txt         0 b        "},
        {[](ListOptions &o) { o.ShowAttr = false; },
         "Name                       MS-DOS Name   Size       Modified        ",
         "Readme.txt                 readme.txt         0 b   15/01/25 08:30  "},
        {[](ListOptions &o) {
             o = ListOptions{false, false, false, false, false};
         },
         "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.titles);
        ListOptions options;
        c.switchOff(options);
        data_ = {};
        const QStringList lines = Listing(options);
        ASSERT_EQ(lines.size(), 5 + 2 + 15 + 3);
        EXPECT_EQ(lines[5].toStdString(), c.titles);
        EXPECT_EQ(lines[5 + 2 + 11].toStdString(), c.readme); // Readme.txt is the twelfth by name
        EXPECT_EQ(lines.last().toStdString(), "               41 Gb available from 249 Gb.");
    }
}

TEST(ListingSourcesOfTheSystem, ReadTheClockAndTheListedFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("before"));
    const ListedFolder folder = ListedFolder::open(QFile::encodeName(dir.filePath("before")));
    const LocaleFormat locale = LocaleFormat::fromLocale(QLocale::c());
    const ListingSources sources = ListingSources::system(folder, locale);
    // The folder's path as it stands when the listing is made.
    ASSERT_TRUE(QDir(dir.path()).rename("before", "after\tnow"));

    const QDateTime before = QDateTime::currentDateTime();
    const LocalDateTime now = sources.now();
    const QDateTime after = QDateTime::currentDateTime();
    const QDateTime read(QDate(now.year, now.month, now.day),
                         QTime(now.hour, now.minute, now.second));
    EXPECT_GE(read, before.addSecs(-1));
    EXPECT_LE(read, after.addSecs(1));
    EXPECT_EQ(now.dayOfWeek, read.date().dayOfWeek() % 7);

    const QString line1 =
        ListingHeader(now, locale, sources.volumeLabelText(), sources.folderPath())[0];
    static const QRegularExpression heading(QStringLiteral(
        "^Tamsoret - (Sun|Mon|Tues|Wednes|Thurs|Fri|Satur)day [1-9][0-9]? (January|February|March|"
        "April|May|June|July|August|September|October|November|December) [0-9]{4}  "
        "[0-2][0-9]:[0-5][0-9]$"));
    EXPECT_TRUE(heading.match(line1).hasMatch()) << line1.toStdString();
    EXPECT_TRUE(line1.endsWith(QStringLiteral("%1:%2")
                                   .arg(now.hour, 2, 10, QChar(u'0'))
                                   .arg(now.minute, 2, 10, QChar(u'0'))));

    EXPECT_EQ(sources.folderPath(), dir.filePath("after?now"));
    static const QRegularExpression label(QStringLiteral("^(No name|\\[.+\\])$"));
    EXPECT_TRUE(label.match(sources.volumeLabelText()).hasMatch());
    static const QRegularExpression freeSpace(
        QStringLiteral("^[0-9][0-9,]* (b|kb|Mb|Gb) available from [0-9][0-9,]* (b|kb|Mb|Gb)\\.$"));
    EXPECT_TRUE(freeSpace.match(sources.freeSpaceText()).hasMatch())
        << sources.freeSpaceText().toStdString();
}

} // namespace
} // namespace tamsoret
