#include "platform/Collation.h"

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
QByteArray FoldedUnits(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
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
    return out;
}

} // namespace

int CollationKey::compare(const CollationKey &other) const
{
    const auto *bytes = std::get_if<QByteArray>(&key_);
    const auto *otherBytes = std::get_if<QByteArray>(&other.key_);
    if (bytes && otherBytes)
        return Sign(bytes->compare(*otherBytes));
    if (bytes)
        return -1;
    if (otherBytes)
        return 1;
    return Sign(std::get<QCollatorSortKey>(key_).compare(std::get<QCollatorSortKey>(other.key_)));
}

Collation::Collation(const QLocale &locale)
    : collator_(locale), codeUnitOrder_(locale.language() == QLocale::C)
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
}

int Collation::compare(const QString &a, const QString &b) const
{
    return Sign(collator_.compare(a, b));
}

CollationKey Collation::sortKey(const QString &text) const
{
    if (codeUnitOrder_)
        return CollationKey(FoldedUnits(text));
    if (text.isEmpty())
        return CollationKey(QByteArray());
    return CollationKey(collator_.sortKey(text));
}

} // namespace tamsoret
