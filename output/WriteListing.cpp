#include "output/WriteListing.h"

#include "output/ListingColumns.h"

#include "output/PaintedPageSurface.h"
#include "output/PrintListing.h"
#include "platform/Ansi.h"
#include "platform/Failure.h"
#include "platform/OutputTarget.h"

#include <QCoreApplication>

#include <cerrno>
#include <unistd.h>

#include <algorithm>

namespace tamsoret {

namespace {

// Where a writer's buffer is handed on to the file.
constexpr qsizetype ChunkSize = 256 * 1024;

void AppendLine(QByteArray &out, const QString &line)
{
    AppendWindows1252(out, line);
    out.append("\r\n", 2);
}

// Latin-1 text in Windows-1252: the same byte, except the C1 controls U+0080..U+009F,
// which Windows-1252 has no place for (its characters there lie elsewhere in Unicode).
char *Put1252(char *out, const uchar *text, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        const uchar c = text[i];
        *out++ = (c >= 0x80 && c < 0xA0) ? '?' : char(c);
    }
    return out;
}

char *PutBlanks(char *out, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        *out++ = ' ';
    return out;
}

char *PutLeftCell(char *out, const EntryText &text, qsizetype width)
{
    const qsizetype shown = std::min(text.size(), width);
    out = Put1252(out, text.latin1(), shown);
    return PutBlanks(out, width - shown);
}

char *PutRightCell(char *out, const EntryText &text, qsizetype width)
{
    if (text.size() <= width)
        return Put1252(PutBlanks(out, width - text.size()), text.latin1(), text.size());
    return Put1252(out, text.latin1() + (text.size() - width), width);
}

// The entry's line as EntryLine lays it out and AppendLine encodes it. Texts of one byte
// a character, almost all of them, are put together in place, one character a byte; an
// entry with a wider character goes the long way, through EntryLine itself.
void AppendEntryLine(QByteArray &out, const EntryTable &entries, size_t i,
                     const ListOptions &options)
{
    const std::array<EntryText, EntryFieldCount> t = entries.texts(i);
    const EntryText &name = t[size_t(EntryField::Name)];
    const EntryText &dosName = t[size_t(EntryField::DosName)];
    const EntryText &sizeText = t[size_t(EntryField::SizeText)];
    const EntryText &dateText = t[size_t(EntryField::DateText)];
    const EntryText &attrText = t[size_t(EntryField::AttrText)];
    if (name.isWide() || dosName.isWide() || sizeText.isWide() || dateText.isWide() ||
        attrText.isWide()) {
        AppendLine(out, EntryLine(entries[i], options));
        return;
    }

    const qsizetype start = out.size();
    out.resize(start + NameColumn.width() + DosNameColumn.width() +
               std::max<qsizetype>(sizeText.size(), SizeColumn.cell) + SizeColumn.gap +
               dateText.size() + TimeColumn.gap + attrText.size() + AttrColumn.gap + 2);
    char *const begin = out.data() + start;
    char *p = begin;
    if (options.ShowName) p = PutBlanks(PutLeftCell(p, name, NameColumn.cell), NameColumn.gap);
    if (options.ShowDOS)
        p = PutBlanks(PutLeftCell(p, dosName, DosNameColumn.cell), DosNameColumn.gap);
    if (options.ShowSize) p = PutBlanks(PutRightCell(p, sizeText, SizeColumn.cell), SizeColumn.gap);
    if (options.ShowTime)
        p = PutBlanks(Put1252(p, dateText.latin1(), dateText.size()), TimeColumn.gap);
    if (options.ShowAttr)
        p = PutBlanks(Put1252(p, attrText.latin1(), attrText.size()), AttrColumn.gap);
    *p++ = '\r';
    *p++ = '\n';
    out.resize(start + (p - begin));
}

// The entry lines in the sorted order, handing the bytes to flush whenever a chunk is full.
template <typename Flush>
void EmitEntryLines(QByteArray &out, const ListingData &data, qint32 count,
                    const ListOptions &options, Flush &&flush)
{
    // The sorted order visits the entries all over the table: ask for them ahead.
    constexpr qint32 TextsAhead = 8;
    constexpr qint32 PositionAhead = 2 * TextsAhead;
    const EntryTable &entries = data.Entries;
    const std::vector<qint32> &order = data.EntryOrder;
    for (qint32 p = 0; p < count; ++p) {
        if (p + PositionAhead < count)
            entries.prefetchPosition(size_t(order[size_t(p + PositionAhead)]));
        if (p + TextsAhead < count)
            entries.prefetchTexts(size_t(order[size_t(p + TextsAhead)]));
        AppendEntryLine(out, entries, size_t(order[size_t(p)]), options);
        if (out.size() >= ChunkSize) flush();
    }
}

// Puts the listing's bytes into out, handing them to flush whenever a chunk is full.
// The date and time are read once at the start; the label, the folder and the free
// space when their lines are reached.
template <typename Flush>
void EmitListing(const ListingInput &input, QByteArray &out, Flush &&flush)
{
    const LocalDateTime now = input.sources.now();
    const QString label = input.sources.volumeLabelText();
    const QString folder = input.sources.folderPath();
    for (const QString &line : ListingHeader(now, input.locale, label, folder))
        AppendLine(out, line);
    for (const QString &line : ColumnTitles(input.options))
        AppendLine(out, line);
    EmitEntryLines(out, input.data, input.count, input.options, flush);
    const QString freeSpace = input.sources.freeSpaceText();
    for (const QString &line : ListingFooter(input.data.SummaryText, freeSpace))
        AppendLine(out, line);
    flush();
}

} // namespace

