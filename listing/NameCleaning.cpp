#include "listing/NameCleaning.h"

#include <algorithm>

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

// Case mapping without the call into Qt's tables for the plain ASCII letters most names
// are made of; the result is the same.
char32_t Lower(char32_t c)
{
    if (c < 0x80) return (c >= U'A' && c <= U'Z') ? c + 0x20 : c;
    return QChar::toLower(c);
}

char32_t Upper(char32_t c)
{
    if (c < 0x80) return (c >= U'a' && c <= U'z') ? c - 0x20 : c;
    return QChar::toUpper(c);
}

char16_t *WriteCodePoint(char16_t *out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        *out++ = QChar::highSurrogate(c);
        *out++ = QChar::lowSurrogate(c);
    } else {
        *out++ = char16_t(c);
    }
    return out;
}

} // namespace

QStringView StripNulView(QStringView text)
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
    return text.sliced(begin, end - begin);
}

QString StripNul(QStringView text)
{
    return StripNulView(text).toString();
}

qsizetype WriteNiceCase(QStringView t, char16_t *out)
{
    // Case is mapped one character to one character, so that a name keeps its length
    // ("ß" does not become "SS") and the cut falls on a whole character.
    bool hasCapital = false;
    bool hasSmall = false;
    for (qsizetype i = 0; i < t.size() && !(hasCapital && hasSmall);) {
        const char32_t c = NextCodePoint(t, i);
        if (Lower(c) != c)
            hasCapital = true;
        if (Upper(c) != c)
            hasSmall = true;
    }
    if (hasCapital && hasSmall) {
        std::copy(t.utf16(), t.utf16() + t.size(), out);
        return t.size();
    }

    char16_t *const begin = out;
    int count = 0;
    for (qsizetype i = 0; i < t.size() && count <= MaxTailCharacters;) {
        const char32_t c = NextCodePoint(t, i);
        out = WriteCodePoint(out, count == 0 ? Upper(c) : Lower(c));
        ++count;
    }
    return out - begin;
}

QString NiceCase(QStringView text)
{
    const QStringView t = StripNulView(text);
    QString result(2 * t.size(), Qt::Uninitialized);
    result.resize(WriteNiceCase(t, reinterpret_cast<char16_t *>(result.data())));
    return result;
}

namespace {

bool IsControl(char16_t c)
{
    return c < 0x20 || c == 0x7f;
}

} // namespace

QString ReplaceControlCharacters(QString name)
{
    const qsizetype length = name.size();
    const QChar *chars = name.constData();
    qsizetype i = 0;
    while (i < length && !IsControl(chars[i].unicode()))
        ++i;
    if (i == length) return name;
    QChar *dest = name.data();
    for (; i < length; ++i) {
        if (IsControl(dest[i].unicode())) dest[i] = u'?';
    }
    return name;
}

QString ShownPath(const ListedFolder &folder)
{
    return ReplaceControlCharacters(folder.path());
}

} // namespace tamsoret
