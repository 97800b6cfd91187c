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

} // namespace

void PrintListing(PageSurface &surface, const ListingInput &input, const ListingFont &font)
{
    const ListOptions &options = input.options;
    const double left = options.MarginLeft;

    surface.setFontName(font.name);
    surface.setFontSize(font.size);
    surface.setUnitMillimetres();
    surface.setY(options.MarginTop);
    surface.setX(left);

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
        // Single precision and a strict test: a line ending exactly at the limit stays.
        const float y = static_cast<float>(surface.y());
        const float limit =
            static_cast<float>(surface.pageHeight()) - static_cast<float>(options.MarginBottom);
        if (y > limit) {
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

} // namespace tamsoret
