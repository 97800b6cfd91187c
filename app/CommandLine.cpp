#include "app/CommandLine.h"

#include "listing/FilterPattern.h"
#include "output/ListingColumns.h"
#include "platform/Failure.h"
#include "platform/FontFamilies.h"
#include "platform/QtTranslations.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cmath>

namespace tamsoret {

namespace {

const QStringList OrderWords = {QStringLiteral("name"), QStringLiteral("dos-name"),
                                QStringLiteral("size"), QStringLiteral("date")};
// In the order of the columns on the page, which no argument changes.
const QStringList ColumnWords = {QStringLiteral("name"), QStringLiteral("dos-name"),
                                 QStringLiteral("size"), QStringLiteral("date"),
                                 QStringLiteral("attributes")};
const char *const MarginNames[3] = {"left", "top", "bottom"};
// One sentence a margin: the words around its name change with it in other languages.
const char *const MarginNotWhole[3] = {
    QT_TRANSLATE_NOOP("CommandLine", "The left margin %1 is no whole number of millimetres."),
    QT_TRANSLATE_NOOP("CommandLine", "The top margin %1 is no whole number of millimetres."),
    QT_TRANSLATE_NOOP("CommandLine", "The bottom margin %1 is no whole number of millimetres.")};

struct Options {
    QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")}, {}, QStringLiteral("FILE")};
    QCommandLineOption print{{QStringLiteral("p"), QStringLiteral("print")}};
    QCommandLineOption printer{QStringLiteral("printer"), {}, QStringLiteral("QUEUE")};
    QCommandLineOption format{QStringLiteral("format"), {}, QStringLiteral("FORMAT")};
    QCommandLineOption filter{{QStringLiteral("f"), QStringLiteral("filter")}, {}, QStringLiteral("PATTERN")};
    QCommandLineOption noFolders{QStringLiteral("no-folders")};
    QCommandLineOption noHidden{QStringLiteral("no-hidden")};
    QCommandLineOption recursive{{QStringLiteral("r"), QStringLiteral("recursive")}};
    QCommandLineOption depth{QStringLiteral("depth"), {}, QStringLiteral("N")};
    QCommandLineOption oneFileSystem{{QStringLiteral("x"), QStringLiteral("one-file-system")}};
    QCommandLineOption order{QStringLiteral("order"), {}, QStringLiteral("KEY")};
    QCommandLineOption ascending{QStringLiteral("ascending")};
    QCommandLineOption descending{QStringLiteral("descending")};
    QCommandLineOption columns{QStringLiteral("columns"), {}, QStringLiteral("LIST")};
    QCommandLineOption margins{QStringLiteral("margins"), {}, QStringLiteral("LEFT,TOP,BOTTOM")};
    QCommandLineOption font{QStringLiteral("font"), {}, QStringLiteral("FAMILY[,SIZE]")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};

