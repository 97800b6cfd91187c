#pragma once

#include "platform/PageSurface.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace tamsoret {

// What one column of a printed line shows: its text without the blanks around it, the
// character of the grid that text begins at, and how many characters it may fill from
// there to its column's end.
struct ColumnPiece
{
    QStringView text;
    int start;
    int room;
};

// The line cut at the columns' starts, counted in characters as the listing's layout
// counts them (a character outside the basic plane is one). Columns that show only blanks
// give no piece; the last column takes the rest of the line.
std::vector<ColumnPiece> SplitColumns(QStringView line, const std::vector<PageColumn> &columns);

// The text set apart from the line around it: it reads in the direction of its own first
// strong letter, and neither it nor its neighbours move into each other's places.
QString Isolated(QStringView text);

// The line with the text of each column isolated, for a line set as one text.
QString IsolateColumns(QStringView line, const std::vector<PageColumn> &columns);

// Whether the text holds a letter written from right to left.
bool HasRightToLeft(QStringView text);

// The text less its last character as a reader sees one (a letter with its marks, an
// emoji sequence).
QStringView WithoutLastCharacter(QStringView text);

} // namespace tamsoret
