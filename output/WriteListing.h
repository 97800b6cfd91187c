#pragma once

#include "output/ListingLayout.h"
#include "platform/ListingFont.h"

#include <QPageSize>

#include <functional>

namespace tamsoret {

// Writes the listing to outputFileName in Windows-1252 with CR LF after every line, as
// OutputTarget opens it: a file appears complete or not at all (an existing one is left
// untouched when anything fails), a device or FIFO is written into. Throws Failure naming
// the file and the system's reason.
void WriteListing(const QString &outputFileName, const ListingInput &input);

// Writes the same bytes to standard output; throws Failure when it cannot take them.
void WriteListingToStandardOutput(const ListingInput &input);

// Whether a chosen file name asks for the listing as a PDF file: it ends in ".pdf", in
// any case.
bool IsPdfFileName(const QString &outputFileName);

// Writes the printed listing's pages, in the listing font, as a PDF file on the paper
// given. Opened like the text file; throws Failure the same way.
void WritePdfListing(const QString &outputFileName, const ListingInput &input,
                     const ListingFont &font, const QPageSize &paper);

// Puts a listing's bytes into chunk, calling flush to hand them on whenever it holds a
// chunk's worth (ListingChunkSize) and once at the end.
using ListingProducer =
    std::function<void(QByteArray &chunk, const std::function<void()> &flush)>;
// The file and standard output writers above for bytes made elsewhere (a tree's listing,
// written while it is walked), with the same guarantees and failures.
void WriteListingFile(const QString &outputFileName, const ListingProducer &produce);
void WriteListingStream(const ListingProducer &produce);
qsizetype ListingChunkSize();
// One line of the listing file as it is written: Windows-1252, CR LF.
void AppendListingLine(QByteArray &out, const QString &line);
// The entry lines in the sorted order, as WriteListing writes them, calling flush
// whenever out holds a chunk's worth.
void AppendEntryLines(QByteArray &out, const ListingData &data, qint32 count,
                      const ListOptions &options, const std::function<void()> &flush);

// The listing's bytes as they are written to a file.
QByteArray ListingFileBytes(const ListingInput &input);

} // namespace tamsoret
