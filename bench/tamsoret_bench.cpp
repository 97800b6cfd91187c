// Times what one listing run does between OK and the end: the scan through the filter
// and switches, the sort when more than one entry was stored, and the listing file or
// the printed page as a PDF file, on a given folder with the options of a given settings
// file. Prints the median of each
// stage over the repetitions and the peak memory of the process.
//
// Usage: tamsoret_bench [options] FOLDER OUTPUT
//        tamsoret_bench --empty
//   --settings FILE  options as stored by the program (a copy of its settings file);
//                    without it the defaults
//   --filter TEXT    the filter, "*.*" by default
//   --no-folders     "&Directory's" unchecked
//   --no-hidden      "&Hidden files" unchecked
//   --repeat N       repetitions in this process (1 by default)
//   --pdf            the printed page as a PDF file in OUTPUT, in place of the text
//                    listing (painted off screen)
//   --empty          sets up as for a run but reads nothing: the baseline of the memory

#include "options/Settings.h"
#include "output/PaintedPageSurface.h"
#include "platform/Collation.h"
#include "platform/Failure.h"
#include "platform/LocaleFormat.h"
#include "platform/SettingsStore.h"
#include "run/ListingRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace tamsoret;

namespace {

struct Arguments
{
    QString settingsFile;
    QString filter = QStringLiteral("*.*");
    ScanSwitches switches;
    int repeat = 1;
    bool empty = false;
    bool pdf = false;
    QString folder;
    QString output;
};

[[noreturn]] void Usage()
{
    std::fprintf(stderr, "usage: tamsoret_bench [--settings FILE] [--filter TEXT] [--no-folders]\n"
                         "                      [--no-hidden] [--repeat N] [--pdf] FOLDER OUTPUT\n"
                         "       tamsoret_bench --empty\n");
    std::exit(2);
}

Arguments Parse(const QStringList &args)
{
    Arguments a;
    QStringList positional;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size()) Usage();
            return args[++i];
        };
        if (arg == u"--settings")
            a.settingsFile = value();
        else if (arg == u"--filter")
            a.filter = value();
        else if (arg == u"--no-folders")
            a.switches.listFolders = false;
        else if (arg == u"--no-hidden")
            a.switches.listHidden = false;
        else if (arg == u"--repeat")
            a.repeat = std::max(1, value().toInt());
        else if (arg == u"--empty")
            a.empty = true;
        else if (arg == u"--pdf")
            a.pdf = true;
        else if (arg.startsWith(u"--"))
            Usage();
        else
            positional << arg;
    }
    if (a.empty) return a;
    if (positional.size() != 2) Usage();
    a.folder = positional[0];
    a.output = QFileInfo(positional[1]).absoluteFilePath();
    return a;
}

// The program reads its options from the user's store; here the store is a private
// folder holding a copy of the given file, so the same reading code runs on it and the
// real user's options are never read.
QStringList LoadOptions(const QString &settingsFile, QTemporaryDir &store, ListOptions &options,
                        ListingFont &font)
{
    QDir(store.path()).mkpath(QStringLiteral("Tamsoret"));
    if (!settingsFile.isEmpty()) {
        const QString copy =
            store.path() + QStringLiteral("/Tamsoret/") + SettingsAppName + QStringLiteral(".conf");
        if (!QFile::copy(settingsFile, copy))
            throw Failure(QStringLiteral("Cannot read the settings file"), settingsFile);
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QtSettingsStore settings;
    return LoadSettings(settings, options, font);
}

long PeakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return std::atol(line.constData() + 6);
    }
    return -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintStage(const char *name, const std::vector<double> &ms)
{
    std::printf("%-6s %10.1f ms  (median of %zu; min %.1f, max %.1f)\n", name, Median(ms),
                ms.size(), *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()));
}

} // namespace

// The page is painted with fonts, which need a GUI application; the text listing does
// not, and its figures stay those of the plain core application.
std::unique_ptr<QCoreApplication> MakeApplication(int &argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
    // The report is read by scripts: a decimal point in every locale. The listing's own
    // formats come from QLocale, which does not follow this.
    std::setlocale(LC_NUMERIC, "C");
    const Arguments args = Parse(app->arguments());

    try {
        QTemporaryDir store;
        ListOptions options;
        ListingFont font;
        for (const QString &message : LoadOptions(args.settingsFile, store, options, font))
            std::fprintf(stderr, "%s\n", qPrintable(message));
        const LocaleFormat locale = LocaleFormat::fromLocale();
        const Collation collation;

        if (args.empty) {
            std::printf("peak   %10ld KiB\n", PeakKiB());
            return 0;
        }
        ListingRequest request;
        request.folder = ListedFolder::open(QFile::encodeName(args.folder));
        if (!request.folder.isValid())
            throw Failure(QStringLiteral("Cannot open the folder"), args.folder);
        request.filter = args.filter;
        request.switches = args.switches;
        request.options = options;
        request.font = font;
        // A name ending in .csv or .json times the listing as data.
        SetOutputFile(request, args.output,
                      args.pdf ? ListingFormat::Pdf
                               : FormatOfName(args.output).value_or(ListingFormat::Text));
        QtPrinterProvider printers;
        const ListingEnvironment environment{printers, locale, collation};

        std::vector<double> scan, sort, write, total;
        qint32 count = 0;
        for (int r = 0; r < args.repeat; ++r) {
            ListingData data;
            using Clock = std::chrono::steady_clock;
            // Each stage lasts from its own report to the next one's, the last to the end.
            Clock::time_point marks[3];
            const auto start = Clock::now();
            count = RunListing(request, environment, data, [&marks](ListingStage stage) {
                marks[std::min(int(stage), 2)] = Clock::now();
            });
            const auto end = Clock::now();
            const auto ms = [](Clock::time_point from, Clock::time_point to) {
                return std::chrono::duration<double, std::milli>(to - from).count();
            };
            scan.push_back(ms(marks[0], marks[1]));
            sort.push_back(ms(marks[1], marks[2]));
            write.push_back(ms(marks[2], end));
            total.push_back(ms(start, end));
        }

        std::printf("entries %d\n", count);
        PrintStage("scan", scan);
        PrintStage("sort", sort);
        PrintStage("write", write);
        PrintStage("total", total);
        std::printf("peak   %10ld KiB\n", PeakKiB());
    } catch (const Failure &failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    } catch (const TooManyFiles &) {
        std::fprintf(stderr, "Too many files !!\n");
        return 1;
    }
    return 0;
}
