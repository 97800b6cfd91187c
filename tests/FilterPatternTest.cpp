#include "listing/FilterPattern.h"

#include "platform/Failure.h"

#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

struct MatchCase {
    const char *pattern;
    const char *candidate;
    bool matches;
};

void PrintTo(const MatchCase &c, std::ostream *os)
{
    *os << '"' << c.pattern << "\" ~ \"" << c.candidate << '"';
}

class FilterMatch : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(FilterMatch, Should_MatchTheWholeCandidateWithoutRegardToCase)
{
    const MatchCase &c = GetParam();
    const FilterPattern pattern(QString::fromUtf8(c.pattern));
    EXPECT_EQ(pattern.matches(QString::fromUtf8(c.candidate)), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FilterMatch,
    ::testing::Values(
        // Every candidate carries a dot, so "*.*" takes all and "*." the names without one.
        MatchCase{"*.*", "README.", true}, MatchCase{"*.*", "a.b.c", true},
        MatchCase{"*.*", "..", true}, MatchCase{"*.", "README.", true},
        MatchCase{"*.", "Makefile.", true}, MatchCase{"*.", "notes.txt", false},
        MatchCase{"*.txt", "notes.TXT", true}, MatchCase{"*.TXT", "a.txt", true},
        MatchCase{"*.TXT", "B.Txt", true}, MatchCase{"*.txt", "notes.txt.bak", false},
        MatchCase{"#*", "2026 report.", true}, MatchCase{"#*", "report 2026.", false},
        MatchCase{"##.*", "42.log", true}, MatchCase{"##.*", "4x.log", false},
        MatchCase{" *.*", "abc.txt", false}, MatchCase{"", "a.", false},
        MatchCase{"?", "a", true}, MatchCase{"?", "ab", false}, MatchCase{"?", "", false},
        MatchCase{"a?c.", "a.c.", true}, MatchCase{"*", "", true},
        MatchCase{"a*b*c", "aXbYbZc", true}, MatchCase{"a*b*c", "aXbYc!", false},
        MatchCase{"***x", "abcx", true},
        // Brackets: lists, ranges, negation, and quoting of the special characters.
        MatchCase{"[abc]*", "Bravo.", true}, MatchCase{"[abc]*", "delta.", false},
        MatchCase{"[a-f]#.*", "C3.txt", true}, MatchCase{"[A-F]#.*", "c3.txt", true},
        MatchCase{"[A-F]#.*", "g3.txt", false}, MatchCase{"[!a-f]*", "g.", true},
        MatchCase{"[!a-f]*", "E.", false}, MatchCase{"[!A-F]*", "e.", false},
        MatchCase{"a[?]c", "a?c", true}, MatchCase{"a[?]c", "abc", false},
        MatchCase{"[*]*", "*star", true}, MatchCase{"[*]*", "star", false},
        MatchCase{"[#]1", "#1", true}, MatchCase{"[#]1", "11", false},
        MatchCase{"[[]x]", "[x]", true}, MatchCase{"[-a]", "-", true},
        MatchCase{"[a-]", "-", true}, MatchCase{"[a-]", "b", false},
        MatchCase{"[!-]", "-", false}, MatchCase{"[!-]", "x", true},
        MatchCase{"[a!]", "!", true}, MatchCase{"[!!]", "!", false},
        MatchCase{"[]*", "a.", false}, MatchCase{"[]", "", false},
        MatchCase{"x]", "x]", true},
        // Case is ignored beyond ASCII, and a character outside the BMP is one character.
        MatchCase{"é*", "École.", true}, MatchCase{"[à-ÿ]", "É", true},
        MatchCase{"straße.*", "STRAßE.txt", true}, MatchCase{"?.", "😀.", true},
        MatchCase{"[😀]x", "😀x", true}));

TEST(FilterPattern, Should_RefuseAnUnclosedBracket_NamingThePattern)
{
    for (const QString &pattern : {QStringLiteral("[abc"), QStringLiteral("*.[tx"),
                                  QStringLiteral("["), QStringLiteral("[!")}) {
        try {
            FilterPattern p(pattern);
            ADD_FAILURE() << "accepted " << pattern.toStdString();
        } catch (const Failure &f) {
            EXPECT_EQ(f.on(), pattern);
            EXPECT_TRUE(f.reason().contains("no closing")) << f.reason().toStdString();
        }
    }
}

TEST(FilterPattern, Should_RefuseADescendingRange)
{
    try {
        FilterPattern p(QStringLiteral("[z-a]*"));
        ADD_FAILURE() << "accepted a descending range";
    } catch (const Failure &f) {
        EXPECT_EQ(f.on(), "[z-a]*");
        EXPECT_TRUE(f.reason().contains("\"z-a\"")) << f.reason().toStdString();
    }
}

TEST(FilterPattern, Should_StayFast_When_ThePatternHasManyStars)
{
    // Trying every split of the candidate among 40 stars would never end.
    QString pattern;
    for (int i = 0; i < 40; ++i)
        pattern += QStringLiteral("*a");
    pattern += u'b';
    const QString candidate(5000, u'a');
    const FilterPattern p(pattern);
    EXPECT_FALSE(p.matches(candidate));
    EXPECT_TRUE(p.matches(candidate + u'b'));
}

} // namespace
