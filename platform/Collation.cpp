#include "platform/Collation.h"

#include <QtEndian>

#include <unicode/ucol.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>

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

// ICU's keys end in their only zero byte. Each is read eight bytes at a time from where
// it begins, so the blocks that hold them leave room for a read past the last key. A key
// is found by 32 bits: the block in the high bits, the offset in the block in the low ones.
constexpr int OffsetBits = 20;
constexpr size_t KeyBlockBytes = size_t(1) << OffsetBits;
constexpr size_t MaxKeyBlocks = size_t(1) << (32 - OffsetBits);
constexpr size_t ReadPast = 7;

// One item of the sort of zero-ended keys: eight bytes of the key from the current depth
// on, big-endian, the bytes after its end zero. A key that ends within them therefore
// ends in a zero byte of the chunk, and keys with equal chunks either end together (they
// are equal) or both go on.
// Packed: a listing may sort a million of them, and the key is found through the index.
struct __attribute__((packed, aligned(4))) EndedSortItem
{
    quint64 chunk;
    qint32 index;
};
static_assert(sizeof(EndedSortItem) == 12);

quint64 EndedChunkAt(const uchar *at)
{
    const quint64 bytes = qFromLittleEndian<quint64>(at); // at[0] is the lowest byte
    // The lowest zero byte sets its top bit here, and no bit below it is set (a borrow
    // only runs upwards).
    const quint64 zeros = (bytes - 0x0101010101010101ULL) & ~bytes & 0x8080808080808080ULL;
    quint64 kept = bytes;
    if (zeros != 0) {
        const int end = std::countr_zero(zeros) & ~7; // the first bit of the ending zero
        kept = end == 0 ? 0 : bytes & (~quint64(0) >> (64 - end));
    }
    return qbswap(kept);
}

bool EndsInChunk(quint64 chunk)
{
    return (chunk & 0xFF) == 0;
}

// Sorts the items eight bytes of their keys a round, as SortByKey does.
void SortEndedKeys(std::vector<EndedSortItem> &items, const std::vector<quint32> &keys,
                   const std::vector<const uchar *> &blocks, bool ascending)
{
    const auto keyAt = [&](qint32 index) {
        const quint32 key = keys[size_t(index)];
        return blocks[key >> OffsetBits] + (key & (KeyBlockBytes - 1));
    };
    std::vector<PendingRun> pending{{0, items.size(), 0}};
    while (!pending.empty()) {
        const auto [begin, end, depth] = pending.back();
        pending.pop_back();
        constexpr size_t Ahead = 8;
        for (size_t i = begin; i < end; ++i) {
            if (i + Ahead < end) __builtin_prefetch(keyAt(items[i + Ahead].index) + depth);
            items[i].chunk = EndedChunkAt(keyAt(items[i].index) + depth);
        }
        const auto first = items.begin() + qsizetype(begin);
        const auto last = items.begin() + qsizetype(end);
        if (ascending)
            std::sort(first, last, [](const EndedSortItem &a, const EndedSortItem &b) {
                return a.chunk != b.chunk ? a.chunk < b.chunk : a.index < b.index;
            });
        else
            std::sort(first, last, [](const EndedSortItem &a, const EndedSortItem &b) {
                return a.chunk != b.chunk ? a.chunk > b.chunk : a.index < b.index;
            });
        for (size_t i = begin; i < end;) {
            size_t j = i + 1;
            while (j < end && items[j].chunk == items[i].chunk)
                ++j;
            if (j - i > 1 && !EndsInChunk(items[i].chunk)) pending.push_back({i, j, depth + 8});
            i = j;
        }
    }
}

void CloseCollator(UCollator *collator)
{
    ucol_close(collator);
}

