#pragma once

#include "platform/PageSurface.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <memory>

namespace tamsoret {

// A page surface drawn with QPainter on a paged device, a printer or a PDF file:
// millimetres from the top-left corner of the page's paint rectangle, in device units at
// drawing time.
class PaintedPageSurface : public PageSurface
{
public:
    void setFontName(const QString &name) override;
    void setFontSize(float points) override;
    void setUnitMillimetres() override {}
    void setX(double x) override { x_ = x; }
    void setY(double y) override { y_ = y; }
    double y() const override { return y_; }
    double pageHeight() const override;
    double printableWidth() const override;
    double textWidth(const QString &text) const override;
    void print(const QString &text, bool endLine) override;
    void newPage() override;

protected:
    PaintedPageSurface();
    virtual QPagedPaintDevice &device() const = 0;
    // Makes sure the painter is active on the device before anything is drawn.
    virtual void beginJob() = 0;
    // Throws the surface's Failure with this reason.
    [[noreturn]] virtual void fail(const QString &reason) const = 0;
    void beginPainting();

    QPainter painter_;

private:
    double toMillimetres(double deviceUnits) const;
    double toDevice(double millimetres) const;

    QFont font_;
    double x_ = 0;
    double y_ = 0;
};

// The default printer as a page surface. The print job begins with the first text drawn,
// so the surface can also be used just to measure (the options window's right margin).
// The pages are drawn into a spool file of our own and handed to the printing system only
// when the job ends, so that a job that fails part-way is never sent and a job that the
// printing system refuses is reported.
class QtPageSurface : public PaintedPageSurface
{
public:
    // Throws Failure when there is no default printer.
    QtPageSurface();
    ~QtPageSurface() override;

    void endJob() override;

    QString printerName() const;

protected:
    QPagedPaintDevice &device() const override { return *printer_; }
    void beginJob() override;
    [[noreturn]] void fail(const QString &reason) const override;

private:
    void submitJob();

    std::unique_ptr<QPrinter> printer_;
    QTemporaryFile spool_;
};

// Whether a default printer is installed, and its name.
bool HasDefaultPrinter();
QString DefaultPrinterName();

// Why the printing system would not print a job on this printer now (it refuses jobs, it
// is stopped, it is unknown), or an empty text when it would.
QString PrinterRefusal(const QString &printerName);

} // namespace tamsoret

namespace tamsoret {

class QtPrinterProvider : public PrinterProvider
{
public:
    std::unique_ptr<PageSurface> defaultPrinter() override
    {
        return std::make_unique<QtPageSurface>();
    }
};

} // namespace tamsoret
