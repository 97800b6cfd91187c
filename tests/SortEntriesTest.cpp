#include "sort/SortEntries.h"

#include <gtest/gtest.h>

#include <random>

namespace tamsoret {
namespace {

// The exchange sort as first written, kept here word for word as the order the fast
// sort must reproduce.
namespace reference {

void SwapEntries(qint32 p, ListingData &data)
{
    const qint32 kept = data.EntryOrder[size_t(p) + 1];
    data.EntryOrder[size_t(p) + 1] = data.EntryOrder[size_t(p)];
    data.EntryOrder[size_t(p)] = kept;
}

void SortEntries(qint32 count, ListingData &data, bool orderAZ, const Collation &collation)
{
    qint32 last = count - 2;
    qint32 bound;
    do {
        bound = last;
        last = 0;
        for (qint32 p = 0; p <= bound; ++p) {
            if (tamsoret::OutOfOrder(p, data, orderAZ, collation)) {
                SwapEntries(p, data);
                last = p;
            }
        }
    } while (bound != 0);
}

} // namespace reference

ListingData WithKeys(const QStringList &keys)
{
    ListingData data;
    for (const QString &key : keys) {
        data.EntryOrder.push_back(qint32(data.Entries.size()));
        DirEntry e;
        e.SortKey = key;
        e.Name = QString::number(data.Entries.size());
        data.Entries.push_back(e);
    }
    return data;
}

std::vector<qint32> Sorted(const QStringList &keys, bool orderAZ, const Collation &collation)
{
    ListingData data = WithKeys(keys);
    SortEntries(qint32(keys.size()), data, orderAZ, collation);
    return data.EntryOrder;
}

std::vector<qint32> SortedByReference(const QStringList &keys, bool orderAZ,
                                      const Collation &collation)
{
    ListingData data = WithKeys(keys);
    reference::SortEntries(qint32(keys.size()), data, orderAZ, collation);
    return data.EntryOrder;
}

// Key sets in the shapes the scan makes, drawn from few values so that many keys are
// equal or differ only in letter case.
QString RandomKey(std::mt19937 &rng, int shape)
{
    std::uniform_int_distribution<int> pick(0, 1 << 30);
    switch (shape) {
    case 0: { // name keys: folder or file prefix, then a short name in mixed case
        static const char *const names[] = {"read", "readme", "README", "Readme", "b",  "B", "über",
                                            "Über", "zeta",   "a b",    "a-b",    "ab", ""};
        return QString::fromLatin1(pick(rng) % 3 == 0 ? "a" : "b") +
               QString::fromUtf8(names[pick(rng) % 13]);
    }
    case 1: // size keys: a blank for a folder, else 15 zero-padded digits
        return pick(rng) % 4 == 0
                   ? QStringLiteral(" ")
                   : QStringLiteral("%1").arg(pick(rng) % 12 * 1000, 15, 10, QChar(u'0'));
    case 2: // time keys, several in the same minute
        return QStringLiteral("2026%1%2").arg(pick(rng) % 3 + 10).arg(pick(rng) % 4 * 1111 + 1000);
    default: { // anything: letters of both cases, digits, blanks, empty keys
        static const char16_t alphabet[] = u"aAbB0 9é";
        QString key;
        for (int n = pick(rng) % 4; n > 0; --n)
            key += QChar(alphabet[pick(rng) % 8]);
        return key;
    }
    }
}

class SortAgainstExchangeSort : public ::testing::TestWithParam<const char *>
{
protected:
    Collation collation{QString::fromLatin1(GetParam()) == u"C"
                            ? QLocale(QLocale::C)
                            : QLocale(QString::fromLatin1(GetParam()))};
};

TEST_P(SortAgainstExchangeSort, GivesTheSameOrderOnRandomKeySets)
{
    std::mt19937 rng(31);
    std::uniform_int_distribution<int> size(2, 70);
    for (int round = 0; round < 1600; ++round) {
        const int shape = round % 4;
        QStringList keys;
        for (int n = size(rng); n > 0; --n)
            keys << RandomKey(rng, shape);
        for (bool orderAZ : {true, false}) {
            ASSERT_EQ(Sorted(keys, orderAZ, collation), SortedByReference(keys, orderAZ, collation))
                << "round " << round << (orderAZ ? " ascending: " : " descending: ")
                << keys.join(u'|').toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, SortAgainstExchangeSort, ::testing::Values("C", "de_DE"),
                         [](const auto &info) { return std::string(info.param); });

struct EdgeCase
{
    const char *what;
    QStringList keys;
    std::vector<qint32> ascending;
    std::vector<qint32> descending;
};

TEST(SortEntries, EdgeCases)
{
    const Collation collation{QLocale(QLocale::C)};
    const EdgeCase cases[] = {
        {"two entries", {"bb", "ba"}, {1, 0}, {0, 1}},
        {"already in order", {"a", "b", "c", "d"}, {0, 1, 2, 3}, {3, 2, 1, 0}},
        {"reverse order", {"e", "d", "c", "b", "a"}, {4, 3, 2, 1, 0}, {0, 1, 2, 3, 4}},
        {"names differing only in case keep scan order both ways",
         {"bREADME", "bReadMe", "breadme"},
         {0, 1, 2},
         {0, 1, 2}},
        {"folders under the size order keep scan order both ways",
         {"000000000000010", " ", "000000000000000", " ", " "},
         {1, 3, 4, 2, 0},
         {0, 2, 1, 3, 4}},
        {"files before folders when descending by name",
         {"adocs", "bzeta", "aaaa", "balpha"},
         {2, 0, 3, 1},
         {1, 3, 0, 2}},
        {"empty keys of an unknown order code keep scan order",
         {"", "", "", ""},
         {0, 1, 2, 3},
         {0, 1, 2, 3}},
        {"a key that begins a longer key sorts first", {"breadme", "bread"}, {1, 0}, {0, 1}},
        {"time keys oldest first",
         {"202601011200", "199812061405", "202601011159"},
         {1, 2, 0},
         {0, 2, 1}},
    };
    for (const EdgeCase &c : cases) {
        EXPECT_EQ(Sorted(c.keys, true, collation), c.ascending) << c.what;
        EXPECT_EQ(Sorted(c.keys, false, collation), c.descending) << c.what;
        EXPECT_EQ(SortedByReference(c.keys, true, collation), c.ascending) << c.what;
        EXPECT_EQ(SortedByReference(c.keys, false, collation), c.descending) << c.what;
    }
}

TEST(SortEntries, LeavesOneOrNoEntryAndTheTailBeyondTheCountAlone)
{
    const Collation collation{QLocale(QLocale::C)};
    ListingData none;
    SortEntries(0, none, true, collation);
    EXPECT_TRUE(none.EntryOrder.empty());

    ListingData data = WithKeys({"c", "b", "a"});
    SortEntries(1, data, true, collation);
    EXPECT_EQ(data.EntryOrder, (std::vector<qint32>{0, 1, 2}));
    SortEntries(2, data, true, collation);
    EXPECT_EQ(data.EntryOrder, (std::vector<qint32>{1, 0, 2}));
}

TEST(SortEntries, SortsAnOrderThatIsNoLongerTheScanOrder)
{
    const Collation collation{QLocale(QLocale::C)};
    ListingData data = WithKeys({"b", "a", "b", "a"});
    data.EntryOrder = {3, 2, 1, 0};
    SortEntries(4, data, true, collation);
    EXPECT_EQ(data.EntryOrder, (std::vector<qint32>{3, 1, 2, 0}));
}

TEST(OutOfOrder, TestsTheDirectionAndNeverAnEqualPair)
{
    const Collation collation{QLocale(QLocale::C)};
    const ListingData data = WithKeys({"a", "B", "b"});
    EXPECT_FALSE(OutOfOrder(0, data, true, collation));
    EXPECT_TRUE(OutOfOrder(0, data, false, collation));
    EXPECT_FALSE(OutOfOrder(1, data, true, collation));
    EXPECT_FALSE(OutOfOrder(1, data, false, collation));
}

} // namespace
} // namespace tamsoret
