#pragma once

#include "options/ListOptions.h"

#include <QStringView>

#include <array>

namespace tamsoret {

// One column of the listing, in the fixed order of the page: its title as the title line
// shows it, the characters of its cell (a longer text is cut, a shorter one padded), the
// blanks after the cell, and the option that shows it. A title is as wide as its cell and
// the blanks together, so the title line's length is the sum over the shown columns.
struct ListingColumn
{
    QStringView title;
    int cell;
    int gap;
    bool ListOptions::*shown;
    constexpr int width() const { return cell + gap; }
};

inline constexpr std::array<ListingColumn, 5> ListingColumns = {{
    {u"Name                       ", 25, 2, &ListOptions::ShowName},
    {u"MS-DOS Name   ", 12, 2, &ListOptions::ShowDOS},
    {u"Size       ", 9, 2, &ListOptions::ShowSize},
    // The date and time ("dd/mm/yy hh:mm") and the attribute letters stand whole.
    {u"Modified        ", 14, 2, &ListOptions::ShowTime},
    {u"Attributes", 10, 0, &ListOptions::ShowAttr},
}};
inline constexpr const ListingColumn &NameColumn = ListingColumns[0];
inline constexpr const ListingColumn &DosNameColumn = ListingColumns[1];
inline constexpr const ListingColumn &SizeColumn = ListingColumns[2];
inline constexpr const ListingColumn &TimeColumn = ListingColumns[3];
inline constexpr const ListingColumn &AttrColumn = ListingColumns[4];

// The characters of the title line with these columns shown.
constexpr int TitleLineWidth(const ListOptions &options)
{
    int width = 0;
    for (const ListingColumn &column : ListingColumns) {
        if (options.*column.shown) width += column.width();
    }
    return width;
}

} // namespace tamsoret
