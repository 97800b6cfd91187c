#include "platform/LocaleFormat.h"

namespace tamsoret {

namespace {

// The first character of a format that is neither a letter nor a blank.
QChar FirstSeparator(const QString &format, QChar fallback)
{
    for (QChar c : format) {
        if (!c.isLetter() && !c.isSpace() && c != u'\'')
            return c;
    }
    return fallback;
}

} // namespace

LocaleFormat LocaleFormat::fromLocale(const QLocale &locale)
{
    LocaleFormat f;
    f.dateSeparator = FirstSeparator(locale.dateFormat(QLocale::ShortFormat), u'/');
    f.timeSeparator = FirstSeparator(locale.timeFormat(QLocale::ShortFormat), u':');
    f.groupSeparator = locale.groupSeparator();
    for (int i = 0; i < 7; ++i) // Qt counts Monday as 1 and Sunday as 7
        f.dayNames[static_cast<size_t>(i)] = locale.dayName(i == 0 ? 7 : i, QLocale::LongFormat);
    for (int m = 0; m < 12; ++m)
        f.monthNames[static_cast<size_t>(m)] = locale.monthName(m + 1, QLocale::LongFormat);
    return f;
}

} // namespace tamsoret
