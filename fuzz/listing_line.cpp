// The listing line builder and the Windows-1252 encoding of its result: any entry texts
// under any column switches give lines of the fixed column widths, with no line break
// that the texts did not bring, and one byte per character in the listing file.
// Input: switches (bits 0 to 4: Name, MS-DOS name, Size, Modified, Attributes shown), then
// Name, DosName, SizeText, DateText, AttrText and the summary text separated by NUL.

#include "fuzz/FuzzText.h"
#include "output/ListingColumns.h"
#include "output/ListingLayout.h"
#include "platform/Ansi.h"

using namespace tamsoret;
using namespace tamsoret::fuzz;

namespace {

QString Field(const QStringList &fields, int i) { return i < fields.size() ? fields[i] : QString(); }

// The bytes of a line against its characters: one byte each; Latin-1 letters and ASCII
// as themselves; anything else '?' or one of the code page's 0x80..0x9F places.
void CheckEncoding(const QString &line)
{
    const QByteArray bytes = ToWindows1252(line);
    if (bytes.size() != Characters(line))
        Broken("the encoded line is not one byte per character");
    qsizetype b = 0;
    for (qsizetype i = 0; i < line.size(); ++i, ++b) {
        const char16_t c = line[i].unicode();
        const unsigned char byte = static_cast<unsigned char>(bytes[b]);
        if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            ++i;
            if (byte != '?')
                Broken("a character outside the basic plane is not '?'");
        } else if (c < 0x80 || (c >= 0xa0 && c <= 0xff)) {
            if (byte != c)
                Broken("a Latin-1 character changed");
        } else if (byte != '?' && !(byte >= 0x80 && byte <= 0x9f)) {
            Broken("a character outside Latin-1 became a Latin-1 byte");
        } else if (byte >= 0x80 && c < 0x100) {
            Broken("a C1 control became a printable byte");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 8192)
        return 0;
    const Input input = Decode(data, size);
    const QStringList fields = Fields(input.text);

    ListOptions options;
    options.ShowName = input.switches & 1;
    options.ShowDOS = input.switches & 2;
    options.ShowSize = input.switches & 4;
    options.ShowTime = input.switches & 8;
    options.ShowAttr = input.switches & 16;

    DirEntry entry;
    entry.Name = Field(fields, 0);
    entry.DosName = Field(fields, 1);
    entry.SizeText = Field(fields, 2);
    entry.DateText = Field(fields, 3);
    entry.AttrText = Field(fields, 4);
    const QString summary = Field(fields, 5);

    const QString line = EntryLine(entry, options);
    qsizetype expected = 0;
    QString shown;
    if (options.ShowName) {
        expected += NameColumn.width();
        shown += Characters(entry.Name) <= NameColumn.cell ? entry.Name : QString();
    }
    if (options.ShowDOS) {
        expected += DosNameColumn.width();
        shown += Characters(entry.DosName) <= DosNameColumn.cell ? entry.DosName : QString();
    }
    if (options.ShowSize) {
        expected += SizeColumn.width();
        shown += Characters(entry.SizeText) <= SizeColumn.cell ? entry.SizeText : QString();
    }
    if (options.ShowTime) {
        expected += Characters(entry.DateText) + TimeColumn.gap;
        shown += entry.DateText;
    }
    if (options.ShowAttr) {
        expected += Characters(entry.AttrText);
        shown += entry.AttrText;
    }
    if (Characters(line) != expected)
        Broken("an entry line is not as wide as its columns");
    // A cut may drop a line break, but a line never gains one.
    if (HasLineBreak(line) && !HasLineBreak(entry.Name + entry.DosName + entry.SizeText +
                                            entry.DateText + entry.AttrText))
        Broken("an entry line gained a line break");
    if (!HasLineBreak(line) && HasLineBreak(shown))
        Broken("an entry line lost a line break of a text shown whole");
    CheckEncoding(line);

    const QStringList titles = ColumnTitles(options);
    if (titles.size() != 2 || !titles[1].isEmpty())
        Broken("the titles are not one line and an empty one");
    if (titles[0].size() != TitleLineWidth(options) || HasLineBreak(titles[0]))
        Broken("the titles line is not as wide as its columns");

    const QStringList footer = ListingFooter(summary, entry.DateText);
    if (footer.size() != 3 || !footer[0].isEmpty() ||
        footer[1] != QString(15, u' ') + summary || footer[2] != QString(15, u' ') + entry.DateText)
        Broken("the closing lines are not an empty line and two indented texts");
    for (const QString &closing : footer)
        CheckEncoding(closing);
    return 0;
}
