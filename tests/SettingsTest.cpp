#include "options/Settings.h"
#include "platform/Failure.h"
#include "tests/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace tamsoret {
namespace {

using test::EnvGuard;

// A store that records every call, for the order of the values.
class RecordingStore : public SettingsStore
{
public:
    QStringList reads;
    QStringList writes;
    QString GetSetting(const QString &, const QString &, const QString &key,
                       const QString &defaultText) override
    {
        reads << key;
        return defaultText;
    }
    void SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &text) override
    {
        writes << appName + u'/' + section + u'/' + key + u'=' + text;
    }
};

// The real store in a temporary configuration folder.
class SettingsFile : public ::testing::Test
{
protected:
    SettingsFile() : xdg_("XDG_CONFIG_HOME", QFile::encodeName(dir_.path())) { UseNewFolder(); }

    // QSettings looks the configuration folder up once per process, and it keeps the
    // files it read, trusting their size and time: every stored text gets a fresh folder.
    void UseNewFolder()
    {
        const QString folder = dir_.path() + u'/' + QString::number(++folders_);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        path_ = folder + QStringLiteral("/Tamsoret/Tamsoret 2.0.conf");
    }

    void Store(const QByteArray &settingsLines)
    {
        UseNewFolder();
        QDir().mkpath(QFileInfo(path_).path());
        QFile f(path_);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Settings]\n" + settingsLines);
    }

    QStringList Load()
    {
        QtSettingsStore store;
        return LoadSettings(store, options_, font_);
    }

    QTemporaryDir dir_;
    EnvGuard xdg_;
    int folders_ = 0;
    QString path_;
    ListOptions options_;
    ListingFont font_;
};

TEST_F(SettingsFile, AnEmptyStoreGivesTheDefaultsAndStaysEmpty)
{
    font_.name = QStringLiteral("before");
    options_ = ListOptions{false, false, false, false, false, 9, false, 1, 2, 3};
    EXPECT_TRUE(Load().isEmpty());
    EXPECT_EQ(font_.name, QStringLiteral("Courier New"));
    EXPECT_EQ(font_.size, 10.0f);
    EXPECT_TRUE(options_.ShowName && options_.ShowDOS && options_.ShowSize && options_.ShowTime &&
                options_.ShowAttr);
    EXPECT_EQ(options_.OrderBy, OrderByName);
    EXPECT_TRUE(options_.OrderAZ);
    EXPECT_EQ(options_.MarginLeft, 20);
    EXPECT_EQ(options_.MarginTop, 25);
    EXPECT_EQ(options_.MarginBottom, 30);
    EXPECT_FALSE(QFile::exists(path_));
}

struct StoredCase
{
    const char *line;
    std::function<void(const ListOptions &, const ListingFont &)> check;
};

