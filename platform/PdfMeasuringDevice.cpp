#include "platform/PdfMeasuringDevice.h"

#include "platform/Failure.h"

#include <QCoreApplication>
#include <QPageLayout>

namespace tamsoret {

PdfMeasuringDevice::PdfMeasuringDevice(const QPageSize &paper) : writer_(&bytes_)
{
    // As PdfFileDevice sets up the listing's own file.
    writer_.setResolution(1200);
    writer_.setPageLayout(
        QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void PdfMeasuringDevice::fail(const QString &reason) const
{
    throw Failure(QCoreApplication::translate("PdfMeasuringDevice", "Cannot measure the PDF page"),
                  QString(), reason);
}

} // namespace tamsoret
