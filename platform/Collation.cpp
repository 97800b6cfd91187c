#include "platform/Collation.h"

#include <algorithm>

namespace tamsoret {

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

void AppendOrderPreserving(QByteArray &out, char32_t v)
{
    // The UTF-8 scheme applied to any value up to 0x10FFFF, lone surrogates included:
    // byte order of the results is numeric order of the values, and no result is the
    // beginning of another, so a shorter text still sorts before its continuations.
    if (v < 0x80) {
        out.append(char(v));
    } else if (v < 0x800) {
        out.append(char(0xC0 | (v >> 6)));
        out.append(char(0x80 | (v & 0x3F)));
    } else if (v < 0x10000) {
        out.append(char(0xE0 | (v >> 12)));
        out.append(char(0x80 | ((v >> 6) & 0x3F)));
        out.append(char(0x80 | (v & 0x3F)));
    } else {
        out.append(char(0xF0 | (v >> 18)));
        out.append(char(0x80 | ((v >> 12) & 0x3F)));
        out.append(char(0x80 | ((v >> 6) & 0x3F)));
        out.append(char(0x80 | (v & 0x3F)));
    }
}

// Without collation tables Qt compares case-insensitively one UTF-16 unit at a time:
// each unit is folded on its own, except that a low surrogate after a high one is
// folded together with it and stands for the whole character. The key repeats that
// unit by unit, so it orders exactly as that comparison does.
void AppendFoldedUnits(QByteArray &out, QStringView text)
{
    char32_t last = 0;
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        char32_t value;
        if (unit < 0x80) {
            value = (unit >= u'A' && unit <= u'Z') ? char32_t(unit + 0x20) : char32_t(unit);
        } else {
            char32_t ucs4 = unit;
            if (QChar::isLowSurrogate(ucs4) && QChar::isHighSurrogate(last))
                ucs4 = QChar::surrogateToUcs4(char16_t(last), unit);
            value = QChar::toCaseFolded(ucs4);
        }
        last = unit;
        AppendOrderPreserving(out, value);
    }
}

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

// Sorts items[begin, end), whose keys share their first depth bytes, eight bytes a
// round: most keys differ within the first rounds, so each key is read a few times in
// all, instead of once in every comparison of a comparison sort.
void SortByKey(std::vector<SortItem> &items, size_t begin, size_t end, quint32 depth,
               bool ascending)
{
    // Below the first round the items are no longer in the order of their keys in
    // memory: ask for the keys some items ahead.
    constexpr size_t Ahead = 8;
    for (size_t i = begin; i < end; ++i) {
        if (i + Ahead < end) __builtin_prefetch(items[i + Ahead].key + depth);
        items[i].chunk = ChunkAt(items[i].key, items[i].size, depth);
    }
    const auto first = items.begin() + qsizetype(begin);
    const auto last = items.begin() + qsizetype(end);
    // The number each item carries is its place in the order to keep among equals.
    if (ascending)
        std::sort(first, last, [depth](const SortItem &a, const SortItem &b) {
            if (a.chunk != b.chunk) return a.chunk < b.chunk;
            const quint32 ta = TagAt(a.size, depth), tb = TagAt(b.size, depth);
            if (ta != tb) return ta < tb;
            return a.index < b.index;
        });
    else
        std::sort(first, last, [depth](const SortItem &a, const SortItem &b) {
            if (a.chunk != b.chunk) return a.chunk > b.chunk;
            const quint32 ta = TagAt(a.size, depth), tb = TagAt(b.size, depth);
            if (ta != tb) return ta > tb;
            return a.index < b.index;
        });
    // Keys with equal chunks that go on beyond them are ordered by their next bytes.
    for (size_t i = begin; i < end;) {
        size_t j = i + 1;
        while (j < end && items[j].chunk == items[i].chunk &&
               TagAt(items[j].size, depth) == TagAt(items[i].size, depth))
            ++j;
        if (j - i > 1 && TagAt(items[i].size, depth) == 9)
            SortByKey(items, i, j, depth + 8, ascending);
        i = j;
    }
}

} // namespace

