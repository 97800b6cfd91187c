#pragma once

#include <QString>

class QPagedPaintDevice;

namespace tamsoret {

// A paged device that a listing's pages are painted on: the printer, or a PDF file. The
// painting itself is the listing writer's; the device only starts, finishes and reports.
class PageDevice
{
public:
    virtual ~PageDevice() = default;
    virtual QPagedPaintDevice &device() = 0;
    // Readies the device for a job, before the first thing is painted.
    virtual void beginJob() = 0;
    // Hands the job on once painting has ended; painted is false when the painter could
    // not finish the pages.
    virtual void endJob(bool painted) = 0;
    // Throws the device's Failure with this reason.
    [[noreturn]] virtual void fail(const QString &reason) const = 0;
};

} // namespace tamsoret
