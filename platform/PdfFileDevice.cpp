#include "platform/PdfFileDevice.h"

#include "platform/Failure.h"

#include <QPrinterInfo>

#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace tamsoret {

PdfFileDevice::PdfFileDevice(const QString &fileName, const QString &title, const QPageSize &paper)
    : target_(std::make_unique<OutputTarget>(fileName))
{
    writer_ = std::make_unique<QPdfWriter>(target_.get());
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("Tamsoret"));
    writer_->setResolution(1200);
    // A file has no unprintable edge: the margins count from the sheet's edges.
    writer_->setPageLayout(
        QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void PdfFileDevice::fail(const QString &reason) const
{
    target_->fail(reason);
}

void PdfFileDevice::endJob(bool painted)
{
    // The writer does not check its writes; the target remembers the first that failed.
    if (target_->failed() || !painted) target_->fail();
    target_->commit();
}

QPageSize LocalePaper()
{
    const QPageSize a4(QPageSize::A4);
#ifdef __GLIBC__ // the paper items are glibc's
    const locale_t locale = newlocale(LC_PAPER_MASK, "", locale_t(0));
    if (!locale) return a4;
    // glibc hands these numbers (millimetres) over in the place of a string pointer, as
    // the first member of a union with it.
    auto number = [locale](nl_item item) {
        const char *value = nl_langinfo_l(item, locale);
        unsigned int word = 0;
        std::memcpy(&word, &value, sizeof word);
        return word;
    };
    const unsigned int w = number(_NL_PAPER_WIDTH);
    const unsigned int h = number(_NL_PAPER_HEIGHT);
    freelocale(locale);
    if (w == 0 || h == 0 || w > 10000 || h > 10000) return a4;
    // Within a few points of a standard size, that size: Letter is 216 × 279 in the locale.
    return QPageSize(QSizeF(w, h), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
#else
    return a4;
#endif
}

QPageSize ListingPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
    return LocalePaper();
}

} // namespace tamsoret
