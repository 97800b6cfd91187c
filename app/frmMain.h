#pragma once

#include "app/ProgramState.h"
#include "platform/Collation.h"
#include "platform/CommonDialog.h"
#include "platform/ListedFolder.h"
#include "platform/LocaleFormat.h"
#include "platform/MessageBox.h"
#include "platform/PageSurface.h"
#include "platform/SettingsStore.h"
#include "run/ListingRun.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tamsoret {

// Everything outside the program's own state that the main window talks to.
struct MainWindowServices {
    MessageBox &messages;
    DialogService &dialogs;
    PrinterProvider &printers;
    SettingsStore &store;
    LocaleFormat locale;
    Collation collation;
    // Told each stage of a run as it begins, on the run's own thread; tests slow the run
    // with it.
    std::function<void(ListingStage)> stageObserver = {};
};

// The main window: the folder, the filter and switches of one listing run, OK, Cancel
// and Options, and the busy button the run shows while it works.
class frmMain : public QDialog
{
    Q_OBJECT
public:
    frmMain(ProgramState &state, MainWindowServices &services, QWidget *parent = nullptr);

    // Start-up: enters the folder named on the command line (or shows the usage message
    // and returns false), shows it in the folder label and loads the options.
    bool Form_Load(const QString &commandLine);

    // The shortened form of a path that fits the folder label.
    QString KorteFileName(const QString &path) const;

    // The exit status the program ends with: 0 after a listing, 1 after a reported failure.
    int exitCode() const { return exitCode_; }
    bool running() const { return running_; }

    CommonDialog CD;

    QLabel *lbl1 = nullptr;
    QLabel *lblDir = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtFilter = nullptr;
    QCheckBox *chkDir = nullptr;
    QCheckBox *chkHidden = nullptr;
    QCheckBox *chkSub = nullptr;
    // How far a tree is walked when "Subfolders" is ticked: from --depth and -x.
    TreeLimits treeLimits;
    QCheckBox *chkFile = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdOpt = nullptr;
    QPushButton *cmdBusy = nullptr;

signals:
    // Each caption the busy button shows during a run, in order.
    void busyCaptionChanged(const QString &caption);
    // The program is to end with this status.
    void programEnded(int exitCode);

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdOpt_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void buildControls();
    void setBusyCaption(const QString &caption);
    void listingRun();
    void runOffThread(const ListingRequest &request);
    void endProgram(int exitCode);
    void txtFilter_GotFocus();

    ProgramState &state_;
    MainWindowServices &services_;
    QPointer<QDialog> optionsWindow_;
    ListedFolder folder_;
    bool running_ = false;
    bool ending_ = false;
    int exitCode_ = 0;
};

} // namespace tamsoret
