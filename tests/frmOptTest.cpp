#include "app/frmOpt.h"

#include "options/Settings.h"
#include "output/PaintedPageSurface.h"
#include "platform/PdfFileDevice.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "tests/Doubles.h"
#include "tests/TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iostream>

using namespace tamsoret;
using namespace tamsoret::test;

// Readable failure messages for texts.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Everything the window works on, with doubles for the printer, the dialogs, the message
// boxes and the store. The recording printer is 190.8 mm wide and prints every character
// 2 mm wide at 10 points, so all five columns (78 characters) take 156 mm.
struct Options {
    ListOptions options;
    FakeDialogs dialogs;
    CommonDialog CD{dialogs};
    MemorySettingsStore store;
    FakePrinterProvider printers;
    RecordingMessageBox messages;
    QWidget owner;

    Options()
    {
        printers.printableWidth = 190.8;
        owner.setGeometry(200, 150, 600, 400);
        owner.show();
    }

    std::unique_ptr<frmOpt> open(SettingsStore *otherStore = nullptr)
    {
        const OptionsContext context{options, CD, otherStore ? *otherStore : store, printers,
                                     messages};
        return std::make_unique<frmOpt>(context, &owner);
    }

    // How often the right margin has been computed: every run sets the font name first.
    qsizetype rightMarginRuns() const { return printers.log.count(QStringLiteral("font:")); }
};

bool showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

QString stored(const MemorySettingsStore &store, const char *key)
{
    return store.values.value(
        MemorySettingsStore::path(SettingsAppName, SettingsSection, QLatin1String(key)));
}

} // namespace

