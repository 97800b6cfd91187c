#pragma once

#include "listing/DirEntry.h"
#include "options/ListOptions.h"

#include <QString>

namespace tamsoret {

// The program-wide state of one run: owned by main, handed to the windows by reference.
struct ProgramState {
    ListOptions Options;
    ListingData Listing;
    QString OutputFileName;
};

} // namespace tamsoret
