#pragma once

#include "platform/Collation.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

namespace tamsoret {

// A text as keys are made of it: UTF-16, or Latin-1 one byte a character.
struct KeyText
{
    KeyText(QStringView text) : utf16(text) {}
    KeyText(const uchar *text, qsizetype size) : latin1(text), latin1Size(size) {}
    QStringView utf16;
    const uchar *latin1 = nullptr; // when set, the text is these latin1Size bytes
    qsizetype latin1Size = 0;
};

// Keys made once per text, so that sorting many texts compares keys instead of running
// the collator on every pair. Comparing two keys agrees with Collation::compare() on
// their texts. Kept in few tables because a listing may hold a million of them.
class CollationKeys
{
public:
    explicit CollationKeys(const Collation &collation);
    ~CollationKeys();
    CollationKeys(const CollationKeys &) = delete;
    CollationKeys &operator=(const CollationKeys &) = delete;

    void reserve(size_t count);
    void append(QStringView text);
    // A text of Latin-1 characters, one byte each. Where the text is its own key (plain
    // ASCII without capitals, as most sort keys are in the C locale) the key is not
    // copied: the bytes must then stay in place, unchanged, for as long as the keys are
    // used.
    void appendLatin1(const uchar *text, qsizetype size);
    size_t size() const { return collated() ? prefixes_.size() : ranges_.size(); }
    // True when the keys come from the collator's tables (every locale but C and POSIX).
    bool collated() const { return bool(collator_); }

    // The texts appended, again, by number. A collated key is kept only as far as its
    // first bytes, which tell most texts apart; texts whose keys share them are asked for
    // again, and their whole keys made once more.
    using TextAt = std::function<KeyText(size_t)>;
    // Appends the texts textAt(size() .. size() + count - 1). In a collating locale,
    // where making the keys is most of the work of a sort, they are made on more threads
    // the more texts there are, up to the processors this process may use: textAt is then
    // called from all of them at once. When no further thread or collator can be had the
    // caller's thread makes all the keys.
    void appendAll(size_t count, const TextAt &textAt);
    // For measuring only: TAMSORET_KEY_THREADS=N in the environment makes appendAll() use
    // N threads whatever the count and the machine.
    static constexpr char ForceThreadsVariable[] = "TAMSORET_KEY_THREADS";
    // -1, 0 or 1 for the keys of the a-th and b-th text appended.
    int compare(size_t a, size_t b, const TextAt &textAt);

    // The first bytes of a key, which tell most keys apart: big-endian, zero after the
    // key's end, which is its only zero byte. A key that ends among them ends in a zero
    // last byte; keys whose first bytes are equal either end together (they are equal)
    // or both go on. Packed: a listing may sort a million of them.
    static constexpr size_t PrefixChunks = 3;
    static constexpr size_t PrefixBytes = 8 * PrefixChunks;
    struct __attribute__((packed, aligned(4))) KeyPrefix
    {
        quint64 chunks[PrefixChunks];
        qint32 index;
        bool endsInPrefix() const;
        bool samePrefix(const KeyPrefix &other) const;
    };
    static_assert(sizeof(KeyPrefix) == 4 + 8 * PrefixChunks);
    // Collated keys: the first bytes of each text's key, with the text's number, for the
    // sort to put in order in place.
    std::vector<KeyPrefix> &prefixes() { return prefixes_; }
    // Collated keys: the whole key of a text, its ending zero counted; valid until the
    // next key is made.
    QByteArrayView makeKey(KeyText text);
    // Code-unit order: the i-th text's key.
    QByteArrayView keyBytes(size_t i) const;

private:
    struct Range
    {
        quintptr where; // the address of the appended text itself, or an offset in folded_
        quint32 size;
        bool outside;
    };
    class KeyMaker;

    // The collation's key collator; null for code-unit order.
    KeyCollator collator_;
    // Code-unit order: the folded texts one after another, and where each key lies.
    QByteArray folded_;
    std::vector<Range> ranges_;
    // Otherwise: the first bytes of ICU's key of each text, with the text's number.
    std::vector<KeyPrefix> prefixes_;
    std::unique_ptr<KeyMaker> maker_;
};

} // namespace tamsoret