TEST(FontDescription, ReadsNameCommaSignedShortSizeAndPts)
{
    const struct {
        ListingFont font;
        const char *text;
    } cases[] = {
        {{QStringLiteral("Courier New"), 10.0f}, "Courier New, 10 pts"},
        {{QStringLiteral("Liberation Mono"), 10.5f}, "Liberation Mono, 10.5 pts"},
        {{QStringLiteral("Arial"), 0.0f}, "Arial, 0 pts"},
        {{QStringLiteral("Arial"), -3.0f}, "Arial,-3 pts"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FontDescription(c.font), QString::fromUtf8(c.text)) << c.text;
}

TEST(frmOpt, IsAFixedToolWindowWithEveryControlWhereTheTableSays)
{
    Options o;
    auto w = o.open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tamsoret options"));
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(w->isModal());
    EXPECT_EQ(w->parentWidget(), &o.owner);

    const double dpi = w->screen()->logicalDotsPerInchX();
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->size(), QSize(TwipsToPixels(3930, dpi), TwipsToPixels(3090, dpi)));

    const struct {
        const char *name;
        QWidget *widget;
        QWidget *parent;
        QRect twips;
        QString caption;
    } controls[] = {
        {"cmdFont", w->cmdFont, w.get(), {120, 120, 1095, 375}, QStringLiteral("Choose Font")},
        {"lblFont", w->lblFont, w.get(), {1320, 180, 2535, 255}, {}},
        {"Label2", w->Label2, w.get(), {120, 600, 495, 255}, QStringLiteral("Show")},
        {"Label3", w->Label3, w.get(), {1080, 600, 855, 255}, QStringLiteral("Order by")},
        {"Label1", w->Label1, w.get(), {2160, 600, 735, 255}, QStringLiteral("Margins")},
        {"chkName", w->chkName, w.get(), {120, 960, 1455, 255}, QStringLiteral("Name")},
        {"chkDOS", w->chkDOS, w.get(), {120, 1200, 1455, 255}, QStringLiteral("MS-DOS Name")},
        {"chkSize", w->chkSize, w.get(), {120, 1440, 1455, 255}, QStringLiteral("Size")},
        {"chkTime", w->chkTime, w.get(), {120, 1680, 1455, 255}, QStringLiteral("Date/Time")},
        {"chkAttr", w->chkAttr, w.get(), {120, 1920, 1455, 255}, QStringLiteral("Attributes")},
        {"optName", w->optName, w.get(), {1680, 960, 255, 255}, QString()},
        {"optDOS", w->optDOS, w.get(), {1680, 1200, 255, 255}, QString()},
        {"optSize", w->optSize, w.get(), {1680, 1440, 255, 255}, QString()},
        {"optTime", w->optTime, w.get(), {1680, 1680, 255, 255}, QString()},
        {"Frame1", w->Frame1, w.get(), {120, 2280, 1695, 255}, {}},
        {"optAZ", w->optAZ, w->Frame1, {0, 0, 855, 255}, QStringLiteral("A -> Z")},
        {"optZA", w->optZA, w->Frame1, {840, 0, 735, 255}, QStringLiteral("Z -> A")},
        {"Label4", w->Label4, w.get(), {2280, 960, 495, 255}, QStringLiteral("Left")},
        {"txtLeft", w->txtLeft, w.get(), {2880, 960, 615, 285}, {}},
        {"Label7", w->Label7, w.get(), {3600, 960, 255, 255}, QStringLiteral("mm")},
        {"Label10", w->Label10, w.get(), {2280, 1320, 495, 255}, QStringLiteral("Right")},
        {"txtRight", w->txtRight, w.get(), {2880, 1320, 615, 285}, {}},
        {"Label11", w->Label11, w.get(), {3600, 1320, 255, 255}, QStringLiteral("mm")},
        {"Label5", w->Label5, w.get(), {2280, 1680, 495, 255}, QStringLiteral("Top")},
        {"txtTop", w->txtTop, w.get(), {2880, 1680, 615, 285}, {}},
        {"Label8", w->Label8, w.get(), {3600, 1680, 255, 255}, QStringLiteral("mm")},
        {"Label6", w->Label6, w.get(), {2280, 2040, 495, 255}, QStringLiteral("Bottom")},
        {"txtBottom", w->txtBottom, w.get(), {2880, 2040, 615, 285}, {}},
        {"Label9", w->Label9, w.get(), {3600, 2040, 255, 255}, QStringLiteral("mm")},
        {"cmdOK", w->cmdOK, w.get(), {1560, 2640, 1095, 375}, QStringLiteral("OK")},
        {"cmdCancel", w->cmdCancel, w.get(), {2760, 2640, 1095, 375}, QStringLiteral("Cancel")},
    };
    for (const auto &c : controls) {
        ASSERT_NE(c.widget, nullptr) << c.name;
        EXPECT_EQ(c.widget->parentWidget(), c.parent) << c.name;
        const QRect table =
            TwipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height(), dpi);
        if (qobject_cast<QLabel *>(c.widget) || qobject_cast<QCheckBox *>(c.widget) ||
            (!c.caption.isEmpty() && qobject_cast<QRadioButton *>(c.widget))) {
            // A caption may be wider than the table says, to show its whole text.
            const QRect g = c.widget->geometry();
            EXPECT_EQ(g.topLeft(), table.topLeft()) << c.name;
            EXPECT_EQ(g.height(), table.height()) << c.name;
            EXPECT_GE(g.width(), table.width()) << c.name;
        } else {
            EXPECT_EQ(c.widget->geometry(), table) << c.name;
        }
        QString caption;
        if (auto *label = qobject_cast<QLabel *>(c.widget))
            caption = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(c.widget))
            caption = button->text();
        if (!c.caption.isNull()) {
            EXPECT_EQ(caption, c.caption) << c.name;
        }
    }
    EXPECT_TRUE(w->Label3->alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(w->Frame1->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(w->txtRight->isReadOnly());
    EXPECT_EQ(w->txtRight->palette().color(QPalette::Base),
              w->palette().color(QPalette::Window));
    EXPECT_NE(w->txtRight->palette().color(QPalette::Base),
              w->txtLeft->palette().color(QPalette::Base));
}

TEST(frmOpt, NoCaptionIsCutShortAndNoLabelCoversAControl)
{
    Options o;
    o.CD.Font = {QStringLiteral("Liberation Mono"), 10.5f};
    auto w = o.open();
    // The room a caption needs: the ink of its text, plus the box or circle in front of it.
    auto ink = [](QWidget *c, const QString &text) {
        return c->fontMetrics().tightBoundingRect(text).right() + 1;
    };
    auto needed = [&ink](QWidget *c) {
        QStyle *style = c->style();
        if (auto *box = qobject_cast<QCheckBox *>(c))
            return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, c) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, c) +
                   ink(box, box->text());
        if (auto *option = qobject_cast<QRadioButton *>(c))
            return option->text().isEmpty()
                       ? 0
                       : style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, c) +
                             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, c) +
                             ink(option, option->text());
        if (auto *button = qobject_cast<QPushButton *>(c))
            return button->fontMetrics().horizontalAdvance(button->text()) + 8;
        if (auto *label = qobject_cast<QLabel *>(c))
            return label->sizeHint().width();
        return 0;
    };
    QList<QWidget *> controls = w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    controls << w->optAZ << w->optZA;
    for (QWidget *c : controls) {
        const std::string name = c->objectName().toStdString();
        EXPECT_LE(needed(c), c->width()) << name;
        EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry())) << name;
        if (!qobject_cast<QLabel *>(c) && !qobject_cast<QAbstractButton *>(c))
            continue;
        // Widened captions stay clear of the control to their right.
        for (QWidget *other : c->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QRect g = other->geometry();
            if (other != c && g.left() > c->x() && g.top() < c->geometry().bottom() &&
                g.bottom() > c->geometry().top()) {
                EXPECT_LE(c->geometry().right(), g.left()) << name << " covers "
                                                        << other->objectName().toStdString();
            }
        }
    }
}

