// The file-name filter: any pattern is either refused with a message naming it or
// matched against any candidate, in time bounded by the product of their lengths.
// Input: pattern, NUL, candidates separated by NUL.

#include "fuzz/FuzzText.h"
#include "listing/FilterPattern.h"
#include "platform/Failure.h"

#include <optional>

using namespace tamsoret;
using namespace tamsoret::fuzz;

namespace {

bool HasWildcard(const QString &pattern)
{
    for (QChar c : pattern) {
        if (c == u'?' || c == u'*' || c == u'#' || c == u'[')
            return true;
    }
    return false;
}

// Every letter as its capital, where the capital folds to what the letter folds to ("ı"
// has the capital "I", which folds to "i": it stays). One code point stays one.
QString Capitals(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        const char32_t upper = QChar::toUpper(c);
        if (QChar::toCaseFolded(upper) == QChar::toCaseFolded(c))
            c = upper;
        if (QChar::requiresSurrogates(c)) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(char16_t(c));
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The match is quadratic at worst; long inputs only slow the search down.
    if (size > 4096)
        return 0;
    const QStringList fields = Fields(Decode(data, size).text);
    const QString &pattern = fields.first();

    std::optional<FilterPattern> filter;
    try {
        filter.emplace(pattern);
    } catch (const Failure &failure) {
        if (failure.on() != pattern || failure.reason().isEmpty())
            Broken("a refused pattern is not named with a reason");
        return 0;
    }

    static const FilterPattern all(QStringLiteral("*"));
    const FilterPattern extended(pattern + u'*');
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QString &candidate = fields[i];
        if (!all.matches(candidate))
            Broken("\"*\" does not match everything");
        if (filter->matches(candidate) && !extended.matches(candidate + QStringLiteral("x.y")))
            Broken("a pattern followed by a star loses a match");
    }
    if (!HasWildcard(pattern) && !filter->matches(pattern))
        Broken("a pattern without wildcards does not match itself");
    if (!HasWildcard(pattern) && !filter->matches(Capitals(pattern)))
        Broken("a pattern without wildcards does not match its capitals");
    return 0;
}
