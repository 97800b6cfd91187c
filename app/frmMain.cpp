#include "app/frmMain.h"

#include "app/EnterDirectory.h"
#include "app/KorteFileName.h"
#include "app/CaptionRoom.h"
#include "app/frmOpt.h"
#include "listing/NameCleaning.h"
#include "options/Settings.h"
#include "platform/Failure.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFontMetricsF>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <atomic>
#include <exception>
#include <thread>

namespace tamsoret {

namespace {

const QString AppTitle = QStringLiteral("Tamsoret");

} // namespace

namespace {

// Swallows the keys, clicks and wheel turns meant for one window and its children for as
// long as it lives; painting and the window system's own events pass.
class InputBlocker : public QObject
{
public:
    explicit InputBlocker(QWidget *window) : window_(window) { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::InputMethod: {
            QWidget *widget = qobject_cast<QWidget *>(watched);
            return widget && (widget == window_ || window_->isAncestorOf(widget));
        }
        default:
            return false;
        }
    }

private:
    QWidget *window_;
};

} // namespace

frmMain::frmMain(ProgramState &state, MainWindowServices &services, QWidget *parent)
    : QDialog(parent), CD(services.dialogs), state_(state), services_(services)
{
    buildControls();
}

void frmMain::buildControls()
{
    setWindowTitle(AppTitle);
    // A fixed dialog frame with a close box but neither minimise nor maximise box, shown in
    // the task bar like any main window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);

    const double dpi = screen() ? screen()->logicalDotsPerInchX() : 96.0;
    auto place = [dpi](QWidget *w, int left, int top, int width, int height) {
        w->setGeometry(TwipsRect(left, top, width, height, dpi));
    };
    // "Subfolders" adds a row to the frame: the frame, what lies below its top row and the
    // window are one row taller.
    constexpr int Row = 240;
    setFixedSize(TwipsToPixels(3810, dpi), TwipsToPixels(2010 + Row, dpi));
    setFont(DialogFont(false));

    // Created back to front, so that later controls lie over earlier ones.
    lbl1 = new QLabel(tr("Directory :"), this);
    place(lbl1, 120, 120, 735, 255);

    lblDir = new QLabel(QStringLiteral("/"), this);
    lblDir->setFont(DialogFont(true));
    lblDir->setTextFormat(Qt::PlainText);
    place(lblDir, 960, 120, 2775, 255);

    chkFile = new QCheckBox(tr("&To file"), this);
    place(chkFile, 120, 1680 + Row, 1335, 255);

    cmdOK = new QPushButton(tr("OK"), this);
    place(cmdOK, 2520, 480, 1215, 375);
    cmdOK->setDefault(true);

    cmdCancel = new QPushButton(tr("Cancel"), this);
    place(cmdCancel, 2520, 960, 1215, 375);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    place(Frame1, 120, 360, 2175, 1215 + Row);

    Label1 = new QLabel(tr("&Filter :"), Frame1);
    place(Label1, 120, 240, 495, 255);
    txtFilter = new QLineEdit(QStringLiteral("*.*"), Frame1);
    place(txtFilter, 600, 240, 615, 285);
    Label1->setBuddy(txtFilter);
    chkDir = new QCheckBox(tr("&Directory's"), Frame1);
    chkDir->setChecked(true);
    place(chkDir, 120, 600, 1935, 255);
    chkHidden = new QCheckBox(tr("&Hidden files"), Frame1);
    chkHidden->setChecked(true);
    place(chkHidden, 120, 840, 1935, 255);
    // Never stored: a tree is asked for each time, by the box or by -r.
    chkSub = new QCheckBox(tr("S&ubfolders"), Frame1);
    place(chkSub, 120, 840 + Row, 1935, 255);

    cmdBusy = new QPushButton(StageCaption(ListingStage::Reading), this);
    place(cmdBusy, 600, 600, 2535, 855);
    cmdBusy->setAutoDefault(false);
    cmdBusy->hide();

    cmdOpt = new QPushButton(tr("&Options"), this);
    place(cmdOpt, 2520, 1560 + Row, 1215, 375);

    // The English captions fit their places; a translation may need more room.
    MakeRoomForCaptions(this, {lbl1, Label1, chkDir, chkHidden, chkSub, chkFile, cmdOK, cmdCancel, cmdOpt});

    setTabOrder(txtFilter, chkDir);
    setTabOrder(chkDir, chkHidden);
    setTabOrder(chkHidden, chkSub);
    setTabOrder(chkSub, chkFile);
    setTabOrder(chkFile, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdBusy);
    setTabOrder(cmdBusy, cmdOpt);
    for (QWidget *w : std::initializer_list<QWidget *>{lbl1, lblDir, Label1, Frame1})
        w->setFocusPolicy(Qt::NoFocus);

    txtFilter->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &frmMain::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);
    connect(cmdOpt, &QPushButton::clicked, this, &frmMain::cmdOpt_Click);

    txtFilter->setFocus(Qt::OtherFocusReason);
}

bool frmMain::Form_Load(const QString &commandLine)
{
    CD.InitDir = QDir::currentPath();
    folder_ = EnterDirectory(commandLine);
    if (!folder_.isValid()) {
        services_.messages.show(nullptr, AppTitle, UsageMessageText(), MessageIcon::Warning);
        return false;
    }
    lblDir->setText(KorteFileName(ShownPath(folder_)));
    const QStringList problems = LoadSettings(services_.store, state_.Options, CD.Font);
    for (const QString &problem : problems)
        services_.messages.show(nullptr, AppTitle, problem, MessageIcon::Warning);
    txtFilter_GotFocus();
    return true;
}

