#include "output/DataListing.h"

#include "listing/EntryFields.h"
#include "output/WriteListing.h"
#include "platform/ErrorText.h"
#include "platform/FindRecord.h"

#include <charconv>
#include <cstring>
#include <limits>

namespace tamsoret {

namespace {

bool IsAscii(QByteArrayView bytes)
{
    for (const char c : bytes)
        if (uchar(c) >= 0x80) return false;
    return true;
}

// Whether the bytes are UTF-8 through and through: decoding replaces every stray byte and
// every encoded surrogate, so only a valid name comes back the same.
bool IsUtf8(QByteArrayView bytes)
{
    return IsAscii(bytes) || QString::fromUtf8(bytes).toUtf8() == bytes;
}

// A name or path as UTF-8 text: its own bytes when they are UTF-8, otherwise decoded with
// U+FFFD for each stray byte, into spare. valid tells which.
QByteArrayView Utf8Text(QByteArrayView bytes, QByteArray &spare, bool &valid)
{
    valid = IsUtf8(bytes);
    if (valid) return bytes;
    spare = QString::fromUtf8(bytes).toUtf8();
    return spare;
}

// Room for one entry's bytes at the end of out, written through a plain pointer: an entry
// takes a few dozen appends, each of which QByteArray would check and account for on its
// own. most must be at least what is written; out is not touched otherwise meanwhile.
class Sink
{
public:
    Sink(QByteArray &out, qsizetype most) : out_(out)
    {
        const qsizetype at = out.size();
        out.resize(at + most);
        start_ = p_ = out.data() + at;
    }
    ~Sink() { out_.resize(p_ - out_.data()); }
    Sink(const Sink &) = delete;
    Sink &operator=(const Sink &) = delete;

    Sink &append(char c)
    {
        *p_++ = c;
        return *this;
    }
    Sink &append(QByteArrayView bytes)
    {
        std::memcpy(p_, bytes.data(), size_t(bytes.size()));
        p_ += bytes.size();
        return *this;
    }
    template <size_t N>
    Sink &append(const char (&text)[N])
    {
        return append(QByteArrayView(text, N - 1));
    }

