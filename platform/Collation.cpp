#include "platform/Collation.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <climits>
#include <mutex>
#include <new>
#include <stdexcept>

namespace tamsoret {

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
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

KeyCollator KeyCollator::clone() const
{
    if (collator_ == nullptr) return {};
    UErrorCode status = U_ZERO_ERROR;
    std::shared_ptr<UCollator> copy(ucol_clone(collator_.get(), &status), CloseCollator);
    if (U_FAILURE(status) || copy == nullptr) return {};
    return KeyCollator(std::move(copy));
}

size_t KeyCollator::sortKey(QStringView text, std::vector<uchar> &key) const
{
    if (text.size() > INT32_MAX) throw std::length_error("text too long for a collation key");
    for (;;) {
        const int32_t length = ucol_getSortKey(
            collator_.get(), reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()),
            key.data(), int32_t(std::min(key.size(), size_t(INT32_MAX))));
        if (length <= 0) throw std::bad_alloc(); // ICU fails only for want of memory
        if (size_t(length) <= key.size()) return size_t(length);
        key.resize(size_t(length));
    }
}

struct Collation::OpenedKeyCollator
{
    explicit OpenedKeyCollator(const QLocale &locale) : locale(locale) {}
    const QLocale locale;
    std::once_flag opened;
    KeyCollator collator;
};

const KeyCollator &Collation::keyCollator() const
{
    OpenedKeyCollator &key = *keyCollator_;
    std::call_once(key.opened,
                   [&key] { key.collator = KeyCollator(OpenKeyCollator(key.locale)); });
    return key.collator;
}

Collation::Collation(const QLocale &locale)
    : collator_(locale), keyCollator_(std::make_shared<OpenedKeyCollator>(locale))
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int Collation::compare(const QString &a, const QString &b) const
{
    return Sign(collator_.compare(a, b));
}

} // namespace tamsoret
