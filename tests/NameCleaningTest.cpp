#include "listing/NameCleaning.h"

#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

struct CleaningCase {
    QString input;
    QString stripped;
    QString nice;
};

class NameCleaning : public ::testing::TestWithParam<CleaningCase>
{
};

TEST_P(NameCleaning, StripNulAndNiceCase_Should_GiveTheDisplayForms)
{
    const CleaningCase &c = GetParam();
    EXPECT_EQ(StripNul(c.input), c.stripped) << c.input.toStdString();
    EXPECT_EQ(NiceCase(c.input), c.nice) << c.input.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameCleaning,
    ::testing::Values(
        CleaningCase{"README.TXT", "README.TXT", "Readme.txt"},
        CleaningCase{"autoexec.bat", "autoexec.bat", "Autoexec.bat"},
        CleaningCase{"MyNotes.txt", "MyNotes.txt", "MyNotes.txt"},
        CleaningCase{"123", "123", "123"},
        CleaningCase{QStringLiteral("  DATA  ") + QChar(0) + "left over", "DATA", "Data"},
        CleaningCase{"", "", ""},
        CleaningCase{QString(QChar(0)) + "NAME", "", ""},
        CleaningCase{"     ", "", ""},
        CleaningCase{"MY  FILE", "MY  FILE", "My  file"},
        // Only the space is trimmed; a tab is part of the name.
        CleaningCase{"\tTAB ", "\tTAB", "\ttab"},
        CleaningCase{QStringLiteral("ÉCOLE"), QStringLiteral("ÉCOLE"), QStringLiteral("École")},
        CleaningCase{QStringLiteral("überschrift"), QStringLiteral("überschrift"),
                     QStringLiteral("Überschrift")},
        // Case is mapped character for character: the name keeps its length.
        CleaningCase{QStringLiteral("ßtraße"), QStringLiteral("ßtraße"), QStringLiteral("ßtraße")},
        CleaningCase{"2026 REPORT", "2026 REPORT", "2026 report"}));

TEST(NiceCase, Should_CutSingleCaseNamesAt256Characters)
{
    const QString capitals(300, u'A');
    const QString nice = NiceCase(capitals);
    EXPECT_EQ(nice, u'A' + QString(255, u'a'));
}

TEST(NiceCase, Should_KeepMixedCaseNamesWhole_When_LongerThan256Characters)
{
    const QString mixed = u'A' + QString(299, u'b');
    EXPECT_EQ(NiceCase(mixed), mixed);
}

TEST(NiceCase, Should_NotSplitASurrogatePair_When_Cutting)
{
    // U+10400 DESERET CAPITAL LONG I, two UTF-16 units, lower case U+10428.
    const QString capital = QString::fromUcs4(U"\U00010400");
    const QString small = QString::fromUcs4(U"\U00010428");
    QString name;
    for (int i = 0; i < 300; ++i)
        name += capital;
    const QString nice = NiceCase(name);
    EXPECT_EQ(nice.size(), 2 * 256);
    EXPECT_EQ(nice.left(2), capital);
    EXPECT_EQ(nice.mid(2, 2), small);
    EXPECT_TRUE(nice.back().isLowSurrogate());
}

TEST(ReplaceControlCharacters, Should_ReplaceEveryControlCharacterAndNothingElse)
{
    EXPECT_EQ(ReplaceControlCharacters(QStringLiteral("a\tb\rc\x1f"
                                                      "d\x7f"
                                                      "e")),
              "a?b?c?d?e");
    EXPECT_EQ(ReplaceControlCharacters(QString(QChar(0)) + "x"), "?x");
    EXPECT_EQ(ReplaceControlCharacters(QStringLiteral("plain ~ é €")),
              QStringLiteral("plain ~ é €"));
}

} // namespace
