#include "listing/DirEntry.h"
#include "listing/EntryFields.h"
#include "listing/NameCleaning.h"
#include "options/ListOptions.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace tamsoret {
namespace {

DirEntry Entry(const QString &name, const QString &dos, const QString &key, const QString &size,
               const QString &date, const QString &attr)
{
    return DirEntry{name, dos, key, size, date, attr};
}

void ExpectSame(const DirEntry &a, const DirEntry &b)
{
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.DosName, b.DosName);
    EXPECT_EQ(a.SortKey, b.SortKey);
    EXPECT_EQ(a.SizeText, b.SizeText);
    EXPECT_EQ(a.DateText, b.DateText);
    EXPECT_EQ(a.AttrText, b.AttrText);
}

// Texts of every kind the table stores differently: empty, ASCII, Latin-1 with its top
// and its C1 controls, wider characters, surrogate pairs and a lone surrogate, and
// lengths on both sides of the 16-bit length.
TEST(EntryTable, GivesBackEveryTextAsStored)
{
    const QString latin1 = QString::fromUtf16(u"Caf\u00E9 \u00FF\u0085\u00A0");
    const QString wide = QString::fromUtf16(u"\u20AC \u03A9 \U0001F600 ") + QChar(0xD800);
    const QString longNarrow(0x7FFE, u'n');
    const QString longerNarrow(0x7FFF, u'N');
    const QString longWide = QString(0x9000, u'\u4E2D');
    const std::vector<DirEntry> entries = {
        Entry({}, {}, {}, {}, {}, {}),
        Entry("Readme.txt", "readme.txt", "breadme.txt", "5,000 b ", "06/12/98 14:05", "     "),
        Entry(latin1, latin1.toLower(), u'b' + latin1, "<DIR>    ", "01.07.26 14:00", "d   h"),
        Entry(wide, latin1, wide, "12 kb", "\?\?/\?\?/?? ??:??", " ar  "),
        Entry(longNarrow, longerNarrow, longWide, wide, latin1, {}),
        Entry(longWide, {}, longerNarrow, {}, wide, "   s "),
    };
    EntryTable table;
    for (const DirEntry &e : entries)
        table.push_back(e);
    ASSERT_EQ(table.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        ExpectSame(table[i], entries[i]);
        EXPECT_EQ(table.text(i, EntryField::SortKey).toString(), entries[i].SortKey);
    }
    EXPECT_FALSE(table.text(2, EntryField::Name).isWide());
    EXPECT_TRUE(table.text(3, EntryField::Name).isWide());
    EXPECT_EQ(table.text(4, EntryField::Name).size(), 0x7FFE);
    EXPECT_EQ(table.text(4, EntryField::SortKey).size(), 0x9000);
}

// Many entries fill many blocks, and a text larger than a block gets one of its own.
TEST(EntryTable, KeepsEntriesAcrossBlocks_And_CopiesAndMovesWhole)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> length(0, 700);
    std::uniform_int_distribution<int> unit(0x20, 0x2FF);
    std::vector<DirEntry> entries;
    EntryTable table;
    for (int i = 0; i < 4000; ++i) {
        QString texts[6];
        for (QString &t : texts) {
            const int n = length(rng);
            const bool narrow = n % 3 != 0;
            for (int k = 0; k < n; ++k)
                t += QChar(char16_t(narrow ? unit(rng) % 0x100 | 0x20 : unit(rng)));
        }
        if (i == 1234) texts[2] = QString(700000, u'\u0100'); // 1.4 MB of UTF-16
        entries.push_back(Entry(texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]));
        table.push_back(entries.back());
    }
    const EntryTable copy = table;
    EntryTable moved = std::move(table);
    ASSERT_EQ(copy.size(), entries.size());
    ASSERT_EQ(moved.size(), entries.size());
    for (size_t i = 0; i < entries.size(); i += 7) {
        ExpectSame(copy[i], entries[i]);
        ExpectSame(moved[i], entries[i]);
    }
    ExpectSame(copy[1234], entries[1234]);
    size_t visited = 0;
    for (const DirEntry &e : copy)
        ExpectSame(e, entries[visited++]);
    EXPECT_EQ(visited, entries.size());
}

TEST(EntryTable, GrowsWithEmptyEntries_ReplacesOne_AndRefusesAPositionBeyondTheEnd)
{
    EntryTable table;
    table.push_back(Entry("A", "a", "ba", "1 b ", "01/01/01 00:00", "     "));
    table.resize(3);
    ASSERT_EQ(table.size(), 3u);
    ExpectSame(table[2], DirEntry{});
    table.replace(1, Entry("B", "b", "bb", "2 b ", "02/02/02 00:00", "  r  "));
    EXPECT_EQ(table[1].Name, "B");
    EXPECT_EQ(table[1].AttrText, "  r  ");
    EXPECT_EQ(table[0].Name, "A");
    EXPECT_EQ(table.size(), 3u);
    table.resize(1);
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(table.at(0).SortKey, "ba");
    EXPECT_THROW(table.at(1), std::out_of_range);
    EXPECT_THROW(table.replace(5, DirEntry{}), std::out_of_range);
    table.clear();
    EXPECT_TRUE(table.empty());
}

// The scan maps the case of plain ASCII without Qt's tables; names of every ASCII
// character, mixed with wider ones, must get the texts Qt's own case mapping gives.
TEST(EntryTexts, CaseMappingAgreesWithQtsForEveryAsciiCharacter)
{
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> ascii(1, 0x7F);
    std::uniform_int_distribution<int> length(1, 12);
    const char16_t others[] = {u'\u00E9', u'\u00C9', u'\u0130', u'\u03A3', u'\u00DF', u'\u01C5'};
    const LocaleFormat locale = LocaleFormat::fromLocale(QLocale::c());
    for (int i = 0; i < 3000; ++i) {
        QString name;
        for (int n = length(rng); n > 0; --n)
            name +=
                QChar(char16_t(i % 10 == 0 && n == 1 ? others[size_t(i / 10) % 6] : ascii(rng)));
        FindRecord record;
        record.name = name;
        ListingData data;
        AddEntry(record, 0, data, OrderByName, locale);
        const DirEntry e = data.Entries.at(0);

        const QString cleaned = StripNul(name);
        bool capital = false, small = false;
        for (QChar c : cleaned) {
            capital |= QChar::toLower(c.unicode()) != c.unicode();
            small |= QChar::toUpper(c.unicode()) != c.unicode();
        }
        QString nice = cleaned;
        if (!(capital && small)) {
            for (qsizetype k = 0; k < nice.size(); ++k)
                nice[k] = k == 0 ? QChar(QChar::toUpper(nice[k].unicode()))
                                 : QChar(QChar::toLower(nice[k].unicode()));
        }
        ASSERT_EQ(e.Name, nice) << name.toStdString();
        ASSERT_EQ(e.DosName, cleaned.toLower()) << name.toStdString();
        ASSERT_EQ(e.SortKey, u'b' + cleaned.toLower()) << name.toStdString();
    }
}

} // namespace
} // namespace tamsoret
