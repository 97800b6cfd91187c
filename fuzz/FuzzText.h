#pragma once

// How the fuzz targets read their input: the first byte carries switches for the target
// (bits 0 to 6) and chooses the decoding of the rest (bit 7 set: raw UTF-16 units, which
// reach unpaired surrogates that no UTF-8 text decodes to; clear: UTF-8). The decoded text
// is then cut into fields at NUL characters, when the target asks for fields.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tamsoret::fuzz {

struct Input {
    unsigned switches = 0;
    QString text;
};

inline Input Decode(const uint8_t *data, size_t size)
{
    Input input;
    if (size == 0)
        return input;
    input.switches = data[0] & 0x7f;
    const char *rest = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    if (data[0] & 0x80) {
        // Copied, not cast: the bytes after the first one are not aligned for char16_t.
        input.text = QString(length / 2, Qt::Uninitialized);
        std::memcpy(input.text.data(), rest, size_t(length / 2) * sizeof(char16_t));
    } else
        input.text = QString::fromUtf8(rest, length);
    return input;
}

inline QStringList Fields(const QString &text) { return text.split(QChar(u'\0')); }

// Characters, with a surrogate pair counted as one, the way the listing counts them.
inline qsizetype Characters(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

inline bool HasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// A broken invariant: abort, so that libFuzzer keeps the input as a crash.
[[noreturn]] inline void Broken(const char *what)
{
    fprintf(stderr, "invariant broken: %s\n", what);
    abort();
}

} // namespace tamsoret::fuzz
