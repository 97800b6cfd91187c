#include "platform/Failure.h"
#include "platform/Twips.h"
#include "app/frmMain.h"
#include "tests/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace tamsoret;
using tamsoret::test::CurrentFolderGuard;

namespace {

struct Shown {
    QString title;
    QString text;
    MessageIcon icon;
};

class RecordingMessages : public MessageBox
{
public:
    void show(QWidget *, const QString &title, const QString &text, MessageIcon icon) override
    {
        shown.push_back({title, text, icon});
    }
    std::vector<Shown> shown;
};

class ScriptedDialogs : public DialogService
{
public:
    std::optional<QString> saveFileName(QWidget *, const QString &initialFolder,
                                        const QString &filter, int &typeIndex) override
    {
        ++saveCalls;
        lastInitialFolder = initialFolder;
        lastFilter = filter;
        if (answer) typeIndex = chosenType;
        if (duringSave)
            duringSave();
        return answer;
    }
    std::optional<ListingFont> chooseFont(QWidget *, const ListingFont &) override
    {
        return std::nullopt;
    }
    std::optional<QString> answer;
    int chosenType = 0;
    std::function<void()> duringSave;
    int saveCalls = 0;
    QString lastInitialFolder;
    QString lastFilter;
};

// Sends what is printed to the provider's records, which outlive the surface.
class NullSurface : public PageSurface
{
public:
    void setFontName(const QString &n) override { *fontName = n; }
    void setFontSize(float) override {}
    void setUnitMillimetres() override {}
    void setX(double) override {}
    void setY(double v) override { y_ = v; }
    double y() const override { return y_; }
    double pageHeight() const override { return 270; }
    double printableWidth() const override { return 190; }
    double textWidth(const QString &t) const override { return 2.0 * t.size(); }
    void print(const QString &text, bool endLine) override
    {
        *printed << text;
        if (endLine)
            y_ += 4;
    }
    void newPage() override {}
    void endJob() override { ++*jobs; }
    QStringList *printed = nullptr;
    QString *fontName = nullptr;
    int *jobs = nullptr;

private:
    double y_ = 0;
};

class FakePrinters : public PrinterProvider
{
public:
    std::unique_ptr<PageSurface> defaultPrinter() override
    {
        if (!installed)
            throw Failure(QStringLiteral("Cannot print the listing"), QString(),
                          QStringLiteral("No default printer is installed."));
        auto surface = std::make_unique<NullSurface>();
        surface->jobs = &jobs;
        surface->printed = &printed;
        surface->fontName = &fontName;
        printed.clear();
        return surface;
    }
    bool installed = true;
    int jobs = 0;
    QStringList printed; // by the last job
    QString fontName;
};

class MemoryStore : public SettingsStore
{
public:
    QString GetSetting(const QString &, const QString &, const QString &key,
                       const QString &def) override
    {
        return values.value(key, def);
    }
    void SaveSetting(const QString &, const QString &, const QString &key,
                     const QString &text) override
    {
        values[key] = text;
    }
    QMap<QString, QString> values;
};

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char *name : {"alpha.txt", "Beta.doc", "README"})
            test::MakeFile(folder.filePath(name), 100);
        guard = std::make_unique<CurrentFolderGuard>(QDir::tempPath());
        window = std::make_unique<frmMain>(state, services);
        captions = std::make_unique<QSignalSpy>(window.get(), &frmMain::busyCaptionChanged);
    }
    void TearDown() override
    {
        window.reset();
        guard.reset();
    }

    bool load() { return window->Form_Load(folder.path()); }

    void showAndActivate()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QStringList recordedCaptions() const
    {
        QStringList out;
        for (const auto &args : *captions)
            out << args.at(0).toString();
        return out;
    }

    QTemporaryDir folder;
    QTemporaryDir outputs;
    RecordingMessages messages;
    ScriptedDialogs dialogs;
    FakePrinters printers;
    MemoryStore store;
    MainWindowServices services{messages, dialogs, printers, store, LocaleFormat::fromLocale(),
                                Collation()};
    ProgramState state;
    std::unique_ptr<CurrentFolderGuard> guard;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<QSignalSpy> captions;
};

} // namespace