    // The bytes written so far.
    qsizetype size() const { return p_ - start_; }

private:
    QByteArray &out_;
    char *start_;
    char *p_;
};

template <typename Out>
void AppendText(Out &out, const EntryText &text)
{
    if (text.isWide()) {
        out.append(text.utf16().toUtf8());
        return;
    }
    const uchar *chars = text.latin1();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar c = chars[i];
        if (c < 0x80) {
            out.append(char(c));
        } else {
            out.append(char(0xC0 | (c >> 6)));
            out.append(char(0x80 | (c & 0x3F)));
        }
    }
}

template <typename Out>
void AppendNumber(Out &out, qint64 value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(QByteArrayView(digits, result.ptr - digits));
}

template <typename Out>
void AppendDigits(Out &out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = char('0' + value % 10);
    out.append(QByteArrayView(digits, width));
}

// "YYYY-MM-DD" + between + "HH:MM:SS".
template <typename Out, typename Time>
void AppendDateTime(Out &out, const Time &t, char between)
{
    AppendDigits(out, t.year, 4);
    out.append('-');
    AppendDigits(out, t.month, 2);
    out.append('-');
    AppendDigits(out, t.day, 2);
    out.append(between);
    AppendDigits(out, t.hour, 2);
    out.append(':');
    AppendDigits(out, t.minute, 2);
    out.append(':');
    AppendDigits(out, t.second, 2);
}

// ISO 8601 with the offset in force at that moment: "2024-05-01T12:34:56+02:00".
template <typename Out, typename Time>
void AppendIsoTime(Out &out, const Time &t)
{
    AppendDateTime(out, t, 'T');
    const int offset = t.utcOffset < 0 ? -t.utcOffset : t.utcOffset;
    out.append(t.utcOffset < 0 ? '-' : '+');
    AppendDigits(out, offset / 3600, 2);
    out.append(':');
    AppendDigits(out, offset / 60 % 60, 2);
}

// The attribute letters without the blanks: "dh", or nothing.
template <typename Out>
void AppendLetters(Out &out, quint32 attributes)
{
    if (attributes & Attr::Folder) out.append('d');
    if (attributes & Attr::Archive) out.append('a');
    if (attributes & Attr::ReadOnly) out.append('r');
    if (attributes & Attr::System) out.append('s');
    if (attributes & Attr::Hidden) out.append('h');
}

bool IsFolder(const EntryFacts &facts) { return (facts.attributes & Attr::Folder) != 0; }

// The size the data gives: none for a folder and for an entry without its status.
bool HasSize(const EntryFacts &facts) { return !IsFolder(facts) && facts.statusError == 0; }

qint64 AddHeld(qint64 sum, qint64 more)
{
    if (more <= 0) return sum;
    return more > std::numeric_limits<qint64>::max() - sum ? std::numeric_limits<qint64>::max()
                                                             : sum + more;
}

// Calls visit(i) for each listed entry i in the listing's order but "..", asking for the
// entries' texts and facts ahead: the sorted order visits them all over their tables.
template <typename Visit>
void ForEachListed(const ListingData &data, qint32 count, Visit &&visit)
{
    constexpr qint32 Ahead = 8;
    const EntryTable &entries = data.Entries;
    const EntryFactTable &facts = data.Facts;
    const std::vector<qint32> &order = data.EntryOrder;
    for (qint32 p = 0; p < count; ++p) {
        if (p + 2 * Ahead < count) {
            const size_t later = size_t(order[size_t(p + 2 * Ahead)]);
            entries.prefetchPosition(later);
            facts.prefetch(later);
        }
        if (p + Ahead < count) {
            const size_t next = size_t(order[size_t(p + Ahead)]);
            entries.prefetchTexts(next);
            facts.prefetchName(next);
        }
        const size_t i = size_t(order[size_t(p)]);
        if (facts.rawName(i) != "..") visit(i);
    }
}

// ---- CSV ----

template <typename Out>
void AppendCsvCell(Out &out, QByteArrayView utf8, bool guard)
{
    bool quote = false;
    for (qsizetype i = 0; i < utf8.size() && !quote; ++i) {
        const uchar c = uchar(utf8[i]);
        // A C1 control (U+0080..U+009F) is 0xC2 and a byte below 0xA0 in UTF-8.
        quote = c < 0x20 || c == 0x7F || c == ',' || c == '"' ||
                (c == 0xC2 && i + 1 < utf8.size() && uchar(utf8[i + 1]) < 0xA0);
    }
    if (quote) out.append('"');
    // A spreadsheet runs a cell that begins so as a formula. The cells that already begin
    // with "'" get one too, so that dropping one leading "'" gives every text back.
    if (guard && !utf8.isEmpty()) {
        switch (utf8[0]) {
        case '=': case '+': case '-': case '@': case '\t': case '\r': case '\'':
            out.append('\'');
            break;
        default:
            break;
        }
    }
    if (!quote) {
        out.append(utf8);
        return;
    }
    for (const char c : utf8) {
        if (c == '"') out.append('"');
        out.append(c);
    }
    out.append('"');
}

class CsvWriter : public DataListingWriter
{
public:
    CsvWriter(QByteArray &out, std::function<void()> flush, const ListOptions &options, bool tree)
        : DataListingWriter(out, std::move(flush)), options_(options), tree_(tree)
    {
        none_ = !options.ShowName && !options.ShowDOS && !options.ShowSize &&
                !options.ShowTime && !options.ShowAttr;
    }

    void begin(const DataListingHead &) override
    {
        out_.append("\xEF\xBB\xBF");
        QByteArray titles;
        const auto title = [&titles](const char *text) {
            if (!titles.isEmpty()) titles.append(',');
            titles.append(text);
        };
        if (tree_) title("Folder");
        if (options_.ShowName || none_) title("Name");
        if (options_.ShowDOS) title("MS-DOS Name");
        if (options_.ShowSize) title("Size");
        if (options_.ShowTime) title("Modified");
        if (options_.ShowAttr) title("Attributes");
        out_.append(titles);
        out_.append("\r\n");
    }

