#include "platform/Ansi.h"

namespace tamsoret {

namespace {

// The characters Windows-1252 puts at 0x80..0x9F, where Latin-1 has control codes.
// Five of those places are unassigned.
constexpr char16_t HighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 0x98
};

char EncodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i) {
        if (HighTable[i] == c) return char(0x80 + i);
    }
    return '?';
}

} // namespace

void AppendWindows1252(QByteArray &out, QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        // A character outside the basic plane is one character, so one '?'.
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(EncodeOne(c.unicode()));
    }
}

QByteArray ToWindows1252(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    AppendWindows1252(out, text);
    return out;
}

} // namespace tamsoret
