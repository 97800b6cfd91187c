#pragma once

#include "platform/PageSurface.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <memory>

namespace tamsoret {

// The default printer as a page surface. The print job begins with the first text drawn,
// so the surface can also be used just to measure (the options window's right margin).
// The pages are drawn into a spool file of our own and handed to the printing system only
// when the job ends, so that a job that fails part-way is never sent and a job that the
// printing system refuses is reported.
class QtPageSurface : public PageSurface
{
public:
    // Throws Failure when there is no default printer.
    QtPageSurface();
    ~QtPageSurface() override;

    void setFontName(const QString &name) override;
    void setFontSize(float points) override;
    void setUnitMillimetres() override;
    void setX(double x) override { x_ = x; }
    void setY(double y) override { y_ = y; }
    double y() const override { return y_; }
    double pageHeight() const override;
    double printableWidth() const override;
    double textWidth(const QString &text) const override;
    void print(const QString &text, bool endLine) override;
    void newPage() override;
    void endJob() override;

    QString printerName() const;

private:
    void beginJob();
    void submitJob();
    double toMillimetres(double deviceUnits) const;
    double toDevice(double millimetres) const;

    std::unique_ptr<QPrinter> printer_;
    QTemporaryFile spool_;
    QPainter painter_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
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
