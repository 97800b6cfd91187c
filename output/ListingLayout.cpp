#include "output/ListingLayout.h"

#include "output/ListingColumns.h"

#include "listing/DriveTexts.h"
#include "listing/EntryFields.h"
#include "listing/NameCleaning.h"

namespace tamsoret {

namespace {

const QString FooterIndent(15, u' ');

// Columns are counted in characters, not UTF-16 units: a character outside the basic
// plane is one character on paper and one byte in the listing file.
qsizetype CharacterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) ++count;
    }
    return count;
}

// The UTF-16 units that hold the first n characters.
qsizetype UnitsOfFirst(QStringView text, qsizetype n)
{
    qsizetype units = 0;
    for (qsizetype taken = 0; taken < n && units < text.size(); ++taken) {
        const bool pair = text[units].isHighSurrogate() && units + 1 < text.size() &&
                          text[units + 1].isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return units;
}

// Left-aligned in width characters: blanks added on the right, a longer text cut.
QString LeftCell(const QString &text, qsizetype width)
{
    const qsizetype count = CharacterCount(text);
    if (count >= width) return text.left(UnitsOfFirst(text, width));
    return text + QString(width - count, u' ');
}

// Right-aligned in width characters: blanks put in front, a longer text loses its
// leading characters.
QString RightCell(const QString &text, qsizetype width)
{
    const qsizetype count = CharacterCount(text);
    if (count <= width) return QString(width - count, u' ') + text;
    return text.mid(UnitsOfFirst(text, count - width));
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

template <size_t N> QString NameAt(const std::array<QString, N> &names, int index)
{
    return index >= 0 && size_t(index) < N ? names[size_t(index)] : QString();
}

} // namespace

QStringList ListingHeader(const LocalDateTime &now, const LocaleFormat &locale,
                          const QString &volumeLabelText, const QString &folder)
{
    const QString stamp = NameAt(locale.dayNames, now.dayOfWeek) + u' ' + QString::number(now.day) +
                          u' ' + NameAt(locale.monthNames, now.month - 1) + u' ' +
                          QStringLiteral("%1").arg(now.year, 4, 10, QChar(u'0')) +
                          QStringLiteral("  ") + TwoDigits(now.hour) + locale.timeSeparator +
                          TwoDigits(now.minute);
    return QStringList{QStringLiteral("Tamsoret - ") + stamp,
                       QStringLiteral("Drive labeled ") + volumeLabelText} +
           FolderHeading(folder);
}

QStringList FolderHeading(const QString &folder)
{
    return {QStringLiteral("Directory of ") + folder, QString(), QString()};
}

QStringList UnreadableSection(const QString &folder, const QString &reason)
{
    return {QStringLiteral("Directory of ") + folder,
            FooterIndent + QStringLiteral("Cannot read this folder: ") + reason};
}

QString TreeTotalLine(qint64 folders, qint64 files, qint64 bytes, const LocaleFormat &locale)
{
    return FooterIndent + QStringLiteral("Total of %1 folder(s): %2 file(s), ").arg(folders).arg(files) +
           FormatSize(bytes, locale);
}

QStringList ColumnTitles(const ListOptions &options)
{
    QString titles;
    for (const ListingColumn &column : ListingColumns) {
        if (options.*column.shown) titles += column.title;
    }
    return {titles, QString()};
}

QString EntryLine(const DirEntry &entry, const ListOptions &options)
{
    QString line;
    const auto gap = [&line](const ListingColumn &column) { line += QString(column.gap, u' '); };
    if (options.ShowName) line += LeftCell(entry.Name, NameColumn.cell), gap(NameColumn);
    if (options.ShowDOS) line += LeftCell(entry.DosName, DosNameColumn.cell), gap(DosNameColumn);
    if (options.ShowSize) line += RightCell(entry.SizeText, SizeColumn.cell), gap(SizeColumn);
    if (options.ShowTime) line += entry.DateText, gap(TimeColumn);
    if (options.ShowAttr) line += entry.AttrText, gap(AttrColumn);
    return line;
}

QStringList ListingFooter(const QString &summaryText, const QString &freeSpaceText)
{
    return {QString(), FooterIndent + summaryText, FooterIndent + freeSpaceText};
}

ListingSources ListingSources::system(const ListedFolder &folder, const LocaleFormat &locale)
{
    ListingSources sources;
    sources.now = [] { return CurrentLocalTime(); };
    sources.volumeLabelText = [folder] { return VolumeLabelText(folder); };
    // A control character in the folder's name must not break the heading's line.
    sources.folderPath = [folder] { return ShownPath(folder); };
    sources.freeSpaceText = [folder, locale] { return FreeSpaceText(folder, locale); };
    return sources;
}

} // namespace tamsoret
