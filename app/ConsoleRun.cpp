#include "app/ConsoleRun.h"

#include "app/EnterDirectory.h"
#include "options/Settings.h"
#include "output/PaintedPageSurface.h"
#include "output/WriteListing.h"
#include "platform/Failure.h"
#include "platform/OutputTarget.h"
#include "platform/PrinterDevice.h"
#include "run/ListingRun.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <unistd.h>

namespace tamsoret {

namespace {

// A message box's text, each of its lines on a line of its own.
void Report(std::FILE *errors, const QString &message)
{
    QString text = message;
    text.replace(u'\r', u'\n');
    std::fputs(text.toLocal8Bit().constData(), errors);
    std::fputc('\n', errors);
    std::fflush(errors);
}

// The stage and the entries read so far on a terminal, a few times a second, from a
// thread of its own; the line is cleared when it ends.
class ProgressLine
{
public:
    ProgressLine(std::FILE *terminal, bool folders)
        : terminal_(terminal), folders_(folders), thread_([this] { show(); })
    {
    }
    ~ProgressLine()
    {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    void setStage(ListingStage stage) { stage_.store(stage, std::memory_order_relaxed); }
    std::atomic<qint64> *counter() { return &entries_; }

private:
    void show()
    {
        std::unique_lock lock(mutex_);
        bool shown = false;
        // A short run ends before the first line, and leaves the terminal as it was.
        while (!wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return done_; })) {
            const QString stage = StageCaption(stage_.load());
            const QString count =
                QString::number(static_cast<long long>(entries_.load(std::memory_order_relaxed)));
            const QString line =
                folders_ ? QCoreApplication::translate("ConsoleRun", "%1 %2 folders read")
                               .arg(stage, count)
                         : QCoreApplication::translate("ConsoleRun", "%1 %2 entries read")
                               .arg(stage, count);
            std::fprintf(terminal_, "\r\033[K%s", line.toLocal8Bit().constData());
            std::fflush(terminal_);
            shown = true;
        }
        if (shown) {
            std::fputs("\r\033[K", terminal_);
            std::fflush(terminal_);
        }
    }

    std::FILE *terminal_;
    bool folders_;
    std::atomic<ListingStage> stage_{ListingStage::Reading};
    std::atomic<qint64> entries_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

} // namespace

bool NeedsFonts(const CommandLine &line)
{
    return line.mode == StartMode::Print ||
           (line.mode == StartMode::OutputFile && line.outputFormat() == ListingFormat::Pdf);
}

int RunWithoutWindow(const CommandLine &line, SettingsStore &store, std::FILE *errors)
{
    ListingRequest request;
    request.folder = EnterDirectory(line.folder);
    if (!request.folder.isValid()) {
        Report(errors, UsageMessageText());
        return 2;
    }
    // Told before the scan, in words for a terminal: the window's advice would come after
    // reading the whole folder.
    if (line.mode == StartMode::Print) {
        QString problem = PrintServiceSilence();
        if (problem.isEmpty() && line.printerQueue.isEmpty() && !HasDefaultPrinter())
            problem = QCoreApplication::translate(
                "ConsoleRun", "no default printer is set; name one with --printer=QUEUE, or "
                              "write the listing to a file with -o FILE.");
        if (!problem.isEmpty()) {
            Report(errors,
                   QStringLiteral("tamsoret: ") +
                       QCoreApplication::translate("ConsoleRun", "Cannot print: %1").arg(problem));
            return 1;
        }
    }
    if (!line.printerQueue.isEmpty()) {
        try {
            CheckPrinterKnown(line.printerQueue);
        } catch (const Failure &unknown) {
            Report(errors, unknown.message());
            return 2;
        }
    }

    for (const QString &problem : LoadSettings(store, request.options, request.font))
        Report(errors, problem);
    line.applyTo(request.options, request.font);
    if (line.filter) request.filter = *line.filter;
    request.switches = line.switches();
    request.tree = line.recursive;
    request.limits = {line.depth, line.oneFileSystem};

    if (line.mode == StartMode::Print) {
        request.destination = ListingDestination::Printer;
    } else if (line.outputFileName == u'-') {
        request.destination = ListingDestination::StandardOutput;
        request.format = line.outputFormat();
    } else {
        SetOutputFile(request, line.outputFileName, line.outputFormat());
        // A name that cannot be written is told at once, not after a long scan.
        try {
            CheckOutputTarget(request.outputFileName);
        } catch (const Failure &problem) {
            Report(errors, problem.message());
            return 1;
        }
    }

    QtPrinterProvider printers(line.printerQueue);
    const ListingEnvironment environment{printers, LocaleFormat::fromLocale(), Collation()};
    ListingData data;
    std::optional<ProgressLine> progress;
    // A listing on the same terminal would be torn by the progress line.
    const bool listingOnTerminal =
        request.destination == ListingDestination::StandardOutput && isatty(STDOUT_FILENO);
    if (isatty(fileno(errors)) && !listingOnTerminal) {
        progress.emplace(errors, request.tree);
        (request.tree ? request.foldersRead : request.entriesRead) = progress->counter();
    }
    const auto onStage = [&progress](ListingStage stage) {
        if (progress) progress->setStage(stage);
    };
    QString failure;
    try {
        RunListing(request, environment, data, onStage);
    } catch (const std::exception &) {
        failure = DescribeRunFailure(std::current_exception()).message;
    }
    progress.reset();
    if (failure.isEmpty()) return 0;
    Report(errors, failure);
    return 1;
}

} // namespace tamsoret