// The collator QCollator opens for a case-insensitive comparison in this locale: the
// same name (the locale's BCP 47 name with underscores) and the same four attributes.
std::shared_ptr<UCollator> OpenKeyCollator(const QLocale &locale)
{
    if (locale.language() == QLocale::C) return nullptr;
    const QByteArray name = locale.bcp47Name().replace(u'-', u'_').toLatin1();
    UErrorCode status = U_ZERO_ERROR;
    std::shared_ptr<UCollator> collator(ucol_open(name.constData(), &status), CloseCollator);
    if (U_FAILURE(status) || collator == nullptr) return nullptr;
    // Each attribute is set as QCollator sets it, which goes on when one fails.
    const std::pair<UColAttribute, UColAttributeValue> attributes[] = {
        {UCOL_NORMALIZATION_MODE, UCOL_ON},
        {UCOL_STRENGTH, UCOL_SECONDARY}, // letter case does not count
        {UCOL_NUMERIC_COLLATION, UCOL_OFF},
        {UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE},
    };
    for (const auto &[attribute, value] : attributes) {
        status = U_ZERO_ERROR;
        ucol_setAttribute(collator.get(), attribute, value, &status);
    }
    return collator;
}

} // namespace

struct Collation::KeyCollator
{
    explicit KeyCollator(const QLocale &locale) : locale(locale) {}
    const QLocale locale;
    std::once_flag opened;
    std::shared_ptr<UCollator> collator;
};

const std::shared_ptr<UCollator> &Collation::keyCollator() const
{
    KeyCollator &key = *keyCollator_;
    std::call_once(key.opened, [&key] { key.collator = OpenKeyCollator(key.locale); });
    return key.collator;
}

Collation::Collation(const QLocale &locale)
    : collator_(locale), keyCollator_(std::make_shared<KeyCollator>(locale))
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int Collation::compare(const QString &a, const QString &b) const
{
    return Sign(collator_.compare(a, b));
}

struct CollationKeys::KeyBlock
{
    std::unique_ptr<uchar[]> data;
    size_t capacity = 0; // not counting the room left for reading past the last key
    size_t used = 0;
};

CollationKeys::CollationKeys(const Collation &collation, bool ownCollator)
    : collator_(collation.keyCollator())
{
    if (ownCollator && collator_) {
        UErrorCode status = U_ZERO_ERROR;
        collator_.reset(ucol_clone(collator_.get(), &status), CloseCollator);
        if (U_FAILURE(status) || collator_ == nullptr) throw std::bad_alloc();
    }
}

CollationKeys::~CollationKeys() = default;

void CollationKeys::reserve(size_t count)
{
    if (collated())
        collatedKeys_.reserve(count);
    else
        ranges_.reserve(count);
}

void CollationKeys::addKeyBlock(size_t capacity)
{
    if (blocks_.size() == MaxKeyBlocks) throw std::bad_alloc();
    blocks_.reserve(blocks_.size() + 1);
    KeyBlock block;
    block.capacity = capacity;
    // Not zeroed: the pages of a block are touched only as keys fill them.
    block.data.reset(new uchar[capacity + ReadPast]);
    blocks_.push_back(std::move(block));
}

const uchar *CollationKeys::collatedKey(quint32 key) const
{
    return blocks_[key >> OffsetBits].data.get() + (key & (KeyBlockBytes - 1));
}

void CollationKeys::appendCollated(const char16_t *text, qsizetype size)
{
    // The collator puts an empty text before every other one, even before a text of
    // ignorable characters only, whose ICU key is not empty. So an empty text has the
    // key of a lone zero byte, which sorts before every key ICU makes: the first byte of
    // the first block.
    if (blocks_.empty()) {
        addKeyBlock(KeyBlockBytes);
        std::memset(blocks_[0].data.get(), 0, 1 + ReadPast);
        blocks_[0].used = 1;
    }
    if (size == 0) {
        collatedKeys_.push_back(0);
        return;
    }
    if (size > INT32_MAX) throw std::length_error("text too long for a collation key");
    for (;;) {
        KeyBlock &block = blocks_.back();
        const size_t room = std::min(block.capacity - block.used, size_t(INT32_MAX));
        uchar *at = block.data.get() + block.used;
        const int32_t length =
            ucol_getSortKey(collator_.get(), reinterpret_cast<const UChar *>(text), int32_t(size),
                            at, int32_t(room));
        if (length <= 0) throw std::bad_alloc(); // ICU fails only for want of memory
        if (size_t(length) <= room) {
            // A read past the key's end reads known bytes, until the next key covers them.
            std::memset(at + length, 0, ReadPast);
            collatedKeys_.push_back(quint32(((blocks_.size() - 1) << OffsetBits) | block.used));
            // A block larger than usual holds one key: a later one could not be found.
            block.used = block.capacity > KeyBlockBytes ? block.capacity : block.used + length;
            return;
        }
        addKeyBlock(std::max(KeyBlockBytes, size_t(length)));
    }
}

