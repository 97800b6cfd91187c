#include "app/EnterDirectory.h"
#include "app/frmMain.h"
#include "output/PaintedPageSurface.h"
#include "platform/CommonDialog.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QIcon>

using namespace tamsoret;

int main(int argc, char *argv[])
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
    try {
        if (!window.Form_Load(CommandLineText(app.arguments())))
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
