#include "sort/SortEntries.h"

#include <algorithm>
#include <vector>

namespace tamsoret {

bool OutOfOrder(qint32 p, const ListingData &data, bool orderAZ, const Collation &collation)
{
    const qint32 a = data.EntryOrder[size_t(p)];
    const qint32 b = data.EntryOrder[size_t(p) + 1];
    const int r =
        collation.compare(data.Entries[size_t(a)].SortKey, data.Entries[size_t(b)].SortKey);
    return orderAZ ? r == 1 : r == -1;
}

void SortEntries(qint32 count, ListingData &data, bool orderAZ, const Collation &collation)
{
    if (count < 2) return;
    const size_t n = size_t(count);

    // An exchange sort that only swaps neighbours out of order is stable, so its result
    // is the stable sort of the current order: equal keys stay as they stand, in both
    // directions, and descending keeps them in the same order as ascending does.
    std::vector<qint32> positions(n);
    {
        CollationKeys keys(collation);
        keys.reserve(n);
        for (size_t i = 0; i < n; ++i)
            keys.append(data.Entries[size_t(data.EntryOrder[i])].SortKey);

        for (size_t i = 0; i < n; ++i)
            positions[i] = qint32(i);
        if (orderAZ)
            std::stable_sort(positions.begin(), positions.end(), [&](qint32 a, qint32 b) {
                return keys.compare(size_t(a), size_t(b)) < 0;
            });
        else
            std::stable_sort(positions.begin(), positions.end(), [&](qint32 a, qint32 b) {
                return keys.compare(size_t(a), size_t(b)) > 0;
            });
    }

    for (size_t i = 0; i < n; ++i)
        positions[i] = data.EntryOrder[size_t(positions[i])];
    std::copy(positions.begin(), positions.end(), data.EntryOrder.begin());
}

} // namespace tamsoret
