#pragma once

#include "listing/ReadDirectory.h"
#include "options/ListOptions.h"
#include "output/DataListing.h"
#include "platform/ListingFont.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tamsoret {

// What the program was started to do.
enum class StartMode { Window, OutputFile, Print, Help, Version };

// The program's arguments, checked. The options for what the options window edits are
// kept apart from the stored options: they change them for one run and are never saved.
struct CommandLine {
    StartMode mode = StartMode::Window;
    // The arguments that are no option, joined with single blanks: a shell may split a
    // path with blanks into several.
    QString folder;
    QString outputFileName;  // "-" for standard output
    QString printerQueue;    // empty for the default printer
    // What -o writes whatever its name: --format; otherwise the name's extension decides.
    std::optional<ListingFormat> format;
    std::optional<QString> filter;
    bool noFolders = false;
    bool noHidden = false;
    // The whole tree: -r, or --depth, which also ends the walk that many levels down
    // (-1 for no end); -x keeps the walk on the folder's file system.
    bool recursive = false;
    int depth = -1;
    bool oneFileSystem = false;
    std::optional<qint16> orderBy;
    std::optional<bool> orderAZ;
    std::optional<quint8> columns; // bit 0 name .. bit 4 attributes
    std::optional<qint16> margins[3]; // left, top, bottom
    std::optional<QString> fontName;
    std::optional<float> fontSize;

    // The stored options and font with this run's changes.
    void applyTo(ListOptions &options, ListingFont &font) const;
    // The format of the output: --format, else the one the name's extension names, else
    // the text listing (always for standard output).
    ListingFormat outputFormat() const;
    // The scan switches: the window's defaults less what was switched off.
    ScanSwitches switches() const { return {!noFolders, !noHidden}; }
};

struct ParsedCommandLine {
    CommandLine line;
    // Why the arguments were refused, one problem a line; empty when they were taken.
    QString error;
};

// Parses the arguments (the program's name first). Never shows or prints anything.
ParsedCommandLine ParseCommandLine(const QStringList &arguments);

// The usage text that --help prints, and that follows a refused argument.
QString CommandLineUsageText();

} // namespace tamsoret