TEST(frmOpt, FocusGoesInTheTableOrderStartingAtOK)
{
    Options o;
    auto w = o.open();
    const QList<QWidget *> expected = {w->cmdOK,   w->cmdCancel, w->cmdFont,   w->chkName,
                                       w->chkDOS,  w->chkSize,   w->chkTime,   w->chkAttr,
                                       w->optName, w->optDOS,    w->optSize,   w->optTime,
                                       w->optAZ,   w->optZA,     w->txtLeft,   w->txtTop,
                                       w->txtBottom, w->txtRight};
    QList<QWidget *> chain;
    QWidget *next = w->cmdOK;
    do {
        if (next->focusPolicy() != Qt::NoFocus)
            chain << next;
        next = next->nextInFocusChain();
    } while (next != w->cmdOK && chain.size() < 100);
    EXPECT_EQ(chain, expected);

    ASSERT_TRUE(showActive(*w));
    EXPECT_EQ(QApplication::focusWidget(), w->cmdOK);
    EXPECT_TRUE(w->cmdOK->isDefault());
}

TEST(frmOpt, TabReachesBothButtonGroupsAndTheMargins)
{
    Options o;
    o.options.OrderBy = OrderBySize;
    o.options.OrderAZ = false;
    auto w = o.open();
    ASSERT_TRUE(showActive(*w));
    QStringList visited;
    for (int i = 0; i < 15; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Tab enters each group of option buttons at its selected button.
    EXPECT_EQ(visited.join(u' '), QStringLiteral("cmdOK cmdCancel cmdFont chkName chkDOS chkSize "
                                                 "chkTime chkAttr optSize optZA txtLeft txtTop "
                                                 "txtBottom txtRight cmdOK"));
}

TEST(frmOpt, CentresOnItsOwnerWithinTheScreen)
{
    Options o;
    const QRect screen = o.owner.screen()->availableGeometry();
    const struct {
        const char *name;
        QRect owner;
    } cases[] = {
        {"in the middle", {200, 150, 600, 400}},
        {"smaller than the options window", {300, 300, 120, 80}},
        {"in the top-left corner", {screen.left(), screen.top(), 100, 60}},
        {"in the bottom-right corner", {screen.right() - 99, screen.bottom() - 59, 100, 60}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        o.owner.setGeometry(c.owner);
        auto w = o.open();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        // The whole window, frame included, centred on the owner's and kept on the screen.
        QRect expected(QPoint(0, 0), w->frameGeometry().size());
        expected.moveCenter(o.owner.frameGeometry().center());
        expected.moveLeft(
            std::clamp(expected.left(), screen.left(), screen.right() + 1 - expected.width()));
        expected.moveTop(
            std::clamp(expected.top(), screen.top(), screen.bottom() + 1 - expected.height()));
        EXPECT_EQ(w->frameGeometry(), expected);
        EXPECT_TRUE(screen.contains(w->frameGeometry()));
    }
}

TEST(frmOpt, OrderAndDirectionButtonsAreSeparateGroups)
{
    Options o;
    auto w = o.open();
    ASSERT_NE(w->optName->group(), nullptr);
    ASSERT_NE(w->optAZ->group(), nullptr);
    EXPECT_NE(w->optName->group(), w->optAZ->group());
    EXPECT_EQ(w->optName->group()->buttons(),
              (QList<QAbstractButton *>{w->optName, w->optDOS, w->optSize, w->optTime}));
    EXPECT_EQ(w->optAZ->group()->buttons(), (QList<QAbstractButton *>{w->optAZ, w->optZA}));

    w->optTime->click();
    w->optZA->click();
    EXPECT_TRUE(w->optTime->isChecked());
    EXPECT_TRUE(w->optZA->isChecked());
    EXPECT_FALSE(w->optAZ->isChecked());
    EXPECT_FALSE(w->optName->isChecked());
}

TEST(frmOpt, FormLoadFillsTheWindowFromTheOptionsAndTheFont)
{
    const struct {
        const char *name;
        ListOptions options;
        QRadioButton *frmOpt::*order;
    } cases[] = {
        {"defaults", {}, &frmOpt::optName},
        {"order 2, descending, some columns",
         {true, false, true, false, true, OrderByDOS, false, -5, 0, 12}, &frmOpt::optDOS},
        {"order 3", {false, true, false, true, false, OrderBySize, true, 1, 2, 3}, &frmOpt::optSize},
        {"order 4", {false, false, false, false, false, OrderByTime, false, 20, 25, 30},
         &frmOpt::optTime},
        {"order 7", {true, true, true, true, true, 7, true, 20, 25, 30}, &frmOpt::optName},
        {"order 0", {true, true, true, true, true, 0, true, 20, 25, 30}, &frmOpt::optName},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Options o;
        o.options = c.options;
        o.CD.Font = {QStringLiteral("Liberation Mono"), 10.5f};
        auto w = o.open();
        const ListOptions &x = c.options;
        EXPECT_EQ(w->lblFont->text(), QStringLiteral("Liberation Mono, 10.5 pts"));
        EXPECT_EQ(w->chkName->isChecked(), x.ShowName);
        EXPECT_EQ(w->chkDOS->isChecked(), x.ShowDOS);
        EXPECT_EQ(w->chkSize->isChecked(), x.ShowSize);
        EXPECT_EQ(w->chkTime->isChecked(), x.ShowTime);
        EXPECT_EQ(w->chkAttr->isChecked(), x.ShowAttr);
        EXPECT_TRUE((w.get()->*c.order)->isChecked());
        EXPECT_EQ(w->optAZ->isChecked(), x.OrderAZ);
        EXPECT_EQ(w->optZA->isChecked(), !x.OrderAZ);
        EXPECT_EQ(w->txtLeft->text(), QString::number(x.MarginLeft));
        EXPECT_EQ(w->txtTop->text(), QString::number(x.MarginTop));
        EXPECT_EQ(w->txtBottom->text(), QString::number(x.MarginBottom));
        // Opening changes nothing outside the window.
        EXPECT_EQ(o.store.writes, 0);
        EXPECT_EQ(o.options.OrderBy, x.OrderBy);
    }
}

TEST(frmOpt, AnUnknownStoredOrderOpensWithNameAndOKStoresOne)
{
    Options o;
    o.options.OrderBy = 7;
    auto w = o.open();
    EXPECT_TRUE(w->optName->isChecked());
    w->cmdOK->click();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(o.options.OrderBy, OrderByName);
    EXPECT_EQ(stored(o.store, "OrderBy"), QStringLiteral("1"));
}

TEST(frmOpt, RightMarginIsPrintableWidthLessColumnsLessLeftRoundedDown)
{
    // Columns: bits Name, DOS, Size, Time, Attr. 190.8 mm printable, 2 mm per character.
    const struct {
        const char *left;
        bool columns[5];
        int letters;
        const char *right;
        qint16 storedLeft;
    } cases[] = {
        {"20", {true, true, true, true, true}, 78, "14", 20},
        {"20.6", {true, true, true, true, true}, 78, "14", 21},  // 14.2: with 21 it would be 13
        {"20.5", {true, true, true, true, true}, 78, "14", 20},
        {"21.5", {true, true, true, true, true}, 78, "13", 22},  // 13.3: with 22 it would be 12
        {"abc", {true, true, true, true, true}, 78, "34", 0},
        {"20mm", {true, true, true, true, true}, 78, "14", 20},
        {"", {true, true, true, true, true}, 78, "34", 0},
        {"-5", {true, true, true, true, true}, 78, "39", -5},
        {"200", {true, true, true, true, true}, 78, "-166", 200}, // -165.2 rounds down
        {"20", {false, false, false, false, false}, 0, "170", 20},
        {"20", {true, false, false, false, false}, 27, "116", 20},
        {"20", {false, true, false, false, false}, 14, "142", 20},
        {"20", {false, false, true, false, false}, 11, "148", 20},
        {"20", {false, false, false, true, false}, 16, "138", 20},
        {"20", {false, false, false, false, true}, 10, "150", 20},
        {"34", {true, true, true, true, true}, 78, "0", 34},
        {"35", {true, true, true, true, true}, 78, "-1", 35}, // -0.2 rounds down, not to 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.left) + " letters " + std::to_string(c.letters));
        Options o;
        auto w = o.open();
        QCheckBox *boxes[] = {w->chkName, w->chkDOS, w->chkSize, w->chkTime, w->chkAttr};
        for (int i = 0; i < 5; ++i)
            boxes[i]->setChecked(c.columns[i]);
        w->txtLeft->setText(QString::fromUtf8(c.left));
        EXPECT_EQ(w->txtRight->text(), QString::fromUtf8(c.right));
        EXPECT_EQ(o.printers.log.calls.mid(o.printers.log.calls.size() - 4),
                  (QStringList{QStringLiteral("font:Courier New"), QStringLiteral("size:10"),
                               QStringLiteral("unit:mm"),
                               QStringLiteral("width:") + QString(c.letters, u'o')}));
        w->cmdOK->click();
        EXPECT_EQ(o.options.MarginLeft, c.storedLeft);
        EXPECT_EQ(o.options.ShowName, c.columns[0]);
        EXPECT_EQ(o.options.ShowAttr, c.columns[4]);
    }
}

TEST(frmOpt, RightMarginRunsOnColumnAndLeftMarginChangesOnly)
{
    Options o;
    auto w = o.open();
    // Filling: the left margin changed from "2" to "20"; the check boxes stayed checked.
    EXPECT_EQ(o.rightMarginRuns(), 1);
    EXPECT_EQ(w->txtRight->text(), QStringLiteral("14"));
    EXPECT_EQ(o.printers.opened, 1);

    auto runsAfter = [&](const std::function<void()> &action) {
        const qsizetype before = o.rightMarginRuns();
        action();
        return o.rightMarginRuns() - before;
    };
    EXPECT_EQ(runsAfter([&] { QTest::keyClicks(w->txtTop, QStringLiteral("15")); }), 0);
    EXPECT_EQ(runsAfter([&] { QTest::keyClicks(w->txtBottom, QStringLiteral("40")); }), 0);
    EXPECT_EQ(runsAfter([&] { w->optSize->click(); }), 0);
    EXPECT_EQ(runsAfter([&] { w->optZA->click(); }), 0);
    EXPECT_EQ(runsAfter([&] { QTest::keyClicks(w->txtLeft, QStringLiteral("5.5")); }), 3);
    EXPECT_EQ(runsAfter([&] { QTest::keyClick(w->txtLeft, Qt::Key_Backspace); }), 1);
    EXPECT_EQ(runsAfter([&] { w->chkDOS->click(); }), 1);
    EXPECT_EQ(runsAfter([&] { w->chkDOS->click(); }), 1);
    EXPECT_EQ(runsAfter([&] { QTest::keyClick(w->chkTime, Qt::Key_Space); }), 1);
    EXPECT_EQ(o.printers.opened, 1);
}

TEST(frmOpt, FillingRunsTheRightMarginOncePerChangedColumnAndOnceForTheLeftMargin)
{
    const struct {
        ListOptions options;
        qsizetype runs;
        const char *right;
    } cases[] = {
        {{true, true, true, true, true, 1, true, 20, 25, 30}, 1, "14"},
        {{true, false, true, false, true, 1, true, 20, 25, 30}, 3, "74"},
        {{false, false, false, false, false, 1, true, 20, 25, 30}, 6, "170"},
        // The stored left margin equals the field's initial text: still computed.
        {{true, true, true, true, true, 1, true, 2, 25, 30}, 1, "32"},
    };
    for (const auto &c : cases) {
        Options o;
        o.options = c.options;
        auto w = o.open();
        EXPECT_EQ(o.rightMarginRuns(), c.runs) << c.right;
        EXPECT_EQ(w->txtRight->text(), QString::fromUtf8(c.right));
    }
}

TEST(frmOpt, WithoutADefaultPrinterTheRightMarginIsComputedForThePdfPage)
{
    // A4 is 210 mm wide without edges: 210 - 156 - 20, then 210 - 102 - 207 without names.
    // Without even a PDF page to measure on, the field stays empty.
    for (const char *paper : {"A4", ""}) {
        SCOPED_TRACE(paper);
        const bool pdf = *paper != 0;
        Options o;
        o.printers.available = false;
        o.printers.pdfPaper = QString::fromLatin1(paper);
        auto w = o.open();
        EXPECT_EQ(o.printers.opened, 1);
        EXPECT_EQ(w->txtRight->text(), pdf ? QStringLiteral("34") : QString());
        if (pdf) {
            EXPECT_EQ(w->txtRight->accessibleDescription(),
                      "millimetres, computed for the page of a PDF file, A4, as no printer is "
                      "installed");
        }
        w->chkName->click();
        QTest::keyClicks(w->txtLeft, QStringLiteral("7"));
        EXPECT_EQ(w->txtRight->text(), pdf ? QStringLiteral("-99") : QString());
        EXPECT_TRUE(o.messages.shown.isEmpty());
        w->cmdOK->click();
        EXPECT_EQ(w->result(), QDialog::Accepted);
        EXPECT_FALSE(o.options.ShowName);
        EXPECT_EQ(o.options.MarginLeft, 207);
    }
}

TEST(frmOpt, WithoutAPrinterTheRightMarginIsMeasuredOnTheRealPdfPage)
{
    struct NoPrinter : QtPrinterProvider {
        std::unique_ptr<PageSurface> defaultPrinter() override
        {
            throw Failure(QStringLiteral("Cannot print the listing"), QString(),
                          QStringLiteral("No default printer is installed."));
        }
    } printers;
    Options o;
    frmOpt w({o.options, o.CD, o.store, printers, o.messages}, &o.owner);

    // The sheet a PDF gets, whole, and the letters as a PDF writer of its resolution sets them.
    const QPageSize paper = ListingPaper();
    QBuffer bytes;
    QPdfWriter pdf(&bytes);
    pdf.setResolution(1200);
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(10);
    const double letters =
        QFontMetricsF(font, &pdf).horizontalAdvance(QString(78, u'o')) * 25.4 / 1200;
    const double expected = std::floor(paper.size(QPageSize::Millimeter).width() - letters - 20);
    EXPECT_GT(letters, 100.0);
    EXPECT_EQ(w.txtRight->text(), QString::number(expected, 'f', 0));
    EXPECT_TRUE(w.txtRight->accessibleDescription().contains(paper.name()));
}

TEST(frmOpt, AChosenFontTakesEffectAtOnceAndIsSavedOnlyByOK)
{
    Options o;
    o.dialogs.font = ListingFont{QStringLiteral("Arial"), 12.0f};
    auto w = o.open();
    w->cmdFont->click();
    EXPECT_EQ(o.dialogs.fontCalls, 1);
    // Shown on the installed face the listing prints in, not on a name the dialog lacks.
    EXPECT_EQ(o.dialogs.fontShownWith.name,
              QFontInfo(QFont(QStringLiteral("Courier New"))).family());
    EXPECT_EQ(o.CD.Font.name, QStringLiteral("Arial"));
    EXPECT_EQ(o.CD.Font.size, 12.0f);
    EXPECT_EQ(w->lblFont->text(), QStringLiteral("Arial, 12 pts"));
    // 78 letters at 2.4 mm: 190.8 - 187.2 - 20 = -16.4.
    EXPECT_EQ(w->txtRight->text(), QStringLiteral("-17"));
    EXPECT_EQ(o.printers.log.calls.mid(o.printers.log.calls.size() - 4, 2),
              (QStringList{QStringLiteral("font:Arial"), QStringLiteral("size:12")}));

    w->cmdCancel->click();
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(o.store.writes, 0);
    EXPECT_EQ(o.CD.Font.name, QStringLiteral("Arial"));

    auto again = o.open();
    EXPECT_EQ(again->lblFont->text(), QStringLiteral("Arial, 12 pts"));
    again->cmdOK->click();
    EXPECT_EQ(stored(o.store, "FontName"), QStringLiteral("Arial"));
    EXPECT_EQ(stored(o.store, "FontSize"), QStringLiteral("12"));
}

TEST(frmOpt, ACancelledFontDialogChangesNothing)
{
    Options o;
    auto w = o.open();
    const qsizetype runs = o.rightMarginRuns();
    w->cmdFont->click();
    EXPECT_EQ(o.dialogs.fontCalls, 1);
    EXPECT_EQ(o.CD.Font.name, QStringLiteral("Courier New"));
    EXPECT_EQ(o.CD.Font.size, 10.0f);
    EXPECT_EQ(w->lblFont->text(), QStringLiteral("Courier New, 10 pts"));
    EXPECT_EQ(o.rightMarginRuns(), runs);
}

TEST(frmOpt, OKCopiesEverySwitchAndMarginAndSavesThem)
{
    Options o;
    auto w = o.open();
    w->chkDOS->click();
    w->chkTime->click();
    w->optSize->click();
    w->optZA->click();
    w->txtLeft->setText(QStringLiteral("10"));
    w->txtTop->setText(QStringLiteral("20"));
    w->txtBottom->setText(QStringLiteral("30"));
    EXPECT_EQ(o.options.ShowDOS, true); // nothing is copied before OK
    w->cmdOK->click();

    EXPECT_EQ(w->result(), QDialog::Accepted);
    const ListOptions &x = o.options;
    EXPECT_EQ(std::vector<bool>({x.ShowName, x.ShowDOS, x.ShowSize, x.ShowTime, x.ShowAttr}),
              std::vector<bool>({true, false, true, false, true}));
    EXPECT_EQ(x.OrderBy, OrderBySize);
    EXPECT_FALSE(x.OrderAZ);
    EXPECT_EQ(x.MarginLeft, 10);
    EXPECT_EQ(x.MarginTop, 20);
    EXPECT_EQ(x.MarginBottom, 30);
    EXPECT_EQ(stored(o.store, "Show"), QStringLiteral("10101"));
    EXPECT_EQ(stored(o.store, "OrderAZ"), QStringLiteral("False"));
}

TEST(frmOpt, OKLeavesExactlyTheChosenValuesInTheSettingsFile)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    EnvGuard xdg("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // QSettings takes its folders once per process; point it at the temporary one as well.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());

    Options o;
    QtSettingsStore store;
    auto w = o.open(&store);
    w->chkDOS->click();
    w->chkTime->click();
    w->optSize->click();
    w->optZA->click();
    w->txtLeft->setText(QStringLiteral("10"));
    w->txtTop->setText(QStringLiteral("20"));
    w->txtBottom->setText(QStringLiteral("30"));
    w->cmdOK->click();
    ASSERT_EQ(w->result(), QDialog::Accepted);
    ASSERT_TRUE(o.messages.shown.isEmpty());

    const QString file = config.path() + QStringLiteral("/Tamsoret/Tamsoret 2.0.conf");
    ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
    QStringList lines = QString::fromUtf8(ReadAll(file)).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    QStringList expected = {QStringLiteral("[Settings]"),          QStringLiteral("FontName=Courier New"),
                            QStringLiteral("FontSize=10"),         QStringLiteral("Show=10101"),
                            QStringLiteral("OrderBy=3"),           QStringLiteral("OrderAZ=False"),
                            QStringLiteral("MarginLeft=10"),       QStringLiteral("MarginTop=20"),
                            QStringLiteral("MarginBottom=30")};
    expected.sort();
    EXPECT_EQ(lines, expected);
}

TEST(frmOpt, AMarginBeyondSixteenBitsIsRefusedWithTheWindowKeptAsTyped)
{
    const struct {
        QLineEdit *frmOpt::*field;
        const char *text;
        const char *named;
    } cases[] = {
        {&frmOpt::txtLeft, "40000", "left margin"},
        {&frmOpt::txtTop, "-32769", "top margin"},
        {&frmOpt::txtBottom, "1e10", "bottom margin"},
        {&frmOpt::txtLeft, "32767.5", "left margin"}, // the even neighbour is 32768
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        Options o;
        auto w = o.open();
        w->show();
        w->chkSize->click();
        (w.get()->*c.field)->setText(QString::fromUtf8(c.text));
        w->cmdOK->click();

        ASSERT_EQ(o.messages.shown.size(), 1);
        const auto &shown = o.messages.shown.constFirst();
        EXPECT_EQ(shown.title, QStringLiteral("Tamsoret options"));
        EXPECT_EQ(shown.icon, MessageIcon::Warning);
        EXPECT_TRUE(shown.text.contains(QLatin1String(c.named))) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains(QStringLiteral("-32768 and 32767")));
        EXPECT_TRUE(shown.text.contains(QString::fromUtf8(c.text)));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ((w.get()->*c.field)->text(), QString::fromUtf8(c.text));
        EXPECT_FALSE(w->chkSize->isChecked());
        EXPECT_EQ(o.store.writes, 0);
        EXPECT_TRUE(o.options.ShowSize);
    }
}

TEST(frmOpt, MarginsAtTheEdgesOfTheRangeAreTaken)
{
    Options o;
    auto w = o.open();
    w->txtLeft->setText(QStringLiteral("32767"));
    w->txtTop->setText(QStringLiteral("-32768"));
    w->txtBottom->setText(QStringLiteral("-32768.5")); // the even neighbour is -32768
    w->cmdOK->click();
    EXPECT_TRUE(o.messages.shown.isEmpty());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(o.options.MarginLeft, 32767);
    EXPECT_EQ(o.options.MarginTop, -32768);
    EXPECT_EQ(o.options.MarginBottom, -32768);
    EXPECT_EQ(stored(o.store, "MarginTop"), QStringLiteral("-32768"));
}

TEST(frmOpt, AStoreThatCannotBeWrittenKeepsTheWindowOpenAndCopiesNothing)
{
    Options o;
    o.store.refuseWrites = true;
    auto w = o.open();
    w->show();
    w->chkName->click();
    w->cmdOK->click();
    ASSERT_EQ(o.messages.shown.size(), 1);
    EXPECT_TRUE(o.messages.shown.constFirst().text.contains(QStringLiteral("Cannot save")));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(o.options.ShowName);
    EXPECT_FALSE(w->chkName->isChecked());

    o.store.refuseWrites = false;
    w->cmdOK->click();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_FALSE(o.options.ShowName);
}

TEST(frmOpt, EnterIsOKUnlessAnotherPushButtonHasTheFocusAndEscapeIsCancel)
{
    enum class Ends { Accepted, Rejected, StaysOpen };
    const struct {
        const char *name;
        QWidget *(*focus)(frmOpt &);
        Qt::Key key;
        Ends ends;
        int fontDialogs;
    } cases[] = {
        {"Enter on OK", nullptr, Qt::Key_Return, Ends::Accepted, 0},
        {"Enter on a check box", [](frmOpt &w) -> QWidget * { return w.chkAttr; },
         Qt::Key_Return, Ends::Accepted, 0},
        {"Enter in a margin", [](frmOpt &w) -> QWidget * { return w.txtBottom; },
         Qt::Key_Enter, Ends::Accepted, 0},
        {"Enter on an order button", [](frmOpt &w) -> QWidget * { return w.optDOS; },
         Qt::Key_Return, Ends::Accepted, 0},
        {"Enter on Cancel", [](frmOpt &w) -> QWidget * { return w.cmdCancel; },
         Qt::Key_Return, Ends::Rejected, 0},
        {"Enter on Choose Font", [](frmOpt &w) -> QWidget * { return w.cmdFont; },
         Qt::Key_Return, Ends::StaysOpen, 1},
        {"Escape on OK", nullptr, Qt::Key_Escape, Ends::Rejected, 0},
        {"Escape in a margin", [](frmOpt &w) -> QWidget * { return w.txtLeft; },
         Qt::Key_Escape, Ends::Rejected, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Options o;
        auto w = o.open();
        ASSERT_TRUE(showActive(*w));
        w->chkName->setChecked(false);
        QWidget *target = c.focus ? c.focus(*w) : w->cmdOK;
        target->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), target);
        QTest::keyClick(target, c.key);
        EXPECT_EQ(o.dialogs.fontCalls, c.fontDialogs);
        switch (c.ends) {
        case Ends::Accepted:
            EXPECT_FALSE(w->isVisible());
            EXPECT_EQ(w->result(), QDialog::Accepted);
            EXPECT_FALSE(o.options.ShowName);
            break;
        case Ends::Rejected:
            EXPECT_FALSE(w->isVisible());
            EXPECT_EQ(w->result(), QDialog::Rejected);
            EXPECT_TRUE(o.options.ShowName);
            EXPECT_EQ(o.store.writes, 0);
            break;
        case Ends::StaysOpen:
            EXPECT_TRUE(w->isVisible());
            EXPECT_TRUE(o.options.ShowName);
            break;
        }
    }
}

