#include "platform/QtPageSurface.h"

#include "platform/Failure.h"

#include <QFontMetricsF>
#include <QPrinterInfo>

namespace tamsoret {

namespace {

const QString PrintFailure = QStringLiteral("Cannot print the listing");

} // namespace

bool HasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString DefaultPrinterName()
{
    return QPrinterInfo::defaultPrinter().printerName();
}

QtPageSurface::QtPageSurface()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw Failure(PrintFailure, QString(), QStringLiteral("No default printer is installed."));
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Tamsoret"));
    font_ = QFont(QStringLiteral("Courier New"));
    font_.setPointSizeF(10);
}

QtPageSurface::~QtPageSurface()
{
    // A job that failed part-way is abandoned rather than sent.
    if (painter_.isActive()) {
        printer_->abort();
        painter_.end();
    }
}

QString QtPageSurface::printerName() const
{
    return printer_->printerName();
}

void QtPageSurface::setFontName(const QString &name)
{
    font_.setFamily(name);
    if (painter_.isActive())
        painter_.setFont(font_);
}

void QtPageSurface::setFontSize(float points)
{
    if (points > 0)
        font_.setPointSizeF(points);
    if (painter_.isActive())
        painter_.setFont(font_);
}

void QtPageSurface::setUnitMillimetres()
{
    // Every coordinate is kept in millimetres already; the device conversion happens at drawing.
}

double QtPageSurface::toMillimetres(double deviceUnits) const
{
    return deviceUnits * 25.4 / printer_->resolution();
}

double QtPageSurface::toDevice(double millimetres) const
{
    return millimetres * printer_->resolution() / 25.4;
}

double QtPageSurface::pageHeight() const
{
    return printer_->pageRect(QPrinter::Millimeter).height();
}

double QtPageSurface::printableWidth() const
{
    return printer_->pageRect(QPrinter::Millimeter).width();
}

double QtPageSurface::textWidth(const QString &text) const
{
    if (text.isEmpty())
        return 0;
    return toMillimetres(QFontMetricsF(font_, printer_.get()).horizontalAdvance(text));
}

void QtPageSurface::beginJob()
{
    if (painter_.isActive())
        return;
    if (!painter_.begin(printer_.get()))
        throw Failure(PrintFailure, printer_->printerName(),
                      QStringLiteral("The printer could not start the print job."));
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
}

void QtPageSurface::print(const QString &text, bool endLine)
{
    beginJob();
    const QFontMetricsF metrics(font_, printer_.get());
    if (!text.isEmpty()) {
        painter_.drawText(QPointF(toDevice(x_), toDevice(y_) + metrics.ascent()), text);
        x_ += toMillimetres(metrics.horizontalAdvance(text));
    }
    if (endLine) {
        y_ += toMillimetres(metrics.height());
        x_ = 0;
    }
}

void QtPageSurface::newPage()
{
    beginJob();
    if (!printer_->newPage())
        throw Failure(PrintFailure, printer_->printerName(),
                      QStringLiteral("The printer could not start a new page."));
}

void QtPageSurface::endJob()
{
    beginJob();
    if (!painter_.end())
        throw Failure(PrintFailure, printer_->printerName(),
                      QStringLiteral("The print job could not be finished."));
    if (printer_->printerState() == QPrinter::Error)
        throw Failure(PrintFailure, printer_->printerName(),
                      QStringLiteral("The printing system reported an error."));
}

} // namespace tamsoret
