#include "output/PrintListing.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

// A page surface that records every line it is given, with its page and position.
class RecordingSurface : public PageSurface
{
public:
    struct Line {
        int page;
        double x;
        double y;
        QString text;
        QString columns; // "start/width" of each column the line was printed with
    };

    RecordingSurface(double height, double lineHeight) : height_(height), lineHeight_(lineHeight) {}

    void setFontName(const QString &name) override { calls << "font " + name; }
    void setFontSize(float points) override { calls << "size " + QString::number(points); }
    void setUnitMillimetres() override { calls << "unit mm"; }
    void setX(double x) override { x_ = x; }
    void setY(double y) override { y_ = y; }
    double y() const override { return y_; }
    double pageHeight() const override { return height_; }
    double printableWidth() const override { return 190; }
    double textWidth(const QString &text) const override { return 3.0 * text.size(); }
    void setColumns(std::vector<PageColumn> columns) override
    {
        columns_.clear();
        for (const PageColumn &c : columns) columns_ << QStringLiteral("%1/%2").arg(c.start).arg(c.width);
    }
    void print(const QString &text, bool endLine) override
    {
        lines.push_back({page, x_, y_, text, columns_.join(u' ')});
        x_ += textWidth(text);
        if (endLine) {
            y_ += lineHeight_;
            x_ = 0;
        }
    }
    void newPage() override { ++page; }
    void endJob() override { ++jobsEnded; }

    QStringList calls;
    std::vector<Line> lines;
    int page = 1;
    int jobsEnded = 0;

private:
    double height_;
    double lineHeight_;
    double x_ = 0;
    double y_ = 0;
    QStringList columns_;
};

struct PrintFixture {
    ListingData data;
    ListOptions options;
    LocaleFormat locale;
    ListingFont font{QStringLiteral("Courier New"), 10.0f};

    explicit PrintFixture(int entries)
    {
        for (int i = 0; i < entries; ++i) {
            DirEntry e;
            e.Name = QStringLiteral("file%1.txt").arg(i);
            e.DosName = e.Name;
            e.SizeText = QStringLiteral("1 b ");
            e.DateText = QStringLiteral("01/01/26 10:00");
            e.AttrText = QStringLiteral("     ");
            data.Entries.push_back(e);
            data.EntryOrder.push_back(entries - 1 - i);
        }
        data.SummaryText = QStringLiteral("%1 file(s), %1 b ").arg(entries);
        options.MarginLeft = 20;
        options.MarginTop = 25;
        options.MarginBottom = 30;
    }

    void print(RecordingSurface &surface)
    {
        ListingSources sources;
        sources.now = [] { return LocalDateTime{2026, 12, 7, 14, 5, 0, 1}; };
        sources.volumeLabelText = [] { return QStringLiteral("No name"); };
        sources.folderPath = [] { return QStringLiteral("/home/ann"); };
        sources.freeSpaceText = [] { return QStringLiteral("1 kb available from 2 kb."); };
        const ListingInput input{data, static_cast<qint32>(data.Entries.size()), options, locale,
                                 sources};
        PrintListing(surface, input, font);
    }
};

std::vector<RecordingSurface::Line> EntryLines(const RecordingSurface &s)
{
    std::vector<RecordingSurface::Line> out;
    for (const auto &l : s.lines)
        if (l.text.startsWith("file"))
            out.push_back(l);
    return out;
}

} // namespace

TEST(PrintListing, SetsFontAndUnitThenPrintsEveryLineAtTheLeftMarginInOneJob)
{
    PrintFixture f(3);
    RecordingSurface surface(250, 5);
    f.print(surface);

    EXPECT_EQ(surface.calls, QStringList({"font Courier New", "size 10", "unit mm"}));
    EXPECT_EQ(surface.jobsEnded, 1);
    ASSERT_EQ(surface.lines.size(), 13u); // 7 heading lines, 3 entries, 3 closing lines
    EXPECT_TRUE(surface.lines[0].text.startsWith("Tamsoret - "));
    EXPECT_DOUBLE_EQ(surface.lines[0].y, 25);
    for (const auto &line : surface.lines) {
        if (!line.text.isEmpty()) {
            EXPECT_DOUBLE_EQ(line.x, 20) << line.text.toStdString();
        }
    }
    // Entries in the order of EntryOrder, one line height apart.
    const auto entries = EntryLines(surface);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_TRUE(entries[0].text.startsWith("file2.txt"));
    EXPECT_DOUBLE_EQ(entries[0].y, 25 + 7 * 5);
    EXPECT_DOUBLE_EQ(entries[2].y, entries[0].y + 10);
    EXPECT_TRUE(surface.lines.back().text.endsWith("1 kb available from 2 kb."));
}

TEST(PrintListing, BreaksPagesOnlyAfterEntryLinesWithAStrictTest)
{
    // Height 100, bottom margin 30: the limit is 70. The first entry starts at 25 + 35 = 60
    // and ends at 65; the second ends at exactly 70, which does not break; the third ends at
    // 75 and starts a new page for the fourth.
    PrintFixture f(5);
    RecordingSurface surface(100, 5);
    f.print(surface);
    const auto entries = EntryLines(surface);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].page, 1);
    EXPECT_EQ(entries[1].page, 1);
    EXPECT_EQ(entries[2].page, 1);
    EXPECT_EQ(entries[3].page, 2);
    EXPECT_DOUBLE_EQ(entries[3].y, 25);
    EXPECT_EQ(surface.page, 2);
    // Heading and titles on the first page only.
    int headings = 0;
    for (const auto &l : surface.lines)
        headings += l.text.startsWith("Tamsoret - ") ? 1 : 0;
    EXPECT_EQ(headings, 1);
}

