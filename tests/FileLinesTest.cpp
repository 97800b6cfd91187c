#include "output/WriteListing.h"
#include "platform/Ansi.h"

#include <gtest/gtest.h>

#include <random>

namespace tamsoret {
namespace {

// The listing file puts the lines of entries whose texts are all Latin-1 together
// itself; they must come out as EntryLine lays them out and the file encodes them.
QString RandomText(std::mt19937 &rng, int maxLength)
{
    static const char16_t pool[] = {u'a',    u'Z',      u'0',      u' ',     u'.',    u'~',
                                    u'\x7F', u'\x80',   u'\x85',   u'\x9F',  u'\xA0', u'\xE9',
                                    u'\xFF', u'\u20AC', u'\u0152', u'\u4E2D'};
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<size_t> pick(0, std::size(pool) - 1);
    const bool latin1Only = length(rng) % 4 != 0;
    QString text;
    for (int n = length(rng); n > 0; --n) {
        char16_t c = pool[pick(rng)];
        if (latin1Only && c > 0xFF) c = u'x';
        text += QChar(c);
    }
    if (!latin1Only && length(rng) % 3 == 0)
        text += QString::fromUtf16(u"\U0001F600"); // one character in two units
    return text;
}

TEST(ListingFile, EntryLinesAreEntryLineInWindows1252ForEveryColumnChoice)
{
    std::mt19937 rng(1252);
    ListingData data;
    for (int i = 0; i < 400; ++i) {
        DirEntry e;
        e.Name = RandomText(rng, 30);     // around the 25 of the column
        e.DosName = RandomText(rng, 15);  // around 12
        e.SizeText = RandomText(rng, 12); // around 9, cut on the left
        e.DateText = RandomText(rng, 16); // shown whole
        e.AttrText = RandomText(rng, 6);
        data.Entries.push_back(e);
        data.EntryOrder.push_back(qint32(i));
    }
    std::shuffle(data.EntryOrder.begin(), data.EntryOrder.end(), rng);
    ListingSources fixed;
    fixed.now = [] { return LocalDateTime{2026, 12, 7, 14, 5, 30, 1}; };
    fixed.volumeLabelText = [] { return QStringLiteral("No name"); };
    fixed.folderPath = [] { return QStringLiteral("/data"); };
    fixed.freeSpaceText = [] { return QStringLiteral("1 Gb available from 2 Gb."); };
    const LocaleFormat locale = LocaleFormat::fromLocale(QLocale::c());

    for (int columns = 0; columns < 32; ++columns) {
        ListOptions options;
        options.ShowName = columns & 1;
        options.ShowDOS = columns & 2;
        options.ShowSize = columns & 4;
        options.ShowTime = columns & 8;
        options.ShowAttr = columns & 16;
        const QByteArray bytes = ListingFileBytes(
            ListingInput{data, qint32(data.Entries.size()), options, locale, fixed});
        const QList<QByteArray> lines = bytes.split('\n');
        ASSERT_EQ(lines.size(), qsizetype(data.Entries.size()) + 11);
        for (size_t p = 0; p < data.EntryOrder.size(); ++p) {
            const QString line = EntryLine(data.Entries[size_t(data.EntryOrder[p])], options);
            ASSERT_EQ(lines[qsizetype(p) + 7], ToWindows1252(line) + '\r')
                << "columns " << columns << ", line " << line.toStdString();
        }
    }
}

} // namespace
} // namespace tamsoret
