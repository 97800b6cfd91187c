#pragma once

#include "output/ListingLayout.h"
#include "platform/ListingFont.h"

#include <QPageSize>

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

// The listing's bytes as they are written to a file.
QByteArray ListingFileBytes(const ListingInput &input);

} // namespace tamsoret
