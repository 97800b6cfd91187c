#include "app/CommandLine.h"
#include "app/ConsoleRun.h"
#include "app/frmMain.h"
#include "output/PaintedPageSurface.h"
#include "platform/CommonDialog.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>

#include <cstdio>

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
    try {
        if (!window.Form_Load(line.folder))
            return 2;
    } catch (const Failure &failure) {
        messages.show(nullptr, QStringLiteral("Tamsoret"), failure.message(),
                      MessageIcon::Critical);
        return 1;
    } catch (const std::exception &e) {
        messages.show(nullptr, QStringLiteral("Tamsoret"),
                      QStringLiteral("Start-up failed.\r") + QString::fromLocal8Bit(e.what()),
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
        const QCoreApplication app(argc, argv);
        return RunWithoutWindow(line, store, stderr);
    }
    // The page needs fonts, and fonts need a platform: one that asks for no display, so
    // that the run works over ssh, from cron and on a machine without a window system, whatever
    // the desktop session's environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    return RunWithoutWindow(line, store, stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "tamsoret: %s\n\n%s", parsed.error.toLocal8Bit().constData(),
                     CommandLineUsageText().toLocal8Bit().constData());
        return 2;
    }
    switch (parsed.line.mode) {
    case StartMode::Help:
        std::fputs(CommandLineUsageText().toLocal8Bit().constData(), stdout);
        return 0;
    case StartMode::Version:
        std::puts("tamsoret " TAMSORET_VERSION);
        return 0;
    case StartMode::OutputFile:
    case StartMode::Print:
        return RunWithoutWindow(argc, argv, parsed.line);
    case StartMode::Window:
        break;
    }
    // Over ssh or from cron Qt would abort, dumping core, with a note about plugins: say
    // what is missing and what works without a window instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("tamsoret: No display to open the window on: neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set.\nTo make the listing without a window, give "
                   "--output=FILE or --print (tamsoret --help tells more).\n",
                   stderr);
        return 1;
    }
    return RunWindow(argc, argv, parsed.line);
}
