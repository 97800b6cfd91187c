#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <memory>
#include <utility>
#include <vector>

struct UCollator;

namespace tamsoret {

// ICU's collator for sort keys, opened with the locale and attributes QCollator gives its
// own, so that byte order of its keys is the order of QCollator::compare(). Null where
// there is none: in the C locale, or when ICU has no collator to give. One handle is used
// by one thread at a time; another thread takes a clone().
class KeyCollator
{
public:
    KeyCollator() = default;
    explicit operator bool() const { return collator_ != nullptr; }

    // A collator of its own for another thread; null when ICU cannot make one.
    KeyCollator clone() const;

    // Writes ICU's sort key of the text into key, from its start, and gives its length,
    // the ending zero counted. key grows when the key is longer, and never shrinks.
    // Throws std::length_error for a text longer than ICU takes, std::bad_alloc when
    // ICU fails (it fails only for want of memory).
    size_t sortKey(QStringView text, std::vector<uchar> &key) const;

private:
    friend class Collation;
    explicit KeyCollator(std::shared_ptr<UCollator> collator) : collator_(std::move(collator)) {}
    std::shared_ptr<UCollator> collator_;
};

// Case-insensitive text comparison in the user's collation.
class Collation
{
public:
    // By default the order of LC_COLLATE (through LC_ALL and LANG as usual): the system
    // locale itself speaks the language of the texts, which LANGUAGE and LC_MESSAGES
    // choose, and a Swede who reads English still expects Å, Ä and Ö after Z.
    explicit Collation(const QLocale &locale = QLocale::system().collation());
    // -1, 0 or 1.
    int compare(const QString &a, const QString &b) const;
    // The locale whose order this is, for another thread to have a collation of its own.
    QLocale locale() const { return collator_.locale(); }

    // The collator's tables opened once more through ICU itself, with the locale and
    // attributes QCollator gives them, to make sort keys in bulk; opened when first
    // asked for, as QCollator opens its own. Null in the C locale (or when ICU has no
    // collator to give), where QCollator compares folded UTF-16 code units instead.
    const KeyCollator &keyCollator() const;

private:
    struct OpenedKeyCollator;

    QCollator collator_;
    std::shared_ptr<OpenedKeyCollator> keyCollator_; // shared by copies
};

} // namespace tamsoret
