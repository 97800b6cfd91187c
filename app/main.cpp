#include "app/CommandLine.h"
#include "app/ConsoleRun.h"
#include "app/frmMain.h"
#include "output/PaintedPageSurface.h"
#include "platform/CommonDialog.h"
#include "platform/DisplayProbe.h"
#include "platform/Failure.h"
#include "platform/FileNameBytes.h"
#include "platform/MessageBox.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace tamsoret;

namespace {

int RunWindow(int &argc, char **argv, const CommandLine &line)
{
    QApplication app(argc, argv);
    installQtTranslations(app);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tamsoret-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/tamsoret-32.png"), QSize(32, 32));
    app.setWindowIcon(icon);

    QtMessageBox messages;
    QtDialogService dialogs;
    QtPrinterProvider printers;
    QtSettingsStore store;
    MainWindowServices services{messages, dialogs, printers, store, LocaleFormat::fromLocale(),
                                Collation()};
    ProgramState state;

    frmMain window(state, services);
    if (line.filter) window.txtFilter->setText(*line.filter);
    window.chkDir->setChecked(!line.noFolders);
    window.chkHidden->setChecked(!line.noHidden);
    window.chkSub->setChecked(line.recursive);
    window.treeLimits = {line.depth, line.oneFileSystem};
    try {
        if (!window.Form_Load(line.folder))
            return 2;
    } catch (const Failure &failure) {
        messages.show(nullptr, QStringLiteral("Tamsoret"), failure.message(),
                      MessageIcon::Critical);
        return 1;
    } catch (const std::exception &e) {
        messages.show(nullptr, QStringLiteral("Tamsoret"),
                      QCoreApplication::translate("main", "Start-up failed.") + u'\r' +
                          QString::fromLocal8Bit(e.what()),
                      MessageIcon::Critical);
        return 1;
    }
    window.show();
    app.exec();
    return window.exitCode();
}

// Without a window, standard error carries the run's failures and nothing else: Qt's own
// notes (no runtime folder under cron, say) would read as one.
void KeepOnlyQtFailures(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int RunWithoutWindow(int &argc, char **argv, const CommandLine &line)
{
    qInstallMessageHandler(KeepOnlyQtFailures);
    QtSettingsStore store;
    if (!NeedsFonts(line)) {
        QCoreApplication app(argc, argv);
        installQtTranslations(app);
        return RunWithoutWindow(line, store, stderr);
    }
    // The page needs fonts, and fonts need a platform: one that asks for no display, so
    // that the run works over ssh, from cron and on a machine without a window system, whatever
    // the desktop session's environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installQtTranslations(app);
    return RunWithoutWindow(line, store, stderr);
}

// A descriptor 0, 1 or 2 that the program was started without would be the next one
// handed out, and a file of the program's own (a font, the listing) would then be written
// as its standard output. Each gets /dev/null; returns whether standard output was closed.
bool HoldStandardDescriptors()
{
    bool outputClosed = false;
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        if (fd == STDOUT_FILENO) outputClosed = true;
        const int held = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (held >= 0 && held != fd) {
            dup2(held, fd);
            close(held);
        }
    }
    return outputClosed;
}

// One complaint on standard error, after the program's name.
void PrintError(const QString &text)
{
    std::fprintf(stderr, "tamsoret: %s\n", text.toLocal8Bit().constData());
}

// --help and --version on a full disk or a closed pipe fail as every other output does.
int PrintToStandardOutput(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0)
        return 0;
    const int error = errno != 0 ? errno : EIO;
    PrintError(ProgramText::translate("main", "Cannot write to standard output: %1")
                   .arg(qt_error_string(error)));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The system's reasons in the complaints made before there is an application (which
    // takes the whole locale then) come in the user's language, as the sentences around
    // them do. The listing takes its reasons in the C locale whatever this says.
    setlocale(LC_MESSAGES, "");
    setlocale(LC_CTYPE, ""); // or the reasons' letters outside ASCII become "?"
    const bool outputClosed = HoldStandardDescriptors();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(QByteArray(argv[i]));
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.error.isEmpty()) {
        for (const QString &problem : parsed.error.split(u'\n'))
            PrintError(problem);
        std::fprintf(stderr, "%s\n",
                     ProgramText::translate("main", "Try 'tamsoret --help' for more information.")
                         .toLocal8Bit()
                         .constData());
        return 2;
    }
    switch (parsed.line.mode) {
    case StartMode::Help:
        return PrintToStandardOutput(CommandLineUsageText());
    case StartMode::Version:
        return PrintToStandardOutput(QStringLiteral("tamsoret " TAMSORET_VERSION "\n"));
    case StartMode::OutputFile:
        if (outputClosed && parsed.line.outputFileName == u'-') {
            PrintError(
                ProgramText::translate("main", "Cannot write the listing on standard output: %1")
                    .arg(qt_error_string(EBADF)));
            return 1;
        }
        return RunWithoutWindow(argc, argv, parsed.line);
    case StartMode::Print:
        return RunWithoutWindow(argc, argv, parsed.line);
    case StartMode::Window:
        break;
    }
    // Qt would abort, dumping core, when its platform finds no display (over ssh, from
    // cron, a stale DISPLAY): say what is missing and what works without a window instead.
    const DisplayChoice display = ProbeDisplay();
    if (!display.reachable) {
        const QString missing =
            display.tried.isEmpty()
                ? ProgramText::translate("main", "No display to open the window on: neither "
                                                 "DISPLAY nor WAYLAND_DISPLAY is set.")
                : ProgramText::translate("main", "No display to open the window on: %1 does "
                                                 "not answer.")
                      .arg(display.tried);
        PrintError(missing);
        std::fprintf(stderr, "%s\n",
                     ProgramText::translate("main", "To make the listing without a window, give "
                                                    "--output=FILE or --print (tamsoret --help "
                                                    "tells more).")
                         .toLocal8Bit()
                         .constData());
        return 1;
    }
    if (!display.platform.isEmpty()) qputenv("QT_QPA_PLATFORM", display.platform);
    return RunWindow(argc, argv, parsed.line);
}
