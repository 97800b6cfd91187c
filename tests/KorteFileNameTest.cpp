#include "platform/Twips.h"
#include "app/KorteFileName.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace tamsoret;

namespace {

// Every character is 10 units wide; counts the measurements made.
struct FakeMeasure {
    int calls = 0;
    double operator()(const QString &text)
    {
        ++calls;
        return 10.0 * static_cast<double>(text.size());
    }
};

QString Shorten(const QString &path, double width, int *calls = nullptr)
{
    FakeMeasure measure;
    const QString result = KorteFileName(
        path, [&measure](const QString &t) { return measure(t); }, [width] { return width; });
    if (calls)
        *calls = measure.calls;
    return result;
}

} // namespace

TEST(KorteFileName, ReturnsPathsThatFitUnchangedWithoutMarker)
{
    EXPECT_EQ(Shorten("/", 100), "/");
    EXPECT_EQ(Shorten("/home/ann", 100), "/home/ann");
    // Shorter than the head plus one character: nothing to drop.
    EXPECT_EQ(Shorten("", 100), "");
}

TEST(KorteFileName, DropsNamesAfterTheRootOnePerPassUntilNarrower)
{
    const QString path = "/home/ann/Projects/2026/Reports"; // 31 characters
    EXPECT_EQ(Shorten(path, 320), path);
    EXPECT_EQ(Shorten(path, 310), "/.../ann/Projects/2026/Reports"); // 30 characters = 300
}

TEST(KorteFileName, AWidthEqualToTheLabelDoesNotFit)
{
    // "/.../Projects/2026/Reports" is 26 characters, exactly 260 wide: one more name goes.
    EXPECT_EQ(Shorten("/home/ann/Projects/2026/Reports", 260), "/.../2026/Reports");
    EXPECT_EQ(Shorten("/data", 50), "/data"); // no slash in the tail: returned although too wide
}

TEST(KorteFileName, NeverDropsTheLastNameAndMeasuresOncePerPass)
{
    int calls = 0;
    EXPECT_EQ(Shorten("/a/b/c/AVeryLongFolderName", 30, &calls), "/.../AVeryLongFolderName");
    EXPECT_EQ(calls, 4); // at most one more than the slashes in the tail
}

TEST(KorteFileName, CutsTheTailAfter200CharactersBeforeMeasuring)
{
    const QString name(250, u'x');
    const QString path = "/" + name;
    EXPECT_EQ(Shorten(path, 1e9), "/" + QString(200, u'x'));
    const QString deep = "/" + QString(195, u'a') + "/" + QString(20, u'b');
    EXPECT_EQ(Shorten(deep, 1e9), "/" + QString(195, u'a') + "/" + QString(4, u'b'));
}

TEST(KorteFileName, FitsTheFolderLabelWithTheRealBoldFont)
{
    const QFontMetricsF metrics(DialogFont(true));
    const double label = TwipsToPixels(2775, 96);
    const QString path = "/home/ann/Documents/Correspondence/Insurance/2026/Claims";
    auto width = [&metrics](const QString &t) { return metrics.horizontalAdvance(t); };
    const QString result = KorteFileName(path, width, [label] { return label; });

    // The candidates in the order they are tried: the whole path, then ever shorter tails.
    QStringList candidates{path};
    QStringList names = path.mid(1).split(u'/');
    while (names.size() > 1) {
        names.removeFirst();
        candidates << "/.../" + names.join(u'/');
    }
    const qsizetype at = candidates.indexOf(result);
    ASSERT_GT(at, 0) << result.toStdString();
    EXPECT_LT(width(result), label);
    EXPECT_GE(width(candidates[at - 1]), label);
}