    void folderRead(const QString &, const ListingData &data, qint32 count) override
    {
        QByteArray folderCell;
        if (tree_) {
            bool valid = true;
            AppendCsvCell(folderCell,
                          relative_.isEmpty() ? QByteArrayView(".")
                                              : Utf8Text(relative_, spare_, valid),
                          true);
        }
        ForEachListed(data, count, [&](size_t i) {
            const QByteArrayView raw = data.Facts.rawName(i);
            const EntryFacts &facts = data.Facts[i];
            dosName_.resize(0);
            if (options_.ShowDOS) AppendText(dosName_, data.Entries.text(i, EntryField::DosName));
            {
                // Quoting doubles at most, and a stray byte becomes three.
                Sink row(out_, folderCell.size() + 6 * (raw.size() + dosName_.size()) + 128);
                bool first = true;
                const auto comma = [&] {
                    if (!first) row.append(',');
                    first = false;
                };
                if (tree_) {
                    comma();
                    row.append(folderCell);
                }
                if (options_.ShowName || none_) {
                    comma();
                    bool valid = true;
                    AppendCsvCell(row, Utf8Text(raw, spare_, valid), true);
                }
                if (options_.ShowDOS) {
                    comma();
                    AppendCsvCell(row, dosName_, true);
                }
                if (options_.ShowSize) {
                    comma();
                    if (HasSize(facts)) AppendNumber(row, facts.size);
                }
                if (options_.ShowTime) {
                    comma();
                    if (facts.hasTime) AppendDateTime(row, facts, ' ');
                }
                if (options_.ShowAttr) {
                    comma();
                    AppendLetters(row, facts.attributes);
                }
                // A row of one empty cell would be an empty line, which readers skip.
                if (row.size() == 0) row.append("\"\"");
                row.append("\r\n");
            }
            ++files_;
            written();
        });
    }

