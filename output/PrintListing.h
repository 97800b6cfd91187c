#pragma once

#include "options/ListOptions.h"
#include "output/ListingLayout.h"
#include "output/TreeListing.h"
#include "platform/PageSurface.h"

namespace tamsoret {

// Prints the listing on the page surface: font, millimetre margins, page breaks only
// after entry lines, one job.
void PrintListing(PageSurface &surface, const ListingInput &input, const ListingFont &font);

// A tree's listing on the page surface, in the same font, margins and page breaks as
// PrintListing; besides, a section's heading never stands alone at a page's foot: a
// section starts a new page when its heading and first entry line would not end above
// the bottom margin.
class TreePagePrinter : public TreeListingWriter
{
public:
    TreePagePrinter(PageSurface &surface, const ListOptions &options, const LocaleFormat &locale,
                    const ListingFont &font);
    // Ends the job.
    void finish();

protected:
    void line(const QString &text) override;
    void sectionStarts(int lines) override;
    void entryLines(const ListingData &data, qint32 count) override;

private:
    bool pastBottom(double y) const;

    PageSurface &surface_;
    double lineHeight_ = 0; // measured on the last line printed
};

} // namespace tamsoret
