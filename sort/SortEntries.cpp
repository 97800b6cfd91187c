#include "sort/SortEntries.h"

#include <QThread>

#include <exception>
#include <thread>
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

// Below this many entries a second thread gains less than it costs to start.
constexpr size_t SplitKeysFrom = 1000;

// The keys of the entries at EntryOrder[begin, end).
void AppendKeys(CollationKeys &keys, const ListingData &data, size_t begin, size_t end)
{
    for (size_t i = begin; i < end; ++i) {
        const EntryText key = data.Entries.text(size_t(data.EntryOrder[i]), EntryField::SortKey);
        if (key.isWide())
            keys.append(key.utf16());
        else
            keys.appendLatin1(key.latin1(), key.size());
    }
}

} // namespace

void SortEntries(qint32 count, ListingData &data, bool orderAZ, const Collation &collation)
{
    if (count < 2) return;
    const size_t n = size_t(count);

    // The keys live only as long as the sort: a listing keeps the texts it prints.
    CollationKeys keys(collation);
    keys.reserve(n);
    if (keys.collated() && n >= SplitKeysFrom && QThread::idealThreadCount() > 1) {
        // Making collation keys is most of the sort: the second half is made on a
        // thread of its own, with a collator of its own.
        const size_t half = n / 2;
        CollationKeys secondHalf(collation, true);
        secondHalf.reserve(n - half);
        std::exception_ptr failure;
        {
            std::jthread worker([&] {
                try {
                    AppendKeys(secondHalf, data, half, n);
                } catch (...) {
                    failure = std::current_exception();
                }
            });
            AppendKeys(keys, data, 0, half);
        }
        if (failure) std::rethrow_exception(failure);
        keys.appendKeys(std::move(secondHalf));
    } else {
        AppendKeys(keys, data, 0, n);
    }
    // An exchange sort that only swaps neighbours out of order is stable, so its result
    // is the stable sort of the current order: equal keys stay as they stand, in both
    // directions, and descending keeps them in the same order as ascending does.
    keys.arrangeStably(data.EntryOrder.data(), orderAZ);
}

} // namespace tamsoret