TEST_F(MainWindowTest, LaysOutEveryControlFromTwips)
{
    const double dpi = window->screen()->logicalDotsPerInchX();
    EXPECT_EQ(window->size(), QSize(TwipsToPixels(3810, dpi), TwipsToPixels(2250, dpi)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), "Tamsoret");
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);

    struct Row {
        QWidget *w;
        QString caption;
        int l, t, wd, h;
        QWidget *container;
    };
    frmMain &f = *window;
    const std::vector<Row> rows = {
        {f.lbl1, "Directory :", 120, 120, 735, 255, &f},
        {f.lblDir, "", 960, 120, 2775, 255, &f},
        {f.Frame1, "", 120, 360, 2175, 1455, &f},
        {f.Label1, "&Filter :", 120, 240, 495, 255, f.Frame1},
        {f.txtFilter, "*.*", 600, 240, 615, 285, f.Frame1},
        {f.chkDir, "&Directory's", 120, 600, 1935, 255, f.Frame1},
        {f.chkHidden, "&Hidden files", 120, 840, 1935, 255, f.Frame1},
        {f.chkSub, "S&ubfolders", 120, 1080, 1935, 255, f.Frame1},
        {f.chkFile, "&To file", 120, 1920, 1335, 255, &f},
        {f.cmdOK, "OK", 2520, 480, 1215, 375, &f},
        {f.cmdCancel, "Cancel", 2520, 960, 1215, 375, &f},
        {f.cmdOpt, "&Options", 2520, 1800, 1215, 375, &f},
        {f.cmdBusy, "Reading ...", 600, 600, 2535, 855, &f},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.w->objectName().toStdString() + " " + r.caption.toStdString());
        const QRect table = TwipsRect(r.l, r.t, r.wd, r.h, dpi);
        if (r.w == f.lbl1) {
            // The label may be wider than the table says, to show its whole text.
            EXPECT_EQ(r.w->pos(), table.topLeft());
            EXPECT_EQ(r.w->height(), table.height());
            EXPECT_GE(r.w->width(), table.width());
            EXPECT_LT(r.w->geometry().right(), f.lblDir->x());
        } else {
            EXPECT_EQ(r.w->geometry(), table);
        }
        EXPECT_EQ(r.w->parentWidget(), r.container);
        if (auto *b = qobject_cast<QAbstractButton *>(r.w)) {
            EXPECT_EQ(b->text(), r.caption);
        }
        if (auto *l = qobject_cast<QLabel *>(r.w); l && !r.caption.isEmpty()) {
            EXPECT_EQ(l->text(), r.caption);
        }
    }
    EXPECT_TRUE(f.chkDir->isChecked());
    EXPECT_TRUE(f.chkHidden->isChecked());
    EXPECT_FALSE(f.chkSub->isChecked());
    EXPECT_FALSE(f.chkFile->isChecked());
    EXPECT_TRUE(f.cmdOK->isDefault());
    EXPECT_TRUE(f.cmdBusy->isHidden());
    EXPECT_TRUE(f.lblDir->font().bold());
    EXPECT_FALSE(f.lbl1->font().bold());

    // Stacking: the busy button lies over the frame and OK/Cancel; Options over it.
    const QObjectList &kids = f.children();
    auto z = [&kids](QWidget *w) { return kids.indexOf(w); };
    EXPECT_GT(z(f.cmdBusy), z(f.Frame1));
    EXPECT_GT(z(f.cmdBusy), z(f.cmdOK));
    EXPECT_GT(z(f.cmdBusy), z(f.cmdCancel));
    EXPECT_GT(z(f.cmdOpt), z(f.cmdBusy));
}

TEST_F(MainWindowTest, StartsWithTheFilterFocusedAndSelectedAndTabsInTableOrder)
{
    ASSERT_TRUE(load());
    showAndActivate();
    EXPECT_EQ(QApplication::focusWidget(), window->txtFilter);
    EXPECT_EQ(window->txtFilter->selectedText(), "*.*");

    const std::vector<QWidget *> order = {window->chkDir,    window->chkHidden, window->chkSub,
                                          window->chkFile,   window->cmdOK,     window->cmdCancel,
                                          window->cmdOpt,    window->txtFilter};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    // Tabbing back in selects the whole filter again, even after it was edited.
    window->txtFilter->setText("*.txt");
    window->txtFilter->deselect();
    QTest::keyClick(window->txtFilter, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), window->txtFilter);
    EXPECT_EQ(window->txtFilter->selectedText(), "*.txt");
}

