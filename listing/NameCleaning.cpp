#include "listing/NameCleaning.h"


namespace tamsoret {

namespace {

// The characters kept after the first one; longer names are cut.
constexpr int MaxTailCharacters = 255;

// The character at position i, a surrogate pair taken as one; i moves past it.
char32_t NextCodePoint(QStringView text, qsizetype &i)
{
    const char16_t c = text[i++].unicode();
    if (QChar::isHighSurrogate(c) && i < text.size() && text[i].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i++].unicode());
    return c;
}

void AppendCodePoint(QString &out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

} // namespace

QString StripNul(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text = text.first(nul);
    // Only the space is trimmed: a tab or other white space belongs to the name.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

QString NiceCase(QStringView text)
{
    const QString t = StripNul(text);

    // Case is mapped one character to one character, so that a name keeps its length
    // ("ß" does not become "SS") and the cut falls on a whole character.
    bool hasCapital = false;
    bool hasSmall = false;
    for (qsizetype i = 0; i < t.size() && !(hasCapital && hasSmall);) {
        const char32_t c = NextCodePoint(t, i);
        if (QChar::toLower(c) != c)
            hasCapital = true;
        if (QChar::toUpper(c) != c)
            hasSmall = true;
    }
    if (hasCapital && hasSmall)
        return t;

    QString result;
    result.reserve(t.size());
    int count = 0;
    for (qsizetype i = 0; i < t.size() && count <= MaxTailCharacters;) {
        const char32_t c = NextCodePoint(t, i);
        AppendCodePoint(result, count == 0 ? QChar::toUpper(c) : QChar::toLower(c));
        ++count;
    }
    return result;
}

} // namespace tamsoret
