#include "run/ListingRun.h"

#include "listing/EntryFields.h"
#include "listing/DriveTexts.h"
#include "output/PaintedPageSurface.h"
#include "output/PrintListing.h"
#include "output/TreeListing.h"
#include "output/WriteListing.h"
#include "platform/DriveInfo.h"
#include "platform/Failure.h"
#include "platform/PdfFileDevice.h"
#include "sort/SortEntries.h"

#include <QCoreApplication>
#include <QFileInfo>

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

void SetOutputFile(ListingRequest &request, const QString &fileName, ListingFormat format)
{
    request.outputFileName = fileName;
    request.format = format;
    request.destination =
        format == ListingFormat::Pdf ? ListingDestination::PdfFile : ListingDestination::TextFile;
}

QString SavedFileName(const QString &fileName, const QString &typePattern, ListingFormat &format)
{
    if (const std::optional<ListingFormat> named = FormatOfName(fileName)) {
        format = *named;
        return fileName;
    }
    format = FormatOfName(typePattern).value_or(ListingFormat::Text);
    const QString base = fileName.mid(fileName.lastIndexOf(u'/') + 1);
    // A name of dots alone ("..") or one beginning with its only dot has no extension either.
    if (base.lastIndexOf(u'.') > 0) return fileName;
    // What exists under the name as chosen (a file picked in the dialog, a named pipe, a
    // device) is what the listing is meant for, not a new file beside it.
    const QFileInfo entry(fileName);
    if (entry.exists() || entry.isSymLink()) return fileName;
    return fileName + FormatExtension(format);
}

namespace {

bool IsData(const ListingRequest &request)
{
    return request.destination != ListingDestination::Printer &&
           request.destination != ListingDestination::PdfFile &&
           (request.format == ListingFormat::Csv || request.format == ListingFormat::Json);
}

DataListingHead DataHead(const ListedFolder &folder)
{
    DataListingHead head;
    head.folderPath = folder.pathBytes();
    head.label = VolumeLabel(folder);
    head.made = CurrentLocalTime();
    DiskSpace(folder, head.freeBytes, head.totalBytes);
    return head;
}

// Writes the listing as data where the request sends it; visit hands the writer its
// folders, between the head and the totals.
qint64 WriteData(const ListingRequest &request, bool tree,
                 const std::function<void(DataListingWriter &)> &visit)
{
    const DataListingHead head = DataHead(request.folder);
    qint64 files = 0;
    const auto produce = [&](QByteArray &chunk, const std::function<void()> &flush) {
        const std::unique_ptr<DataListingWriter> writer =
            request.format == ListingFormat::Csv ? CsvListing(chunk, flush, request.options, tree)
                                                 : JsonListing(chunk, flush);
        writer->begin(head);
        visit(*writer);
        writer->end();
        files = writer->files();
    };
    if (request.destination == ListingDestination::StandardOutput)
        WriteListingStream(produce);
    else
        WriteListingFile(request.outputFileName, produce);
    return files;
}

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
    // A collation for each thread that sorts: a collator is not to be shared by threads.
    const auto makeSort = [&]() -> SortFolder {
        auto collation = std::make_shared<const Collation>(environment.collation.locale());
        return [collation, orderAZ = options.OrderAZ](ListingData &data, qint32 count) {
            if (count > 1) SortEntries(count, data, orderAZ, *collation);
        };
    };
    // Each folder is written as soon as it is read and sorted: memory holds the largest
    // folder and the chain of folders above the one walked, never the whole tree.
    const auto walk = [&](TreeVisitor &visitor) {
        walked = WalkTree(request.folder, sources.folderPath(), pattern, request.switches,
                          options.OrderBy, environment.locale, request.limits, makeSort, visitor,
                          request.foldersRead);
    };
    const auto writeTree = [&](TreeListingWriter &writer) {
        writer.begin(sources.now(), sources.volumeLabelText());
        walk(writer);
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
    const auto pages = [&](PageSurface &surface) {
        TreePagePrinter writer(surface, options, environment.locale, request.font);
        writeTree(writer);
        writer.finish();
        files = writer.files();
    };
    if (IsData(request)) {
        files = WriteData(request, true, [&](DataListingWriter &writer) {
            walk(writer);
            stage(ListingStage::Writing);
        });
    } else switch (request.destination) {
    case ListingDestination::TextFile:
        WriteListingFile(request.outputFileName, text);
        break;
    case ListingDestination::StandardOutput:
        WriteListingStream(text);
        break;
    case ListingDestination::PdfFile: {
        PdfPageSurface pdf(request.outputFileName,
                           QStringLiteral("Tamsoret - ") + sources.folderPath(), ListingPaper());
        pages(pdf);
        break;
    }
    case ListingDestination::Printer:
        pages(*environment.printers.defaultPrinter());
        break;
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
    data.Facts.keep = IsData(request);
    const qint32 count = ReadDirectory(request.folder, request.filter, request.switches, data,
                                       options.OrderBy, environment.locale, request.entriesRead);

    stage(ListingStage::Sorting);
    if (count > 1) SortEntries(count, data, options.OrderAZ, environment.collation);

    const ListingInput input{data, count, options, environment.locale,
                             ListingSources::system(request.folder, environment.locale)};
    if (IsData(request)) {
        stage(ListingStage::Writing);
        WriteData(request, false, [&](DataListingWriter &writer) {
            writer.folderStarts({});
            writer.folderRead(input.sources.folderPath(), data, count);
        });
    } else switch (request.destination) {
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
