#pragma once

#include "platform/PageDevice.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <memory>

namespace tamsoret {

// The default printer. The print job begins with the first page painted, so the device
// can also be used just to measure (the options window's right margin). The pages are
// drawn into a spool file of our own and handed to the printing system only when the job
// ends, so that a job that fails part-way is never sent and a job that the printing
// system refuses is reported.
class PrinterDevice : public PageDevice
{
public:
    // Throws Failure when there is no default printer.
    PrinterDevice();
    // The printer of the named queue; throws Failure when the printing system knows none
    // of that name.
    explicit PrinterDevice(const QString &queue);

    QPagedPaintDevice &device() override { return *printer_; }
    void beginJob() override;
    void endJob(bool painted) override;
    [[noreturn]] void fail(const QString &reason) const override;

    QString printerName() const;

private:
    explicit PrinterDevice(const QPrinterInfo &info);
    void submitJob();

    std::unique_ptr<QPrinter> printer_;
    QTemporaryFile spool_;
};

// Throws the Failure that names the queue when the printing system has no queue of this
// name.
void CheckPrinterKnown(const QString &queue);

// Whether a default printer is installed, and its name.
bool HasDefaultPrinter();
QString DefaultPrinterName();

// Why the printing system would not print a job on this printer now (it refuses jobs, it
// is stopped, it is unknown), or an empty text when it would.
QString PrinterRefusal(const QString &printerName);

} // namespace tamsoret
