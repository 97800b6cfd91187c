#pragma once

#include "listing/TreeWalk.h"
#include "options/ListOptions.h"
#include "platform/FileTime.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tamsoret {

// What a listing is written as.
enum class ListingFormat { Text, Pdf, Csv, Json };

// The format a file name's extension names (.txt, .pdf, .csv, .json, in any case), if any.
std::optional<ListingFormat> FormatOfName(const QString &fileName);
// The format a word names (text, pdf, csv, json), if any.
std::optional<ListingFormat> FormatOfWord(const QString &word);
// ".txt", ".pdf", ".csv" or ".json".
QString FormatExtension(ListingFormat format);

// What the data formats say of the run and the drive, before the folders.
struct DataListingHead
{
    QByteArray folderPath; // the listed folder's absolute path, as bytes
    QString label;         // the drive's label, empty when it has none
    LocalDateTime made;
    qint64 freeBytes = 0;
    qint64 totalBytes = 0;
};

// The listing as data, written as the walk (or a one-folder run) hands it its folders: every
// entry but "..", with its whole name and its numbers rather than the page's cells. out is
// handed to flush whenever it holds a chunk's worth, and once more by end().
class DataListingWriter : public TreeVisitor
{
public:
    DataListingWriter(QByteArray &out, std::function<void()> flush) : out_(out), flush_(std::move(flush)) {}
    virtual void begin(const DataListingHead &head) = 0;
    virtual void end() = 0;

    void folderStarts(const QByteArray &relativePath) override { relative_ = relativePath; }
    bool wantsFacts() const override { return true; }
    // The entries written so far.
    qint64 files() const { return files_; }

protected:
    // Hands out on when it holds a chunk's worth.
    void written();

    QByteArray &out_;
    std::function<void()> flush_;
    QByteArray relative_;
    qint64 files_ = 0;
    qint64 bytes_ = 0;
};

// CSV as RFC 4180 has it and spreadsheets open it: UTF-8 with a byte-order mark, CR LF, a
// row of titles of the shown columns (Folder first in a tree), a row an entry. A text cell
// that a spreadsheet would take for a formula, or that begins with "'", gets a leading "'".
std::unique_ptr<DataListingWriter> CsvListing(QByteArray &out, std::function<void()> flush,
                                              const ListOptions &options, bool tree);
// One JSON object: the folder, label, time and drive space, then an item a folder walked
// with every field of its entries, then the totals. Names and paths that are not UTF-8 carry
// their bytes in base64 beside them.
std::unique_ptr<DataListingWriter> JsonListing(QByteArray &out, std::function<void()> flush);

} // namespace tamsoret
