#include "listing/DriveTexts.h"

#include "listing/EntryFields.h"
#include "listing/NameCleaning.h"
#include "platform/DriveInfo.h"

namespace tamsoret {

QString VolumeLabelText(const QString &label)
{
    if (label.isEmpty())
        return QStringLiteral("No name");
    return u'[' + NiceCase(label) + u']';
}

QString VolumeLabelText(const ListedFolder &folder)
{
    return VolumeLabelText(VolumeLabel(folder));
}

QString FreeSpaceText(qint64 freeBytes, qint64 totalBytes, const LocaleFormat &locale)
{
    // The amounts stand inside a sentence: the blank of the unit "b " goes, and only the
    // space is trimmed, never a group separator.
    return StripNul(FormatSize(freeBytes, locale)) + QStringLiteral(" available from ") +
           StripNul(FormatSize(totalBytes, locale)) + u'.';
}

QString FreeSpaceText(const ListedFolder &folder, const LocaleFormat &locale)
{
    qint64 freeBytes = 0;
    qint64 totalBytes = 0;
    DiskSpace(folder, freeBytes, totalBytes);
    return FreeSpaceText(freeBytes, totalBytes, locale);
}

} // namespace tamsoret
