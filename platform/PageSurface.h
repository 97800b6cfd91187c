#pragma once

#include <QString>

namespace tamsoret {

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
    virtual void newPage() = 0;
    virtual void endJob() = 0;
};

} // namespace tamsoret

#include <memory>

namespace tamsoret {

// Opens the default printer as a page surface; throws Failure when there is none.
class PrinterProvider
{
public:
    virtual ~PrinterProvider() = default;
    virtual std::unique_ptr<PageSurface> defaultPrinter() = 0;
};

} // namespace tamsoret