TEST_F(MainWindowTest, ShowsTheListedFolderAndTheStartupFolderGoesToTheSaveDialog)
{
    ASSERT_TRUE(load());
    EXPECT_EQ(window->CD.InitDir, QDir::tempPath());
    const QString shown = window->lblDir->text();
    EXPECT_TRUE(shown == folder.path() || (shown.startsWith("/.../") &&
                                           folder.path().endsWith(shown.mid(4))))
        << shown.toStdString();
    // The listed folder is held, not entered: the process stays where it started.
    EXPECT_EQ(QDir::currentPath(), QDir::tempPath());
}

TEST_F(MainWindowTest, AMissingFolderShowsTheUsageMessageAndLoadsNoOptions)
{
    store.values["Show"] = "1x";
    EXPECT_FALSE(window->Form_Load(folder.path() + "/missing"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Tamsoret");
    EXPECT_EQ(messages.shown[0].text, "Path doesn't exists !!\r\rUsage :\rTamsoret <path>");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(MessageDisplayText(messages.shown[0].text),
              "Path doesn't exists !!\n\nUsage :\nTamsoret <path>");
}

TEST_F(MainWindowTest, ABadStoredOptionIsReportedAndStartUpGoesOn)
{
    store.values["OrderAZ"] = "maybe";
    store.values["OrderBy"] = "3";
    ASSERT_TRUE(load());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("OrderAZ"));
    EXPECT_TRUE(state.Options.OrderAZ);
    EXPECT_EQ(state.Options.OrderBy, 3);
}

TEST_F(MainWindowTest, AFileRunShowsEachStageAndWritesTheListing)
{
    ASSERT_TRUE(load());
    showAndActivate();
    const QString out = outputs.filePath("listing");
    dialogs.answer = out;
    window->chkFile->setChecked(true);
    QSignalSpy ended(window.get(), &frmMain::programEnded);
    QTest::keyClick(window->txtFilter, Qt::Key_Return);

    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(dialogs.lastFilter,
              "Text files|*.txt|PDF files|*.pdf|CSV files|*.csv|JSON files|*.json");
    EXPECT_EQ(recordedCaptions(), QStringList({"Reading ...", "Sorting ...", "Writing ..."}));
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended[0][0].toInt(), 0);
    EXPECT_FALSE(window->isVisible());
    // A name typed without an extension gets the chosen type's, the text file's here.
    EXPECT_EQ(state.OutputFileName, out + ".txt");
    const QByteArray text = test::ReadAll(out + ".txt");
    EXPECT_TRUE(text.startsWith("Tamsoret - "));
    EXPECT_TRUE(text.contains("4 file(s), 300 b \r\n")); // ".." and the three files
    // The listed folder is held, not entered: the process stays where it started.
    EXPECT_EQ(QDir::currentPath(), QDir::tempPath());
}

TEST_F(MainWindowTest, ANameEndingInPdfInAnyCaseGetsThePrintedPageAsAPdfFile)
{
    for (const QString &name : {QStringLiteral("listing.Pdf"), QStringLiteral("listing.pdf.txt")}) {
        SCOPED_TRACE(name.toStdString());
        window = std::make_unique<frmMain>(state, services);
        captions = std::make_unique<QSignalSpy>(window.get(), &frmMain::busyCaptionChanged);
        ASSERT_TRUE(load());
        window->chkFile->setChecked(true);
        dialogs.answer = outputs.filePath(name);
        window->cmdOK->click();
        EXPECT_EQ(recordedCaptions(), QStringList({"Reading ...", "Sorting ...", "Writing ..."}));
        EXPECT_EQ(window->exitCode(), 0);
        const QByteArray written = test::ReadAll(outputs.filePath(name));
        EXPECT_EQ(written.startsWith("%PDF-"), name.endsWith("Pdf"));
        EXPECT_EQ(written.startsWith("Tamsoret - "), name.endsWith(".txt"));
    }
    EXPECT_EQ(printers.jobs, 0);
}

TEST_F(MainWindowTest, SubfoldersListsTheTree_CountingItsFoldersWhileReading_AndIsNeverStored)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath("Sub/Deeper"));
    test::MakeFile(folder.filePath("Sub/Deeper/deep.txt"), 7);
    ASSERT_TRUE(load());
    window->chkSub->setChecked(true);
    window->chkFile->setChecked(true);
    dialogs.answer = outputs.filePath("tree.txt");
    window->cmdOK->click();
    EXPECT_EQ(window->exitCode(), 0);
    const QStringList shown = recordedCaptions();
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown.first(), "Reading ...");
    EXPECT_EQ(shown.last(), "Writing ...");
    for (const QString &caption : shown.mid(1, shown.size() - 2))
        EXPECT_TRUE(QRegularExpression("^Reading [0-9,]+ folders \\.\\.\\.$").match(caption).hasMatch())
            << caption.toStdString();
    const QByteArray written = test::ReadAll(outputs.filePath("tree.txt"));
    EXPECT_TRUE(written.contains("Directory of " + QFile::encodeName(folder.filePath("Sub/Deeper"))));
    EXPECT_TRUE(written.contains("Total of 3 folder(s): "));
    EXPECT_TRUE(store.values.isEmpty()) << store.values.keys().join(u' ').toStdString();
}

