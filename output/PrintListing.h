#pragma once

#include "options/ListOptions.h"
#include "output/ListingLayout.h"
#include "platform/PageSurface.h"

namespace tamsoret {

// Prints the listing on the page surface: font, millimetre margins, page breaks only
// after entry lines, one job.
void PrintListing(PageSurface &surface, const ListingInput &input, const ListingFont &font);

} // namespace tamsoret
