#include "output/PaintedPageSurface.h"

#include "output/LineColumns.h"
#include "platform/ListingFont.h"
#include "platform/PdfFileDevice.h"
#include "platform/PdfMeasuringDevice.h"
#include "platform/PrinterDevice.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPageLayout>

namespace tamsoret {

namespace {

// Marks, controls and format characters join or vanish; a letter that may take part in
// shaping is set with its neighbours.
bool StandsAlone(char16_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return false;
    default:
        return c != u' ';
    }
}

} // namespace

PaintedPageSurface::PaintedPageSurface(std::unique_ptr<PageDevice> device)
    : device_(std::move(device))
{
    const ListingFont listing;
    font_ = QFont(listing.name);
    font_.setPointSizeF(listing.size);
}

void PaintedPageSurface::setFontName(const QString &name)
{
    font_.setFamily(name);
    deviceFont_.reset();
    if (painter_.isActive()) painter_.setFont(font_);
}

void PaintedPageSurface::setFontSize(float points)
{
    if (points > 0) font_.setPointSizeF(points);
    deviceFont_.reset();
    if (painter_.isActive()) painter_.setFont(font_);
}

const PaintedPageSurface::DeviceFont &PaintedPageSurface::deviceFont() const
{
    if (deviceFont_) return *deviceFont_;
    const QFont font(font_, &device());
    const QFontMetricsF metrics(font);
    const bool fixedPitch = QFontInfo(font).fixedPitch();
    DeviceFont &d = deviceFont_.emplace(DeviceFont{font, metrics, fixedPitch,
                                                   metrics.horizontalAdvance(u' '),
                                                   QRawFont::fromFont(font), {}});
    if (!fixedPitch || !d.raw.isValid()) return d;
    // Every glyph the grid takes is looked up, and its width checked, once for the job.
    QString characters(DeviceFont::GridEnd, Qt::Uninitialized);
    for (char16_t c = 0; c < DeviceFont::GridEnd; ++c)
        characters[c] = QChar(StandsAlone(c) ? c : u' ');
    const QList<quint32> glyphs = d.raw.glyphIndexesForString(characters);
    if (glyphs.size() != characters.size()) return d;
    const QList<QPointF> advances = d.raw.advancesForGlyphIndexes(glyphs);
    for (char16_t c = 0; c < DeviceFont::GridEnd; ++c) {
        const bool grid = StandsAlone(c) && glyphs[c] != 0 &&
                          qAbs(advances[c].x() - d.advance) < 1e-3 * d.advance;
        d.glyphs[c] = grid ? glyphs[c] : 0;
    }
    return d;
}

double PaintedPageSurface::toMillimetres(double deviceUnits) const
{
    return deviceUnits * 25.4 / device().logicalDpiY();
}

double PaintedPageSurface::toDevice(double millimetres) const
{
    return millimetres * device().logicalDpiY() / 25.4;
}

double PaintedPageSurface::pageHeight() const
{
    return device().pageLayout().paintRect(QPageLayout::Millimeter).height();
}

