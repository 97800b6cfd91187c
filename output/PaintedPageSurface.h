#pragma once

#include "platform/PageDevice.h"
#include "platform/PageSurface.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>

#include <memory>

namespace tamsoret {

class PrinterDevice;

// The listing's page painted with QPainter on a paged device, the printer or a PDF file:
// millimetres from the top-left corner of the page's paint rectangle, in device units at
// painting time.
class PaintedPageSurface : public PageSurface
{
public:
    explicit PaintedPageSurface(std::unique_ptr<PageDevice> device);
    // A job that failed part-way is abandoned: the painter lets go of the device before it
    // goes, and the device drops what it had of the job.
    ~PaintedPageSurface() override;

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
    void endJob() override;

protected:
    PageDevice &pageDevice() const { return *device_; }

private:
    QPagedPaintDevice &device() const { return device_->device(); }
    void beginJob();
    double toMillimetres(double deviceUnits) const;
    double toDevice(double millimetres) const;

    std::unique_ptr<PageDevice> device_;
    QPainter painter_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
};

// The default printer's pages. Throws Failure when there is no default printer.
class QtPageSurface : public PaintedPageSurface
{
public:
    QtPageSurface();
    // The named queue's pages instead; throws Failure when there is no such queue.
    explicit QtPageSurface(const QString &queue);
    QString printerName() const;
};

// A PDF file's pages: throws Failure, naming the file and the system's reason, when the
// file cannot be created.
class PdfPageSurface : public PaintedPageSurface
{
public:
    PdfPageSurface(const QString &fileName, const QString &title, const QPageSize &paper);
};

// The default printer, or the queue named for this run.
class QtPrinterProvider : public PrinterProvider
{
public:
    QtPrinterProvider() = default;
    explicit QtPrinterProvider(QString queue) : queue_(std::move(queue)) {}
    std::unique_ptr<PageSurface> defaultPrinter() override
    {
        return queue_.isEmpty() ? std::make_unique<QtPageSurface>()
                                : std::make_unique<QtPageSurface>(queue_);
    }

private:
    QString queue_;
};

} // namespace tamsoret
