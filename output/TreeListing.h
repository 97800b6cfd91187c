#pragma once

#include "listing/TreeWalk.h"
#include "options/ListOptions.h"
#include "platform/FileTime.h"
#include "platform/LocaleFormat.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace tamsoret {

// A tree's listing as the walk hands it its folders: lines 1 and 2 once, then a section a
// folder (lines 3 to 10 of its own listing, or two lines for one that could not be read),
// an empty line between two sections, and at the end an empty line, the tree's total and
// line 11. The writers below put these lines on their medium.
class TreeListingWriter : public TreeVisitor
{
public:
    TreeListingWriter(const ListOptions &options, const LocaleFormat &locale)
        : options_(options), locale_(locale)
    {
    }
    // Lines 1 and 2.
    void begin(const LocalDateTime &now, const QString &volumeLabelText);
    void folderRead(const QString &shownPath, const ListingData &data, qint32 count) override;
    void folderUnreadable(const QString &shownPath, int error) override;
    // The total of the folders walked and of the sections, then line 11.
    void end(qint64 foldersWalked, const QString &freeSpaceText);
    // The entries listed in the sections so far.
    qint64 files() const { return files_; }

protected:
    // One line of the header, a section's heading or summary, or the closing lines.
    virtual void line(const QString &text) = 0;
    // Before a section's first line: room is made for its heading and first entry line
    // (lines is how many lines that takes).
    virtual void sectionStarts(int lines) { (void)lines; }
    virtual void entryLines(const ListingData &data, qint32 count) = 0;

    const ListOptions &options_;
    const LocaleFormat &locale_;

private:
    void separate();

    bool sectioned_ = false;
    qint64 files_ = 0;
    qint64 bytes_ = 0;
};

// The tree's listing as the listing file's bytes: out is handed to flush whenever it
// holds a chunk's worth, and once more by end().
class TreeTextWriter : public TreeListingWriter
{
public:
    TreeTextWriter(QByteArray &out, std::function<void()> flush, const ListOptions &options,
                   const LocaleFormat &locale)
        : TreeListingWriter(options, locale), out_(out), flush_(std::move(flush))
    {
    }
    void finish() { flush_(); }

protected:
    void line(const QString &text) override;
    void entryLines(const ListingData &data, qint32 count) override;

private:
    QByteArray &out_;
    std::function<void()> flush_;
};

} // namespace tamsoret