TEST_F(SettingsFile, ConvertsStoredTexts)
{
    using O = const ListOptions &;
    using F = const ListingFont &;
    const StoredCase cases[] = {
        {"Show=10100",
         [](O o, F) {
             EXPECT_EQ(
                 std::vector<bool>({o.ShowName, o.ShowDOS, o.ShowSize, o.ShowTime, o.ShowAttr}),
                 std::vector<bool>({1, 0, 1, 0, 0}));
         }},
        {"Show=00001",
         [](O o, F) {
             EXPECT_EQ(
                 std::vector<bool>({o.ShowName, o.ShowDOS, o.ShowSize, o.ShowTime, o.ShowAttr}),
                 std::vector<bool>({0, 0, 0, 0, 1}));
         }},
        {"Show=11111x",
         [](O o, F) {
             EXPECT_TRUE(o.ShowName && o.ShowDOS && o.ShowSize && o.ShowTime && o.ShowAttr);
         }},
        {"Show=20109",
         [](O o, F) {
             EXPECT_EQ(
                 std::vector<bool>({o.ShowName, o.ShowDOS, o.ShowSize, o.ShowTime, o.ShowAttr}),
                 std::vector<bool>({1, 0, 1, 0, 1}));
         }},
        {"OrderBy=2.5", [](O o, F) { EXPECT_EQ(o.OrderBy, 2); }},
        {"OrderBy=3.5", [](O o, F) { EXPECT_EQ(o.OrderBy, 4); }},
        {"OrderBy=7", [](O o, F) { EXPECT_EQ(o.OrderBy, 7); }},
        {"OrderBy=x", [](O o, F) { EXPECT_EQ(o.OrderBy, 0); }},
        {"OrderBy=-32768", [](O o, F) { EXPECT_EQ(o.OrderBy, -32768); }},
        {"OrderAZ=false", [](O o, F) { EXPECT_FALSE(o.OrderAZ); }},
        {"OrderAZ=FALSE", [](O o, F) { EXPECT_FALSE(o.OrderAZ); }},
        {"OrderAZ=0", [](O o, F) { EXPECT_FALSE(o.OrderAZ); }},
        {"OrderAZ=-1", [](O o, F) { EXPECT_TRUE(o.OrderAZ); }},
        {"OrderAZ=tRUE", [](O o, F) { EXPECT_TRUE(o.OrderAZ); }},
        {"OrderAZ=0.5", [](O o, F) { EXPECT_TRUE(o.OrderAZ); }},
        {"MarginTop=15 mm", [](O o, F) { EXPECT_EQ(o.MarginTop, 15); }},
        {"MarginLeft=x", [](O o, F) { EXPECT_EQ(o.MarginLeft, 0); }},
        {"MarginBottom=-5", [](O o, F) { EXPECT_EQ(o.MarginBottom, -5); }},
        {"MarginBottom=32767", [](O o, F) { EXPECT_EQ(o.MarginBottom, 32767); }},
        {"FontSize=10,5", [](O, F f) { EXPECT_EQ(f.size, 10.0f); }},
        {"FontSize=10.5", [](O, F f) { EXPECT_EQ(f.size, 10.5f); }},
        {"FontSize=big", [](O, F f) { EXPECT_EQ(f.size, 0.0f); }},
        {"FontName=Liberation Mono",
         [](O, F f) { EXPECT_EQ(f.name, QStringLiteral("Liberation Mono")); }},
    };
    for (const StoredCase &c : cases) {
        SCOPED_TRACE(c.line);
        Store(QByteArray(c.line) + '\n');
        options_ = {};
        font_ = {};
        EXPECT_TRUE(Load().isEmpty());
        c.check(options_, font_);
    }
}

struct BadCase
{
    const char *name;
    const char *stored;
    const char *defaultText;
};

TEST_F(SettingsFile, AValueThatCannotBeReadKeepsItsDefaultAndIsNamed)
{
    const BadCase cases[] = {
        {"Show", "1x1", "11111"},     {"Show", "1111", "11111"},     {"Show", "0000x", "11111"},
        {"Show", " 0000", "11111"},   {"Show", "-0000", "11111"},    {"OrderAZ", "yes", "True"},
        {"OrderAZ", "", "True"},      {"OrderAZ", "Truth", "True"},  {"OrderBy", "32767.5", "1"},
        {"OrderBy", "40000", "1"},    {"OrderBy", "1e999", "1"},     {"MarginLeft", "-32769", "20"},
        {"MarginTop", "99999", "25"}, {"MarginBottom", "1e6", "30"}, {"FontSize", "1e39", "10"},
    };
    for (const BadCase &c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.stored);
        // Neighbours of the bad value still load; the bad line comes last and wins over
        // the neighbour of the same name.
        const QByteArray lines =
            QByteArray("FontName=Arial\nMarginLeft=11\nOrderBy=4\nShow=00111\nMarginBottom=33\n") +
            c.name + "=\"" + c.stored + "\"\n";
        Store(lines);
        const QByteArray before = test::ReadAll(path_);
        options_ = {};
        const QStringList messages = Load();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].toStdString(),
                  QStringLiteral(
                      "The stored option %1 (\"%2\") cannot be read; its default \"%3\" is used.")
                      .arg(QString::fromLatin1(c.name), QString::fromLatin1(c.stored),
                           QString::fromLatin1(c.defaultText))
                      .toStdString());
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(font_.name, QStringLiteral("Arial"));
        EXPECT_EQ(options_.MarginLeft, name == u"MarginLeft" ? 20 : 11);
        EXPECT_EQ(options_.OrderBy, name == u"OrderBy" ? 1 : 4);
        EXPECT_EQ(options_.ShowName, name == u"Show");
        EXPECT_TRUE(options_.ShowAttr);
        EXPECT_EQ(options_.MarginBottom, name == u"MarginBottom" ? 30 : 33);
        EXPECT_EQ(options_.MarginTop, name == u"MarginTop" ? 25 : 25);
        EXPECT_TRUE(options_.OrderAZ);
        EXPECT_EQ(font_.size, 10.0f);
        EXPECT_EQ(test::ReadAll(path_), before);
    }
}

