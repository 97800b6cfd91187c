#pragma once

#include <QString>

#include <vector>

namespace tamsoret {

// One column of the lines printed next: the character it begins at and how many
// characters its text may fill.
struct PageColumn
{
    int start;
    int width;
};

// The printer as the listing writer and the options window see it. Coordinates are in
// millimetres from the top-left corner of the printable area once the unit is set.
class PageSurface
{
public:
    virtual ~PageSurface() = default;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setUnitMillimetres() = 0;
    virtual void setX(double x) = 0;
    virtual void setY(double y) = 0;
    virtual double y() const = 0;
    virtual double pageHeight() const = 0;    // printable area
    virtual double printableWidth() const = 0; // printable area
    virtual double textWidth(const QString &text) const = 0;
    // Draws text at (x, y); with endLine, moves y down one line height and x back to 0,
    // otherwise moves x to the end of the text. An empty text with endLine only moves y.
    virtual void print(const QString &text, bool endLine) = 0;
    // The columns of the lines printed next; none makes each line one text. A surface with
    // a fixed-pitch font stands each column where its first character's place on the
    // character grid is and keeps its text inside it, whatever glyphs the text needs; a
    // surface may leave the columns to the text alone, as a proportional font does.
    virtual void setColumns(std::vector<PageColumn> columns) { (void)columns; }
    virtual void newPage() = 0;
    virtual void endJob() = 0;
};

} // namespace tamsoret

#include <memory>

namespace tamsoret {

// The page a listing saved as a PDF file is laid out on, opened for measuring only, and
// the name of its paper.
struct MeasuringPage
{
    std::unique_ptr<PageSurface> surface; // null when there is none to measure on
    QString paper;
};

// Opens the default printer as a page surface; throws Failure when there is none.
class PrinterProvider
{
public:
    virtual ~PrinterProvider() = default;
    virtual std::unique_ptr<PageSurface> defaultPrinter() = 0;
    // The PDF file's page (the default printer's paper, else the locale's), for measuring
    // without a printer. May throw Failure.
    virtual MeasuringPage pdfPage() { return {}; }
};

} // namespace tamsoret
