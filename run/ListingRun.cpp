#include "run/ListingRun.h"

#include "listing/EntryFields.h"
#include "output/PaintedPageSurface.h"
#include "output/PrintListing.h"
#include "output/TreeListing.h"
#include "output/WriteListing.h"
#include "platform/Failure.h"
#include "platform/PdfFileDevice.h"
#include "sort/SortEntries.h"

#include <QCoreApplication>

namespace tamsoret {

QString StageCaption(ListingStage stage)
{
    switch (stage) {
    case ListingStage::Reading:
        return QCoreApplication::translate("ListingRun", "Reading ...");
    case ListingStage::Sorting:
        return QCoreApplication::translate("ListingRun", "Sorting ...");
    case ListingStage::Writing:
        return QCoreApplication::translate("ListingRun", "Writing ...");
    case ListingStage::Printing:
        return QCoreApplication::translate("ListingRun", "Printing ...");
    }
    return {};
}

QString TreeReadingCaption(qint64 foldersRead, const LocaleFormat &locale)
{
    return QCoreApplication::translate("ListingRun", "Reading %1 folders ...")
        .arg(GroupedNumber(foldersRead, locale));
}

ListingDestination FileDestination(const QString &fileName)
{
    return IsPdfFileName(fileName) ? ListingDestination::PdfFile : ListingDestination::TextFile;
}

namespace {

qint32 RunTreeListing(const ListingRequest &request, const ListingEnvironment &environment,
                      const std::function<void(ListingStage)> &stage)
{
    const ListOptions &options = request.options;
    // An invalid filter is reported before anything is read or written.
    const FilterPattern pattern(request.filter);
    const ListingSources sources = ListingSources::system(request.folder, environment.locale);
    const bool printed = request.destination == ListingDestination::Printer;

    stage(ListingStage::Reading);
    TreeWalkResult walked;
    const auto sort = [&](ListingData &data, qint32 count) {
        if (count > 1) SortEntries(count, data, options.OrderAZ, environment.collation);
    };
    // Each folder is written as soon as it is read and sorted: memory holds the largest
    // folder and the chain of folders above the one walked, never the whole tree.
    const auto writeTree = [&](TreeListingWriter &writer) {
        writer.begin(sources.now(), sources.volumeLabelText());
        walked = WalkTree(request.folder, sources.folderPath(), pattern, request.switches,
                          options.OrderBy, environment.locale, request.limits, sort, writer,
                          request.foldersRead);
        stage(printed ? ListingStage::Printing : ListingStage::Writing);
        writer.end(walked.foldersWalked, sources.freeSpaceText());
    };
    qint64 files = 0;
    const auto text = [&](QByteArray &chunk, const std::function<void()> &flush) {
        TreeTextWriter writer(chunk, flush, options, environment.locale);
        writeTree(writer);
        writer.finish();
        files = writer.files();
    };
    switch (request.destination) {
    case ListingDestination::TextFile:
        WriteListingFile(request.outputFileName, text);
        break;
    case ListingDestination::StandardOutput:
        WriteListingStream(text);
        break;
    case ListingDestination::PdfFile: {
        PdfPageSurface pdf(request.outputFileName,
                           QStringLiteral("Tamsoret - ") + sources.folderPath(), ListingPaper());
        TreePagePrinter writer(pdf, options, environment.locale, request.font);
        writeTree(writer);
        writer.finish();
        files = writer.files();
        break;
    }
    case ListingDestination::Printer: {
        const std::unique_ptr<PageSurface> printer = environment.printers.defaultPrinter();
        TreePagePrinter writer(*printer, options, environment.locale, request.font);
        writeTree(writer);
        writer.finish();
        files = writer.files();
        break;
    }
    }
    if (const QString trouble = TreeTroubleText(walked); !trouble.isEmpty())
        throw Failure(
            QCoreApplication::translate("ListingRun", "Not all of the tree could be listed"),
            sources.folderPath(), trouble);
    return qint32(std::min<qint64>(files, std::numeric_limits<qint32>::max()));
}

} // namespace

qint32 RunListing(const ListingRequest &request, const ListingEnvironment &environment,
                  ListingData &data, const std::function<void(ListingStage)> &onStage)
{
    const auto stage = [&onStage](ListingStage next) {
        if (onStage) onStage(next);
    };
    const ListOptions &options = request.options;
    if (request.tree) return RunTreeListing(request, environment, stage);

    stage(ListingStage::Reading);
    const qint32 count = ReadDirectory(request.folder, request.filter, request.switches, data,
                                       options.OrderBy, environment.locale, request.entriesRead);

    stage(ListingStage::Sorting);
    if (count > 1) SortEntries(count, data, options.OrderAZ, environment.collation);

    const ListingInput input{data, count, options, environment.locale,
                             ListingSources::system(request.folder, environment.locale)};
    switch (request.destination) {
    case ListingDestination::TextFile:
        stage(ListingStage::Writing);
        WriteListing(request.outputFileName, input);
        break;
    case ListingDestination::StandardOutput:
        stage(ListingStage::Writing);
        WriteListingToStandardOutput(input);
        break;
    case ListingDestination::PdfFile:
        stage(ListingStage::Writing);
        WritePdfListing(request.outputFileName, input, request.font, ListingPaper());
        break;
    case ListingDestination::Printer: {
        stage(ListingStage::Printing);
        const std::unique_ptr<PageSurface> printer = environment.printers.defaultPrinter();
        PrintListing(*printer, input, request.font);
        break;
    }
    }
    ReportUnreadEntries(request.folder, data);
    return count;
}

RunFailure DescribeRunFailure(const std::exception_ptr &thrown)
{
    try {
        std::rethrow_exception(thrown);
    } catch (const TooManyFiles &) {
        return {QCoreApplication::translate("ListingRun", "Too many files !!"), true};
    } catch (const Failure &failure) {
        return {failure.message()};
    } catch (const std::exception &e) {
        return {QCoreApplication::translate("ListingRun", "The listing failed.") + u'\r' +
                QString::fromLocal8Bit(e.what())};
    }
}

} // namespace tamsoret
