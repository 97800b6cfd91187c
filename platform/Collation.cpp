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
void AppendFoldedUnits(QByteArray &out, const QString &text)
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

void CollationKeys::reserve(size_t count)
{
    empty_.reserve(count);
    if (collation_.codeUnitOrder_)
        foldedEnds_.reserve(count);
    else
        collated_.reserve(count);
}

void CollationKeys::append(const QString &text)
{
    empty_.push_back(text.isEmpty());
    if (collation_.codeUnitOrder_) {
        AppendFoldedUnits(folded_, text);
        foldedEnds_.push_back(folded_.size());
    } else {
        collated_.push_back(collation_.collator_.sortKey(text));
    }
}

int CollationKeys::compare(size_t a, size_t b) const
{
    if (collation_.codeUnitOrder_) {
        const qsizetype aBegin = a == 0 ? 0 : foldedEnds_[a - 1];
        const qsizetype bBegin = b == 0 ? 0 : foldedEnds_[b - 1];
        const QByteArrayView aKey(folded_.constData() + aBegin, foldedEnds_[a] - aBegin);
        const QByteArrayView bKey(folded_.constData() + bBegin, foldedEnds_[b] - bBegin);
        return Sign(aKey.compare(bKey));
    }
    if (empty_[a] || empty_[b]) return int(empty_[b]) - int(empty_[a]);
    return Sign(collated_[a].compare(collated_[b]));
}

} // namespace tamsoret