double PaintedPageSurface::printableWidth() const
{
    return device().pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double PaintedPageSurface::textWidth(const QString &text) const
{
    if (text.isEmpty()) return 0;
    return toMillimetres(deviceFont().metrics.horizontalAdvance(text));
}

void PaintedPageSurface::beginJob()
{
    if (painter_.isActive()) return;
    keptBuffers_.emplace();
    device_->beginJob();
    if (!painter_.begin(&device()))
        device_->fail(
            QCoreApplication::translate("PaintedPageSurface", "The page could not be started."));
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    painter_.setLayoutDirection(Qt::LeftToRight);
}

void PaintedPageSurface::print(const QString &text, bool endLine)
{
    beginJob();
    const DeviceFont &font = deviceFont();
    if (!text.isEmpty()) {
        const double x = toDevice(x_);
        const double baseline = toDevice(y_) + font.metrics.ascent();
        if (columns_.empty())
            painter_.drawText(QPointF(x, baseline), text);
        else if (font.fixedPitch)
            drawColumns(font, text, x, baseline);
        else if (HasRightToLeft(text))
            painter_.drawText(QPointF(x, baseline), IsolateColumns(text, columns_));
        else
            painter_.drawText(QPointF(x, baseline), text);
        if (!endLine) x_ += toMillimetres(font.metrics.horizontalAdvance(text));
    }
    if (endLine) {
        y_ += toMillimetres(font.metrics.height());
        x_ = 0;
    }
}

// Each column at its place on the grid. A column of characters that each fill one place
// with the listing font's own glyph is set glyph by glyph, all such columns of the line
// in one run, without laying the text out; any other column is set as text of its own.
void PaintedPageSurface::drawColumns(const DeviceFont &font, const QString &text, double x,
                                     double baseline)
{
    glyphs_.clear();
    positions_.clear();
    for (const ColumnPiece &piece : SplitColumns(text, columns_)) {
        const qsizetype first = glyphs_.size();
        bool onGrid = true;
        for (qsizetype i = 0; i < piece.text.size() && onGrid; ++i) {
            const char16_t c = piece.text[i].unicode();
            if (c == u' ') continue;
            const quint32 glyph = c < DeviceFont::GridEnd ? font.glyphs[c] : 0;
            onGrid = glyph != 0;
            glyphs_.append(glyph);
            positions_.append(QPointF((piece.start + i) * font.advance, 0));
        }
        if (onGrid) continue;
        glyphs_.resize(first);
        positions_.resize(first);
        drawFitted(font, piece.text, x + piece.start * font.advance, baseline,
                   piece.room * font.advance);
    }
    if (glyphs_.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(font.raw);
    run.setGlyphIndexes(glyphs_);
    run.setPositions(positions_);
    painter_.drawGlyphRun(QPointF(x, baseline), run);
}

// The text in its own direction, cut after its last character that ends inside the room.
// Composed: a fixed-pitch font's marks take a place of their own, beside their letter.
void PaintedPageSurface::drawFitted(const DeviceFont &font, QStringView text, double x,
                                    double baseline, double room)
{
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    QStringView fitted = composed;
    QString shown = Isolated(fitted);
    while (!fitted.isEmpty() && font.metrics.horizontalAdvance(shown) > room) {
        fitted = WithoutLastCharacter(fitted);
        shown = Isolated(fitted);
    }
    if (!fitted.isEmpty()) painter_.drawText(QPointF(x, baseline), shown);
}

void PaintedPageSurface::newPage()
{
    beginJob();
    if (!device().newPage())
        device_->fail(
            QCoreApplication::translate("PaintedPageSurface", "A new page could not be started."));
}

PaintedPageSurface::~PaintedPageSurface()
{
    if (painter_.isActive()) painter_.end();
}

void PaintedPageSurface::endJob()
{
    beginJob();
    const bool painted = painter_.end();
    keptBuffers_.reset();
    device_->endJob(painted);
}

QtPageSurface::QtPageSurface() : PaintedPageSurface(std::make_unique<PrinterDevice>()) {}

QtPageSurface::QtPageSurface(const QString &queue)
    : PaintedPageSurface(std::make_unique<PrinterDevice>(queue))
{
}

QString QtPageSurface::printerName() const
{
    return static_cast<const PrinterDevice &>(pageDevice()).printerName();
}

PdfPageSurface::PdfPageSurface(const QString &fileName, const QString &title,
                               const QPageSize &paper)
    : PaintedPageSurface(std::make_unique<PdfFileDevice>(fileName, title, paper))
{
}

PdfPageSurface::PdfPageSurface(const QPageSize &paper)
    : PaintedPageSurface(std::make_unique<PdfMeasuringDevice>(paper))
{
}

MeasuringPage QtPrinterProvider::pdfPage()
{
    const QPageSize paper = ListingPaper();
    return {std::make_unique<PdfPageSurface>(paper), paper.name()};
}

} // namespace tamsoret
