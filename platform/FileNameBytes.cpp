#include "platform/FileNameBytes.h"

namespace tamsoret {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

// The length of the UTF-8 character that starts at data[i], or 0 when the bytes there are
// none: a stray continuation byte, a cut sequence, an overlong form, an encoded surrogate
// or a code point beyond U+10FFFF.
int CharacterLength(const unsigned char *data, qsizetype i, qsizetype size, char32_t &code)
{
    const unsigned char lead = data[i];
    int length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (size - i < length) return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = data[i + k];
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

} // namespace

QString DecodeFileName(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < size;) {
        char32_t code = 0;
        const int length = CharacterLength(data, i, size, code);
        if (length == 0) {
            text.append(QChar(char16_t(EscapeBase + data[i])));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            text.append(QChar(QChar::highSurrogate(code)));
            text.append(QChar(QChar::lowSurrogate(code)));
        } else {
            text.append(QChar(char16_t(code)));
        }
        i += length;
    }
    return text;
}

QByteArray EncodeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = name.at(i).unicode();
        if (unit >= 0xDC80 && unit <= 0xDCFF) {
            bytes.append(char(unit - EscapeBase));
            continue;
        }
        qsizetype end = i + 1;
        if (QChar::isHighSurrogate(unit) && end < size && name.at(end).isLowSurrogate()) ++end;
        bytes.append(QStringView(name).mid(i, end - i).toUtf8());
        i = end - 1;
    }
    return bytes;
}

bool IsWholeUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    char32_t code = 0;
    for (qsizetype i = 0, size = bytes.size(); i < size;) {
        const int length = CharacterLength(data, i, size, code);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

} // namespace tamsoret