TEST(PrintListing, WithNoEntriesPrintsOnePage)
{
    PrintFixture f(0);
    RecordingSurface surface(100, 5);
    f.print(surface);
    EXPECT_EQ(surface.page, 1);
    EXPECT_EQ(surface.lines.size(), 10u);
    EXPECT_EQ(surface.lines[7].text, "");
    EXPECT_EQ(surface.lines[8].text, QString(15, u' ') + "0 file(s), 0 b ");
}

TEST(PrintListing, ClosingLinesStandAloneWhenTheLastEntryCrossesTheLimit)
{
    // Limit 70: entries end at 65 and 70 and 75; the third crosses, so the closing lines
    // begin a new page at the top margin.
    PrintFixture f(3);
    RecordingSurface surface(100, 5);
    f.print(surface);
    EXPECT_EQ(surface.page, 2);
    const auto &last = surface.lines;
    ASSERT_GE(last.size(), 3u);
    const auto &empty = last[last.size() - 3];
    EXPECT_EQ(empty.page, 2);
    EXPECT_EQ(empty.text, "");
    EXPECT_DOUBLE_EQ(empty.y, 25);
    EXPECT_EQ(last.back().page, 2);
}

TEST(PrintListing, APageTooShortForOneLinePutsEveryEntryOnItsOwnPage)
{
    PrintFixture f(4);
    f.options.MarginBottom = 90; // limit 10, below the top margin
    RecordingSurface surface(100, 5);
    f.print(surface);
    const auto entries = EntryLines(surface);
    ASSERT_EQ(entries.size(), 4u);
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(entries[i].page, static_cast<int>(i) + 1);
    EXPECT_EQ(surface.page, 5);
    EXPECT_EQ(surface.jobsEnded, 1);
}

TEST(PrintListing, ALineWiderThanThePageIsPrintedWholeWithoutWrapping)
{
    PrintFixture f(1);
    DirEntry first = f.data.Entries[0];
    first.Name = QString(25, u'W');
    f.data.Entries.replace(0, first);
    RecordingSurface surface(250, 5);
    f.print(surface);
    const auto entries = EntryLines(surface);
    ASSERT_TRUE(entries.empty()); // the name no longer starts with "file"
    const auto it = std::find_if(surface.lines.begin(), surface.lines.end(),
                                 [](const auto &l) { return l.text.startsWith("WWW"); });
    ASSERT_NE(it, surface.lines.end());
    EXPECT_EQ(it->text.size(), 73);
    EXPECT_GT(surface.textWidth(it->text), surface.printableWidth() - 20);
    EXPECT_EQ(std::next(it)->text, ""); // the next line is the empty line 9, not a continuation
}

TEST(PrintListing, SetsTheShownColumnsForTheEntryLinesOnly)
{
    const std::pair<bool ListOptions::*, QString> cases[] = {
        {nullptr, "0/25 27/12 41/9 52/14 68/10"}, {&ListOptions::ShowDOS, "0/25 27/9 38/14 54/10"},
        {&ListOptions::ShowName, "0/12 14/9 25/14 41/10"}};
    for (const auto &[hidden, columns] : cases) {
        PrintFixture f(2);
        if (hidden) f.options.*hidden = false;
        RecordingSurface surface(250, 5);
        f.print(surface);
        ASSERT_EQ(surface.lines.size(), 12u); // the entries are lines 7 and 8
        for (size_t i = 0; i < surface.lines.size(); ++i)
            EXPECT_EQ(surface.lines[i].columns, i == 7 || i == 8 ? columns : QString()) << i;
    }
}

// A tree's section starts a new page when its heading, titles and first entry line would
// not all end above the bottom margin; a line ending exactly there still fits.
TEST(PrintListing, TreeSectionStartsANewPage_OnlyWhenItsHeadingAndFirstEntryDoNotFit)
{
    struct Case {
        double pageHeight;
        bool unreadable; // the second section is one that could not be read
        int pageOfSecond;
    };
    // Line 2 ends at 35 mm, the first section (two entries) at 80, the empty line between
    // at 85: six lines of 5 mm end at 115, two at 95; the bottom margin is 30 mm.
    for (const Case c : {Case{145, false, 1}, Case{144, false, 2}, Case{125, true, 1},
                         Case{124, true, 2}}) {
        PrintFixture f(2);
        RecordingSurface surface(c.pageHeight, 5);
        TreePagePrinter printer(surface, f.options, f.locale, f.font);
        printer.begin(LocalDateTime{2026, 12, 7, 14, 5, 0, 1}, QStringLiteral("No name"));
        printer.folderRead(QStringLiteral("/a"), f.data, 2);
        if (c.unreadable)
            printer.folderUnreadable(QStringLiteral("/a/b"), EACCES);
        else
            printer.folderRead(QStringLiteral("/a/b"), f.data, 2);
        printer.end(2, QStringLiteral("1 kb available from 2 kb."));
        printer.finish();

        const auto second = std::find_if(surface.lines.begin(), surface.lines.end(),
                                         [](const auto &l) { return l.text == "Directory of /a/b"; });
        ASSERT_NE(second, surface.lines.end());
        EXPECT_EQ(second->page, c.pageOfSecond) << c.pageHeight;
        EXPECT_EQ(second->y, c.pageOfSecond == 1 ? 85.0 : 25.0) << c.pageHeight;
        EXPECT_EQ(surface.jobsEnded, 1);
        EXPECT_EQ(surface.lines.back().text.trimmed(), "1 kb available from 2 kb.");
        EXPECT_EQ(surface.lines[surface.lines.size() - 2].text.trimmed(),
                  c.unreadable ? "Total of 2 folder(s): 2 file(s), 0 b" : "Total of 2 folder(s): 4 file(s), 0 b");
    }
}
