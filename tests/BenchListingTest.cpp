#include "listing/ReadDirectory.h"
#include "options/Settings.h"
#include "output/WriteListing.h"
#include "platform/SettingsStore.h"
#include "sort/SortEntries.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tamsoret {
namespace {

#ifndef TAMSORET_BENCH
#error "the benchmark's path is set by bench/CMakeLists.txt"
#endif

// The benchmark must write exactly the listing the program writes: the figures it gives
// are worth nothing otherwise. A small folder from the benchmark's own generator is
// listed by the benchmark and, in this process, by the steps of the program's listing
// run, with the options of the same settings file.
class BenchListing : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folders_ = new QTemporaryDir;
        const QString folder = folders_->filePath(QStringLiteral("Thousand"));
        ASSERT_EQ(QProcess::execute(QStringLiteral(TAMSORET_MAKE_BENCH_FOLDER),
                                    {folder, QStringLiteral("1000"), QStringLiteral("5")}),
                  0);
    }
    static void TearDownTestSuite()
    {
        delete folders_;
        folders_ = nullptr;
    }

    QString Folder() const { return folders_->filePath(QStringLiteral("Thousand")); }

    QString SettingsFile(const QByteArray &values)
    {
        const QString path = work_.filePath(QStringLiteral("options.conf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Settings]\n" + values);
        return path;
    }

    QByteArray ByBenchmark(const QString &settingsFile, const QStringList &scanArguments)
    {
        const QString output = work_.filePath(QStringLiteral("bench-listing.txt"));
        QProcess bench;
        bench.start(QStringLiteral(TAMSORET_BENCH),
                    QStringList{QStringLiteral("--settings"), settingsFile}
                        << scanArguments << QStringList{Folder(), output});
        EXPECT_TRUE(bench.waitForFinished(60000));
        EXPECT_EQ(bench.exitCode(), 0) << bench.readAllStandardError().toStdString();
        const QByteArray report = bench.readAllStandardOutput();
        EXPECT_TRUE(report.contains("entries ")) << report.toStdString();
        return test::ReadAll(output);
    }

    // The listing run's steps as the main window takes them, with the options read from
    // the settings file by the program's own store.
    QByteArray ByProgram(const QString &settingsFile, const QString &filter,
                         const ScanSwitches &switches)
    {
        QTemporaryDir store;
        QDir(store.path()).mkpath(QStringLiteral("Tamsoret"));
        EXPECT_TRUE(
            QFile::copy(settingsFile, store.filePath(QStringLiteral("Tamsoret/") + SettingsAppName +
                                                     QStringLiteral(".conf"))));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
        QtSettingsStore settings;
        ListOptions options;
        ListingFont font;
        EXPECT_TRUE(LoadSettings(settings, options, font).isEmpty());

        test::CurrentFolderGuard inside(Folder());
        const LocaleFormat locale = LocaleFormat::fromLocale();
        const Collation collation;
        ListingData data;
        const qint32 count = ReadDirectory(filter, switches, data, options.OrderBy, locale);
        if (count > 1) SortEntries(count, data, options.OrderAZ, collation);
        return ListingFileBytes(
            ListingInput{data, count, options, locale, ListingSources::system(locale)});
    }

    QTemporaryDir work_;
    static QTemporaryDir *folders_;
};

QTemporaryDir *BenchListing::folders_ = nullptr;

struct OptionsCase
{
    const char *settings;
    const char *filter;
    bool listFolders;
    bool listHidden;
};

TEST_F(BenchListing, WritesTheListingTheProgramWrites)
{
    const OptionsCase cases[] = {
        {"", "*.*", true, true}, // every default
        {"Show=11111\nOrderBy=3\nOrderAZ=False\n", "*.*", true, true},
        {"Show=10101\nOrderBy=4\nOrderAZ=True\n", "*.t*", true, false},
        {"Show=01110\nOrderBy=2\nOrderAZ=False\n", "[a-m]*", false, true},
        {"Show=11111\nOrderBy=1\nOrderAZ=True\n", "*.", false, false},
    };
    for (const OptionsCase &c : cases) {
        const QString settingsFile = SettingsFile(c.settings);
        QStringList scanArguments{QStringLiteral("--filter"), QString::fromLatin1(c.filter)};
        if (!c.listFolders) scanArguments << QStringLiteral("--no-folders");
        if (!c.listHidden) scanArguments << QStringLiteral("--no-hidden");
        const ScanSwitches switches{c.listFolders, c.listHidden};

        // The heading shows the minute and the last line the free space: a run that
        // crosses a minute, or meets another writer on the disk, is tried again.
        QByteArray fromBench, fromProgram;
        for (int attempt = 0; attempt < 3; ++attempt) {
            fromBench = ByBenchmark(settingsFile, scanArguments);
            fromProgram = ByProgram(settingsFile, QString::fromLatin1(c.filter), switches);
            if (fromBench == fromProgram) break;
        }
        EXPECT_EQ(fromBench.toStdString(), fromProgram.toStdString()) << c.settings << c.filter;
        EXPECT_GT(fromBench.count("\r\n"), 10) << c.filter;
    }
}

TEST_F(BenchListing, ListsEveryEntryOfTheGeneratedFolder)
{
    const QByteArray listing = ByBenchmark(SettingsFile(""), {});
    // 1000 entries and "..", with the ten lines around them.
    EXPECT_EQ(listing.count("\r\n"), 1001 + 10);
    EXPECT_TRUE(listing.contains("               1001 file(s), "));
    EXPECT_TRUE(listing.contains("<DIR>"));
    EXPECT_TRUE(listing.contains(" Gb  "));
    EXPECT_TRUE(listing.contains(" Mb  "));
    EXPECT_TRUE(listing.contains(" kb  "));
    EXPECT_TRUE(listing.contains(" b   "));
}

} // namespace
} // namespace tamsoret
