#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

ParsedCommandLine Parse(const QStringList &arguments)
{
    return ParseCommandLine(QStringList{"tamsoret"} + arguments);
}

TEST(CommandLine, Should_TakeTheFolderAndTheModes)
{
    EXPECT_EQ(Parse({"/home/ann/My", "Letters"}).line.folder, "/home/ann/My Letters");
    EXPECT_EQ(Parse({}).line.folder, "");
    EXPECT_EQ(Parse({"Documents"}).line.mode, StartMode::Window);
    EXPECT_EQ(Parse({"--", "--help"}).line.folder, "--help");
    EXPECT_EQ(Parse({"--", "--help"}).line.mode, StartMode::Window);
    EXPECT_EQ(Parse({"x", "--help", "--order=bad"}).line.mode, StartMode::Help);
    EXPECT_EQ(Parse({"--version"}).line.mode, StartMode::Version);

    const CommandLine text = Parse({".", "-o", "-", "-f", "*.txt", "--no-hidden"}).line;
    EXPECT_EQ(text.mode, StartMode::OutputFile);
    EXPECT_EQ(text.outputFileName, "-");
    EXPECT_EQ(text.filter, "*.txt");
    EXPECT_EQ(text.switches().listFolders, true);
    EXPECT_EQ(text.switches().listHidden, false);

    const CommandLine queue = Parse({"--printer=office", "."}).line;
    EXPECT_EQ(queue.mode, StartMode::Print);
    EXPECT_EQ(queue.printerQueue, "office");
}

TEST(CommandLine, Should_ChangeOnlyWhatIsGiven_When_Applied)
{
    const ParsedCommandLine parsed =
        Parse({"-p", ".", "--order=dos-name", "--descending", "--columns=size,name",
               "--margins=5,-7.5,1e3", "--font=Liberation Mono,12.5"});
    ASSERT_EQ(parsed.error, "");
    ListOptions options;
    options.ShowDOS = false;
    ListingFont font;
    parsed.line.applyTo(options, font);
    EXPECT_EQ(options.OrderBy, OrderByDOS);
    EXPECT_FALSE(options.OrderAZ);
    EXPECT_EQ((std::vector<bool>{options.ShowName, options.ShowDOS, options.ShowSize,
                                 options.ShowTime, options.ShowAttr}),
              (std::vector<bool>{true, false, true, false, false}));
    // Read like the options window's fields: rounded halves to even.
    EXPECT_EQ(options.MarginLeft, 5);
    EXPECT_EQ(options.MarginTop, -8);
    EXPECT_EQ(options.MarginBottom, 1000);
    EXPECT_EQ(font.name, "Liberation Mono");
    EXPECT_EQ(font.size, 12.5f);

    ListOptions untouched;
    ListingFont same;
    Parse({"-o", "x.txt", "."}).line.applyTo(untouched, same);
    EXPECT_EQ(untouched.OrderBy, ListOptions().OrderBy);
    EXPECT_EQ(untouched.MarginTop, ListOptions().MarginTop);
    EXPECT_EQ(same.name, ListingFont().name);
}

TEST(CommandLine, Should_RefuseABadArgumentWithItsReason)
{
    const struct {
        QStringList arguments;
        const char *reason;
    } cases[] = {
        {{"--colour", "."}, "Unknown option 'colour'."},
        {{"-o"}, "Missing value after '-o'."},
        {{"-o", "", "."}, "The output file name is empty."},
        {{"-o", "x.txt", "-p", "."}, "either --output or --print"},
        {{"--printer=", "."}, "printer queue name is empty"},
        {{"-o", "x", "--order=colour", "."}, "Unknown order \"colour\""},
        {{"-o", "x", "--columns=name,owner", "."}, "Unknown column \"owner\""},
        {{"-o", "x", "--margins=1,2", "."}, "not three numbers"},
        {{"-o", "x", "--margins=1,40000,2", "."},
         "The top margin \"40000\" must lie between -32768 and 32767 mm."},
        {{"-o", "x", "--font=Mono,big", "."}, "font size \"big\""},
        {{"-o", "x", "--font=,9", "."}, "names no family"},
        {{"-o", "x", "--ascending", "--descending", "."}, "either --ascending or --descending"},
        {{"-f", "[z-a]", "."}, "[z-a]"},
        {{"--order=size", "."}, "--order applies only with --output or --print"},
        {{"--font=Mono", "."}, "--font applies only"},
    };
    for (const auto &c : cases) {
        const QString error = Parse(c.arguments).error;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason)))
            << c.arguments.join(u' ').toStdString() << " gave: " << error.toStdString();
    }
}

} // namespace
