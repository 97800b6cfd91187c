#include "listing/EntryFields.h"

#include "options/ListOptions.h"
#include "platform/Failure.h"

#include <QDateTime>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <limits>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tamsoret;

namespace {

const LocaleFormat English = LocaleFormat::fromLocale(QLocale::c());
const LocaleFormat German = LocaleFormat::fromLocale(QLocale("de_DE"));

qint64 Utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc())
        .toSecsSinceEpoch();
}

FindRecord Record(const QString &name, qint64 size = 0, quint32 attributes = 0,
                  const QString &alternate = {})
{
    FindRecord r;
    r.name = name;
    r.rawName = name.toUtf8();
    r.alternateName = alternate;
    r.attributes = attributes;
    r.size = size;
    r.lastWriteTime = Utc(1998, 12, 6, 13, 5);
    return r;
}

DirEntry Added(const FindRecord &record, qint16 orderBy = OrderByName,
               const LocaleFormat &locale = English)
{
    ListingData data;
    AddEntry(record, 0, data, orderBy, locale);
    return data.Entries.at(0);
}

struct SizeCase {
    qint64 bytes;
    const char *english;
    const char *german;
};

class FormatSizeTable : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(FormatSizeTable, Should_GroupTheNumberAndAppendTheUnit)
{
    const SizeCase &c = GetParam();
    EXPECT_EQ(FormatSize(c.bytes, English), QString::fromUtf8(c.english)) << c.bytes;
    EXPECT_EQ(FormatSize(c.bytes, German), QString::fromUtf8(c.german)) << c.bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FormatSizeTable,
    ::testing::Values(SizeCase{0, "0 b ", "0 b "}, SizeCase{999, "999 b ", "999 b "},
                      SizeCase{1000, "1,000 b ", "1.000 b "},
                      SizeCase{9999, "9,999 b ", "9.999 b "}, SizeCase{10000, "9 kb", "9 kb"},
                      SizeCase{123456, "120 kb", "120 kb"},
                      SizeCase{10239999, "9,999 kb", "9.999 kb"},
                      SizeCase{10240000, "9 Mb", "9 Mb"},
                      SizeCase{2147483647, "2,047 Mb", "2.047 Mb"},
                      SizeCase{3LL << 30, "3,072 Mb", "3.072 Mb"},
                      SizeCase{20LL << 30, "20 Gb", "20 Gb"},
                      // The last unit takes whatever is left, so it may exceed 9,999.
                      SizeCase{12345LL << 30, "12,345 Gb", "12.345 Gb"},
                      SizeCase{std::numeric_limits<qint64>::max(), "8,589,934,591 Gb",
                               "8.589.934.591 Gb"}));

TEST(AttrLetters, Should_ShowEachFlagInItsPlace)
{
    EXPECT_EQ(AttrLetters(0), "     ");
    EXPECT_EQ(AttrLetters(Attr::Folder), "d    ");
    EXPECT_EQ(AttrLetters(Attr::Archive | Attr::ReadOnly), " ar  ");
    EXPECT_EQ(AttrLetters(Attr::Hidden | Attr::System), "   sh");
    EXPECT_EQ(AttrLetters(0xFFFFFFFFu), "darsh");
    EXPECT_EQ(AttrLetters(0x80 | 0x100), "     ");
}

TEST(FileTimeToDate, Should_UseTheOffsetInForceAtEachDate)
{
    // Amsterdam is one hour ahead of UTC in winter and two in summer.
    LocalDateTime winter, summer;
    ASSERT_TRUE(FileTimeToDate(Utc(2026, 1, 15, 12, 0), winter));
    ASSERT_TRUE(FileTimeToDate(Utc(2026, 7, 1, 12, 0), summer));
    EXPECT_EQ(winter.hour, 13);
    EXPECT_EQ(summer.hour, 14);
    EXPECT_EQ(summer.dayOfWeek, 3); // a Wednesday
}

TEST(FileTimeToDate, Should_Fail_When_TheYearHasNoFourDigitForm)
{
    LocalDateTime out;
    EXPECT_FALSE(FileTimeToDate(std::numeric_limits<qint64>::max(), out));
    EXPECT_FALSE(FileTimeToDate(Utc(9999, 12, 31, 23, 0) + 7200, out)); // year 10000 locally
    EXPECT_TRUE(FileTimeToDate(Utc(1601, 1, 1, 0, 0), out));
    EXPECT_EQ(out.year, 1601);
}

TEST(DateText, Should_UseTheLocaleSeparators)
{
    LocalDateTime t;
    t.year = 1998;
    t.month = 12;
    t.day = 6;
    t.hour = 14;
    t.minute = 5;
    t.second = 59;
    EXPECT_EQ(DateText(t, English), "06/12/98 14:05");
    EXPECT_EQ(DateText(t, German), "06.12.98 14:05");
    t.year = 2001;
    t.month = 1;
    t.day = 2;
    t.hour = 0;
    t.minute = 0;
    EXPECT_EQ(DateText(t, English), "02/01/01 00:00");
}

TEST(AddEntry, Should_BuildNameAndDosName_When_ThereIsNoShortName)
{
    const DirEntry e = Added(Record("README.TXT", 5000));
    EXPECT_EQ(e.Name, "Readme.txt");
    EXPECT_EQ(e.DosName, "readme.txt");
    EXPECT_EQ(e.SizeText, "5,000 b ");
    EXPECT_EQ(e.AttrText, "     ");
    EXPECT_EQ(e.SortKey, "breadme.txt");
}