QString frmMain::KorteFileName(const QString &path) const
{
    const QFontMetricsF metrics(lblDir->font());
    return tamsoret::KorteFileName(
        path, [&metrics](const QString &text) { return metrics.horizontalAdvance(text); },
        [this] { return static_cast<double>(lblDir->width()); });
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtFilter && event->type() == QEvent::FocusIn) {
        // The line edit's own focus handling first, since it may move the selection.
        txtFilter->event(event);
        txtFilter_GotFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmMain::txtFilter_GotFocus()
{
    // Typing replaces the filter: the selection covers up to 255 characters from the start.
    txtFilter->setSelection(0, static_cast<int>(std::min<qsizetype>(txtFilter->text().size(), 255)));
}

void frmMain::setBusyCaption(const QString &caption)
{
    cmdBusy->setText(caption);
    cmdBusy->repaint();
    emit busyCaptionChanged(caption);
}

void frmMain::cmdOK_Click()
{
    if (running_ || ending_)
        return;
    running_ = true;
    try {
        listingRun();
    } catch (const std::exception &) {
        const RunFailure failure = DescribeRunFailure(std::current_exception());
        services_.messages.show(this, AppTitle, failure.message,
                                failure.tooManyFiles ? MessageIcon::None : MessageIcon::Critical);
        endProgram(1);
    }
    running_ = false;
}

void frmMain::listingRun()
{
    ListingRequest request;
    request.folder = folder_;
    request.filter = txtFilter->text();
    request.switches = ScanSwitches{chkDir->isChecked(), chkHidden->isChecked()};
    request.tree = chkSub->isChecked();
    request.limits = treeLimits;
    request.options = state_.Options;
    request.font = CD.Font;
    if (chkFile->isChecked()) {
        if (!CD.ShowSave(this)) {
            running_ = false;
            return;
        }
        ListingFormat format = ListingFormat::Text;
        state_.OutputFileName = SavedFileName(CD.FileName, CD.FilterPattern(), format);
        SetOutputFile(request, state_.OutputFileName, format);
    }

    cmdBusy->show();
    cmdBusy->raise();
    cmdOpt->raise();
    // The save dialog may just have left the screen: wait until the window system has
    // taken it away, then paint the whole window, or it would show the dialog's remains.
    QGuiApplication::sync();
    QCoreApplication::processEvents();
    repaint();

    runOffThread(request);
    endProgram(0);
}

void frmMain::runOffThread(const ListingRequest &request)
{
    // The run works on a thread of its own while this one goes on drawing the window and
    // answering the window system, so that a long run is never taken for a hung program.
    // Input meanwhile is swallowed, as if the window were not listening.
    InputBlocker blocker(this);
    QEventLoop loop;
    std::exception_ptr failure;
    const ListingEnvironment environment{services_.printers, services_.locale, services_.collation};
    // While a tree is read the button counts its folders, four times a second at most.
    std::atomic<qint64> folders{0};
    qint64 shown = 0;
    QTimer progress;
    progress.setInterval(250);
    connect(&progress, &QTimer::timeout, this, [&] {
        const qint64 now = folders.load(std::memory_order_relaxed);
        if (now == shown) return;
        shown = now;
        setBusyCaption(TreeReadingCaption(now, services_.locale));
    });
    ListingRequest run = request;
    if (run.tree) {
        run.foldersRead = &folders;
        progress.start();
    }
    const auto onStage = [this, &progress](ListingStage stage) {
        if (services_.stageObserver) services_.stageObserver(stage);
        QMetaObject::invokeMethod(
            this,
            [this, stage, &progress] {
                if (stage != ListingStage::Reading) progress.stop();
                setBusyCaption(StageCaption(stage));
            },
            Qt::QueuedConnection);
    };
    std::thread worker([&] {
        try {
            RunListing(run, environment, state_.Listing, onStage);
        } catch (...) {
            failure = std::current_exception();
        }
        // Queued behind the captions, so that each is shown before the run counts as done.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (failure) std::rethrow_exception(failure);
}

void frmMain::endProgram(int exitCode)
{
    if (ending_)
        return;
    ending_ = true;
    exitCode_ = exitCode;
    if (optionsWindow_)
        optionsWindow_->close();
    emit programEnded(exitCode);
    close();
}

void frmMain::cmdCancel_Click()
{
    if (running_)
        return;
    endProgram(0);
}

void frmMain::reject()
{
    // Escape: the cancel button's action.
    cmdCancel_Click();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The close box must not close the window under a running listing.
    if (running_ && !ending_) {
        event->ignore();
        return;
    }
    endProgram(exitCode_);
    // Not QDialog's own handler: it would run reject(), the cancel button's action, again.
    event->accept();
}

void frmMain::cmdOpt_Click()
{
    if (running_ || ending_)
        return;
    const OptionsContext context{state_.Options, CD, services_.store, services_.printers,
                                 services_.messages};
    frmOpt *window = new frmOpt(context, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    optionsWindow_ = window;
    window->exec();
}

} // namespace tamsoret