TEST(frmOpt, TheCloseBoxClosesWithoutCopying)
{
    Options o;
    auto w = o.open();
    w->show();
    w->optTime->click();
    w->txtTop->setText(QStringLiteral("99"));
    EXPECT_TRUE(w->close());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(o.options.OrderBy, OrderByName);
    EXPECT_EQ(o.options.MarginTop, 25);
    EXPECT_EQ(o.store.writes, 0);
}

TEST(frmOpt, AMarginFieldSelectsItsWholeTextWhenItGetsTheFocus)
{
    Options o;
    o.options.MarginTop = -1234;
    auto w = o.open();
    ASSERT_TRUE(showActive(*w));
    for (QLineEdit *field : {w->txtLeft, w->txtTop, w->txtBottom}) {
        w->cmdOK->setFocus();
        field->setCursorPosition(1);
        // Not by Tab, which the line edit would select on its own.
        field->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(field->selectionStart(), 0);
        EXPECT_EQ(field->selectedText(), field->text());
    }
    // txtRight is display only and keeps its plain focus behaviour.
    w->txtRight->setCursorPosition(0);
    w->txtRight->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(w->txtRight->hasSelectedText());
}

TEST(frmOpt, RightMarginOnTheRealDefaultPrinter)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        TAMSORET_SKIP_UNLESS_ROOT("a default printer: the cups-pdf queue scripts/test.sh adds");
        GTEST_SKIP() << "no default printer installed";
    }

    Options o;
    QtPrinterProvider printers;
    const OptionsContext context{o.options, o.CD, o.store, printers, o.messages};
    frmOpt w(context, &o.owner);

    QPrinter printer(info, QPrinter::HighResolution);
    // The sheet less the edges the printer cannot print on, not less Qt's own page margins.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF edges = layout.minimumMargins();
    const double printable = layout.fullRect().width() - edges.left() - edges.right();
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(10);
    const double letters = QFontMetricsF(font, &printer).horizontalAdvance(QString(78, u'o')) *
                           25.4 / printer.resolution();
    const double expected = std::floor(printable - letters - 20.0);
    std::cout << "printer " << info.printerName().toStdString() << ": printable width "
              << printable << " mm, 78 o in " << QFontInfo(font).family().toStdString() << " "
              << letters << " mm, right margin " << w.txtRight->text().toStdString() << " mm\n";
    // A page of A4 or Letter with a 10-point fixed-pitch font: the numbers must be plausible.
    EXPECT_GT(printable, 150.0);
    EXPECT_GT(letters, 100.0);
    EXPECT_EQ(w.txtRight->text(), QString::number(expected, 'f', 0));
    EXPECT_EQ(w.lblFont->text(), QStringLiteral("Courier New, 10 pts"));
}

