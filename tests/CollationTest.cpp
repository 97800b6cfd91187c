#include "platform/Collation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace tamsoret {
namespace {

TEST(Collation, FollowsTheSystemLocaleByDefault)
{
    // The test run pins LC_ALL=C.UTF-8: letters then compare by their folded code
    // units, so "é" comes after "z" where a dictionary order would put it before.
    Collation system;
    EXPECT_EQ(system.compare(QStringLiteral("é"), QStringLiteral("z")), 1);
    EXPECT_EQ(Collation(QLocale(QStringLiteral("de_DE")))
                  .compare(QStringLiteral("é"), QStringLiteral("z")),
              -1);
}

// None in the C locale. Elsewhere ICU's keys order as compare() does, letter case not
// counted, whether the original or a clone makes them, and come whole out of a buffer
// too short for them.
TEST(KeyCollator, MakesKeysInTheOrderOfCompare)
{
    EXPECT_FALSE(Collation(QLocale(QLocale::C)).keyCollator());
    const Collation german(QLocale(QStringLiteral("de_DE")));
    const KeyCollator &original = german.keyCollator();
    ASSERT_TRUE(original);
    const KeyCollator clone = original.clone();
    ASSERT_TRUE(clone);
    const QString texts[] = {QStringLiteral("Äpfel"), QStringLiteral("apfel"),
                             QStringLiteral("APFEL"), QStringLiteral("Zebra"),
                             QString(300, u'x')};
    for (const QString &a : texts) {
        for (const QString &b : texts) {
            std::vector<uchar> keyA(4), keyB(4);
            const size_t lengthA = original.sortKey(a, keyA);
            const size_t lengthB = clone.sortKey(b, keyB);
            ASSERT_TRUE(lengthA <= keyA.size() && lengthB <= keyB.size());
            ASSERT_EQ(keyA[lengthA - 1], 0);
            const int r = std::strcmp(reinterpret_cast<const char *>(keyA.data()),
                                      reinterpret_cast<const char *>(keyB.data()));
            EXPECT_EQ((r > 0) - (r < 0), german.compare(a, b))
                << a.toStdString() << " | " << b.toStdString();
        }
    }
}

} // namespace
} // namespace tamsoret
