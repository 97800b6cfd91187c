#include "output/WriteListing.h"

#include "platform/Ansi.h"
#include "platform/Failure.h"

#include <QSaveFile>

#include <cerrno>

namespace tamsoret {

namespace {

// Hands the listing's lines to sendLine in order. The date and time are read once at
// the start; the label, the folder and the free space when their lines are reached.
template <typename SendLine> void EmitListing(const ListingInput &input, SendLine &&sendLine)
{
    const LocalDateTime now = input.sources.now();
    const QString label = input.sources.volumeLabelText();
    const QString folder = input.sources.currentFolder();
    for (const QString &line : ListingHeader(now, input.locale, label, folder))
        sendLine(line);
    for (const QString &line : ColumnTitles(input.options))
        sendLine(line);
    for (qint32 p = 0; p < input.count; ++p)
        sendLine(
            EntryLine(input.data.Entries[size_t(input.data.EntryOrder[size_t(p)])], input.options));
    const QString freeSpace = input.sources.freeSpaceText();
    for (const QString &line : ListingFooter(input.data.SummaryText, freeSpace))
        sendLine(line);
}

void AppendLine(QByteArray &out, const QString &line)
{
    AppendWindows1252(out, line);
    out.append("\r\n", 2);
}

} // namespace

QByteArray ListingFileBytes(const ListingInput &input)
{
    QByteArray bytes;
    EmitListing(input, [&](const QString &line) { AppendLine(bytes, line); });
    return bytes;
}

void WriteListing(const QString &outputFileName, const ListingInput &input)
{
    // QSaveFile writes beside the target and renames only when everything went well, so
    // an existing listing survives any failure. Each step is checked on its own: on a
    // full disk a commit without a checked flush has been seen to leave an empty file.
    QSaveFile file(outputFileName);
    const QString noReason = file.errorString();
    auto fail = [&] {
        // A write that fails on a full disk leaves the file's own error text unset; the
        // system's error number still tells why.
        const int error = errno;
        QString reason = file.errorString();
        if (reason == noReason && error != 0) reason = qt_error_string(error);
        file.cancelWriting();
        throw Failure(QStringLiteral("Cannot write the listing file"), outputFileName, reason);
    };
    if (!file.open(QIODevice::WriteOnly)) fail();
    errno = 0;

    constexpr qsizetype ChunkSize = 64 * 1024;
    QByteArray chunk;
    chunk.reserve(ChunkSize + 1024);
    auto writeChunk = [&] {
        if (file.write(chunk) != chunk.size()) fail();
        chunk.clear();
    };
    EmitListing(input, [&](const QString &line) {
        AppendLine(chunk, line);
        if (chunk.size() >= ChunkSize) writeChunk();
    });
    writeChunk();
    if (!file.flush()) fail();
    if (!file.commit()) fail();
}

} // namespace tamsoret
