#include "sort/KeySort.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tamsoret {

namespace {

// One item of the key sort: eight bytes of the key from the current depth on, in
// big-endian order so that comparing them as numbers compares the bytes.
struct SortItem
{
    quint64 chunk;
    const uchar *key;
    quint32 size;
    qint32 index;
};

quint64 ChunkAt(const uchar *key, quint32 size, quint32 depth)
{
    quint64 chunk = 0;
    const quint32 end = std::min(size, depth + 8);
    for (quint32 i = depth; i < end; ++i)
        chunk |= quint64(key[i]) << (8 * (7 - (i - depth)));
    return chunk;
}

// How many of the chunk's bytes belong to the key, 9 when it goes on beyond them. Among
// keys that share the bytes before the depth, (chunk, tag) orders as the keys do: the
// padding of a key that ends is never larger than the byte it stands beside, and a key
// that ends sorts before its continuations.
quint32 TagAt(quint32 size, quint32 depth)
{
    return size - depth > 8 ? 9 : size - depth;
}

// A run of items whose keys share their first depth bytes and are still to be sorted.
// The runs wait in a list rather than on the stack: keys may share more bytes than the
// stack has room for rounds.
struct PendingRun
{
    size_t begin;
    size_t end;
    size_t depth;
};

// Sorts the items eight bytes of their keys a round: most keys differ within the first
// rounds, so each key is read a few times in all, instead of once in every comparison
// of a comparison sort.
void SortByKey(std::vector<SortItem> &items, bool ascending)
{
    std::vector<PendingRun> pending{{0, items.size(), 0}};
    while (!pending.empty()) {
        const auto [begin, end, depth] = pending.back();
        pending.pop_back();
        // Below the first round the items are no longer in the order of their keys in
        // memory: ask for the keys some items ahead.
        constexpr size_t Ahead = 8;
        for (size_t i = begin; i < end; ++i) {
            if (i + Ahead < end) __builtin_prefetch(items[i + Ahead].key + depth);
            items[i].chunk = ChunkAt(items[i].key, items[i].size, quint32(depth));
        }
        const auto first = items.begin() + qsizetype(begin);
        const auto last = items.begin() + qsizetype(end);
        const quint32 at = quint32(depth);
        // The number each item carries is its place in the order to keep among equals.
        if (ascending)
            std::sort(first, last, [at](const SortItem &a, const SortItem &b) {
                if (a.chunk != b.chunk) return a.chunk < b.chunk;
                const quint32 ta = TagAt(a.size, at), tb = TagAt(b.size, at);
                if (ta != tb) return ta < tb;
                return a.index < b.index;
            });
        else
            std::sort(first, last, [at](const SortItem &a, const SortItem &b) {
                if (a.chunk != b.chunk) return a.chunk > b.chunk;
                const quint32 ta = TagAt(a.size, at), tb = TagAt(b.size, at);
                if (ta != tb) return ta > tb;
                return a.index < b.index;
            });
        // Keys with equal chunks that go on beyond them are ordered by their next bytes.
        for (size_t i = begin; i < end;) {
            size_t j = i + 1;
            while (j < end && items[j].chunk == items[i].chunk &&
                   TagAt(items[j].size, at) == TagAt(items[i].size, at))
                ++j;
            if (j - i > 1 && TagAt(items[i].size, at) == 9) pending.push_back({i, j, depth + 8});
            i = j;
        }
    }
}

// Puts values in the order of the items: values[i] goes with the item whose index is i.
template <typename Item> void Arrange(const std::vector<Item> &items, qint32 *values)
{
    std::vector<qint32> arranged(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        arranged[i] = values[items[i].index];
    std::copy(arranged.begin(), arranged.end(), values);
}

// Orders the prefixes begin .. end, which are all alike, by the rest of their keys: the
// keys are made again, one after another, and the numbers put in the order of the keys'
// bytes after the prefix.
void OrderByWholeKeys(CollationKeys &keys, size_t begin, size_t end, bool ascending,
                      const CollationKeys::TextAt &textAt)
{
    std::vector<CollationKeys::KeyPrefix> &prefixes = keys.prefixes();
    std::vector<uchar> rests;
    struct Made
    {
        quint32 offset;
        qint32 index;
    };
    std::vector<Made> made;
    made.reserve(end - begin);
    for (size_t i = begin; i < end; ++i) {
        const QByteArrayView key = keys.makeKey(textAt(size_t(prefixes[i].index)));
        if (rests.size() > UINT32_MAX) throw std::bad_alloc();
        made.push_back({quint32(rests.size()), prefixes[i].index});
        const auto *bytes = reinterpret_cast<const uchar *>(key.data());
        rests.insert(rests.end(), bytes + CollationKeys::PrefixBytes, bytes + key.size());
    }
    const auto rest = [&rests](const Made &m) {
        return reinterpret_cast<const char *>(rests.data() + m.offset);
    };
    std::sort(made.begin(), made.end(), [&](const Made &a, const Made &b) {
        const int r = std::strcmp(rest(a), rest(b));
        if (r != 0) return ascending ? r < 0 : r > 0;
        return a.index < b.index;
    });
    for (size_t i = begin; i < end; ++i)
        prefixes[i].index = made[i - begin].index;
}

} // namespace

std::vector<qint32> StableOrder(CollationKeys &keys, bool ascending,
                                const CollationKeys::TextAt &textAt)
{
    std::vector<qint32> order(keys.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = qint32(i);
    ArrangeStably(keys, order.data(), ascending, textAt);
    return order;
}

void ArrangeStably(CollationKeys &keys, qint32 *values, bool ascending,
                   const CollationKeys::TextAt &textAt)
{
    const size_t n = keys.size();
    if (keys.collated()) {
        using Prefix = CollationKeys::KeyPrefix;
        std::vector<Prefix> &prefixes = keys.prefixes();
        // Most keys differ within their first bytes, which the items hold: one sort of
        // the items in place orders them, and only texts whose keys share those bytes
        // are looked at again.
        std::sort(prefixes.begin(), prefixes.end(), [ascending](const Prefix &a, const Prefix &b) {
            for (size_t c = 0; c < CollationKeys::PrefixChunks; ++c) {
                if (a.chunks[c] != b.chunks[c])
                    return ascending ? a.chunks[c] < b.chunks[c] : a.chunks[c] > b.chunks[c];
            }
            return a.index < b.index;
        });
        for (size_t i = 0; i < n;) {
            size_t j = i + 1;
            while (j < n && prefixes[j].samePrefix(prefixes[i]))
                ++j;
            if (j - i > 1 && !prefixes[i].endsInPrefix())
                OrderByWholeKeys(keys, i, j, ascending, textAt);
            i = j;
        }
        Arrange(prefixes, values);
        return;
    }
    std::vector<SortItem> items(n);
    for (size_t i = 0; i < n; ++i) {
        const QByteArrayView key = keys.keyBytes(i);
        items[i] = {0, reinterpret_cast<const uchar *>(key.data()), quint32(key.size()), qint32(i)};
    }
    SortByKey(items, ascending);
    Arrange(items, values);
}

} // namespace tamsoret
