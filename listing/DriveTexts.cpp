#include "listing/DriveTexts.h"

#include "listing/EntryFields.h"
#include "listing/NameCleaning.h"
#include "platform/DriveInfo.h"

namespace tamsoret {

namespace {

// FormatSize ends a byte amount with the blank of its unit "b "; here the amounts stand
// inside a sentence, so only the space is trimmed, never a group separator.
QString TrimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QString VolumeLabelText(const QString &label)
{
    if (label.isEmpty())
        return QStringLiteral("No name");
    return u'[' + NiceCase(label) + u']';
}

QString VolumeLabelText() { return VolumeLabelText(CurrentVolumeLabel()); }

QString FreeSpaceText(qint64 freeBytes, qint64 totalBytes, const LocaleFormat &locale)
{
    return TrimBlanks(FormatSize(freeBytes, locale)) + QStringLiteral(" available from ") +
           TrimBlanks(FormatSize(totalBytes, locale)) + u'.';
}

QString FreeSpaceText(const LocaleFormat &locale)
{
    qint64 freeBytes = 0;
    qint64 totalBytes = 0;
    CurrentDiskSpace(freeBytes, totalBytes);
    return FreeSpaceText(freeBytes, totalBytes, locale);
}

} // namespace tamsoret
