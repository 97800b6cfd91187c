#pragma once

#include "platform/PageSurface.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

namespace tamsoret {

// The default printer as a page surface. The print job begins with the first text drawn,
// so the surface can also be used just to measure (the options window's right margin).
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
    double toMillimetres(double deviceUnits) const;
    double toDevice(double millimetres) const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QFont font_;
    double x_ = 0;
    double y_ = 0;
};

// Whether a default printer is installed, and its name.
bool HasDefaultPrinter();
QString DefaultPrinterName();

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
