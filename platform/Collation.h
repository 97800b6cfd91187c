#pragma once

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>

#include <vector>

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
    QCollator collator_;
    bool codeUnitOrder_; // the C locale: folded UTF-16 code units, no collation tables
};

// Keys made once per text, so that sorting many texts compares keys instead of running
// the collator on every pair. Comparing two keys agrees with Collation::compare() on
// their texts. Kept in one table because a listing may hold a million of them.
class CollationKeys
{
public:
    explicit CollationKeys(const Collation &collation);
    void reserve(size_t count);
    void append(const QString &text);
    size_t size() const { return empty_.size(); }
    // -1, 0 or 1 for the keys of the a-th and b-th text appended.
    int compare(size_t a, size_t b) const;

private:
    const Collation &collation_;
    // One bit per text: the collator puts an empty text before every other one, even
    // before a text of ignorable characters only, whose key equals the empty text's.
    std::vector<bool> empty_;
    // Code-unit order: the folded texts one after another, and where each one ends.
    QByteArray folded_;
    std::vector<qsizetype> foldedEnds_;
    // Otherwise: the collator's own keys.
    std::vector<QCollatorSortKey> collated_;
};

} // namespace tamsoret
