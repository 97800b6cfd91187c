#pragma once

#include "platform/PageDevice.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

namespace tamsoret {

// The page a PDF file gets, for measuring only: the same writer settings as a PDF
// listing's (resolution, a sheet without margins), so that texts measure the same, but
// its bytes stay in memory and are thrown away. The options window computes its right
// margin on it when no printer is installed.
class PdfMeasuringDevice : public PageDevice
{
public:
    explicit PdfMeasuringDevice(const QPageSize &paper);

    QPagedPaintDevice &device() override { return writer_; }
    void beginJob() override {}
    void endJob(bool) override {}
    [[noreturn]] void fail(const QString &reason) const override;

private:
    QBuffer bytes_;
    QPdfWriter writer_;
};

} // namespace tamsoret