TEST_F(MainWindowTest, TheSaveDialogsFileTypeOrTheTypedExtensionChoosesTheFormat)
{
    enum Kind { Text, Pdf, Csv, Json };
    const struct {
        const char *typed;
        int type; // as chosen in the dialog: text, PDF, CSV, JSON
        const char *written;
        Kind kind;
    } rows[] = {
        {"list", 2, "list.csv", Csv},
        {"list", 3, "list.json", Json},
        {"list", 1, "list.pdf", Pdf},
        {"typed.json", 0, "typed.json", Json}, // the typed extension wins over the type
        {"typed.CSV", 1, "typed.CSV", Csv},
        {"other.lst", 1, "other.lst", Pdf}, // an extension naming no format keeps the type's
        {"existing", 3, "existing", Json},  // a file chosen as it is gets no extension
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.written);
        window = std::make_unique<frmMain>(state, services);
        captions = std::make_unique<QSignalSpy>(window.get(), &frmMain::busyCaptionChanged);
        ASSERT_TRUE(load());
        window->chkFile->setChecked(true);
        QDir(outputs.path()).removeRecursively();
        QDir().mkpath(outputs.path());
        if (QByteArray(row.typed) == "existing") test::MakeFile(outputs.filePath(row.typed), 3);
        dialogs.answer = outputs.filePath(row.typed);
        dialogs.chosenType = row.type;
        window->cmdOK->click();
        ASSERT_EQ(window->exitCode(), 0);
        EXPECT_EQ(QDir(outputs.path()).entryList(QDir::Files), QStringList({row.written}));
        const QByteArray written = test::ReadAll(outputs.filePath(row.written));
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(written, &error);
        EXPECT_EQ(error.error == QJsonParseError::NoError && json.isObject(), row.kind == Json);
        EXPECT_EQ(written.startsWith("%PDF-"), row.kind == Pdf);
        // The column titles, after the UTF-8 mark.
        EXPECT_EQ(written.left(written.indexOf("\r\n")) ==
                      "\xEF\xBB\xBFName,MS-DOS Name,Size,Modified,Attributes",
                  row.kind == Csv);
    }
}

TEST_F(MainWindowTest, SortingIsShownAlsoForNoneOrOneEntry)
{
    for (const QString &filter : {QStringLiteral("*.none"), QStringLiteral("alpha*")}) {
        SCOPED_TRACE(filter.toStdString());
        window = std::make_unique<frmMain>(state, services);
        captions = std::make_unique<QSignalSpy>(window.get(), &frmMain::busyCaptionChanged);
        ASSERT_TRUE(load());
        window->txtFilter->setText(filter);
        window->cmdOK->click();
        EXPECT_EQ(recordedCaptions(), QStringList({"Reading ...", "Sorting ...", "Printing ..."}));
        const qsizetype entries = filter == "alpha*" ? 1 : 0;
        EXPECT_EQ(printers.printed.filter("alpha.txt").size(), entries);
    }
    EXPECT_EQ(printers.jobs, 2);
}

TEST_F(MainWindowTest, CancellingTheSaveDialogReturnsToIdleReadyForAnotherOK)
{
    ASSERT_TRUE(load());
    window->chkFile->setChecked(true);
    dialogs.answer = std::nullopt;
    QSignalSpy ended(window.get(), &frmMain::programEnded);
    window->cmdOK->click();
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_TRUE(captions->isEmpty());
    EXPECT_TRUE(window->cmdBusy->isHidden());
    EXPECT_FALSE(window->running());
    EXPECT_TRUE(ended.isEmpty());
    EXPECT_TRUE(window->chkFile->isChecked());
    EXPECT_TRUE(state.OutputFileName.isEmpty());
    // The listed folder is held, not entered: the process stays where it started.
    EXPECT_EQ(QDir::currentPath(), QDir::tempPath());

    window->cmdOK->click();
    EXPECT_EQ(dialogs.saveCalls, 2);
}

