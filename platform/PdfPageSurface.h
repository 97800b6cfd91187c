#pragma once

#include "platform/QtPageSurface.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace tamsoret {

// A PDF file as a page surface: the printed listing's page on a sheet without unprintable
// edges, in the font embedded, its text kept as text. The file appears complete, at
// endJob, or not at all; an existing file of that name is replaced only then.
class PdfPageSurface : public PaintedPageSurface
{
public:
    // Throws Failure, naming the file and the system's reason, when it cannot be created.
    PdfPageSurface(const QString &fileName, const QString &title, const QPageSize &paper);
    ~PdfPageSurface() override;

    void endJob() override;

protected:
    QPagedPaintDevice &device() const override { return *writer_; }
    void beginJob() override;
    [[noreturn]] void fail(const QString &reason) const override;

private:
    [[noreturn]] void failWriting();

    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    QString noReason_;
};

// The sheet a listing saved as PDF is laid out on: the default printer's paper when there
// is one, otherwise the locale's.
QPageSize ListingPaper();
// The paper of the locale (LC_PAPER), A4 when it names none.
QPageSize LocalePaper();

} // namespace tamsoret
