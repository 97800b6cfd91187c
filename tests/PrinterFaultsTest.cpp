// The real printer surface against a CUPS queue of its own that the tests stop, set to
// refuse jobs or remove. The queue is made the default through LPDEST, so the machine's
// default printer and the jobs of other programs are left alone.

#include "output/PaintedPageSurface.h"
#include "platform/Failure.h"
#include "platform/PrinterDevice.h"
#include "tests/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <malloc.h>

using namespace tamsoret;
using namespace tamsoret::test;

namespace {

int RunTool(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The address sanitizer brings its own malloc, which glibc's thresholds do not steer.
#ifdef __SANITIZE_ADDRESS__
constexpr bool GlibcMalloc = false;
#else
constexpr bool GlibcMalloc = true;
#endif

// Whether glibc serves a block of 1 MiB with mmap, as with its own thresholds, rather than
// from the heap, as while a page job keeps its buffers.
bool BigBlocksAreMapped()
{
    malloc_trim(0); // a free top of the heap would serve it whatever the thresholds
    const size_t before = mallinfo2().hblks;
    void *volatile block = std::malloc(1 << 20);
    const bool mapped = mallinfo2().hblks == before + 1;
    std::free(block);
    return mapped;
}

class PrinterFaults : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QByteArray status;
        if (RunTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &status) != 0 ||
            !status.contains("scheduler is running"))
            GTEST_SKIP() << "no CUPS scheduler running";
        if (!QFile::exists(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")))
            GTEST_SKIP() << "cups-pdf is not installed";
        TAMSORET_SKIP_UNLESS_ROOT("adding a CUPS queue of its own");
        queue_ = QStringLiteral("TamsoretFaults%1").arg(QCoreApplication::applicationPid());
        ASSERT_EQ(RunTool(QStringLiteral("lpadmin"),
                      {QStringLiteral("-p"), queue_, QStringLiteral("-E"), QStringLiteral("-v"),
                       QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                       QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")}),
                  0);
        added_ = true;
        lpdest_ = std::make_unique<EnvGuard>("LPDEST", queue_.toLocal8Bit());
    }

    void TearDown() override
    {
        lpdest_.reset();
        if (added_) {
            RunTool(QStringLiteral("cancel"), {QStringLiteral("-a"), queue_});
            RunTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
        }
    }

    // Every job the queue was ever given, done or waiting.
    int JobCount()
    {
        QByteArray output;
        RunTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"),
                                       QStringLiteral("-o"), queue_},
            &output);
        return int(output.count(queue_.toLocal8Bit() + '-'));
    }

    void Queue(const char *command, const char *reason)
    {
        ASSERT_EQ(RunTool(QString::fromLatin1(command),
                      {QStringLiteral("-r"), QString::fromLatin1(reason), queue_}),
                  0);
    }

    // Draws one line on a fresh surface and ends the job; the failure's text when it fails.
    QString PrintOneLine()
    {
        try {
            QtPageSurface surface;
            EXPECT_EQ(surface.printerName(), queue_);
            surface.print(QStringLiteral("Tamsoret - a line"), true);
            surface.endJob();
        } catch (const Failure &failure) {
            return failure.message();
        }
        return {};
    }

    QString queue_;
    bool added_ = false;
    std::unique_ptr<EnvGuard> lpdest_;
};

TEST_F(PrinterFaults, AnAcceptingQueueGetsExactlyOneJob)
{
    EXPECT_EQ(PrintOneLine(), QString());
    EXPECT_EQ(JobCount(), 1);
}

TEST_F(PrinterFaults, AQueueThatRefusesJobsIsReportedWithItsReasonAndGetsNothing)
{
    Queue("cupsreject", "Out of paper");
    EXPECT_EQ(PrintOneLine(), QStringLiteral("Cannot print the listing\r%1\rThe printer does not "
                                             "accept jobs: Out of paper.")
                                  .arg(queue_));
    EXPECT_EQ(JobCount(), 0);
}

TEST_F(PrinterFaults, AStoppedQueueIsReportedWithItsReasonAndGetsNothing)
{
    Queue("cupsdisable", "Paper jam");
    EXPECT_EQ(PrintOneLine(),
              QStringLiteral("Cannot print the listing\r%1\rThe printer is stopped: Paper jam.")
                  .arg(queue_));
    EXPECT_EQ(JobCount(), 0);
}

TEST_F(PrinterFaults, AJobRefusedWhenItIsHandedOverIsReported)
{
    // The queue still took jobs when the job began; it refuses them by the time it ends.
    try {
        QtPageSurface surface;
        surface.print(QStringLiteral("Tamsoret - a line"), true);
        Queue("cupsreject", "Closed for the night");
        surface.endJob();
        ADD_FAILURE() << "a refused job was reported as printed";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.whatFailed(), QStringLiteral("Cannot print the listing"));
        EXPECT_EQ(failure.on(), queue_);
        EXPECT_TRUE(failure.reason().startsWith(QStringLiteral("The printing system refused the job: ")))
            << failure.reason().toStdString();
        EXPECT_TRUE(failure.reason().contains(queue_)) << failure.reason().toStdString();
    }
    EXPECT_EQ(JobCount(), 0);
}

