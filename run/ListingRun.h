#pragma once

#include "listing/DirEntry.h"
#include "listing/ReadDirectory.h"
#include "listing/TreeWalk.h"
#include "options/ListOptions.h"
#include "output/DataListing.h"
#include "platform/Collation.h"
#include "platform/ListedFolder.h"
#include "platform/ListingFont.h"
#include "platform/LocaleFormat.h"
#include "platform/PageSurface.h"

#include <QString>

#include <atomic>
#include <exception>
#include <functional>

namespace tamsoret {

// The stages of a listing run, in the order they come.
enum class ListingStage { Reading, Sorting, Writing, Printing };

// What a stage is called while it works, in the window's caption and on a terminal.
QString StageCaption(ListingStage stage);
// The reading stage's caption while a tree is read: "Reading 1,234 folders ...".
QString TreeReadingCaption(qint64 foldersRead, const LocaleFormat &locale);

// Where a listing goes.
enum class ListingDestination { Printer, TextFile, PdfFile, StandardOutput };

// Everything one listing is made from.
struct ListingRequest
{
    ListedFolder folder;
    QString filter = QStringLiteral("*.*");
    ScanSwitches switches;
    ListOptions options;
    ListingFont font;
    ListingDestination destination = ListingDestination::Printer;
    QString outputFileName; // for the file destinations
    // What a text file or standard output gets: the text listing, or the listing as data
    // (CSV, JSON). The PDF and the printer go by the destination.
    ListingFormat format = ListingFormat::Text;
    // When given, counts the entries read so far, for a progress display on another thread.
    std::atomic<qint64> *entriesRead = nullptr;
    // The whole tree below the folder, as far as the limits let the walk go: a section a
    // folder, and the tree's total.
    bool tree = false;
    TreeLimits limits;
    // When given, counts the folders of a tree read so far, likewise.
    std::atomic<qint64> *foldersRead = nullptr;
};

// What a run needs of the system beside the folder: the printer, and the locale's
// formats and collation.
struct ListingEnvironment
{
    PrinterProvider &printers;
    LocaleFormat locale;
    Collation collation;
};

// The file destination a chosen name asks for: a name ending in ".pdf", in any case,
// gives the printed page as a PDF file, any other the text listing.
ListingDestination FileDestination(const QString &fileName);
// Sends the listing to the file in the format given: the PDF destination for Pdf, the
// file destination with that format for the others.
void SetOutputFile(ListingRequest &request, const QString &fileName, ListingFormat format);
// The name and format a save dialog's choice stands for: a name whose extension names a
// format gets that format; any other gets the format of the chosen file type, whose
// pattern is typePattern ("*.csv"), and a name without an extension gets that type's
// extension too, unless something exists under the name as chosen. A type that names no
// format gives the text listing.
QString SavedFileName(const QString &fileName, const QString &typePattern, ListingFormat &format);

// Reads the folder through the filter and switches, sorts what it stored and writes or
// prints the listing, telling onStage as each stage begins, on the caller's thread. The
// entries stay in data. A tree is read, sorted and written a folder at a time in a data
// of the walk's own, and its stage is Reading until the walk has ended; its count is the entries of
// all its sections. A tree's folders that could not be read, loops and unread entries
// are reported by a Failure after the listing is out. Throws what the stages throw (Failure, TooManyFiles), and
// nothing is written or printed after a failure. Entries whose status could not be read
// are listed by name, and reported by a Failure after the listing is out.
qint32 RunListing(const ListingRequest &request, const ListingEnvironment &environment,
                  ListingData &data, const std::function<void(ListingStage)> &onStage = {});

// A failed run as the user is told of it: the message, with carriage returns as line
// breaks, and whether it is the plain notice of too many files rather than a fault.
struct RunFailure
{
    QString message;
    bool tooManyFiles = false;
};
// What an exception that a run threw tells the user; anything that is no std::exception
// is thrown on.
RunFailure DescribeRunFailure(const std::exception_ptr &thrown);

} // namespace tamsoret
