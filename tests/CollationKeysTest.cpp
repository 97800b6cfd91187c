#include "sort/CollationKeys.h"
#include "sort/KeySort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <random>
#include <vector>

namespace tamsoret {
namespace {

const char *const LocaleNames[] = {"C", "en_US", "de_DE", "sv_SE", "tr_TR"};

QLocale LocaleNamed(const char *name)
{
    return QString::fromLatin1(name) == u"C" ? QLocale(QLocale::C)
                                             : QLocale(QString::fromLatin1(name));
}

class CollationInLocale : public ::testing::TestWithParam<const char *>
{
protected:
    Collation collation{LocaleNamed(GetParam())};
};

TEST_P(CollationInLocale, OrdersTheKeyTextsTheWayTheListingNeeds)
{
    struct Case
    {
        const char16_t *before;
        const char16_t *after;
    };
    const Case cases[] = {
        {u" ", u"0"},     {u" ", u"000000000000000"},
        {u"0", u"1"},     {u"1", u"2"},
        {u"2", u"3"},     {u"3", u"4"},
        {u"4", u"5"},     {u"5", u"6"},
        {u"6", u"7"},     {u"7", u"8"},
        {u"8", u"9"},     {u"000000000000999", u"000000000001000"},
        {u"a", u"b"},     {u"A", u"b"},
        {u"a", u"B"},     {u"bread", u"breadme"},
        {u"azz", u"baa"}, {u"201812312359", u"201901010000"},
        {u"", u"a"},
    };
    for (const Case &c : cases) {
        const QString before = QString::fromUtf16(c.before);
        const QString after = QString::fromUtf16(c.after);
        EXPECT_EQ(collation.compare(before, after), -1)
            << before.toStdString() << " | " << after.toStdString();
        EXPECT_EQ(collation.compare(after, before), 1)
            << before.toStdString() << " | " << after.toStdString();
        CollationKeys keys(collation);
        keys.append(before);
        keys.append(after);
        const auto textAt = [&](size_t i) { return KeyText(i == 0 ? before : after); };
        EXPECT_EQ(keys.compare(0, 1, textAt), -1) << before.toStdString();
        EXPECT_EQ(keys.compare(1, 0, textAt), 1) << before.toStdString();
    }
}

TEST_P(CollationInLocale, IgnoresLetterCase)
{
    const std::pair<QString, QString> pairs[] = {
        {QStringLiteral("README.TXT"), QStringLiteral("readme.txt")},
        {QStringLiteral("bMyNotes"), QStringLiteral("bmynotes")},
        {QStringLiteral("ÄRGER"), QStringLiteral("ärger")},
        {QStringLiteral("ΣΟΦΊΑ"), QStringLiteral("σοφία")},
        {QString(), QString()},
    };
    for (const auto &[a, b] : pairs) {
        EXPECT_EQ(collation.compare(a, b), 0) << a.toStdString();
        CollationKeys keys(collation);
        keys.append(a);
        keys.append(b);
        EXPECT_EQ(keys.compare(0, 1, [&](size_t i) { return KeyText(i == 0 ? a : b); }), 0)
            << a.toStdString();
    }
}

// Characters that make collations differ: both cases, digits and punctuation,
// accented and composed letters, letters whose folding is special, a combining mark,
// ignorable characters, a cased letter outside the basic plane and a lone surrogate.
const std::vector<QString> &Pieces()
{
    static const std::vector<QString> pieces = [] {
        std::vector<QString> p;
        for (char c : std::string_view("aAbBzZeE09 _-.~!,'"))
            p.push_back(QString(QChar::fromLatin1(c)));
        for (const char16_t *s :
             {u"ä",          u"Ä",          u"é",      u"É",     u"ß",
              u"ẞ",          u"ss",         u"æ",      u"Æ",     u"ø",
              u"ı",          u"İ",          u"K",      u"k",     u"\u212A" /*Kelvin*/,
              u"σ",          u"ς",          u"Σ",      u"ж",     u"Ж",
              u"e\u0301",    u"\u00AD",     u"\u200D", u"€",     u"中",
              u"\U00010400", u"\U00010428", u"\uFFFD", u"\uE000"})
            p.push_back(QString::fromUtf16(s));
        p.push_back(QString(QChar(0xD800)));
        return p;
    }();
    return pieces;
}

QString RandomText(std::mt19937 &rng)
{
    const auto &pieces = Pieces();
    std::uniform_int_distribution<int> length(0, 6);
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
    QString text;
    for (int n = length(rng); n > 0; --n)
        text += pieces[piece(rng)];
    return text;
}

TEST_P(CollationInLocale, KeysAgreeWithCompareOnRandomTexts)
{
    std::mt19937 rng(20260107);
    std::vector<QString> texts;
    for (int i = 0; i < 1500; ++i)
        texts.push_back(RandomText(rng));
    // Pairs that share a beginning test the later positions too.
    for (int i = 0; i < 500; ++i)
        texts.push_back(texts[size_t(i)] + RandomText(rng));
    CollationKeys keys(collation);
    for (const QString &t : texts)
        keys.append(t);
    const auto textAt = [&](size_t i) { return KeyText(texts[i]); };

    std::uniform_int_distribution<size_t> pick(0, texts.size() - 1);
    int disagreements = 0;
    for (int i = 0; i < 40000 && disagreements < 10; ++i) {
        const size_t a = pick(rng);
        const size_t b = i % 4 == 0 ? (a + 1) % texts.size() : pick(rng);
        const int byText = collation.compare(texts[a], texts[b]);
        const int byKey = keys.compare(a, b, textAt);
        if (byText != byKey) {
            ++disagreements;
            ADD_FAILURE() << "compare " << byText << " key " << byKey << ": \""
                          << texts[a].toStdString() << "\" \"" << texts[b].toStdString() << "\"";
        }
    }
}

TEST_P(CollationInLocale, SortingByKeysLeavesNoPairOutOfOrder)
{
    std::mt19937 rng(7);
    std::vector<QString> texts;
    for (int i = 0; i < 3000; ++i)
        texts.push_back(RandomText(rng));
    CollationKeys keys(collation);
    for (const QString &t : texts)
        keys.append(t);
    std::vector<size_t> order(texts.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto textAt = [&](size_t i) { return KeyText(texts[i]); };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return keys.compare(a, b, textAt) < 0; });
    for (size_t i = 0; i + 1 < order.size(); ++i)
        ASSERT_LE(collation.compare(texts[order[i]], texts[order[i + 1]]), 0)
            << texts[order[i]].toStdString() << " | " << texts[order[i + 1]].toStdString();
}

// Keys far longer than the part of them that is kept, sharing more bytes than the sort
// has rounds on the stack, between small ones.
TEST_P(CollationInLocale, SortsHugeKeysThatShareLongBeginnings)
{
    const QString huge(1 << 21, u'x');
    const QString texts[] = {QStringLiteral("b"), huge + u'b', huge + u'a',
                             QStringLiteral("a"), QString(),   huge};
    CollationKeys keys(collation);
    for (const QString &t : texts)
        keys.append(t);
    const auto textAt = [&](size_t i) { return KeyText(texts[i]); };
    EXPECT_EQ(StableOrder(keys, true, textAt), (std::vector<qint32>{4, 3, 0, 5, 2, 1}));
    EXPECT_EQ(StableOrder(keys, false, textAt), (std::vector<qint32>{1, 2, 5, 0, 3, 4}));
}

// With a limit of one process no thread can start: the caller's thread makes every key, the
// same as one at a time. Root is not held by the limit, so as root the child becomes nobody.
TEST(CollationKeys, Should_MakeTheKeysOnOneThread_When_NoThreadCanStart)
{
    std::mt19937 rng(17);
    std::vector<QString> texts(50000);
    std::generate(texts.begin(), texts.end(), [&] { return RandomText(rng); });
    const Collation german(QLocale(QStringLiteral("de_DE")));
    const passwd *nobody = getpwnam("nobody");
    const pid_t child = fork();
    if (child == 0) {
        const rlimit one{1, 1};
        setenv(CollationKeys::ForceThreadsVariable, "4", 1);
        if (setrlimit(RLIMIT_NPROC, &one) != 0) _exit(10);
        if (geteuid() == 0 && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0))
            _exit(10);
        std::jthread probe;
        EXPECT_THROW(probe = std::jthread([] {}), std::system_error);
        if (probe.joinable()) _exit(11); // the limit does not hold: nothing would be shown
        CollationKeys together(german), alone(german);
        together.appendAll(texts.size(), [&](size_t i) { return KeyText(texts[i]); });
        for (size_t i = 0; i < texts.size(); ++i) {
            alone.append(texts[i]);
            if (!together.prefixes()[i].samePrefix(alone.prefixes()[i])) _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
}

INSTANTIATE_TEST_SUITE_P(Locales, CollationInLocale, ::testing::ValuesIn(LocaleNames),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
} // namespace tamsoret
