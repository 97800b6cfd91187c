#include "output/PaintedPageSurface.h"

#include "platform/ListingFont.h"
#include "platform/PdfFileDevice.h"
#include "platform/PrinterDevice.h"

#include <QFontMetricsF>
#include <QPageLayout>

namespace tamsoret {

PaintedPageSurface::PaintedPageSurface(std::unique_ptr<PageDevice> device)
    : device_(std::move(device))
{
    const ListingFont listing;
    font_ = QFont(listing.name);
    font_.setPointSizeF(listing.size);
}

void PaintedPageSurface::setFontName(const QString &name)
{
    font_.setFamily(name);
    if (painter_.isActive()) painter_.setFont(font_);
}

void PaintedPageSurface::setFontSize(float points)
{
    if (points > 0) font_.setPointSizeF(points);
    if (painter_.isActive()) painter_.setFont(font_);
}

double PaintedPageSurface::toMillimetres(double deviceUnits) const
{
    return deviceUnits * 25.4 / device().logicalDpiY();
}

double PaintedPageSurface::toDevice(double millimetres) const
{
    return millimetres * device().logicalDpiY() / 25.4;
}

double PaintedPageSurface::pageHeight() const
{
    return device().pageLayout().paintRect(QPageLayout::Millimeter).height();
}

double PaintedPageSurface::printableWidth() const
{
    return device().pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double PaintedPageSurface::textWidth(const QString &text) const
{
    if (text.isEmpty()) return 0;
    return toMillimetres(QFontMetricsF(font_, &device()).horizontalAdvance(text));
}

void PaintedPageSurface::beginJob()
{
    if (painter_.isActive()) return;
    device_->beginJob();
    if (!painter_.begin(&device())) device_->fail(QStringLiteral("The page could not be started."));
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
}

void PaintedPageSurface::print(const QString &text, bool endLine)
{
    beginJob();
    const QFontMetricsF metrics(font_, &device());
    if (!text.isEmpty()) {
        painter_.drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), text);
        x_ += toMillimetres(metrics.horizontalAdvance(text));
    }
    if (endLine) {
        y_ += toMillimetres(metrics.height());
        x_ = 0;
    }
}

void PaintedPageSurface::newPage()
{
    beginJob();
    if (!device().newPage()) device_->fail(QStringLiteral("A new page could not be started."));
}

PaintedPageSurface::~PaintedPageSurface()
{
    if (painter_.isActive()) painter_.end();
}

void PaintedPageSurface::endJob()
{
    beginJob();
    device_->endJob(painter_.end());
}

QtPageSurface::QtPageSurface() : PaintedPageSurface(std::make_unique<PrinterDevice>()) {}

QtPageSurface::QtPageSurface(const QString &queue)
    : PaintedPageSurface(std::make_unique<PrinterDevice>(queue))
{
}

QString QtPageSurface::printerName() const
{
    return static_cast<const PrinterDevice &>(pageDevice()).printerName();
}

PdfPageSurface::PdfPageSurface(const QString &fileName, const QString &title,
                               const QPageSize &paper)
    : PaintedPageSurface(std::make_unique<PdfFileDevice>(fileName, title, paper))
{
}

} // namespace tamsoret
