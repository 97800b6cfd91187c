#pragma once

#include "platform/PageBuffers.h"
#include "platform/PageDevice.h"
#include "platform/PageSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPageSize>
#include <QPainter>
#include <QPointF>
#include <QRawFont>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tamsoret {

class PrinterDevice;

// The listing's page painted with QPainter on a paged device, the printer or a PDF file:
// millimetres from the top-left corner of the page's paint rectangle, in device units at
// painting time. Every line is set left to right, whatever the direction of its letters.
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
    void setColumns(std::vector<PageColumn> columns) override { columns_ = std::move(columns); }
    void newPage() override;
    void endJob() override;

protected:
    PageDevice &pageDevice() const { return *device_; }

private:
    // The listing font as the device sets it, found once a font is chosen.
    struct DeviceFont
    {
        QFont font;
        QFontMetricsF metrics;
        bool fixedPitch;
        double advance; // of one character, in device units, where fixedPitch
        QRawFont raw;
        // The glyph of each character below this that stands alone in one place of the
        // grid (no mark, no shaping, the listing font's own glyph of the grid's width);
        // 0 for the others.
        static constexpr char16_t GridEnd = 0x0590;
        std::array<quint32, GridEnd> glyphs;
    };

    QPagedPaintDevice &device() const { return device_->device(); }
    const DeviceFont &deviceFont() const;
    void beginJob();
    double toMillimetres(double deviceUnits) const;
    double toDevice(double millimetres) const;
    void drawColumns(const DeviceFont &font, const QString &text, double x, double baseline);
    void drawFitted(const DeviceFont &font, QStringView text, double x, double baseline,
                    double room);

    std::unique_ptr<PageDevice> device_;
    std::optional<KeptPageBuffers> keptBuffers_; // while a job is painted
    QPainter painter_;
    QFont font_;
    mutable std::optional<DeviceFont> deviceFont_;
    std::vector<PageColumn> columns_;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
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
    // The same page for measuring only: no file is made.
    explicit PdfPageSurface(const QPageSize &paper);
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
    MeasuringPage pdfPage() override;

private:
    QString queue_;
};

} // namespace tamsoret