TEST_F(MainWindowTest, ASecondOKOrCancelDuringTheRunIsIgnored)
{
    ASSERT_TRUE(load());
    showAndActivate();
    window->chkFile->setChecked(true);
    dialogs.answer = outputs.filePath("once.txt");
    // Queued so that they arrive at the run's one event-handling point.
    dialogs.duringSave = [this] {
        QMetaObject::invokeMethod(window->cmdOK, "click", Qt::QueuedConnection);
        QMetaObject::invokeMethod(window->cmdCancel, "click", Qt::QueuedConnection);
        QMetaObject::invokeMethod(window.get(), "close", Qt::QueuedConnection);
    };
    QSignalSpy ended(window.get(), &frmMain::programEnded);
    window->cmdOK->click();
    EXPECT_EQ(dialogs.saveCalls, 1);
    EXPECT_EQ(recordedCaptions(), QStringList({"Reading ...", "Sorting ...", "Writing ..."}));
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(window->exitCode(), 0);
    EXPECT_TRUE(QFile::exists(outputs.filePath("once.txt")));
}

TEST_F(MainWindowTest, KeepsDrawingItselfDuringASlowRunWhileItsInputIsIgnored)
{
    ASSERT_TRUE(load());
    showAndActivate();
    // The scan waits on the run's thread until the window has been tried.
    std::atomic<bool> tried{false};
    services.stageObserver = [&tried](ListingStage stage) {
        for (int i = 0; stage == ListingStage::Reading && !tried && i < 1000; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    };
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    window->installEventFilter(&counter);
    QSignalSpy ended(window.get(), &frmMain::programEnded);
    bool paintedMeanwhile = false;
    bool openMeanwhile = false;
    QTimer::singleShot(50, window.get(), [&] {
        const int before = counter.paints;
        window->update();
        QTest::qWait(100);
        paintedMeanwhile = counter.paints > before;
        QTest::mouseClick(window->cmdCancel, Qt::LeftButton);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        window->cmdOK->click();
        window->cmdOpt->click();
        window->close();
        QTest::qWait(50);
        openMeanwhile = window->isVisible() && ended.isEmpty();
        tried = true;
    });
    window->cmdOK->click();
    EXPECT_TRUE(paintedMeanwhile);
    EXPECT_TRUE(openMeanwhile);
    EXPECT_EQ(recordedCaptions(), QStringList({"Reading ...", "Sorting ...", "Printing ..."}));
    EXPECT_EQ(printers.jobs, 1);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(window->exitCode(), 0);
}

TEST_F(MainWindowTest, EscapeAndCancelEndTheProgramWithNothingWritten)
{
    ASSERT_TRUE(load());
    showAndActivate();
    QSignalSpy ended(window.get(), &frmMain::programEnded);
    QTest::keyClick(window->txtFilter, Qt::Key_Escape);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended[0][0].toInt(), 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(printers.jobs, 0);
    EXPECT_EQ(dialogs.saveCalls, 0);
    EXPECT_TRUE(store.values.isEmpty());
}

TEST_F(MainWindowTest, PrintsWithTheListingFontOrReportsAMissingPrinter)
{
    store.values["FontName"] = "Liberation Mono";
    ASSERT_TRUE(load());
    window->cmdOK->click();
    EXPECT_EQ(printers.fontName, "Liberation Mono");
    EXPECT_EQ(printers.jobs, 1);

    window = std::make_unique<frmMain>(state, services);
    printers.installed = false;
    ASSERT_TRUE(load());
    window->cmdOK->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("No default printer is installed."));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(window->exitCode(), 1);
}

TEST_F(MainWindowTest, AFailedWriteIsReportedWithTheFileAndEndsTheProgram)
{
    ASSERT_TRUE(load());
    window->chkFile->setChecked(true);
    const QString out = outputs.filePath("gone/listing.txt");
    dialogs.answer = out;
    window->cmdOK->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(out)) << messages.shown[0].text.toStdString();
    EXPECT_EQ(window->exitCode(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(MainWindowTest, AnInvalidFilterIsReportedWithThePattern)
{
    ASSERT_TRUE(load());
    window->txtFilter->setText("[abc");
    window->cmdOK->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("[abc"));
    EXPECT_EQ(printers.jobs, 0);
    EXPECT_EQ(window->exitCode(), 1);
}