    QList<QCommandLineOption> all() const
    {
        return {output,    print,         printer, format, filter,     noFolders, noHidden,
                recursive, depth,         oneFileSystem, order, ascending, descending,
                columns,   margins,       font,    help,       version};
    }
    // What the options window edits: with the window it would show one thing while
    // another is listed.
    QList<const QCommandLineOption *> windowless() const
    {
        return {&order, &ascending, &descending, &columns, &margins, &font};
    }
};

QString Quoted(const QString &text) { return u'"' + text + u'"'; }

// The arguments are read before there is an application object.
QString Tr(const char *source)
{
    return ProgramText::translate("CommandLine", source);
}

// Each parse* adds its complaint to problems and leaves line as it was when value is bad.
void parseOrder(const QString &value, CommandLine &line, QStringList &problems)
{
    const qsizetype index = OrderWords.indexOf(value);
    if (index < 0)
        problems << ProgramText::translate("CommandLine", "Unknown order %1: use %2.")
                        .arg(Quoted(value), OrderWords.join(QStringLiteral(", ")));
    else
        line.orderBy = static_cast<qint16>(OrderByName + index);
}

void parseColumns(const QString &value, CommandLine &line, QStringList &problems)
{
    quint8 mask = 0;
    for (const QString &word : value.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype index = ColumnWords.indexOf(word.trimmed());
        if (index < 0) {
            problems << ProgramText::translate("CommandLine", "Unknown column %1: use %2.")
                            .arg(Quoted(word), ColumnWords.join(QStringLiteral(", ")));
            return;
        }
        mask |= quint8(1u << index);
    }
    if (mask == 0) {
        problems << ProgramText::translate("CommandLine",
                                           "The column list %1 names no column: use %2.")
                        .arg(Quoted(value), ColumnWords.join(QStringLiteral(", ")));
        return;
    }
    line.columns = mask;
}

void parseMargins(const QString &value, CommandLine &line, QStringList &problems)
{
    const QStringList parts = value.split(u',');
    if (parts.size() != 3) {
        problems << ProgramText::translate("CommandLine",
                                           "The margins %1 are not three numbers LEFT,TOP,BOTTOM.")
                        .arg(Quoted(value));
        return;
    }
    // A typed margin is read loosely in the window, where the field shows what was taken;
    // here nothing would show that "1cm" or "nan" became 1 or 0.
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    for (int i = 0; i < 3; ++i) {
        const QString part = parts[i].trimmed();
        if (!whole.match(part).hasMatch()) {
            problems << Tr(MarginNotWhole[i]).arg(Quoted(parts[i]));
        } else if (const std::optional<qint16> margin = RoundToInt16(LeadingNumber(part))) {
            line.margins[i] = margin;
        } else {
            problems << MarginRangeMessage(MarginNames[i], parts[i]);
        }
    }
}

void parseDepth(const QString &value, CommandLine &line, QStringList &problems)
{
    static const QRegularExpression whole(QStringLiteral("^[0-9]+$"));
    bool ok = false;
    const int depth = whole.match(value).hasMatch() ? value.toInt(&ok) : -1;
    if (!ok) {
        problems << ProgramText::translate("CommandLine",
                                           "The depth %1 is no whole number of levels from 0 up.")
                        .arg(Quoted(value));
        return;
    }
    line.recursive = true;
    line.depth = depth;
}

void parseFont(const QString &value, CommandLine &line, QStringList &problems)
{
    QString family = value;
    const qsizetype comma = value.lastIndexOf(u',');
    if (comma >= 0) {
        family = value.left(comma).trimmed();
        bool ok = false;
        const float size = value.mid(comma + 1).trimmed().toFloat(&ok);
        // Below a point the letters are too small to see: a page that looks blank.
        if (!ok || !std::isfinite(size) || size < 1 || size > 999) {
            problems << ProgramText::translate(
                            "CommandLine", "The font size %1 is no number of points from 1 to 999.")
                            .arg(Quoted(value.mid(comma + 1)));
            return;
        }
        line.fontSize = size;
    }
    if (family.trimmed().isEmpty()) {
        problems << ProgramText::translate("CommandLine", "The font %1 names no family.")
                        .arg(Quoted(value));
        return;
    }
    // Any family is drawn in some font; one that no font has, nor any alias, would be drawn
    // in a proportional fallback whose columns do not line up.
    if (!FontFamilyKnown(family)) {
        problems << ProgramText::translate("CommandLine",
                                           "No font of the family %1 is installed, nor any that "
                                           "stands in for it (fc-list lists the installed ones).")
                        .arg(Quoted(family.trimmed()));
        return;
    }
    line.fontName = family;
}

// Qt words its parser's complaints before there is an application whose translators
// could change them: the same sentences are put here in the program's catalogue.
QString ParserComplaint(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1)
        return ProgramText::translate("CommandLine", "Unknown option '%1'.").arg(unknown.first());
    if (unknown.size() > 1)
        return ProgramText::translate("CommandLine", "Unknown options: %1.")
            .arg(unknown.join(QStringLiteral(", ")));
    const QString text = parser.errorText();
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(
        QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto match = missing.match(text); match.hasMatch())
        return ProgramText::translate("CommandLine", "Missing value after '%1'.")
            .arg(match.captured(1));
    if (const auto match = unexpected.match(text); match.hasMatch())
        return ProgramText::translate("CommandLine", "Unexpected value after '%1'.")
            .arg(match.captured(1));
    return text;
}

} // namespace

