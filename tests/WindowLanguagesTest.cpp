#include "app/frmMain.h"
#include "app/frmOpt.h"
#include "platform/QtTranslations.h"
#include "platform/Twips.h"
#include "tests/Doubles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace tamsoret;
using namespace tamsoret::test;

namespace {

// Both windows made in the language of the catalogues installed, with doubles around them.
struct Windows {
    FakeDialogs dialogs;
    FakePrinterProvider printers;
    MemorySettingsStore store;
    RecordingMessageBox messages;
    MainWindowServices services{messages, dialogs, printers, store, LocaleFormat::fromLocale(),
                                Collation()};
    ProgramState state;
    frmMain main{state, services};
    frmOpt options{{state.Options, main.CD, store, printers, messages}, &main};
};

// The room a control gives its caption's text, as the style lays the control out.
int TextRoom(QAbstractButton *b, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    return b->style()->subElementRect(element, &option, b).width();
}
int TextRoom(QWidget *c)
{
    if (auto *label = qobject_cast<QLabel *>(c)) return label->contentsRect().width();
    if (auto *box = qobject_cast<QCheckBox *>(c)) return TextRoom(box, QStyle::SE_CheckBoxContents);
    if (auto *option = qobject_cast<QRadioButton *>(c))
        return TextRoom(option, QStyle::SE_RadioButtonContents);
    return TextRoom(qobject_cast<QPushButton *>(c), QStyle::SE_PushButtonContents);
}
QString Caption(QWidget *c)
{
    auto *label = qobject_cast<QLabel *>(c);
    return label ? label->text() : qobject_cast<QAbstractButton *>(c)->text();
}

struct Language {
    const char *locale;
    const char *optionsTitle; // tells which catalogue the windows took
};
const Language Languages[] = {{"C", "Tamsoret options"},
                              {"de_DE", "Tamsoret-Optionen"},
                              {"fr_FR", "Options de Tamsoret"},
                              {"nl_NL", "Tamsoret-opties"},
                              {"es_ES", "Opciones de Tamsoret"}};

class WindowLanguages : public ::testing::TestWithParam<Language>
{
protected:
    void SetUp() override
    {
        installed_ = installQtTranslations(*qApp, QLocale(QString::fromLatin1(GetParam().locale)));
    }
    void TearDown() override
    {
        for (QTranslator *t : {installed_.qt, installed_.program}) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    InstalledTranslations installed_;
};

} // namespace

TEST_P(WindowLanguages, EveryCaptionFitsWholeAndTheMainWindowsAccessKeysAreDistinct)
{
    const bool english = QByteArrayView(GetParam().locale) == "C";
    Windows w;
    frmMain &m = w.main;
    frmOpt &o = w.options;
    EXPECT_EQ(o.windowTitle(), QString::fromUtf8(GetParam().optionsTitle));
    EXPECT_EQ(m.windowTitle(), "Tamsoret");

    // The main window's captions beside their English ones; the busy button with each stage.
    const std::pair<QWidget *, const char *> keyed[] = {
        {m.Label1, "&Filter :"}, {m.chkDir, "&Directory's"}, {m.chkHidden, "&Hidden files"},
        {m.chkFile, "&To file"}, {m.cmdOK, "OK"},            {m.cmdCancel, "Cancel"},
        {m.cmdOpt, "&Options"}};
    QList<QWidget *> captioned{m.lbl1, m.cmdBusy, o.cmdFont, o.lblFont};
    QSet<QString> keys;
    for (const auto &[control, source] : keyed) {
        const QString caption = Caption(control);
        const QKeySequence key = QKeySequence::mnemonic(caption);
        SCOPED_TRACE(caption.toStdString());
        // A translated caption gets an access key, and no two share one.
        EXPECT_TRUE(caption == QLatin1String(source) || !key.isEmpty());
        EXPECT_TRUE(key.isEmpty() || !keys.contains(key.toString())) << "key taken twice";
        keys.insert(key.toString());
        captioned << control;
    }
    for (QWidget *c : o.findChildren<QWidget *>()) {
        if ((qobject_cast<QLabel *>(c) || qobject_cast<QAbstractButton *>(c)) &&
            !Caption(c).isEmpty()) {
            captioned << c;
            // The options window has no access keys, in any language.
            EXPECT_TRUE(QKeySequence::mnemonic(Caption(c)).isEmpty()) << Caption(c).toStdString();
        }
    }
    for (const ListingStage stage : {ListingStage::Reading, ListingStage::Sorting,
                                     ListingStage::Writing, ListingStage::Printing}) {
        m.cmdBusy->setText(StageCaption(stage));
        for (QWidget *c : captioned) {
            QString text = Caption(c);
            text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
            const int room = TextRoom(c);
            SCOPED_TRACE(text.toStdString());
            EXPECT_LE(c->fontMetrics().horizontalAdvance(text), room);
            EXPECT_EQ(c->fontMetrics().elidedText(text, Qt::ElideRight, room), text);
            EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry()));
        }
    }
    // The English windows keep their size; another language's grow as their captions need.
    const double dpi = m.screen()->logicalDotsPerInchX();
    const QSize mainTable(TwipsToPixels(3810, dpi), TwipsToPixels(2010 + 240, dpi));
    const QSize optionsTable(TwipsToPixels(3930, dpi), TwipsToPixels(3090, dpi));
    EXPECT_EQ(m.size() == mainTable && o.size() == optionsTable, english);
    EXPECT_TRUE(m.width() >= mainTable.width() && o.width() >= optionsTable.width());
}

INSTANTIATE_TEST_SUITE_P(, WindowLanguages, ::testing::ValuesIn(Languages),
                         [](const auto &info) {
                             return std::string(info.param.locale).substr(0, 2);
                         });
