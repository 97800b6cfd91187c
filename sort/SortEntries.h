#pragma once

#include "listing/DirEntry.h"
#include "platform/Collation.h"

namespace tamsoret {

// True when the entries at positions p and p + 1 of EntryOrder must be exchanged.
bool OutOfOrder(qint32 p, const ListingData &data, bool orderAZ, const Collation &collation);

// Puts EntryOrder[0 .. count-1] in the order of the entries' sort keys, ascending when
// orderAZ, equal keys keeping their scan order in both directions. Gives exactly the
// order of an exchange sort with OutOfOrder, in O(n log n) comparisons.
void SortEntries(qint32 count, ListingData &data, bool orderAZ, const Collation &collation);

} // namespace tamsoret