void CollationKeys::appendKeys(CollationKeys &&other)
{
    // A key's block number moves up by the blocks already here; its offset stays.
    if (blocks_.size() + other.blocks_.size() > MaxKeyBlocks) throw std::bad_alloc();
    const quint32 moved = quint32(blocks_.size()) << OffsetBits;
    collatedKeys_.reserve(collatedKeys_.size() + other.collatedKeys_.size());
    blocks_.reserve(blocks_.size() + other.blocks_.size());
    for (quint32 key : other.collatedKeys_)
        collatedKeys_.push_back(key + moved);
    for (KeyBlock &block : other.blocks_)
        blocks_.push_back(std::move(block));
    other.collatedKeys_.clear();
    other.blocks_.clear();
}

void CollationKeys::append(QStringView text)
{
    if (collated()) {
        appendCollated(text.utf16(), text.size());
        return;
    }
    const qsizetype offset = folded_.size();
    AppendFoldedUnits(folded_, text);
    ranges_.push_back({quintptr(offset), quint32(folded_.size() - offset), false});
}

void CollationKeys::appendLatin1(const uchar *text, qsizetype size)
{
    if (collated()) {
        widened_.assign(text, text + size);
        appendCollated(widened_.data(), size);
        return;
    }
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
    if (collated()) {
        const char *key = reinterpret_cast<const char *>(collatedKey(collatedKeys_[i]));
        return QByteArrayView(key, qsizetype(std::strlen(key)));
    }
    const Range &r = ranges_[i];
    const char *data = r.outside ? reinterpret_cast<const char *>(r.where)
                                 : folded_.constData() + qsizetype(r.where);
    return QByteArrayView(data, qsizetype(r.size));
}

int CollationKeys::compare(size_t a, size_t b) const
{
    return Sign(keyBytes(a).compare(keyBytes(b)));
}

std::vector<qint32> CollationKeys::stableOrder(bool ascending) const
{
    std::vector<qint32> order(size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = qint32(i);
    arrangeStably(order.data(), ascending);
    return order;
}

namespace {

// values[i] goes with the item whose index is i; afterwards they stand in the items' order.
template <typename Item> void Arrange(std::vector<Item> &items, qint32 *values)
{
    for (Item &item : items)
        item.index = values[item.index];
    for (size_t i = 0; i < items.size(); ++i)
        values[i] = items[i].index;
}

} // namespace

void CollationKeys::arrangeStably(qint32 *values, bool ascending) const
{
    const size_t n = size();
    if (collated()) {
        std::vector<EndedSortItem> items(n);
        for (size_t i = 0; i < n; ++i)
            items[i] = {0, qint32(i)};
        std::vector<const uchar *> blocks;
        for (const KeyBlock &block : blocks_)
            blocks.push_back(block.data.get());
        SortEndedKeys(items, collatedKeys_, blocks, ascending);
        Arrange(items, values);
        return;
    }
    std::vector<SortItem> items(n);
    for (size_t i = 0; i < n; ++i) {
        const QByteArrayView key = keyBytes(i);
        items[i] = {0, reinterpret_cast<const uchar *>(key.data()), quint32(key.size()), qint32(i)};
    }
    SortByKey(items, ascending);
    Arrange(items, values);
}

} // namespace tamsoret
