#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

CommandLine Parse(const QStringList &arguments)
{
    const ParsedCommandLine parsed = ParseCommandLine(QStringList{"tamsoret"} + arguments);
    EXPECT_EQ(parsed.error, "") << arguments.join(u' ').toStdString();
    return parsed.line;
}

TEST(CommandLine, Should_TakeTheFolderAndTheMode)
{
    EXPECT_EQ(Parse({"/home/ann/My", "Letters"}).folder, "/home/ann/My Letters");
    EXPECT_EQ(Parse({"--", "--help"}).mode, StartMode::Window);
    EXPECT_EQ(Parse({"x", "--help", "--order=bad"}).mode, StartMode::Help);
    const CommandLine text = Parse({".", "-o", "-", "--no-hidden"});
    EXPECT_EQ(text.mode, StartMode::OutputFile);
    EXPECT_EQ(text.outputFileName, "-");
    EXPECT_TRUE(text.switches().listFolders);
    EXPECT_FALSE(text.switches().listHidden);
    const CommandLine queue = Parse({"--printer=office", "."});
    EXPECT_EQ(queue.mode, StartMode::Print);
    EXPECT_EQ(queue.printerQueue, "office");
}

TEST(CommandLine, Should_TakeTheFormatFromFormatElseFromTheExtension)
{
    const struct {
        QStringList arguments;
        ListingFormat format;
    } rows[] = {
        {{"-o", "x.CSV"}, ListingFormat::Csv},        {{"-o", "x.Json"}, ListingFormat::Json},
        {{"-o", "x.csv.txt"}, ListingFormat::Text},   {{"-o", "x.lst"}, ListingFormat::Text},
        {{"-o", "a.PDF"}, ListingFormat::Pdf},        {{"-o", "-"}, ListingFormat::Text},
        {{"-o", "-", "--format=csv"}, ListingFormat::Csv},
        {{"-o", "x.json", "--format=text"}, ListingFormat::Text},
        {{"-o", "x.txt", "--format=pdf"}, ListingFormat::Pdf},
    };
    for (const auto &row : rows)
        EXPECT_EQ(Parse(row.arguments + QStringList{"."}).outputFormat(), row.format)
            << row.arguments.join(u' ').toStdString();
}

TEST(CommandLine, Should_ChangeOnlyWhatIsGiven_When_Applied)
{
    ListOptions options;
    options.ShowDOS = false;
    ListingFont font;
    Parse({"-p", ".", "--order=dos-name", "--descending", "--columns=size,name",
           "--margins=5,-8,+1000", "--font=Liberation Mono,12.5"})
        .applyTo(options, font);
    EXPECT_EQ(options.OrderBy, OrderByDOS);
    EXPECT_FALSE(options.OrderAZ);
    EXPECT_EQ((std::vector<bool>{options.ShowName, options.ShowDOS, options.ShowSize,
                                 options.ShowTime, options.ShowAttr}),
              (std::vector<bool>{true, false, true, false, false}));
    EXPECT_EQ((std::vector<int>{options.MarginLeft, options.MarginTop, options.MarginBottom}),
              (std::vector<int>{5, -8, 1000}));
    EXPECT_EQ(font.name, "Liberation Mono");
    EXPECT_EQ(font.size, 12.5f);

    ListOptions stored;
    stored.MarginTop = 3;
    ListingFont same;
    Parse({"-o", "x.txt", "--font=Mono", "."}).applyTo(stored, same);
    EXPECT_EQ(stored.MarginTop, 3);
    EXPECT_EQ(stored.OrderBy, ListOptions().OrderBy);
    EXPECT_EQ(same.size, ListingFont().size);
}

// Each value that would be taken loosely, as 0, 1 or a blank page, is refused with a reason.
TEST(CommandLine, Should_RefuseLooseValues)
{
    const struct {
        const char *argument;
        const char *reason;
    } cases[] = {
        {"--columns=", "names no column"},
        {"--columns=,,", "names no column"},
        {"--margins=abc,def,ghi", "The left margin \"abc\" is no whole number"},
        {"--margins=1cm,2cm,3cm", "is no whole number"},
        {"--margins=nan,inf,-inf", "is no whole number"},
        {"--margins=0x10,1,1", "is no whole number"},
        {"--margins=1,2.5,3", "The top margin \"2.5\" is no whole number"},
        {"--margins=1,2,99999", "The bottom margin \"99999\" must lie between"},
        {"--font=Liberation Mono,0.01", "from 1 to 999"},
        {"--font=Liberation Mono,1000", "from 1 to 999"},
        {"--font=Liberation Mono,nan", "from 1 to 999"},
        {"--font=NoSuchFamily", "No font of the family \"NoSuchFamily\""},
    };
    for (const auto &c : cases) {
        const ParsedCommandLine parsed =
            ParseCommandLine({"tamsoret", "-o", "x.txt", c.argument, "."});
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(c.reason)))
            << c.argument << " gave: " << parsed.error.toStdString();
    }
    // Reached through fontconfig's aliases, or installed under that name.
    for (const char *font : {"--font=Courier New", "--font=monospace,10", "--font=Liberation Mono,999"})
        EXPECT_EQ(ParseCommandLine({"tamsoret", "-o", "x.txt", font, "."}).error, "") << font;
}

} // namespace
