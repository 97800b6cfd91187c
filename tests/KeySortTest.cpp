#include "sort/KeySort.h"
#include "sort/CollationKeys.h"
#include "sort/SortEntries.h"

#include <QCollator>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace tamsoret {
namespace {

// Texts that share long beginnings, so that the sort has to look far into them, made of
// pieces that are their own key in the C locale (small ASCII), need folding (capitals,
// Latin-1 letters), are Latin-1 controls or lie beyond Latin-1; and pieces on which
// collations differ: accents composed and not, case twins (the Turkish i's among them),
// digits, punctuation, ligatures, ignorable characters, letters a locale moves (å, ä, ö,
// w, ç, ş, ğ) and other scripts, one beyond the basic plane.
QString RandomText(std::mt19937 &rng)
{
    static const char16_t *const pieces[] = {u"a",
                                             u"b",
                                             u"B",
                                             u"z",
                                             u"0",
                                             u"9",
                                             u" ",
                                             u"_",
                                             u"-",
                                             u".",
                                             u"readme",
                                             u"README.TXT",
                                             u"0000000000000",
                                             u"\u00E9",
                                             u"\u00C9",
                                             u"\u00FF",
                                             u"\u00B5",
                                             u"\u0085",
                                             u"\u00DF",
                                             u"\u20AC",
                                             u"\u03A3",
                                             u"\u03C2",
                                             u"\U0001F600",
                                             u"e\u0301",
                                             u"\u4E2D",
                                             u"i",
                                             u"I",
                                             u"\u0131",
                                             u"\u0130",
                                             u"\u00E5",
                                             u"\u00C5",
                                             u"\u00E4",
                                             u"\u00F6",
                                             u"\u00D6",
                                             u"v",
                                             u"w",
                                             u"W",
                                             u"\u00E7",
                                             u"\u015F",
                                             u"\u011F",
                                             u"\u00F8",
                                             u"\u00E6",
                                             u"\u00C6",
                                             u"\u0153",
                                             u"\uFB01",
                                             u"\u0133",
                                             u"\u1E9E",
                                             u"ss",
                                             u"12",
                                             u"\uFF11",
                                             u"\u0663",
                                             u",",
                                             u"'",
                                             u"(",
                                             u"!",
                                             u"~",
                                             u"\u00AD",
                                             u"\u200D",
                                             u"\u0416",
                                             u"\u0436",
                                             u"\u05D0",
                                             u"\u0628",
                                             u"\uD55C",
                                             u"\u0915",
                                             u"\u0E01",
                                             u"\u212A"};
    static const QString beginnings[] = {QStringLiteral("bphoto_2026_summer_holiday_"),
                                         QStringLiteral("bPHOTO_2026_"),
                                         QStringLiteral("a"),
                                         QStringLiteral(" "),
                                         QStringLiteral("  b"),
                                         QString()};
    std::uniform_int_distribution<int> pick(0, 1 << 20);
    QString text = beginnings[size_t(pick(rng)) % std::size(beginnings)];
    for (int n = pick(rng) % 8; n > 0; --n)
        text += QString::fromUtf16(pieces[size_t(pick(rng)) % std::size(pieces)]);
    return text;
}

bool IsLatin1(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

class KeySort : public ::testing::TestWithParam<const char *>
{
protected:
    QLocale Locale() const
    {
        return QString::fromLatin1(GetParam()) == u"C" ? QLocale(QLocale::C)
                                                       : QLocale(QString::fromLatin1(GetParam()));
    }
};

// The order the program sorts in, against QCollator's own compare in a stable sort.
TEST_P(KeySort, OrdersAsAStableSortByTheCollatorDoes)
{
    const Collation collation(Locale());
    QCollator collator(Locale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::mt19937 rng(2026);
    std::vector<QString> texts;
    // Every fourth text is an earlier one in capitals, an equal key in most locales.
    for (int i = 0; i < 40000; ++i)
        texts.push_back(i % 4 == 3 ? texts[rng() % texts.size()].toUpper() : RandomText(rng));
    std::vector<QByteArray> latin1(texts.size()); // must outlive the keys
    CollationKeys keys(collation);
    for (size_t i = 0; i < texts.size(); ++i) {
        if (IsLatin1(texts[i])) {
            latin1[i] = texts[i].toLatin1();
            keys.appendLatin1(reinterpret_cast<const uchar *>(latin1[i].constData()),
                              latin1[i].size());
        } else {
            keys.append(texts[i]);
        }
    }
    for (bool ascending : {true, false}) {
        std::vector<qint32> expected(texts.size());
        for (size_t i = 0; i < expected.size(); ++i)
            expected[i] = qint32(i);
        std::stable_sort(expected.begin(), expected.end(), [&](qint32 a, qint32 b) {
            const int r = collator.compare(texts[size_t(a)], texts[size_t(b)]);
            return ascending ? r < 0 : r > 0;
        });
        const std::vector<qint32> order = StableOrder(keys, ascending, [&](size_t i) {
            return latin1[i].isNull()
                       ? KeyText(texts[i])
                       : KeyText(reinterpret_cast<const uchar *>(latin1[i].constData()),
                                 latin1[i].size());
        });
        ASSERT_EQ(order.size(), expected.size());
        for (size_t i = 0; i < order.size(); ++i) {
            ASSERT_EQ(order[i], expected[i])
                << "at " << i << (ascending ? " ascending: " : " descending: ")
                << texts[size_t(order[i])].toStdString() << " | "
                << texts[size_t(expected[i])].toStdString();
        }
    }
}

// The whole sort, on a table whose order is no longer the scan order and whose keys are
// stored one byte a character or in UTF-16, against a plain stable sort of that order.
TEST_P(KeySort, SortEntriesKeepsEqualKeysInTheirOrderInBothDirections)
{
    const Collation collation(Locale());
    std::mt19937 rng(7);
    ListingData data;
    std::vector<QString> keys;
    for (int i = 0; i < 2000; ++i) {
        // Few distinct keys, so that most have equals, some differing in case only.
        keys.push_back(i % 5 == 0     ? RandomText(rng)
                       : keys.empty() ? QString()
                                      : keys[size_t(rng() % keys.size())]);
        if (i % 7 == 0) keys.back() = keys.back().toUpper();
        DirEntry e;
        e.SortKey = keys.back();
        data.Entries.push_back(e);
        data.EntryOrder.push_back(qint32(i));
    }
    std::shuffle(data.EntryOrder.begin(), data.EntryOrder.end(), rng);
    const std::vector<qint32> before = data.EntryOrder;
    for (bool ascending : {true, false}) {
        std::vector<qint32> expected = before;
        std::stable_sort(expected.begin(), expected.end(), [&](qint32 a, qint32 b) {
            const int r = collation.compare(keys[size_t(a)], keys[size_t(b)]);
            return ascending ? r < 0 : r > 0;
        });
        data.EntryOrder = before;
        SortEntries(qint32(keys.size()), data, ascending, collation);
        EXPECT_EQ(data.EntryOrder, expected) << (ascending ? "ascending" : "descending");
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, KeySort,
                         ::testing::Values("C", "en_US", "de_DE", "sv_SE", "tr_TR"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
} // namespace tamsoret