TEST(frmOpt, TheRealFontDialogStartsOnThePrintedFaceAndOKUnchangedKeepsTheStoredName)
{
    Options o;
    QtDialogService realDialogs;
    CommonDialog CD{realDialogs};
    frmOpt w({o.options, CD, o.store, o.printers, o.messages}, &o.owner);
    QFont shown;
    QTimer::singleShot(0, [&shown] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget()))
            shown = dialog->currentFont();
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    });
    w.cmdFont->click();
    EXPECT_EQ(shown.family() + u' ' + QString::number(shown.pointSizeF()),
              QFontInfo(QFont(QStringLiteral("Courier New"))).family() + QStringLiteral(" 10"));
    EXPECT_EQ(w.lblFont->text(), QStringLiteral("Courier New, 10 pts"));
    w.cmdOK->click();
    EXPECT_EQ(stored(o.store, "FontName"), QStringLiteral("Courier New"));
}

TEST(frmOpt, EveryControlHasANameAScreenReaderCanSpeak)
{
    Options o;
    auto w = o.open();
    const QMap<QString, QString> named = {
        {"optName", "Order by Name"}, {"optDOS", "Order by MS-DOS Name"},
        {"optSize", "Order by Size"}, {"optTime", "Order by Date/Time"},
        {"optAZ", "A to Z"},          {"optZA", "Z to A"},
        {"txtLeft", "Left margin"},   {"txtRight", "Right margin, computed"},
        {"txtTop", "Top margin"},     {"txtBottom", "Bottom margin"}};
    qsizetype seen = 0;
    for (QWidget *control : w->findChildren<QWidget *>()) {
        const QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
        const QString name = spoken->text(QAccessible::Name), id = control->objectName();
        EXPECT_TRUE(control->focusPolicy() == Qt::NoFocus || !name.isEmpty()) << id.toStdString();
        if (named.contains(id)) {
            ++seen;
            EXPECT_EQ(name, named[id]);
        }
        if (qobject_cast<QLineEdit *>(control)) {
            EXPECT_EQ(spoken->text(QAccessible::Description),
                      control == w->txtRight
                          ? QStringLiteral("millimetres, computed for the default printer's page")
                          : QStringLiteral("millimetres"));
        }
    }
    EXPECT_EQ(seen, named.size());
}
