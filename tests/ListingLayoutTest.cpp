#include "output/ListingLayout.h"

#include <gtest/gtest.h>

namespace tamsoret {
namespace {

ListOptions Columns(bool name, bool dos, bool size, bool time, bool attr)
{
    ListOptions o;
    o.ShowName = name;
    o.ShowDOS = dos;
    o.ShowSize = size;
    o.ShowTime = time;
    o.ShowAttr = attr;
    return o;
}

DirEntry Entry(const QString &name, const QString &dos, const QString &size, const QString &date,
               const QString &attr)
{
    DirEntry e;
    e.Name = name;
    e.DosName = dos;
    e.SizeText = size;
    e.DateText = date;
    e.AttrText = attr;
    e.SortKey = QStringLiteral("never printed");
    return e;
}

TEST(ListingHeader, NamesTheDayAndMonthInTheLocaleWithItsTimeSeparator)
{
    struct Case
    {
        LocalDateTime now;
        QLocale locale;
        const char16_t *line1;
    };
    const Case cases[] = {
        {{2026, 12, 7, 14, 5, 59, 1}, QLocale::c(), u"Tamsoret - Monday 7 December 2026  14:05"},
        {{2026, 1, 3, 0, 7, 0, 6}, QLocale::c(), u"Tamsoret - Saturday 3 January 2026  00:07"},
        {{1998, 3, 29, 23, 59, 59, 0}, QLocale::c(), u"Tamsoret - Sunday 29 March 1998  23:59"},
        {{2026, 3, 1, 9, 30, 0, 0},
         QLocale(QStringLiteral("de_DE")),
         u"Tamsoret - Sonntag 1 März 2026  09:30"},
    };
    for (const Case &c : cases) {
        const QStringList lines =
            ListingHeader(c.now, LocaleFormat::fromLocale(c.locale), QStringLiteral("[Mydisk]"),
                          QStringLiteral("/home/ann"));
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines[0].toStdString(), QString::fromUtf16(c.line1).toStdString());
        EXPECT_EQ(lines[1], QStringLiteral("Drive labeled [Mydisk]"));
        EXPECT_EQ(lines[2], QStringLiteral("Directory of /home/ann"));
        EXPECT_TRUE(lines[3].isEmpty() && lines[4].isEmpty());
    }

