#include "listing/EntryFields.h"

#include "listing/NameCleaning.h"
#include "options/ListOptions.h"
#include "platform/Failure.h"

#include <QVarLengthArray>

#include <limits>
#include <new>
#include <stdexcept>

namespace tamsoret {

namespace {

// Size keys are zero-padded to this width so that they compare as text.
constexpr int SizeKeyDigits = 15;

constexpr QStringView FolderSizeText = u"<DIR>    ";

// Room for one text while it is built: the texts of an entry are short, and a scan of a
// million entries should not pay an allocation for each of them.
using Text = QVarLengthArray<char16_t, 320>;

QStringView View(const Text &text) { return QStringView(text.constData(), text.size()); }

void Append(Text &out, QStringView text) { out.append(text.utf16(), text.size()); }

void AppendTwoDigits(Text &out, int value)
{
    if (value < 0)
        value = -value;
    out.append(char16_t(u'0' + value / 10 % 10));
    out.append(char16_t(u'0' + value % 10));
}

void AppendFourDigits(Text &out, int value)
{
    AppendTwoDigits(out, value / 100);
    AppendTwoDigits(out, value % 100);
}

void AppendGroupedNumber(Text &out, qint64 value, QStringView groupSeparator)
{
    const bool negative = value < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    char16_t digits[20];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    if (negative)
        out.append(u'-');
    for (int i = count - 1; i >= 0; --i) {
        out.append(digits[i]);
        if (i > 0 && i % 3 == 0)
            Append(out, groupSeparator);
    }
}

void AppendFormatSize(Text &out, qint64 bytes, const LocaleFormat &locale)
{
    static constexpr QStringView units[] = {u"b ", u"kb", u"Mb", u"Gb"};
    qint64 v = bytes;
    int unit = 0;
    // The threshold is 10000 in the current unit, so a unit never shows more than 9,999
    // except the last one, which takes whatever is left.
    while (v >= 10000 && unit < 3) {
        v /= 1024;
        ++unit;
    }
    AppendGroupedNumber(out, v, locale.groupSeparator);
    out.append(u' ');
    Append(out, units[unit]);
}

void AppendSizeKey(Text &out, qint64 size)
{
    char16_t digits[20];
    int count = 0;
    const bool negative = size < 0;
    quint64 magnitude = negative ? quint64(0) - quint64(size) : quint64(size);
    do {
        digits[count++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        digits[count++] = u'-';
    // A wider number keeps every digit: a cut would misorder it.
    for (int i = count; i < SizeKeyDigits; ++i)
        out.append(u'0');
    for (int i = count - 1; i >= 0; --i)
        out.append(digits[i]);
}

void AppendTimeKey(Text &out, const LocalDateTime &t)
{
    AppendFourDigits(out, t.year);
    AppendTwoDigits(out, t.month);
    AppendTwoDigits(out, t.day);
    AppendTwoDigits(out, t.hour);
    AppendTwoDigits(out, t.minute);
}

void AppendDateText(Text &out, const LocalDateTime &time, const LocaleFormat &locale)
{
    AppendTwoDigits(out, time.day);
    out.append(locale.dateSeparator.unicode());
    AppendTwoDigits(out, time.month);
    out.append(locale.dateSeparator.unicode());
    AppendTwoDigits(out, time.year % 100);
    out.append(u' ');
    AppendTwoDigits(out, time.hour);
    out.append(locale.timeSeparator.unicode());
    AppendTwoDigits(out, time.minute);
}

// What the date column shows for a time that has no calendar date.
void AppendUnknownDateText(Text &out, const LocaleFormat &locale)
{
    Append(out, u"??");
    out.append(locale.dateSeparator.unicode());
    Append(out, u"??");
    out.append(locale.dateSeparator.unicode());
    Append(out, u"?? ??");
    out.append(locale.timeSeparator.unicode());
    Append(out, u"??");
}

void AppendAttrLetters(Text &out, quint32 attributes)
{
    out.append((attributes & Attr::Folder) ? u'd' : u' ');
    out.append((attributes & Attr::Archive) ? u'a' : u' ');
    out.append((attributes & Attr::ReadOnly) ? u'r' : u' ');
    out.append((attributes & Attr::System) ? u's' : u' ');
    out.append((attributes & Attr::Hidden) ? u'h' : u' ');
}

bool IsAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// The text in lower case as QString::toLower makes it; plain ASCII without the detour.
void AppendLower(Text &out, QStringView text)
{
    if (!IsAscii(text)) {
        Append(out, text.toString().toLower());
        return;
    }
    for (QChar c : text) {
        const char16_t u = c.unicode();
        out.append(u >= u'A' && u <= u'Z' ? char16_t(u + 0x20) : u);
    }
}

// The count that numbers the entries is 32 bits wide; one more entry cannot be counted.
// The tables are left as they were when they cannot grow.
void GrowTables(ListingData &data, qint32 n)
{
    if (n < 0 || n == std::numeric_limits<qint32>::max())
        throw TooManyFiles();
    const size_t entries = data.Entries.size();
    const size_t order = data.EntryOrder.size();
    try {
        data.Entries.resize(size_t(n)); // the entry itself is appended with its texts
        data.EntryOrder.resize(size_t(n) + 1);
    } catch (const std::bad_alloc &) {
        data.Entries.resize(entries);
        data.EntryOrder.resize(order);
        throw TooManyFiles();
    } catch (const std::length_error &) {
        data.Entries.resize(entries);
        data.EntryOrder.resize(order);
        throw TooManyFiles();
    }
    data.EntryOrder[size_t(n)] = n;
}

} // namespace

QString FormatSize(qint64 bytes, const LocaleFormat &locale)
{
    Text text;
    AppendFormatSize(text, bytes, locale);
    return View(text).toString();
}

QString GroupedNumber(qint64 value, const LocaleFormat &locale)
{
    Text text;
    AppendGroupedNumber(text, value, locale.groupSeparator);
    return View(text).toString();
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
    Text text;
    AppendAttrLetters(text, attributes);
    return View(text).toString();
}

QString DateText(const LocalDateTime &time, const LocaleFormat &locale)
{
    Text text;
    AppendDateText(text, time, locale);
    return View(text).toString();
}

void AddEntry(const FindRecord &record, qint32 n, ListingData &data, qint16 orderBy,
              const LocaleFormat &locale)
{
    GrowTables(data, n);

    const QStringView cleaned = StripNulView(record.name);
    const bool folder = (record.attributes & Attr::Folder) != 0;

    Text name;
    name.resize(2 * cleaned.size());
    name.resize(WriteNiceCase(cleaned, name.data()));

    Text dosName;
    AppendLower(dosName, StripNulView(record.alternateName));
    const bool dosNameIsLongName = dosName.isEmpty();
    if (dosNameIsLongName)
        AppendLower(dosName, cleaned);

    Text sizeText;
    if (folder)
        Append(sizeText, FolderSizeText);
    else
        AppendFormatSize(sizeText, record.size, locale);

    LocalDateTime local;
    // An entry whose status could not be read has no time to show.
    const bool hasDate = record.statusError == 0 && FileTimeToDate(record.lastWriteTime, local);
    Text dateText;
    if (hasDate)
        AppendDateText(dateText, local, locale);
    else
        AppendUnknownDateText(dateText, locale);

    Text attrText;
    AppendAttrLetters(attrText, record.attributes);

    Text sortKey;
    switch (orderBy) {
    case OrderByName:
        sortKey.append(folder ? u'a' : u'b');
        if (dosNameIsLongName)
            sortKey.append(dosName.constData(), dosName.size());
        else
            AppendLower(sortKey, cleaned);
        break;
    case OrderByDOS:
        sortKey.append(folder ? u'a' : u'b');
        sortKey.append(dosName.constData(), dosName.size());
        break;
    case OrderBySize:
        if (folder)
            sortKey.append(u' ');
        else
            AppendSizeKey(sortKey, record.size);
        break;
    case OrderByTime:
        if (hasDate)
            AppendTimeKey(sortKey, local);
        else
            Append(sortKey, u"000000000000");
        break;
    default:
        break;
    }

    try {
        if (data.Facts.keep) {
            data.Facts.truncate(size_t(n)); // entry n replaces what stood there
            EntryFacts facts;
            facts.size = record.size;
            facts.attributes = record.attributes;
            facts.statusError = record.statusError;
            if (hasDate) {
                facts.hasTime = true;
                facts.utcOffset = local.utcOffset;
                facts.year = qint16(local.year);
                facts.month = quint8(local.month);
                facts.day = quint8(local.day);
                facts.hour = quint8(local.hour);
                facts.minute = quint8(local.minute);
                facts.second = quint8(local.second);
            }
            data.Facts.append(facts, record.rawName);
        }
        data.Entries.append(View(name), View(dosName), View(sortKey), View(sizeText),
                            View(dateText), View(attrText));
    } catch (const std::bad_alloc &) {
        if (data.Facts.size() > size_t(n)) data.Facts.truncate(size_t(n));
        data.EntryOrder.resize(size_t(n));
        throw TooManyFiles();
    }
    // Sparse files can claim sizes whose sum no 64-bit count holds.
    if (record.size > 0)
        data.TotalBytes = record.size > std::numeric_limits<qint64>::max() - data.TotalBytes
                              ? std::numeric_limits<qint64>::max()
                              : data.TotalBytes + record.size;
}

} // namespace tamsoret