QByteArray ListingFileBytes(const ListingInput &input)
{
    QByteArray bytes;
    EmitListing(input, bytes, [] {});
    return bytes;
}

void WriteListingFile(const QString &outputFileName, const ListingProducer &produce)
{
    // The target decides how the file is replaced or written into, and checks every write;
    // the first failure ends the listing at once.
    OutputTarget file(outputFileName);
    QByteArray chunk;
    chunk.reserve(ChunkSize + 4096);
    produce(chunk, [&] {
        if (file.write(chunk) != chunk.size()) file.fail();
        chunk.resize(0);
    });
    file.commit();
}

void WriteListingStream(const ListingProducer &produce)
{
    QByteArray chunk;
    chunk.reserve(ChunkSize + 4096);
    const auto writeAll = [&chunk] {
        const char *data = chunk.constData();
        qsizetype left = chunk.size();
        while (left > 0) {
            const ssize_t written = ::write(STDOUT_FILENO, data, static_cast<size_t>(left));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0)
                throw Failure(
                    QCoreApplication::translate("WriteListing", "Cannot write the listing"),
                    QCoreApplication::translate("WriteListing", "standard output"),
                    qt_error_string(errno));
            data += written;
            left -= written;
        }
        chunk.resize(0);
    };
    produce(chunk, writeAll);
}

void WriteListing(const QString &outputFileName, const ListingInput &input)
{
    WriteListingFile(outputFileName, [&input](QByteArray &chunk, const std::function<void()> &flush) {
        EmitListing(input, chunk, flush);
    });
}

void WriteListingToStandardOutput(const ListingInput &input)
{
    WriteListingStream([&input](QByteArray &chunk, const std::function<void()> &flush) {
        EmitListing(input, chunk, flush);
    });
}

void AppendListingLine(QByteArray &out, const QString &line)
{
    AppendLine(out, line);
}

void AppendEntryLines(QByteArray &out, const ListingData &data, qint32 count,
                      const ListOptions &options, const std::function<void()> &flush)
{
    EmitEntryLines(out, data, count, options, flush);
}

qsizetype ListingChunkSize()
{
    return ChunkSize;
}

bool IsPdfFileName(const QString &outputFileName)
{
    return outputFileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

void WritePdfListing(const QString &outputFileName, const ListingInput &input,
                     const ListingFont &font, const QPageSize &paper)
{
    PdfPageSurface pdf(outputFileName, QStringLiteral("Tamsoret - ") + input.sources.folderPath(),
                       paper);
    PrintListing(pdf, input, font);
}

} // namespace tamsoret