Collation::Collation(const QLocale &locale)
    : collator_(locale), codeUnitOrder_(locale.language() == QLocale::C)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int Collation::compare(const QString &a, const QString &b) const
{
    return Sign(collator_.compare(a, b));
}

CollationKeys::CollationKeys(const Collation &collation) : collation_(collation) {}

CollationKeys::~CollationKeys() = default;

void CollationKeys::reserve(size_t count)
{
    empty_.reserve(count);
    if (collation_.codeUnitOrder_)
        ranges_.reserve(count);
    else
        collated_.reserve(count);
}

void CollationKeys::append(QStringView text)
{
    empty_.push_back(text.isEmpty());
    if (collation_.codeUnitOrder_) {
        const qsizetype offset = folded_.size();
        AppendFoldedUnits(folded_, text);
        ranges_.push_back({quintptr(offset), quint32(folded_.size() - offset), false});
    } else {
        collated_.push_back(collation_.collator_.sortKey(text.toString()));
    }
}

void CollationKeys::appendLatin1(const uchar *text, qsizetype size)
{
    if (!collation_.codeUnitOrder_) {
        empty_.push_back(size == 0);
        collated_.push_back(collation_.collator_.sortKey(
            QString::fromLatin1(reinterpret_cast<const char *>(text), size)));
        return;
    }
    empty_.push_back(size == 0);
    bool ownKey = true;
    for (qsizetype i = 0; i < size && ownKey; ++i)
        ownKey = text[i] < 0x80 && !(text[i] >= 'A' && text[i] <= 'Z');
    if (ownKey) {
        ranges_.push_back({quintptr(text), quint32(size), true});
        return;
    }
    const qsizetype offset = folded_.size();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar c = text[i];
        AppendOrderPreserving(folded_,
                              c < 0x80 ? ((c >= 'A' && c <= 'Z') ? char32_t(c + 0x20) : char32_t(c))
                                       : QChar::toCaseFolded(char32_t(c)));
    }
    ranges_.push_back({quintptr(offset), quint32(folded_.size() - offset), false});
}

QByteArrayView CollationKeys::keyBytes(size_t i) const
{
    const Range &r = ranges_[i];
    const char *data = r.outside ? reinterpret_cast<const char *>(r.where)
                                 : folded_.constData() + qsizetype(r.where);
    return QByteArrayView(data, qsizetype(r.size));
}

int CollationKeys::compare(size_t a, size_t b) const
{
    if (collation_.codeUnitOrder_) return Sign(keyBytes(a).compare(keyBytes(b)));
    if (empty_[a] || empty_[b]) return int(empty_[b]) - int(empty_[a]);
    return Sign(collated_[a].compare(collated_[b]));
}

std::vector<qint32> CollationKeys::stableOrder(bool ascending) const
{
    const size_t n = size();
    std::vector<qint32> order;
    if (collation_.codeUnitOrder_) {
        std::vector<SortItem> items(n);
        for (size_t i = 0; i < n; ++i) {
            const QByteArrayView key = keyBytes(i);
            items[i] = {0, reinterpret_cast<const uchar *>(key.data()), quint32(key.size()),
                        qint32(i)};
        }
        SortByKey(items, 0, n, 0, ascending);
        order.resize(n);
        for (size_t i = 0; i < n; ++i)
            order[i] = items[i].index;
        return order;
    }
    order.resize(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = qint32(i);
    if (ascending)
        std::stable_sort(order.begin(), order.end(),
                         [&](qint32 a, qint32 b) { return compare(size_t(a), size_t(b)) < 0; });
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](qint32 a, qint32 b) { return compare(size_t(a), size_t(b)) > 0; });
    return order;
}

} // namespace tamsoret
