#pragma once

#include "listing/DirEntry.h"
#include "platform/FileTime.h"
#include "platform/FindRecord.h"
#include "platform/LocaleFormat.h"

#include <QString>

namespace tamsoret {

// A byte count as "#,##0" and a two-character unit: "b ", "kb", "Mb" or "Gb".
QString FormatSize(qint64 bytes, const LocaleFormat &locale);

// A count as "#,##0" with the locale's group separator.
QString GroupedNumber(qint64 value, const LocaleFormat &locale);

// A UTC file time as local date and time, with the offset in force at that date.
bool FileTimeToDate(qint64 utcSeconds, LocalDateTime &out);

// Five characters for folder, archive, read-only, system, hidden: the letter or a blank.
QString AttrLetters(quint32 attributes);

// "dd/mm/yy hh:nn" with the locale's separators.
QString DateText(const LocalDateTime &time, const LocaleFormat &locale);

// Stores the entry as number n: grows the tables by one (TooManyFiles when they cannot
// grow), builds its six texts with the sort key for orderBy, and adds its size to the total.
void AddEntry(const FindRecord &record, qint32 n, ListingData &data, qint16 orderBy,
              const LocaleFormat &locale);

} // namespace tamsoret
