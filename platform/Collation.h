#pragma once

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>

#include <variant>

namespace tamsoret {

// A key made once per text, so that sorting many texts compares keys instead of running
// the collator on every pair. Keys made by one Collation compare like compare() on their
// texts; keys of different Collations must not be mixed.
class CollationKey
{
public:
    // -1, 0 or 1.
    int compare(const CollationKey &other) const;
    bool operator<(const CollationKey &other) const { return compare(other) < 0; }
    bool operator>(const CollationKey &other) const { return compare(other) > 0; }

private:
    friend class Collation;
    explicit CollationKey(QByteArray folded) : key_(std::move(folded)) {}
    explicit CollationKey(QCollatorSortKey collated) : key_(std::move(collated)) {}

    // The bytes of the case-folded text where the collator only compares code units;
    // the collator's own key otherwise. There an empty text is held as empty bytes:
    // the collator puts it before every other text, even one that its key would make
    // equal to it (a text of ignorable characters only).
    std::variant<QByteArray, QCollatorSortKey> key_;
};

// Case-insensitive text comparison in the user's collation.
class Collation
{
public:
    explicit Collation(const QLocale &locale = QLocale::system());
    // -1, 0 or 1.
    int compare(const QString &a, const QString &b) const;
    CollationKey sortKey(const QString &text) const;

private:
    QCollator collator_;
    bool codeUnitOrder_; // the C locale: folded UTF-16 code units, no collation tables
};

} // namespace tamsoret
