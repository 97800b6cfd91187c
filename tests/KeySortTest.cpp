#include "platform/Collation.h"
#include "sort/SortEntries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace tamsoret {
namespace {

// Texts that share long beginnings, so that the sort has to look far into them, made of
// pieces that are their own key (small ASCII), need folding (capitals, Latin-1 letters),
// are Latin-1 controls or lie beyond Latin-1.
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
                                             u"\u4E2D"};
    static const QString beginnings[] = {QStringLiteral("bphoto_2026_summer_holiday_"),
                                         QStringLiteral("bPHOTO_2026_"), QStringLiteral("a"),
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

TEST_P(KeySort, OrdersAsAStableSortByTheCollatorDoes)
{
    const Collation collation(Locale());
    std::mt19937 rng(2026);
    std::vector<QString> texts;
    for (int i = 0; i < 3000; ++i)
        texts.push_back(RandomText(rng));
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
            const int r = collation.compare(texts[size_t(a)], texts[size_t(b)]);
            return ascending ? r < 0 : r > 0;
        });
        const std::vector<qint32> order = keys.stableOrder(ascending);
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

INSTANTIATE_TEST_SUITE_P(Locales, KeySort, ::testing::Values("C", "en_US", "de_DE"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
} // namespace tamsoret
