#include "sort/SortEntries.h"

#include <algorithm>
#include <vector>

namespace tamsoret {

bool OutOfOrder(qint32 p, const ListingData &data, bool orderAZ, const Collation &collation)
{
    const qint32 a = data.EntryOrder[size_t(p)];
    const qint32 b = data.EntryOrder[size_t(p) + 1];
    const int r = collation.compare(data.Entries.text(size_t(a), EntryField::SortKey).toString(),
                                    data.Entries.text(size_t(b), EntryField::SortKey).toString());
    return orderAZ ? r == 1 : r == -1;
}

void SortEntries(qint32 count, ListingData &data, bool orderAZ, const Collation &collation)
{
    if (count < 2) return;
    const size_t n = size_t(count);

    // An exchange sort that only swaps neighbours out of order is stable, so its result
    // is the stable sort of the current order: equal keys stay as they stand, in both
    // directions, and descending keeps them in the same order as ascending does.
    std::vector<qint32> positions;
    {
        // The keys live only as long as the sort: a listing keeps the texts it prints.
        CollationKeys keys(collation);
        keys.reserve(n);
        for (size_t i = 0; i < n; ++i) {
            const EntryText key =
                data.Entries.text(size_t(data.EntryOrder[i]), EntryField::SortKey);
            if (key.isWide())
                keys.append(key.utf16());
            else
                keys.appendLatin1(key.latin1(), key.size());
        }
        positions = keys.stableOrder(orderAZ);
    }

    for (size_t i = 0; i < n; ++i)
        positions[i] = data.EntryOrder[size_t(positions[i])];
    std::copy(positions.begin(), positions.end(), data.EntryOrder.begin());
}

} // namespace tamsoret