TEST_F(SettingsFile, EveryValueThatCannotBeReadGetsItsOwnMessageInReadingOrder)
{
    Store("MarginTop=70000\nShow=abcde\nOrderAZ=maybe\n");
    const QStringList messages = Load();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[0].contains(u"option Show (\"abcde\")"));
    EXPECT_TRUE(messages[1].contains(u"option OrderAZ (\"maybe\")"));
    EXPECT_TRUE(messages[2].contains(u"option MarginTop (\"70000\")"));
}

TEST_F(SettingsFile, SavesTheTextFormsAndReadsThemBack)
{
    ListOptions saved;
    saved.ShowDOS = false;
    saved.ShowTime = false;
    saved.OrderBy = OrderBySize;
    saved.OrderAZ = false;
    saved.MarginLeft = 10;
    saved.MarginTop = 20;
    saved.MarginBottom = 30;
    const ListingFont savedFont{QStringLiteral("Liberation Mono, Bold"), 10.5f};
    QtSettingsStore store;
    SaveSettings(store, saved, savedFont);

    const QStringList lines =
        QString::fromUtf8(test::ReadAll(path_)).split(u'\n', Qt::SkipEmptyParts);
    for (const char *expected :
         {"[Settings]", "Show=10101", "OrderBy=3", "OrderAZ=False", "MarginLeft=10", "MarginTop=20",
          "MarginBottom=30", "FontSize=10.5", "FontName=\"Liberation Mono, Bold\""})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(expected)))
            << expected << "\n"
            << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.size(), 9);

    EXPECT_TRUE(Load().isEmpty());
    EXPECT_EQ(font_.name, savedFont.name);
    EXPECT_EQ(font_.size, 10.5f);
    EXPECT_EQ(std::vector<bool>({options_.ShowName, options_.ShowDOS, options_.ShowSize,
                                 options_.ShowTime, options_.ShowAttr}),
              std::vector<bool>({1, 0, 1, 0, 1}));
    EXPECT_EQ(options_.OrderBy, OrderBySize);
    EXPECT_FALSE(options_.OrderAZ);
    EXPECT_EQ(options_.MarginLeft, 10);
    EXPECT_EQ(options_.MarginTop, 20);
    EXPECT_EQ(options_.MarginBottom, 30);
}

TEST(Settings, ReadsAndWritesTheEightValuesInTheirOrder)
{
    RecordingStore store;
    ListOptions options;
    ListingFont font;
    EXPECT_TRUE(LoadSettings(store, options, font).isEmpty());
    EXPECT_EQ(store.reads, QStringList({"FontName", "FontSize", "Show", "OrderBy", "OrderAZ",
                                        "MarginLeft", "MarginTop", "MarginBottom"}));
    EXPECT_TRUE(store.writes.isEmpty());

    options.ShowSize = false;
    options.OrderBy = 7;
    options.MarginTop = -12;
    font = {QStringLiteral("Courier New"), 12.0f};
    SaveSettings(store, options, font);
    EXPECT_EQ(
        store.writes,
        QStringList({"Tamsoret 2.0/Settings/FontName=Courier New",
                     "Tamsoret 2.0/Settings/FontSize=12", "Tamsoret 2.0/Settings/Show=11011",
                     "Tamsoret 2.0/Settings/OrderBy=7", "Tamsoret 2.0/Settings/OrderAZ=True",
                     "Tamsoret 2.0/Settings/MarginLeft=20", "Tamsoret 2.0/Settings/MarginTop=-12",
                     "Tamsoret 2.0/Settings/MarginBottom=30"}));
}

