#pragma once

#include "output/ListingLayout.h"

namespace tamsoret {

// Writes the listing to outputFileName in Windows-1252 with CR LF after every line.
// The file appears complete or not at all; throws Failure (naming the file and the
// system's reason) and leaves an existing file untouched when anything fails.
void WriteListing(const QString &outputFileName, const ListingInput &input);

// The listing's bytes as they are written to a file.
QByteArray ListingFileBytes(const ListingInput &input);

} // namespace tamsoret
