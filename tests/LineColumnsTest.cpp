#include "output/LineColumns.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

QString Pieces(const QString &line, const std::vector<PageColumn> &columns)
{
    QStringList shown;
    for (const ColumnPiece &piece : SplitColumns(line, columns))
        shown << QStringLiteral("%1@%2/%3").arg(piece.text).arg(piece.start).arg(piece.room);
    return shown.join(u'|');
}

} // namespace

TEST(LineColumns, SplitsAtTheColumnsCountingCharactersNotUnits)
{
    const std::vector<PageColumn> three = {{0, 4}, {6, 3}, {11, 5}};
    const struct {
        QString line;
        QString pieces;
    } cases[] = {
        {"ab    1 b  xy", "ab@0/4|1 b@6/3|xy@11/5"},
        // Right-aligned text begins where its blanks end, with the room left after them.
        {"ab      9  xy", "ab@0/4|9@8/1|xy@11/5"},
        // A character outside the basic plane is one place, its two units one piece.
        {QStringLiteral("😀b    1 b  xy"), QStringLiteral("😀b@0/4|1 b@6/3|xy@11/5")},
        // Blank columns give nothing; the last takes the rest; a short line ends early.
        {"      1 b  xy z", "1 b@6/3|xy z@11/5"},
        {"abc", "abc@0/4"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Pieces(c.line, three), c.pieces) << c.line.toStdString();
}

TEST(LineColumns, IsolatesOnlyTheTextOfEachColumn)
{
    const QString line = QStringLiteral("שלום.txt   2 b  08");
    EXPECT_EQ(IsolateColumns(line, {{0, 9}, {9, 6}, {16, 2}}),
              QStringLiteral("\u2068שלום.txt\u2069   \u20682 b\u2069  \u206808\u2069"));
    EXPECT_TRUE(HasRightToLeft(QStringLiteral("a مرحبا")));
    EXPECT_TRUE(HasRightToLeft(QStringLiteral("𐤀"))); // Phoenician, outside the basic plane
    EXPECT_FALSE(HasRightToLeft(QStringLiteral("Привет 東京 1,2")));
}

TEST(LineColumns, CutsWholeCharactersFromTheEnd)
{
    const struct {
        QString text;
        QString cut;
    } cases[] = {
        {QStringLiteral("cafe\u0301"), QStringLiteral("caf")},
        {QStringLiteral("a🎉"), QStringLiteral("a")},
        {QStringLiteral("สวัส"), QStringLiteral("สวั")}, // a vowel sign stays with its letter
        {QStringLiteral("x"), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WithoutLastCharacter(c.text).toString(), c.cut) << c.text.toStdString();
}
