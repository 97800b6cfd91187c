#pragma once

#include "platform/PageDevice.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <memory>

namespace tamsoret {

// The default printer. The print job begins with the first page painted, so the device
// can also be used just to measure (the options window's right margin). The pages are
// drawn into a spool file of our own and handed to the printing system only when the job
// ends, so that a job that fails part-way, or whose spool file could not be written whole,
// is never sent and a job that the printing system refuses is reported.
class PrinterDevice : public PageDevice
{
public:
    // Throws Failure when there is no default printer.
    PrinterDevice();
    // The printer of the named queue; throws Failure when the printing system knows none
    // of that name.
    explicit PrinterDevice(const QString &queue);

    QPagedPaintDevice &device() override { return *writer_; }
    void beginJob() override;
    void endJob(bool painted) override;
    [[noreturn]] void fail(const QString &reason) const override;

    QString printerName() const;

private:
    // The spool file; it remembers the first write that failed and the system's reason.
    // Qt's PDF engine looks at its file's error only when a page begins, and QFile clears
    // that error at the next write that succeeds.
    class SpoolFile : public QTemporaryFile
    {
    public:
        // Closes the file; whether every byte was written.
        bool finish();
        // The system's reason for the first write that failed; empty while none has.
        QString failure() const { return failure_; }

    protected:
        qint64 writeData(const char *data, qint64 length) override;

    private:
        void noteFailure(int error);

        QString failure_;
    };

    explicit PrinterDevice(const QPrinterInfo &info);
    void submitJob();

    // The printer's paper, printable area and resolution; the pages are painted through
    // the writer with the same layout.
    std::unique_ptr<QPrinter> printer_;
    SpoolFile spool_;
    std::unique_ptr<QPdfWriter> writer_;
};

// Throws the Failure that names the queue when the printing system has no queue of this
// name.
void CheckPrinterKnown(const QString &queue);

// Why the print service (CUPS) cannot be reached, in words for a terminal ("the print
// service (CUPS) does not answer at SERVER: REASON"), or an empty text when it answers.
// Asks the server once, waiting a few seconds at most.
QString PrintServiceSilence();

// Whether a default printer is installed, and its name.
bool HasDefaultPrinter();
QString DefaultPrinterName();

// Why the printing system would not print a job on this printer now (it refuses jobs, it
// is stopped, it is unknown), or an empty text when it would.
QString PrinterRefusal(const QString &printerName);

} // namespace tamsoret