TEST(AddEntry, Should_KeepMixedCaseAndLowerTheShortName)
{
    const DirEntry e = Added(Record("MyNotes.text", 1, 0, "MYNOTE~1.TEX"), OrderByDOS);
    EXPECT_EQ(e.Name, "MyNotes.text");
    EXPECT_EQ(e.DosName, "mynote~1.tex");
    EXPECT_EQ(e.SortKey, "bmynote~1.tex");
}

TEST(AddEntry, Should_DescribeAFolder)
{
    const FindRecord folder = Record("Program Files", 0, Attr::Folder, "PROGRA~1");
    const DirEntry byName = Added(folder, OrderByName);
    EXPECT_EQ(byName.DosName, "progra~1");
    EXPECT_EQ(byName.SizeText, "<DIR>    ");
    EXPECT_EQ(byName.AttrText, "d    ");
    EXPECT_EQ(byName.SortKey, "aprogram files");
    EXPECT_EQ(Added(folder, OrderByDOS).SortKey, "aprogra~1");
    EXPECT_EQ(Added(folder, OrderBySize).SortKey, " ");
}

TEST(AddEntry, Should_TrimTheNameBeforeUsingIt)
{
    const DirEntry e = Added(Record(QStringLiteral("  NOTES  ") + QChar(0) + "junk"));
    EXPECT_EQ(e.Name, "Notes");
    EXPECT_EQ(e.DosName, "notes");
    EXPECT_EQ(e.SortKey, "bnotes");
}

TEST(AddEntry, Should_PadSizeKeysTo15Digits_And_KeepWiderOnesWhole)
{
    EXPECT_EQ(Added(Record("a", 5000), OrderBySize).SortKey, "000000000005000");
    EXPECT_EQ(Added(Record("a", 0), OrderBySize).SortKey, "000000000000000");
    EXPECT_EQ(Added(Record("a", 20LL << 30), OrderBySize).SortKey, "000021474836480");
    EXPECT_EQ(Added(Record("a", 1234567890123456LL), OrderBySize).SortKey, "1234567890123456");
    EXPECT_LT(QString(" "), Added(Record("a", 0), OrderBySize).SortKey);
}

TEST(AddEntry, Should_ShowTheLocalTime_And_DropSeconds)
{
    FindRecord r = Record("late");
    r.lastWriteTime = Utc(2026, 12, 31, 22, 59, 59); // 23:59:59 in Amsterdam
    const DirEntry e = Added(r, OrderByTime);
    EXPECT_EQ(e.DateText, "31/12/26 23:59");
    EXPECT_EQ(e.SortKey, "202612312359");

    r.lastWriteTime = Utc(2026, 7, 1, 12, 0);
    const DirEntry summer = Added(r, OrderByTime, German);
    EXPECT_EQ(summer.DateText, "01.07.26 14:00");
    EXPECT_EQ(summer.SortKey, "202607011400");
}

TEST(AddEntry, Should_ShowQuestionMarks_When_TheTimeCannotBeConverted)
{
    FindRecord r = Record("odd");
    r.lastWriteTime = std::numeric_limits<qint64>::max();
    const DirEntry e = Added(r, OrderByTime);
    EXPECT_EQ(e.DateText, "\?\?/\?\?/?? ??:??");
    EXPECT_EQ(e.SortKey, "000000000000");
    EXPECT_EQ(Added(r, OrderByTime, German).DateText, "\?\?.\?\?.?? ??:??");
}

TEST(AddEntry, Should_LeaveTheKeyEmpty_When_TheOrderIsUnknown)
{
    EXPECT_EQ(Added(Record("a", 5), 0).SortKey, "");
    EXPECT_EQ(Added(Record("a", 5), 7).SortKey, "");
}

TEST(AddEntry, Should_GrowBothTablesByOne_And_TotalSizesIn64Bits)
{
    ListingData data;
    AddEntry(Record("a", 3LL << 30), 0, data, OrderByName, English);
    AddEntry(Record("b", 0, Attr::Folder), 1, data, OrderByName, English);
    AddEntry(Record("c", 20LL << 30), 2, data, OrderByName, English);
    ASSERT_EQ(data.Entries.size(), 3u);
    EXPECT_EQ(data.EntryOrder, (std::vector<qint32>{0, 1, 2}));
    EXPECT_EQ(data.TotalBytes, 23LL << 30);
    EXPECT_EQ(data.Entries[1].Name, "B");
    EXPECT_EQ(data.Entries[2].SizeText, "20 Gb");
}

TEST(AddEntry, Should_ReportTooManyFiles_When_TheCountIsFull)
{
    ListingData data;
    EXPECT_THROW(AddEntry(Record("a"), std::numeric_limits<qint32>::max(), data, OrderByName,
                          English),
                 TooManyFiles);
    EXPECT_TRUE(data.Entries.empty());
}

#if defined(__SANITIZE_ADDRESS__)
#define TAMSORET_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMSORET_ASAN 1
#endif
#endif

TEST(AddEntry, Should_ReportTooManyFiles_When_MemoryRunsOut)
{
#ifdef TAMSORET_ASAN
    GTEST_SKIP() << "the address sanitizer ends the process on a failed allocation";
#else
    // In a child limited to 1 GiB of address space, so that the refusal is certain and
    // nothing is ever touched.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{1LL << 30, 1LL << 30};
        setrlimit(RLIMIT_AS, &limit);
        ListingData data;
        try {
            AddEntry(Record("a"), 100'000'000, data, OrderByName, English);
        } catch (const TooManyFiles &) {
            _exit(data.Entries.empty() ? 42 : 2);
        } catch (...) {
            _exit(3);
        }
        _exit(4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 42);
#endif
}

} // namespace
