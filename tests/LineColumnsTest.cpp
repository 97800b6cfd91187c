#include "output/LineColumns.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tamsoret;

TEST(LineColumns, SplitsAtTheColumnsCountingCharactersNotUnits)
{
    const QString cases[][2] = {
        {"ab    1 b  xy", "ab@0/4|1 b@6/3|xy@11/5"},
        // Right-aligned text begins where its blanks end, with the room left after them.
        {"ab      9  xy", "ab@0/4|9@8/1|xy@11/5"},
        // A character outside the basic plane is one place.
        {QStringLiteral("😀b    1 b  xy"), QStringLiteral("😀b@0/4|1 b@6/3|xy@11/5")},
        // Blank columns give nothing; the last takes the rest; a short line ends early.
        {"      1 b  xy z", "1 b@6/3|xy z@11/5"}, {"abc", "abc@0/4"},
    };
    for (const auto &c : cases) {
        QStringList shown;
        for (const ColumnPiece &p : SplitColumns(c[0], {{0, 4}, {6, 3}, {11, 5}}))
            shown << QStringLiteral("%1@%2/%3").arg(p.text).arg(p.start).arg(p.room);
        EXPECT_EQ(shown.join(u'|'), c[1]) << c[0].toStdString();
    }
}

TEST(LineColumns, IsolatesTheTextOfEachColumnAndCutsWholeCharacters)
{
    EXPECT_EQ(IsolateColumns(QStringLiteral("שלום.txt   2 b  08"), {{0, 9}, {9, 6}, {16, 2}}),
              QStringLiteral("\u2068שלום.txt\u2069   \u20682 b\u2069  \u206808\u2069"));
    EXPECT_TRUE(HasRightToLeft(QStringLiteral("𐤀"))); // Phoenician, outside the basic plane
    EXPECT_FALSE(HasRightToLeft(QStringLiteral("Привет 東京 1,2")));
    const QString cases[][2] = {{QStringLiteral("cafe\u0301"), "caf"},
                                {QStringLiteral("a🎉"), "a"},
                                {QStringLiteral("สวัส"), QStringLiteral("สวั")}, // vowel sign
                                {"x", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(WithoutLastCharacter(c[0]).toString(), c[1]) << c[0].toStdString();
}