TEST_F(PrinterFaults, AJobThatFailsPartWayIsNeverSentAndLeavesNoSpoolFile)
{
    // A temporary folder of its own, so that jobs of tests running beside this one cannot
    // be taken for a spool file left behind.
    QTemporaryDir spool;
    ASSERT_TRUE(spool.isValid());
    const EnvGuard tmpdir("TMPDIR", spool.path().toLocal8Bit());
    {
        QtPageSurface surface;
        surface.print(QStringLiteral("Tamsoret - half a listing"), true);
        surface.newPage();
        // The writer throws here; the surface goes without its job being ended.
    }
    EXPECT_EQ(JobCount(), 0);
    const QStringList left =
        QDir(spool.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
}

TEST_F(PrinterFaults, AJobWhoseSpoolFileCannotBeWrittenOnAFullDiskIsNeverSent)
{
    SmallDisk disk("64k");
    ASSERT_TRUE(disk.mounted());
    MakeFile(disk.filePath(QStringLiteral("filler")), 64 * 1024);
    const EnvGuard tmpdir("TMPDIR", disk.path().toLocal8Bit());
    const QString failure = PrintOneLine();
    EXPECT_TRUE(failure.endsWith(QStringLiteral(": No space left on device.")))
        << failure.toStdString();
    EXPECT_EQ(JobCount(), 0);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList(QStringLiteral("filler")));
    if (GlibcMalloc) {
        EXPECT_TRUE(BigBlocksAreMapped());
    }
}

TEST(PageBuffers, AreKeptOnlyWhileAPageJobRunsHoweverItEnds)
{
    if (!GlibcMalloc) GTEST_SKIP() << "the sanitizer's malloc has no thresholds to set back";
    QTemporaryDir dir;
    {
        PdfPageSurface surface(dir.filePath(QStringLiteral("ended.pdf")), QStringLiteral("t"),
                               QPageSize(QPageSize::A4));
        surface.print(QStringLiteral("Tamsoret"), true);
        EXPECT_FALSE(BigBlocksAreMapped());
        surface.endJob();
        EXPECT_TRUE(BigBlocksAreMapped());
    }
    {
        PdfPageSurface surface(dir.filePath(QStringLiteral("dropped.pdf")), QStringLiteral("t"),
                               QPageSize(QPageSize::A4));
        surface.print(QStringLiteral("Tamsoret"), true);
    } // gone without its end, as when the run throws
    EXPECT_TRUE(BigBlocksAreMapped());
}

TEST_F(PrinterFaults, MeasuringOnAStoppedQueueStillWorks)
{
    // The options window measures on the printer without printing.
    Queue("cupsdisable", "Paper jam");
    QtPageSurface surface;
    EXPECT_GT(surface.printableWidth(), 100.0);
    EXPECT_GT(surface.textWidth(QStringLiteral("ooo")), 0.0);
    EXPECT_EQ(JobCount(), 0);
}

TEST_F(PrinterFaults, AQueueThatIsGoneMeansNoDefaultPrinter)
{
    const EnvGuard missing("LPDEST", "TamsoretNoSuchQueue");
    EXPECT_FALSE(HasDefaultPrinter());
    try {
        QtPageSurface surface;
        ADD_FAILURE() << "a surface without a default printer";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.message(),
                  QStringLiteral("Cannot print the listing\rNo default printer is installed.\rTo "
                                 "save the same page as a PDF file instead, tick \"To file\" and "
                                 "choose a name ending in .pdf."));
    }
}

} // namespace
