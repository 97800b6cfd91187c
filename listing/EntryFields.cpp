#include "listing/EntryFields.h"

#include "listing/NameCleaning.h"
#include "options/ListOptions.h"
#include "platform/Failure.h"

#include <limits>
#include <new>
#include <stdexcept>

namespace tamsoret {

namespace {

// Size keys are zero-padded to this width so that they compare as text.
constexpr int SizeKeyDigits = 15;

const QString FolderSizeText = QStringLiteral("<DIR>    ");

void AppendTwoDigits(QString &out, int value)
{
    if (value < 0)
        value = -value;
    out += QChar(char16_t(u'0' + value / 10 % 10));
    out += QChar(char16_t(u'0' + value % 10));
}

void AppendFourDigits(QString &out, int value)
{
    AppendTwoDigits(out, value / 100);
    AppendTwoDigits(out, value % 100);
}

QString GroupedNumber(qint64 value, const QString &groupSeparator)
{
    const bool negative = value < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    char16_t digits[20];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    QString out;
    out.reserve(count + (count / 3) * groupSeparator.size() + 1);
    if (negative)
        out += u'-';
    for (int i = count - 1; i >= 0; --i) {
        out += QChar(digits[i]);
        if (i > 0 && i % 3 == 0)
            out += groupSeparator;
    }
    return out;
}

QString SizeKey(qint64 size)
{
    const QString digits = QString::number(size);
    if (digits.size() >= SizeKeyDigits)
        return digits; // wider than the key: keep every digit, a cut would misorder it
    return QString(SizeKeyDigits - digits.size(), u'0') + digits;
}

QString TimeKey(const LocalDateTime &t)
{
    QString key;
    key.reserve(12);
    AppendFourDigits(key, t.year);
    AppendTwoDigits(key, t.month);
    AppendTwoDigits(key, t.day);
    AppendTwoDigits(key, t.hour);
    AppendTwoDigits(key, t.minute);
    return key;
}

// What the date column shows for a time that has no calendar date.
QString UnknownDateText(const LocaleFormat &locale)
{
    return QStringLiteral("??") + locale.dateSeparator + QStringLiteral("??") +
           locale.dateSeparator + QStringLiteral("?? ??") + locale.timeSeparator +
           QStringLiteral("??");
}

void GrowTables(ListingData &data, qint32 n)
{
    // The count that numbers the entries is 32 bits wide; one more entry cannot be counted.
    if (n < 0 || n == std::numeric_limits<qint32>::max())
        throw TooManyFiles();
    try {
        data.Entries.resize(size_t(n) + 1);
        data.EntryOrder.resize(size_t(n) + 1);
    } catch (const std::bad_alloc &) {
        throw TooManyFiles();
    } catch (const std::length_error &) {
        throw TooManyFiles();
    }
    data.EntryOrder[size_t(n)] = n;
}

} // namespace

QString FormatSize(qint64 bytes, const LocaleFormat &locale)
{
    static const char16_t *const units[] = {u"b ", u"kb", u"Mb", u"Gb"};
    qint64 v = bytes;
    int unit = 0;
    // The threshold is 10000 in the current unit, so a unit never shows more than 9,999
    // except the last one, which takes whatever is left.
    while (v >= 10000 && unit < 3) {
        v /= 1024;
        ++unit;
    }
    QString text = GroupedNumber(v, locale.groupSeparator);
    text += u' ';
    text += QStringView(units[unit]);
    return text;
}

bool FileTimeToDate(qint64 utcSeconds, LocalDateTime &out)
{
    LocalDateTime local;
    if (!LocalTimeOf(utcSeconds, local))
        return false;
    // The column and the time key have room for four-digit years only.
    if (local.year < 0 || local.year > 9999)
        return false;
    out = local;
    return true;
}

QString AttrLetters(quint32 attributes)
{
    QString letters(5, u' ');
    if (attributes & Attr::Folder)
        letters[0] = u'd';
    if (attributes & Attr::Archive)
        letters[1] = u'a';
    if (attributes & Attr::ReadOnly)
        letters[2] = u'r';
    if (attributes & Attr::System)
        letters[3] = u's';
    if (attributes & Attr::Hidden)
        letters[4] = u'h';
    return letters;
}

QString DateText(const LocalDateTime &time, const LocaleFormat &locale)
{
    QString text;
    text.reserve(14);
    AppendTwoDigits(text, time.day);
    text += locale.dateSeparator;
    AppendTwoDigits(text, time.month);
    text += locale.dateSeparator;
    AppendTwoDigits(text, time.year % 100);
    text += u' ';
    AppendTwoDigits(text, time.hour);
    text += locale.timeSeparator;
    AppendTwoDigits(text, time.minute);
    return text;
}

void AddEntry(const FindRecord &record, qint32 n, ListingData &data, qint16 orderBy,
              const LocaleFormat &locale)
{
    GrowTables(data, n);
    DirEntry &entry = data.Entries[size_t(n)];

    const QString cleaned = StripNul(record.name);
    const bool folder = (record.attributes & Attr::Folder) != 0;

    entry.Name = NiceCase(cleaned);

    entry.DosName = StripNul(record.alternateName).toLower();
    if (entry.DosName.isEmpty())
        entry.DosName = cleaned.toLower();

    data.TotalBytes += record.size;
    entry.SizeText = folder ? FolderSizeText : FormatSize(record.size, locale);

    LocalDateTime local;
    const bool hasDate = FileTimeToDate(record.lastWriteTime, local);
    entry.DateText = hasDate ? DateText(local, locale) : UnknownDateText(locale);

    entry.AttrText = AttrLetters(record.attributes);

    switch (orderBy) {
    case OrderByName:
        entry.SortKey = QChar(folder ? u'a' : u'b') + cleaned.toLower();
        break;
    case OrderByDOS:
        entry.SortKey = QChar(folder ? u'a' : u'b') + entry.DosName;
        break;
    case OrderBySize:
        entry.SortKey = folder ? QStringLiteral(" ") : SizeKey(record.size);
        break;
    case OrderByTime:
        entry.SortKey = hasDate ? TimeKey(local) : QStringLiteral("000000000000");
        break;
    default:
        entry.SortKey.clear();
        break;
    }
}

} // namespace tamsoret
