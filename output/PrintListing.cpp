#include "output/PrintListing.h"

#include "output/ListingColumns.h"

namespace tamsoret {

namespace {

// Where the shown columns of an entry line begin, in characters, and how many each fills.
std::vector<PageColumn> EntryColumns(const ListOptions &options)
{
    std::vector<PageColumn> columns;
    int start = 0;
    for (const ListingColumn &column : ListingColumns) {
        if (!(options.*column.shown)) continue;
        columns.push_back({start, column.cell});
        start += column.width();
    }
    return columns;
}

void PrintLine(PageSurface &surface, double marginLeft, const QString &text)
{
    if (!text.isEmpty())
        surface.setX(marginLeft);
    surface.print(text, true);
}

// Single precision and a strict test: a line ending exactly at the limit stays.
bool PastBottom(const PageSurface &surface, const ListOptions &options, double y)
{
    const float limit =
        static_cast<float>(surface.pageHeight()) - static_cast<float>(options.MarginBottom);
    return static_cast<float>(y) > limit;
}

void StartPage(PageSurface &surface, const ListOptions &options, const ListingFont &font)
{
    surface.setFontName(font.name);
    surface.setFontSize(font.size);
    surface.setUnitMillimetres();
    surface.setY(options.MarginTop);
    surface.setX(options.MarginLeft);
}

} // namespace

void PrintListing(PageSurface &surface, const ListingInput &input, const ListingFont &font)
{
    const ListOptions &options = input.options;
    const double left = options.MarginLeft;

    StartPage(surface, options, font);

    const LocalDateTime now = input.sources.now();
    const QString label = input.sources.volumeLabelText();
    const QStringList header = ListingHeader(now, input.locale, label, input.sources.folderPath());
    for (const QString &line : header)
        PrintLine(surface, left, line);
    for (const QString &line : ColumnTitles(options))
        PrintLine(surface, left, line);

    surface.setColumns(EntryColumns(options));
    for (qint32 p = 0; p < input.count; ++p) {
        const DirEntry &entry = input.data.Entries[static_cast<size_t>(input.data.EntryOrder[static_cast<size_t>(p)])];
        surface.setX(left);
        surface.print(EntryLine(entry, options), true);
        if (PastBottom(surface, options, surface.y())) {
            surface.newPage();
            surface.setY(options.MarginTop);
        }
    }

    surface.setColumns({});
    const QStringList footer =
        ListingFooter(input.data.SummaryText, input.sources.freeSpaceText());
    for (const QString &line : footer)
        PrintLine(surface, left, line);
    surface.endJob();
}

TreePagePrinter::TreePagePrinter(PageSurface &surface, const ListOptions &options,
                                 const LocaleFormat &locale, const ListingFont &font)
    : TreeListingWriter(options, locale), surface_(surface)
{
    StartPage(surface_, options_, font);
}

void TreePagePrinter::line(const QString &text)
{
    const double before = surface_.y();
    PrintLine(surface_, options_.MarginLeft, text);
    lineHeight_ = surface_.y() - before;
}

void TreePagePrinter::sectionStarts(int lines)
{
    // The line just printed (line 2, or the empty line between two sections) tells the
    // height of the lines to come, all in the one listing font.
    if (lineHeight_ > 0 && PastBottom(surface_, options_, surface_.y() + lines * lineHeight_)) {
        surface_.newPage();
        surface_.setY(options_.MarginTop);
    }
}

void TreePagePrinter::entryLines(const ListingData &data, qint32 count)
{
    surface_.setColumns(EntryColumns(options_));
    for (qint32 p = 0; p < count; ++p) {
        const DirEntry &entry = data.Entries[size_t(data.EntryOrder[size_t(p)])];
        surface_.setX(options_.MarginLeft);
        surface_.print(EntryLine(entry, options_), true);
        if (PastBottom(surface_, options_, surface_.y())) {
            surface_.newPage();
            surface_.setY(options_.MarginTop);
        }
    }
    surface_.setColumns({});
}

void TreePagePrinter::finish()
{
    surface_.endJob();
}

} // namespace tamsoret
