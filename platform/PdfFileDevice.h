#pragma once

#include "platform/OutputTarget.h"
#include "platform/PageDevice.h"

#include <QPageSize>
#include <QPdfWriter>

#include <memory>

namespace tamsoret {

// A PDF file: a sheet without unprintable edges, the font embedded, the text kept as
// text. Written through OutputTarget, like the text listing: a file appears complete, at
// the end of the job, or not at all, and a device or FIFO is written into.
class PdfFileDevice : public PageDevice
{
public:
    // Throws Failure, naming the file and the system's reason, when it cannot be created.
    PdfFileDevice(const QString &fileName, const QString &title, const QPageSize &paper);

    QPagedPaintDevice &device() override { return *writer_; }
    void beginJob() override {}
    void endJob(bool painted) override;
    [[noreturn]] void fail(const QString &reason) const override;

private:
    // The writer draws on the target, and goes first.
    std::unique_ptr<OutputTarget> target_;
    std::unique_ptr<QPdfWriter> writer_;
};

// The sheet a listing saved as PDF is laid out on: the default printer's paper when there
// is one, otherwise the locale's.
QPageSize ListingPaper();
// The paper of the locale (LC_PAPER), A4 when it names none.
QPageSize LocalePaper();

} // namespace tamsoret
