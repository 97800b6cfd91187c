#include "app/EnterDirectory.h"

#include "platform/FileNameBytes.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace tamsoret;
using namespace tamsoret::test;

namespace {

class EnterDirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        base = QFileInfo(dir.path()).canonicalFilePath();
    }

    void folders(const QString &relative) { ASSERT_TRUE(QDir(base).mkpath(relative)); }

    // Opens path and returns the folder it led to, or a note that it failed.
    QString enter(const QString &path)
    {
        const ListedFolder folder = EnterDirectory(path);
        if (!folder.isValid()) return QStringLiteral("<failed>");
        return folder.path();
    }

    QTemporaryDir dir;
    QString base;
};

TEST_F(EnterDirectoryTest, Should_AcceptTheRootAlone)
{
    EXPECT_EQ(enter("/"), "/");
}

TEST_F(EnterDirectoryTest, Should_EnterEachFolderUnderItsStoredName)
{
    folders("Data/Letters");
    EXPECT_EQ(enter(base + "/Data/Letters"), base + "/Data/Letters");
    EXPECT_EQ(enter(base + "/data/LETTERS"), base + "/Data/Letters");
    // Empty components, from a doubled or a trailing "/", are passed over.
    EXPECT_EQ(enter(base + "//Data///Letters/"), base + "/Data/Letters");
}

TEST_F(EnterDirectoryTest, Should_PreferTheExactName_When_SeveralDifferInCase)
{
    folders("data");
    folders("DATA");
    folders("Data");
    EXPECT_EQ(enter(base + "/DATA"), base + "/DATA");
    EXPECT_EQ(enter(base + "/data"), base + "/data");
    EXPECT_EQ(enter(base + "/Data"), base + "/Data");
    const QString other = enter(base + "/dAtA");
    EXPECT_TRUE(other == base + "/data" || other == base + "/DATA" || other == base + "/Data");
}

struct RefusedCase {
    const char *why;
    QString path;
};

TEST_F(EnterDirectoryTest, Should_Refuse_When_ThePathLeadsToNoFolder)
{
    folders("Data");
    MakeFile(base + "/Data/notes.txt", 10);
    const RefusedCase cases[] = {
        {"empty text", ""},
        {"quoted path", '"' + base + "/Data\""},
        {"leading blank", ' ' + base},
        {"missing component", base + "/Data/Nothing"},
        {"file as component", base + "/Data/notes.txt"},
        {"file in the middle", base + "/Data/notes.txt/more"},
    };
    for (const RefusedCase &c : cases)
        EXPECT_EQ(enter(c.path), "<failed>") << c.why;
}

TEST_F(EnterDirectoryTest, Should_WalkARelativePathFromTheWorkingFolder)
{
    folders("Data/Letters");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(base));
    const QStringList got{enter("."), enter("data/LETTERS/"), enter("Data/.."),
                          enter("Data/Nothing"), enter(" ")};
    QDir::setCurrent(before);
    EXPECT_EQ(got, (QStringList{base, base + "/Data/Letters", base, "<failed>", "<failed>"}));
}

TEST_F(EnterDirectoryTest, Should_TakeAPathLongerThan255CharactersWhole)
{
    const QString level(60, u'L');
    const QString relative = QStringList(5, level).join(u'/');
    folders(relative);
    folders(QStringList(4, level).join(u'/') + "/" + QString(55, u'L'));
    const QString path = base + "/" + relative;
    ASSERT_GT(path.size(), 300);
    EXPECT_EQ(enter(path), path);
    EXPECT_EQ(enter(path.toLower()), path);
}

TEST_F(EnterDirectoryTest, Should_EnterAwkwardlyNamedFolders)
{
    folders(" leading blank");
    folders(QStringLiteral("Ärger"));
    EXPECT_EQ(enter(base + "/ leading blank"), base + "/ leading blank");
    EXPECT_EQ(enter(base + QStringLiteral("/äRGER")), base + QStringLiteral("/Ärger"));

    // A name that is not valid UTF-8 is entered by its own bytes, and never taken for
    // another name whose stray bytes differ, nor matched without regard to case.
    const QByteArray raw = QFile::encodeName(base) + "/caf\xe9";
    const QByteArray other = QFile::encodeName(base) + "/caf\xe8";
    ASSERT_EQ(mkdir(raw.constData(), 0755), 0);
    EXPECT_EQ(EnterDirectory(DecodeFileName(raw)).pathBytes(), raw);
    EXPECT_FALSE(EnterDirectory(DecodeFileName(other)).isValid());
    EXPECT_FALSE(EnterDirectory(DecodeFileName(QFile::encodeName(base) + "/CAF\xe9")).isValid());
    ASSERT_EQ(mkdir(other.constData(), 0755), 0);
    EXPECT_EQ(EnterDirectory(DecodeFileName(other)).pathBytes(), other);
    // Every byte string survives the way to text and back.
    for (int b = 0; b < 256; ++b) {
        const QByteArray bytes = "x" + QByteArray(1, char(b)) + "\xe2\x82\xac\xf0\x9f\x98";
        EXPECT_EQ(EncodeFileName(DecodeFileName(bytes)), bytes) << b;
    }
}

TEST_F(EnterDirectoryTest, LookupName_Should_GiveTheStoredBytes)
{
    folders("Mixed");
    MakeFile(base + "/file.TXT", 1);
    const ListedFolder folder = ListedFolder::open(QFile::encodeName(base));
    EXPECT_EQ(folder.lookupName("Mixed"), "Mixed");
    EXPECT_EQ(folder.lookupName("MIXED"), "Mixed");
    EXPECT_EQ(folder.lookupName("File.txt"), "file.TXT");
    EXPECT_EQ(folder.lookupName("absent"), "");
    EXPECT_EQ(folder.lookupName(""), "");
    EXPECT_EQ(folder.lookupName("Mixed/x"), "");
}

} // namespace