    LocaleFormat dotted = LocaleFormat::fromLocale(QLocale::c());
    dotted.timeSeparator = u'.';
    EXPECT_EQ(ListingHeader({2026, 12, 7, 14, 5, 0, 1}, dotted, QStringLiteral("No name"),
                            QStringLiteral("/"))[0],
              QStringLiteral("Tamsoret - Monday 7 December 2026  14.05"));
}

TEST(ColumnTitles, StandWhereTheirCellsStart)
{
    const QStringList all = ColumnTitles(Columns(true, true, true, true, true));
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(
        all[0],
        QStringLiteral(
            "Name                       MS-DOS Name   Size       Modified        Attributes"));
    EXPECT_EQ(all[0].size(), 78);
    EXPECT_EQ(all[0].indexOf(u"MS-DOS") + 1, 28);
    EXPECT_EQ(all[0].indexOf(u"Size") + 1, 42);
    EXPECT_EQ(all[0].indexOf(u"Modified") + 1, 53);
    EXPECT_EQ(all[0].indexOf(u"Attributes") + 1, 69);
    EXPECT_TRUE(all[1].isEmpty());

    struct Case
    {
        ListOptions options;
        const char *titles;
    };
    const Case cases[] = {
        {Columns(false, false, false, false, false), ""},
        {Columns(false, false, false, false, true), "Attributes"},
        {Columns(true, false, true, false, false), "Name                       Size       "},
        {Columns(false, true, false, true, false), "MS-DOS Name   Modified        "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ColumnTitles(c.options), QStringList({QString::fromLatin1(c.titles), QString()}));
}

TEST(EntryLine, LaysOutEveryCell)
{
    const DirEntry full = Entry(QStringLiteral("Invoice 2026-11.txt"),
                                QStringLiteral("invoice 2026"), QStringLiteral("4,210 b "),
                                QStringLiteral("30/11/26 09:12"), QStringLiteral(" a r "));
    const QString line = EntryLine(full, Columns(true, true, true, true, true));
    EXPECT_EQ(line,
              QStringLiteral(
                  "Invoice 2026-11.txt        invoice 2026   4,210 b   30/11/26 09:12   a r "));
    EXPECT_EQ(line.size(), 73);
    EXPECT_EQ(line.mid(27, 12), QStringLiteral("invoice 2026")); // characters 28 to 39
    EXPECT_EQ(line.mid(41, 9), QStringLiteral(" 4,210 b "));     // characters 42 to 50
    EXPECT_EQ(line.mid(52, 14), QStringLiteral("30/11/26 09:12"));
    EXPECT_EQ(line.mid(68, 5), QStringLiteral(" a r "));

    EXPECT_EQ(
        EntryLine(full, Columns(true, true, true, true, false)),
        QStringLiteral("Invoice 2026-11.txt        invoice 2026   4,210 b   30/11/26 09:12  "));
    EXPECT_EQ(EntryLine(full, Columns(false, false, false, false, true)), QStringLiteral(" a r "));
    EXPECT_EQ(EntryLine(full, Columns(false, false, false, false, false)), QString());
}

TEST(EntryLine, CellRules)
{
    struct Case
    {
        const char *what;
        ListOptions options;
        DirEntry entry;
        const char16_t *line;
    };
    const ListOptions name = Columns(true, false, false, false, false);
    const ListOptions dos = Columns(false, true, false, false, false);
    const ListOptions size = Columns(false, false, true, false, false);
    const ListOptions time = Columns(false, false, false, true, false);
    auto named = [](const char16_t *n) { return Entry(QString::fromUtf16(n), {}, {}, {}, {}); };
    auto dosNamed = [](const char16_t *n) { return Entry({}, QString::fromUtf16(n), {}, {}, {}); };
    auto sized = [](const char16_t *s) { return Entry({}, {}, QString::fromUtf16(s), {}, {}); };
    const Case cases[] = {
        {"short name padded to 25", name, named(u"abc"), u"abc                        "},
        {"empty name", name, named(u""), u"                           "},
        {"name of exactly 25", name, named(u"abcdefghijklmnopqrstuvwxy"),
         u"abcdefghijklmnopqrstuvwxy  "},
        {"name of 30 cut to 25", name, named(u"abcdefghijklmnopqrstuvwxyz1234"),
         u"abcdefghijklmnopqrstuvwxy  "},
        {"a character outside the basic plane counts once", name,
         named(u"\U0001F600bcdefghijklmnopqrstuvwxyz"), u"\U0001F600bcdefghijklmnopqrstuvwxy  "},
        {"cut never splits a character", name, named(u"abcdefghijklmnopqrstuvwx\U0001F600z"),
         u"abcdefghijklmnopqrstuvwx\U0001F600  "},
        {"short DOS name padded to 12", dos, dosNamed(u"readme.txt"), u"readme.txt    "},
        {"DOS name of 13 cut to 12", dos, dosNamed(u"abcdefghijklm"), u"abcdefghijkl  "},
        {"size right-aligned", size, sized(u"5,000 b "), u" 5,000 b   "},
        {"size of 9 fills the column", size, sized(u"<DIR>    "), u"<DIR>      "},
        {"size of 11 loses its first 2", size, sized(u"ABCDEFGHIJK"), u"CDEFGHIJK  "},
        {"empty size", size, sized(u""), u"           "},
        {"time unchanged", time, Entry({}, {}, {}, QStringLiteral("06/12/98 14:05"), {}),
         u"06/12/98 14:05  "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(EntryLine(c.entry, c.options).toStdString(),
                  QString::fromUtf16(c.line).toStdString())
            << c.what;
}

TEST(ListingFooter, IndentsBothClosingLinesBy15Blanks)
{
    EXPECT_EQ(ListingFooter(QStringLiteral("3 file(s), 5,022 b"),
                            QStringLiteral("41 Gb available from 249 Gb.")),
              QStringList({QString(), QStringLiteral("               3 file(s), 5,022 b"),
                           QStringLiteral("               41 Gb available from 249 Gb.")}));
    // A scan whose first search failed left no summary: the blanks stand alone.
    EXPECT_EQ(ListingFooter(QString(), QStringLiteral("0 b available from 0 b."))[1],
              QString(15, u' '));
}

} // namespace
} // namespace tamsoret
