#include "sort/SortEntries.h"

#include "sort/CollationKeys.h"
#include "sort/KeySort.h"

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

namespace {

KeyText SortKeyAt(const ListingData &data, size_t i)
{
    const EntryText key = data.Entries.text(size_t(data.EntryOrder[i]), EntryField::SortKey);
    if (key.isWide()) return KeyText(key.utf16());
    return KeyText(key.latin1(), key.size());
}

} // namespace

void SortEntries(qint32 count, ListingData &data, bool orderAZ, const Collation &collation)
{
    if (count < 2) return;
    const auto sortKeyAt = [&data](size_t i) { return SortKeyAt(data, i); };
    // The keys live only as long as the sort: a listing keeps the texts it prints.
    CollationKeys keys(collation);
    keys.appendAll(size_t(count), sortKeyAt);
    // An exchange sort that only swaps neighbours out of order is stable, so its result
    // is the stable sort of the current order: equal keys stay as they stand, in both
    // directions, and descending keeps them in the same order as ascending does.
    ArrangeStably(keys, data.EntryOrder.data(), orderAZ, sortKeyAt);
}

} // namespace tamsoret