void CommandLine::applyTo(ListOptions &options, ListingFont &font) const
{
    if (orderBy) options.OrderBy = *orderBy;
    if (orderAZ) options.OrderAZ = *orderAZ;
    if (columns) {
        for (size_t i = 0; i < ListingColumns.size(); ++i)
            options.*ListingColumns[i].shown = (*columns >> i) & 1u;
    }
    qint16 ListOptions::*const margin[] = {&ListOptions::MarginLeft, &ListOptions::MarginTop,
                                           &ListOptions::MarginBottom};
    for (int i = 0; i < 3; ++i)
        if (margins[i]) options.*margin[i] = *margins[i];
    if (fontName) font.name = *fontName;
    if (fontSize) font.size = *fontSize;
}

ParsedCommandLine ParseCommandLine(const QStringList &arguments)
{
    const Options o;
    QCommandLineParser parser;
    parser.addOptions(o.all());
    ParsedCommandLine parsed;
    CommandLine &line = parsed.line;
    if (!parser.parse(arguments)) {
        parsed.error = ParserComplaint(parser);
        return parsed;
    }
    if (parser.isSet(o.help)) {
        line.mode = StartMode::Help;
        return parsed;
    }
    if (parser.isSet(o.version)) {
        line.mode = StartMode::Version;
        return parsed;
    }

    QStringList problems;
    line.folder = parser.positionalArguments().join(u' ');
    const bool print = parser.isSet(o.print) || parser.isSet(o.printer);
    if (parser.isSet(o.output) && print)
        problems << ProgramText::translate("CommandLine",
                                           "Give either --output or --print, not both.");
    if (parser.isSet(o.output)) {
        line.mode = StartMode::OutputFile;
        line.outputFileName = parser.value(o.output);
        if (line.outputFileName.isEmpty())
            problems << ProgramText::translate("CommandLine", "The output file name is empty.");
    } else if (print) {
        line.mode = StartMode::Print;
        line.printerQueue = parser.value(o.printer);
        if (parser.isSet(o.printer) && line.printerQueue.isEmpty())
            problems << ProgramText::translate("CommandLine", "The printer queue name is empty.");
    }

    if (parser.isSet(o.format)) {
        const QString word = parser.value(o.format);
        line.format = FormatOfWord(word);
        if (!line.format)
            problems << ProgramText::translate("CommandLine", "The format %1 is none of text, pdf, csv and json.").arg(Quoted(word));
        else if (line.mode != StartMode::OutputFile)
            problems << ProgramText::translate("CommandLine", "--format applies only with --output: it says what the file gets.");
        else if (*line.format == ListingFormat::Pdf && line.outputFileName == u'-')
            problems << ProgramText::translate("CommandLine", "A PDF is written to a file only: give its name with --output.");
    }

    if (parser.isSet(o.filter)) {
        line.filter = parser.value(o.filter);
        try {
            FilterPattern check(*line.filter);
        } catch (const Failure &failure) {
            problems << failure.message().replace(u'\r', u'\n');
        }
    }
    line.noFolders = parser.isSet(o.noFolders);
    line.noHidden = parser.isSet(o.noHidden);
    line.recursive = parser.isSet(o.recursive);
    line.oneFileSystem = parser.isSet(o.oneFileSystem);
    if (parser.isSet(o.depth)) parseDepth(parser.value(o.depth), line, problems);

    if (line.mode == StartMode::Window) {
        for (const QCommandLineOption *option : o.windowless())
            if (parser.isSet(*option))
                problems << ProgramText::translate("CommandLine",
                                                   "--%1 applies only with --output or --print: "
                                                   "the window lists with the options it shows.")
                                .arg(option->names().constLast());
    }
    if (parser.isSet(o.ascending) && parser.isSet(o.descending))
        problems << ProgramText::translate("CommandLine",
                                           "Give either --ascending or --descending, not both.");
    else if (parser.isSet(o.ascending) || parser.isSet(o.descending))
        line.orderAZ = parser.isSet(o.ascending);
    if (parser.isSet(o.order)) parseOrder(parser.value(o.order), line, problems);
    if (parser.isSet(o.columns)) parseColumns(parser.value(o.columns), line, problems);
    if (parser.isSet(o.margins)) parseMargins(parser.value(o.margins), line, problems);
    if (parser.isSet(o.font)) parseFont(parser.value(o.font), line, problems);

    parsed.error = problems.join(u'\n');
    return parsed;
}

