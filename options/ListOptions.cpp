#include "options/ListOptions.h"

#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace tamsoret {

double LeadingNumber(QStringView text)
{
    std::string compact;
    compact.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') continue;
        if (c.unicode() >= 0x80) break;
        compact.push_back(char(c.unicode()));
    }

    auto isDigit = [&](size_t i) {
        return i < compact.size() && compact[i] >= '0' && compact[i] <= '9';
    };
    size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ++i;
    size_t digits = 0;
    for (; isDigit(i); ++i)
        ++digits;
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        for (; isDigit(i); ++i)
            ++digits;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
        size_t j = i + 1;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            end = j;
        }
    }
    // The prefix is well formed; a value beyond the range of a double comes back as an
    // infinity, one too small for it as 0.
    return QLocale::c().toDouble(QLatin1StringView(compact.data(), qsizetype(end)));
}

std::optional<qint16> RoundToInt16(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return qint16(rounded);
}

QString PointSizeText(float size)
{
    // The shortest fixed-point text that reads back as the same float: "10", "10.5".
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, size, std::chars_format::fixed);
    if (result.ec != std::errc()) return QString::number(double(size), 'g', 9);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString MarginRangeMessage(const char *name, const QString &typed)
{
    // Whole sentences, as other languages inflect the words around the margin's name.
    const QLatin1StringView margin(name);
    const char *sentence =
        margin == "top"      ? QT_TRANSLATE_NOOP("ListOptions", "The top margin \"%1\" must lie "
                                                                "between -32768 and 32767 mm.")
        : margin == "bottom" ? QT_TRANSLATE_NOOP("ListOptions", "The bottom margin \"%1\" must "
                                                                "lie between -32768 and 32767 mm.")
                             : QT_TRANSLATE_NOOP("ListOptions", "The left margin \"%1\" must lie "
                                                                "between -32768 and 32767 mm.");
    return ProgramText::translate("ListOptions", sentence).arg(typed);
}

} // namespace tamsoret
