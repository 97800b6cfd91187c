#include "run/ListingRun.h"

#include "output/PrintListing.h"
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

ListingDestination FileDestination(const QString &fileName)
{
    return IsPdfFileName(fileName) ? ListingDestination::PdfFile : ListingDestination::TextFile;
}

qint32 RunListing(const ListingRequest &request, const ListingEnvironment &environment,
                  ListingData &data, const std::function<void(ListingStage)> &onStage)
{
    const auto stage = [&onStage](ListingStage next) {
        if (onStage) onStage(next);
    };
    const ListOptions &options = request.options;

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