// The parts below run in a child process of this same program: one where QSettings
// has not yet chosen its folder, and one as an unprivileged user.
const char ChildFolderVariable[] = "TAMSORET_SETTINGS_CHILD_FOLDER";

TEST(SettingsChild, DISABLED_SavesIntoTheFolderOfTheEnvironment)
{
    QtSettingsStore store;
    SaveSettings(store, ListOptions{}, ListingFont{});
}

TEST(SettingsChild, DISABLED_SavingFailsWithAMessageNamingTheFile)
{
    QtSettingsStore store;
    ListOptions options;
    ListingFont font;
    EXPECT_TRUE(LoadSettings(store, options, font).isEmpty());
    const QString folder = qEnvironmentVariable(ChildFolderVariable);
    try {
        SaveSettings(store, options, font);
        ADD_FAILURE() << "SaveSettings did not fail";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.whatFailed(), QStringLiteral("Cannot save the options"));
        EXPECT_EQ(failure.on(), folder + QStringLiteral("/Tamsoret/Tamsoret 2.0.conf"));
        EXPECT_FALSE(failure.reason().isEmpty());
        std::printf("reported: %s\n", failure.what());
    }
}

// Runs one child test, as the tester or as someone whom permission bits stop; the exit status
// of the child, or 1 when its test did not run to its end.
int RunChild(const char *test, const QString &xdgFolder, bool unprivileged)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), xdgFolder);
    env.insert(QStringLiteral("HOME"), xdgFolder);
    env.insert(QString::fromLatin1(ChildFolderVariable), xdgFolder);
    const QByteArray name = QByteArray("SettingsChild.DISABLED_") + test;
    if (unprivileged) {
        const test::ChildRun child = test::RunChildTestUnprivileged(name.constData(), env, 60000);
        return child.passed() ? 0 : 1;
    }
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=") + QString::fromLatin1(name)});
    if (!child.waitForFinished(60000)) return -1;
    const QByteArray output = child.readAll();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        !output.contains("[  PASSED  ] 1 test"))
        std::printf("%s\n", output.constData());
    return child.exitStatus() == QProcess::NormalExit && output.contains("[  PASSED  ] 1 test")
               ? child.exitCode()
               : 1;
}

TEST(SettingsStore, LivesInTamsoretUnderTheConfigurationFolder)
{
    QTemporaryDir dir;
    ASSERT_EQ(RunChild("SavesIntoTheFolderOfTheEnvironment", dir.path(), false), 0);
    const QString file = dir.path() + QStringLiteral("/Tamsoret/Tamsoret 2.0.conf");
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_TRUE(test::ReadAll(file).contains("Show=11111"));
}

TEST(SettingsStore, SavingIntoAFolderTheUserCannotWriteFails)
{
    QTemporaryDir dir;
    // A configuration folder the user may enter but not change, holding no store yet.
    test::ModeGuard closed(dir.path(), 0555);
    EXPECT_EQ(RunChild("SavingFailsWithAMessageNamingTheFile", dir.path(), true), 0);
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/Tamsoret")));
}

TEST(SettingsStore, SavingOverAStoreTheUserCannotWriteFailsAndKeepsIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/Tamsoret")));
    const QString file = dir.path() + QStringLiteral("/Tamsoret/Tamsoret 2.0.conf");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Settings]\nShow=11111\n");
    }
    // Neither the store nor its folder may be changed (a new file renamed over it would do).
    test::ModeGuard top(dir.path(), 0555);
    test::ModeGuard folder(dir.path() + QStringLiteral("/Tamsoret"), 0555);
    test::ModeGuard store(file, 0444);
    EXPECT_EQ(RunChild("SavingFailsWithAMessageNamingTheFile", dir.path(), true), 0);
    EXPECT_EQ(test::ReadAll(file), QByteArray("[Settings]\nShow=11111\n"));
}

} // namespace
} // namespace tamsoret
