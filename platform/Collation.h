#pragma once

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

struct UCollator;

namespace tamsoret {

// Case-insensitive text comparison in the user's collation.
class Collation
{
public:
    explicit Collation(const QLocale &locale = QLocale::system());
    // -1, 0 or 1.
    int compare(const QString &a, const QString &b) const;

private:
    friend class CollationKeys;
    struct KeyCollator;
    // The collator's tables opened once more through ICU itself, with the locale and
    // attributes QCollator gives them, to make sort keys in bulk; opened when first
    // asked for, as QCollator opens its own. Null in the C locale (or when ICU has no
    // collator to give), where QCollator compares folded UTF-16 code units instead.
    const std::shared_ptr<UCollator> &keyCollator() const;

    QCollator collator_;
    std::shared_ptr<KeyCollator> keyCollator_; // shared by copies
};

// Keys made once per text, so that sorting many texts compares keys instead of running
// the collator on every pair. Comparing two keys agrees with Collation::compare() on
// their texts. Kept in few tables because a listing may hold a million of them.
class CollationKeys
{
public:
    // ownCollator: the keys are made with a copy of the collator of their own, so that
    // they can be made on another thread beside other keys.
    explicit CollationKeys(const Collation &collation, bool ownCollator = false);
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
    size_t size() const { return collated() ? collatedKeys_.size() : ranges_.size(); }
    // True when the keys come from the collator's tables (every locale but C and POSIX):
    // then making them is most of the work of a sort, and keys made on several threads
    // can be joined.
    bool collated() const { return collator_ != nullptr; }
    // Takes over the keys of other, made with the same collation, as if their texts had
    // been appended here in their order. Only when collated(); other is left empty.
    void appendKeys(CollationKeys &&other);
    // -1, 0 or 1 for the keys of the a-th and b-th text appended.
    int compare(size_t a, size_t b) const;
    // The numbers 0 .. size() - 1 of the texts appended, ordered by their keys, ascending
    // or descending; texts with equal keys keep the order in which they were appended.
    std::vector<qint32> stableOrder(bool ascending) const;
    // values[i] goes with the i-th text appended: puts the values in that order, without
    // a second array of them.
    void arrangeStably(qint32 *values, bool ascending) const;

private:
    struct Range
    {
        quintptr where; // the address of the appended text itself, or an offset in folded_
        quint32 size;
        bool outside;
    };
    struct KeyBlock;
    QByteArrayView keyBytes(size_t i) const;
    void addKeyBlock(size_t capacity);
    const uchar *collatedKey(quint32 key) const;
    void appendCollated(const char16_t *text, qsizetype size);

    // The collation's key collator, or a copy of it; null for code-unit order.
    std::shared_ptr<UCollator> collator_;
    // Code-unit order: the folded texts one after another, and where each key lies.
    QByteArray folded_;
    std::vector<Range> ranges_;
    // Otherwise: ICU's sort keys, each ending in its only zero byte, one after another
    // in large blocks, and where each begins (block and offset in 32 bits).
    std::vector<KeyBlock> blocks_;
    std::vector<quint32> collatedKeys_;
    std::vector<char16_t> widened_; // a Latin-1 text on its way to the collator
};

} // namespace tamsoret