QString CommandLineUsageText()
{
    // Only the words are translated: the options and the values they take stay as typed.
    return ProgramText::translate(
        "CommandLine",
        "Usage: tamsoret [OPTION]... [--] FOLDER\n"
        "Makes a listing of one folder or of its tree. Without -o or -p the window opens\n"
        "on FOLDER.\n"
        "FOLDER is a full path or one relative to the working folder; its names may\n"
        "differ in case from the stored ones.\n"
        "\n"
        "Without a window:\n"
        "  -o, --output=FILE       write the listing to FILE: a name ending in .pdf gives\n"
        "                          the printed page as a PDF file, any other the text\n"
        "                          listing, - the text listing on standard output;\n"
        "                          .csv gives CSV and .json JSON (see --format)\n"
        "      --format=FORMAT     what -o writes whatever the name: text, pdf, csv or\n"
        "                          json; with -o - the way to CSV or JSON on standard\n"
        "                          output\n"
        "  -p, --print             print the listing on the default printer\n"
        "      --printer=QUEUE     print it on the printer queue QUEUE instead\n"
        "\n"
        "What is listed (these preset the window's controls too):\n"
        "  -f, --filter=PATTERN    the name filter: ? * # [list] [!list] (default *.*)\n"
        "      --no-folders        leave the folders out\n"
        "      --no-hidden         leave the hidden entries out\n"
        "  -r, --recursive         list every subfolder too, each in a section of its\n"
        "                          own, with the tree's total at the end\n"
        "      --depth=N           the same, N levels down at most (0: the folder alone)\n"
        "  -x, --one-file-system   walk no folder on another file system than FOLDER's\n"
        "\n"
        "How it is listed, only with -o or -p (the stored options otherwise):\n"
        "      --order=KEY         sort by name, dos-name, size or date\n"
        "      --ascending         sort from A to Z, small to large, old to new\n"
        "      --descending        sort the other way\n"
        "      --columns=LIST      the columns, a comma-separated subset of\n"
        "                          name,dos-name,size,date,attributes\n"
        "      --margins=LEFT,TOP,BOTTOM  page margins in millimetres\n"
        "      --font=FAMILY[,SIZE]  the listing font, the size in points\n"
        "\n"
        "  -h, --help              show this text\n"
        "      --version           show the version\n"
        "  --                      end of the options: what follows is the folder\n"
        "\n"
        "These options change the stored options for this run only; they are never saved.\n"
        "Exit status: 0 done or cancelled, 1 a failure reported, 2 a missing or invalid\n"
        "folder or a bad argument.\n");
}

ListingFormat CommandLine::outputFormat() const
{
    if (format) return *format;
    if (outputFileName == u'-') return ListingFormat::Text;
    return FormatOfName(outputFileName).value_or(ListingFormat::Text);
}

} // namespace tamsoret