    void folderUnreadable(const QString &, int) override {}
    void end() override { flush_(); }

private:
    const ListOptions &options_;
    const bool tree_;
    bool none_ = false;
    QByteArray dosName_;
    QByteArray spare_;
};

// ---- JSON ----

template <typename Out>
void AppendJsonString(Out &out, QByteArrayView utf8)
{
    static const char hex[] = "0123456789abcdef";
    out.append('"');
    qsizetype plain = 0; // most names need no escape at all: appended in one piece
    while (plain < utf8.size() && uchar(utf8[plain]) >= 0x20 && utf8[plain] != '"' &&
           utf8[plain] != '\\')
        ++plain;
    out.append(utf8.first(plain));
    for (const char c : utf8.sliced(plain)) {
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            if (uchar(c) < 0x20) {
                out.append("\\u00");
                out.append(hex[uchar(c) >> 4]);
                out.append(hex[uchar(c) & 0xF]);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
}

// "key":"text", and beside it "key_bytes":"base64" when the bytes are not UTF-8.
template <typename Out>
void AppendJsonName(Out &out, QByteArrayView key, QByteArrayView bytes)
{
    bool valid = true;
    QByteArray spare;
    const QByteArrayView text = Utf8Text(bytes, spare, valid);
    out.append('"').append(key).append("\":");
    AppendJsonString(out, text);
    if (!valid) {
        out.append(",\"").append(key).append("_bytes\":\"");
        out.append(bytes.toByteArray().toBase64());
        out.append('"');
    }
}

class JsonWriter : public DataListingWriter
{
public:
    using DataListingWriter::DataListingWriter;

    void begin(const DataListingHead &head) override
    {
        out_.append('{');
        AppendJsonName(out_, "folder", head.folderPath);
        out_.append(",\"label\":");
        AppendJsonString(out_, head.label.toUtf8());
        out_.append(",\"made\":\"");
        AppendIsoTime(out_, head.made);
        out_.append("\",\"free_bytes\":");
        AppendNumber(out_, head.freeBytes);
        out_.append(",\"total_bytes\":");
        AppendNumber(out_, head.totalBytes);
        out_.append(",\"folders\":[");
    }

    void folderRead(const QString &, const ListingData &data, qint32 count) override
    {
        startFolder();
        qint64 files = 0;
        qint64 bytes = 0;
        ForEachListed(data, count, [&](size_t i) {
            const QByteArrayView raw = data.Facts.rawName(i);
            const EntryFacts &facts = data.Facts[i];
            dosName_.resize(0);
            AppendText(dosName_, data.Entries.text(i, EntryField::DosName));
            const QByteArray error =
                facts.statusError != 0 ? EnglishErrorText(facts.statusError).toUtf8() : QByteArray();
            {
                // Escapes take six bytes a byte at most, base64 four for three.
                Sink entry(out_, 8 * raw.size() + 6 * (dosName_.size() + error.size()) + 256);
                entry.append(files == 0 ? QByteArrayView("\n{") : QByteArrayView(",\n{"));
                AppendJsonName(entry, "name", raw);
                entry.append(",\"dos_name\":");
                AppendJsonString(entry, dosName_);
                entry.append(",\"size\":");
                if (HasSize(facts)) {
                    AppendNumber(entry, facts.size);
                    bytes = AddHeld(bytes, facts.size);
                } else {
                    entry.append("null");
                }
                entry.append(",\"modified\":");
                if (facts.hasTime) {
                    entry.append('"');
                    AppendIsoTime(entry, facts);
                    entry.append('"');
                } else {
                    entry.append("null");
                }
                if (!error.isEmpty()) {
                    entry.append(",\"error\":");
                    AppendJsonString(entry, error);
                }
                entry.append(",\"attributes\":\"");
                AppendLetters(entry, facts.attributes);
                entry.append(IsFolder(facts) ? QByteArrayView("\",\"folder\":true}")
                                             : QByteArrayView("\",\"folder\":false}"));
            }
            ++files;
            written();
        });
        endFolder(files, bytes, 0);
    }

    void folderWithoutEntries() override
    {
        startFolder();
        endFolder(0, 0, 0);
    }

    void folderUnreadable(const QString &, int error) override
    {
        startFolder();
        endFolder(0, 0, error);
    }

    void end() override
    {
        out_.append("\n],\"files\":");
        AppendNumber(out_, files_);
        out_.append(",\"bytes\":");
        AppendNumber(out_, bytes_);
        out_.append("}\n");
        flush_();
    }

private:
    void startFolder()
    {
        out_.append(folders_++ == 0 ? QByteArrayView("\n{") : QByteArrayView(",\n{"));
        if (relative_.isEmpty())
            out_.append("\"path\":\".\"");
        else
            AppendJsonName(out_, "path", relative_);
        out_.append(",\"entries\":[");
    }

    void endFolder(qint64 files, qint64 bytes, int error)
    {
        out_.append(files == 0 ? QByteArrayView("]") : QByteArrayView("\n]"));
        out_.append(",\"files\":");
        AppendNumber(out_, files);
        out_.append(",\"bytes\":");
        AppendNumber(out_, bytes);
        if (error != 0) {
            out_.append(",\"error\":");
            AppendJsonString(out_, EnglishErrorText(error).toUtf8());
        }
        out_.append('}');
        files_ += files;
        bytes_ = AddHeld(bytes_, bytes);
        written();
    }

    qint64 folders_ = 0;
    QByteArray dosName_;
};

} // namespace

void DataListingWriter::written()
{
    if (out_.size() >= ListingChunkSize()) flush_();
}

std::optional<ListingFormat> FormatOfName(const QString &fileName)
{
    for (const ListingFormat format :
         {ListingFormat::Text, ListingFormat::Pdf, ListingFormat::Csv, ListingFormat::Json})
        if (fileName.endsWith(FormatExtension(format), Qt::CaseInsensitive)) return format;
    return std::nullopt;
}

std::optional<ListingFormat> FormatOfWord(const QString &word)
{
    for (const ListingFormat format :
         {ListingFormat::Text, ListingFormat::Pdf, ListingFormat::Csv, ListingFormat::Json})
        if (word == (format == ListingFormat::Text ? QStringLiteral("text")
                                                   : FormatExtension(format).mid(1)))
            return format;
    return std::nullopt;
}

QString FormatExtension(ListingFormat format)
{
    switch (format) {
    case ListingFormat::Text:
        return QStringLiteral(".txt");
    case ListingFormat::Pdf:
        return QStringLiteral(".pdf");
    case ListingFormat::Csv:
        return QStringLiteral(".csv");
    case ListingFormat::Json:
        return QStringLiteral(".json");
    }
    return {};
}

std::unique_ptr<DataListingWriter> CsvListing(QByteArray &out, std::function<void()> flush,
                                              const ListOptions &options, bool tree)
{
    return std::make_unique<CsvWriter>(out, std::move(flush), options, tree);
}

std::unique_ptr<DataListingWriter> JsonListing(QByteArray &out, std::function<void()> flush)
{
    return std::make_unique<JsonWriter>(out, std::move(flush));
}

} // namespace tamsoret
