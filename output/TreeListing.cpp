#include "output/TreeListing.h"

#include "output/WriteListing.h"
#include "platform/ErrorText.h"

#include <limits>

namespace tamsoret {

void TreeListingWriter::begin(const LocalDateTime &now, const QString &volumeLabelText)
{
    const QStringList header = ListingHeader(now, locale_, volumeLabelText, QString());
    line(header[0]);
    line(header[1]);
}

void TreeListingWriter::separate()
{
    if (sectioned_) line(QString());
    sectioned_ = true;
}

void TreeListingWriter::folderRead(const QString &shownPath, const ListingData &data,
                                   qint32 count)
{
    separate();
    // "Directory of", two empty lines, the titles, an empty line and the first entry.
    sectionStarts(6);
    for (const QString &text : FolderHeading(shownPath))
        line(text);
    for (const QString &text : ColumnTitles(options_))
        line(text);
    entryLines(data, count);
    const QStringList footer = ListingFooter(data.SummaryText, QString());
    line(footer[0]);
    line(footer[1]);

    files_ += count;
    // Held at the largest sum there is rather than wrapped, as each folder's own total is.
    const qint64 room = std::numeric_limits<qint64>::max() - bytes_;
    bytes_ = data.TotalBytes > room ? std::numeric_limits<qint64>::max() : bytes_ + data.TotalBytes;
}

void TreeListingWriter::folderUnreadable(const QString &shownPath, int error)
{
    separate();
    sectionStarts(2);
    // The listing is English in every language, the system's reason too.
    for (const QString &text : UnreadableSection(shownPath, EnglishErrorText(error)))
        line(text);
}

void TreeListingWriter::end(qint64 foldersWalked, const QString &freeSpaceText)
{
    const QStringList footer = ListingFooter(QString(), freeSpaceText);
    line(QString());
    line(TreeTotalLine(foldersWalked, files_, bytes_, locale_));
    line(footer[2]);
}

void TreeTextWriter::line(const QString &text)
{
    AppendListingLine(out_, text);
    if (out_.size() >= ListingChunkSize()) flush_();
}

void TreeTextWriter::entryLines(const ListingData &data, qint32 count)
{
    AppendEntryLines(out_, data, count, options_, flush_);
}

} // namespace tamsoret
