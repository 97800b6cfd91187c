#include "app/frmOpt.h"

#include "app/CaptionRoom.h"
#include "options/Settings.h"
#include "output/ListingColumns.h"
#include "platform/Failure.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace tamsoret {

namespace {

// A selection this long covers the whole of any margin a user types.
constexpr int SelectionLength = 255;

} // namespace

QString FontDescription(const ListingFont &font)
{
    const QString sign = font.size < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return font.name + u',' + sign + frmOpt::tr("%1 pts").arg(PointSizeText(std::fabs(font.size)));
}

frmOpt::frmOpt(const OptionsContext &context, QWidget *owner) : QDialog(owner), ctx_(context)
{
    buildControls();
    try {
        printer_ = ctx_.printers.defaultPrinter();
    } catch (const Failure &) {
        printer_.reset();
    }
    if (printer_) {
        txtRight->setAccessibleDescription(tr("millimetres, computed for the default printer's page"));
    } else {
        // Many who use this window only save PDF files: without a printer the margin is
        // computed for the page a PDF file gets.
        try {
            MeasuringPage pdf = ctx_.printers.pdfPage();
            printer_ = std::move(pdf.surface);
            txtRight->setAccessibleDescription(
                tr("millimetres, computed for the page of a PDF file, %1, as no printer is installed")
                    .arg(pdf.paper));
        } catch (const Failure &) {
            printer_.reset();
        }
    }
    if (!printer_)
        txtRight->clear();
    Form_Load();
}

frmOpt::~frmOpt() = default;

void frmOpt::buildControls()
{
    setWindowTitle(tr("Tamsoret options"));
    // A tool window: small title bar with a close box only, and no task-bar button.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    setModal(true);

    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    const double dpi = shownOn ? shownOn->logicalDotsPerInchX() : 96.0;
    auto place = [dpi](QWidget *w, const char *name, int left, int top, int width, int height) {
        w->setObjectName(QLatin1String(name));
        w->setGeometry(TwipsRect(left, top, width, height, dpi));
    };
    setFixedSize(TwipsToPixels(3930, dpi), TwipsToPixels(3090, dpi));
    setFont(DialogFont(false));

    auto label = [this, &place](const char *name, const QString &caption, int left, int top,
                                int width) {
        auto *l = new QLabel(caption, this);
        l->setTextFormat(Qt::PlainText);
        place(l, name, left, top, width, 255);
        return l;
    };
    auto checkBox = [this, &place](const char *name, const QString &caption, int top) {
        auto *c = new QCheckBox(caption, this);
        c->setChecked(true);
        place(c, name, 120, top, 1455, 255);
        return c;
    };
    auto marginField = [this, &place](const char *name, int top) {
        auto *f = new QLineEdit(QStringLiteral("2"), this);
        place(f, name, 2880, top, 615, 285);
        return f;
    };

    // Created back to front, so that later controls lie over earlier ones.
    cmdFont = new QPushButton(tr("Choose Font"), this);
    place(cmdFont, "cmdFont", 120, 120, 1095, 375);
    lblFont = label("lblFont", QStringLiteral("Label2"), 1320, 180, 2535);

    Label2 = label("Label2", tr("Show"), 120, 600, 495);
    Label3 = label("Label3", tr("Order by"), 1080, 600, 855);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1 = label("Label1", tr("Margins"), 2160, 600, 735);

    chkName = checkBox("chkName", tr("Name"), 960);
    chkDOS = checkBox("chkDOS", tr("MS-DOS Name"), 1200);
    chkSize = checkBox("chkSize", tr("Size"), 1440);
    chkTime = checkBox("chkTime", tr("Date/Time"), 1680);
    chkAttr = checkBox("chkAttr", tr("Attributes"), 1920);

    // The order buttons sit on the window itself; the direction buttons need a group of their
    // own, or keyboard navigation would take all six for one group.
    orderGroup_ = new QButtonGroup(this);
    connect(orderGroup_, &QButtonGroup::buttonToggled, this, &frmOpt::keepTabStopOnSelection);
    // Without a caption of their own, the buttons are named for screen readers.
    auto orderButton = [this, &place](const char *name, int top, int code, const QString &spoken) {
        auto *b = new QRadioButton(this);
        b->setAccessibleName(spoken);
        place(b, name, 1680, top, 255, 255);
        orderGroup_->addButton(b, code);
        return b;
    };
    optName = orderButton("optName", 960, OrderByName, tr("Order by Name"));
    optDOS = orderButton("optDOS", 1200, OrderByDOS, tr("Order by MS-DOS Name"));
    optSize = orderButton("optSize", 1440, OrderBySize, tr("Order by Size"));
    optTime = orderButton("optTime", 1680, OrderByTime, tr("Order by Date/Time"));
    optName->setChecked(true);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::NoFrame);
    place(Frame1, "Frame1", 120, 2280, 1695, 255);
    directionGroup_ = new QButtonGroup(this);
    connect(directionGroup_, &QButtonGroup::buttonToggled, this, &frmOpt::keepTabStopOnSelection);
    optAZ = new QRadioButton(tr("A -> Z"), Frame1);
    place(optAZ, "optAZ", 0, 0, 855, 255);
    optZA = new QRadioButton(tr("Z -> A"), Frame1);
    place(optZA, "optZA", 840, 0, 735, 255);
    directionGroup_->addButton(optAZ);
    directionGroup_->addButton(optZA);
    // Read aloud, the arrow is punctuation noise.
    optAZ->setAccessibleName(tr("A to Z"));
    optZA->setAccessibleName(tr("Z to A"));
    optAZ->setChecked(true);

    Label4 = label("Label4", tr("Left"), 2280, 960, 495);
    txtLeft = marginField("txtLeft", 960);
    Label7 = label("Label7", tr("mm"), 3600, 960, 255);

    Label10 = label("Label10", tr("Right"), 2280, 1320, 495);
    txtRight = marginField("txtRight", 1320);
    // Display only: the program writes it and never reads it.
    txtRight->setReadOnly(true);
    QPalette grey = txtRight->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    txtRight->setPalette(grey);
    Label11 = label("Label11", tr("mm"), 3600, 1320, 255);

    Label5 = label("Label5", tr("Top"), 2280, 1680, 495);
    txtTop = marginField("txtTop", 1680);
    Label8 = label("Label8", tr("mm"), 3600, 1680, 255);

    Label6 = label("Label6", tr("Bottom"), 2280, 2040, 495);
    txtBottom = marginField("txtBottom", 2040);
    Label9 = label("Label9", tr("mm"), 3600, 2040, 255);

    // The captions beside the margin fields are plain labels, which a screen reader does not
    // tie to the fields; nor does it see the unit after them.
    txtLeft->setAccessibleName(tr("Left margin"));
    txtRight->setAccessibleName(tr("Right margin, computed"));
    txtTop->setAccessibleName(tr("Top margin"));
    txtBottom->setAccessibleName(tr("Bottom margin"));
    for (QLineEdit *field : {txtLeft, txtRight, txtTop, txtBottom})
        field->setAccessibleDescription(tr("millimetres"));

    cmdOK = new QPushButton(tr("OK"), this);
    place(cmdOK, "cmdOK", 1560, 2640, 1095, 375);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    place(cmdCancel, "cmdCancel", 2760, 2640, 1095, 375);
    // A focused push button answers Enter itself; elsewhere Enter is OK.
    for (QPushButton *b : {cmdFont, cmdCancel})
        b->setAutoDefault(true);

    QWidget *const focusOrder[] = {cmdOK,   cmdCancel, cmdFont, chkName, chkDOS,    chkSize,
                                   chkTime, chkAttr,   optName, optDOS,  optSize,   optTime,
                                   optAZ,   optZA,     txtLeft, txtTop,  txtBottom, txtRight};
    for (std::size_t i = 0; i + 1 < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i], focusOrder[i + 1]);
    Frame1->setFocusPolicy(Qt::NoFocus);

    for (QLineEdit *field : {txtLeft, txtTop, txtBottom})
        field->installEventFilter(this);
    // The table's widths fit the classic 8-point face; the wider face that stands in for it
    // would cut "Bottom", "mm" and "Z -> A" short, and a translation needs more still.
    MakeRoomForCaptions(this, {cmdFont, Label2, Label3, Label1, chkName, chkDOS, chkSize, chkTime,
                               chkAttr, optAZ, optZA, Label4, Label7, Label10, Label11, Label5,
                               Label8, Label6, Label9, cmdOK, cmdCancel});

    connect(chkName, &QCheckBox::toggled, this, &frmOpt::chkName_Click);
    connect(chkDOS, &QCheckBox::toggled, this, &frmOpt::chkDOS_Click);
    connect(chkSize, &QCheckBox::toggled, this, &frmOpt::chkSize_Click);
    connect(chkTime, &QCheckBox::toggled, this, &frmOpt::chkTime_Click);
    connect(chkAttr, &QCheckBox::toggled, this, &frmOpt::chkAttr_Click);
    connect(txtLeft, &QLineEdit::textChanged, this, &frmOpt::txtLeft_Change);
    connect(cmdFont, &QPushButton::clicked, this, &frmOpt::cmdFont_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOpt::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOpt::cmdCancel_Click);

    cmdOK->setFocus(Qt::OtherFocusReason);
}

void frmOpt::Form_Load()
{
    const ListOptions &o = ctx_.options;
    lblFont->setText(FontDescription(ctx_.CD.Font));
    GrowIntoFreeRoom(lblFont);

    chkName->setChecked(o.ShowName);
    chkDOS->setChecked(o.ShowDOS);
    chkSize->setChecked(o.ShowSize);
    chkTime->setChecked(o.ShowTime);
    chkAttr->setChecked(o.ShowAttr);

    // Any other code leaves the name button selected.
    if (QAbstractButton *order = orderGroup_->button(o.OrderBy))
        order->setChecked(true);

    optAZ->setChecked(o.OrderAZ);
    optZA->setChecked(!o.OrderAZ);

    // When the field already holds the stored text no change runs, yet the right margin
    // must still be computed for the filled window before it shows.
    const QString left = QString::number(o.MarginLeft);
    if (txtLeft->text() == left) {
        txtLeft_Change();
    } else {
        txtLeft->setText(left);
    }
    txtTop->setText(QString::number(o.MarginTop));
    txtBottom->setText(QString::number(o.MarginBottom));
}

void frmOpt::UpdateRightMargin()
{
    if (!printer_)
        return;
    printer_->setFontName(ctx_.CD.Font.name);
    printer_->setFontSize(ctx_.CD.Font.size);
    printer_->setUnitMillimetres();

    // As wide as the title line of the columns ticked.
    ListOptions shown;
    shown.ShowName = chkName->isChecked();
    shown.ShowDOS = chkDOS->isChecked();
    shown.ShowSize = chkSize->isChecked();
    shown.ShowTime = chkTime->isChecked();
    shown.ShowAttr = chkAttr->isChecked();
    const double columns = printer_->textWidth(QString(TitleLineWidth(shown), u'o'));
    const double left = LeadingNumber(txtLeft->text());

    const double right = std::floor(printer_->printableWidth() - columns - left);
    if (!std::isfinite(right)) {
        // A left margin like 1e999: no number to show.
        txtRight->clear();
        return;
    }
    txtRight->setText(QString::number(right, 'f', 0));
}

void frmOpt::chkName_Click()
{
    UpdateRightMargin();
}

void frmOpt::chkDOS_Click()
{
    UpdateRightMargin();
}

void frmOpt::chkSize_Click()
{
    UpdateRightMargin();
}

void frmOpt::chkTime_Click()
{
    UpdateRightMargin();
}

void frmOpt::chkAttr_Click()
{
    UpdateRightMargin();
}

void frmOpt::txtLeft_Change()
{
    UpdateRightMargin();
}

void frmOpt::cmdFont_Click()
{
    // The component's font changes the moment the dialog is confirmed, so a later listing
    // uses it even when this window is cancelled.
    if (!ctx_.CD.ShowFont(this))
        return;
    lblFont->setText(FontDescription(ctx_.CD.Font));
    GrowIntoFreeRoom(lblFont);
    UpdateRightMargin();
}

void frmOpt::cmdOK_Click()
{
    ListOptions chosen = ctx_.options;
    chosen.ShowName = chkName->isChecked();
    chosen.ShowDOS = chkDOS->isChecked();
    chosen.ShowSize = chkSize->isChecked();
    chosen.ShowTime = chkTime->isChecked();
    chosen.ShowAttr = chkAttr->isChecked();
    chosen.OrderBy = static_cast<qint16>(orderGroup_->checkedId());
    chosen.OrderAZ = optAZ->isChecked();

    // A margin beyond the stored range is refused here, with the window left as the user
    // made it, rather than losing every choice of this opening.
    struct Margin {
        QLineEdit *field;
        const char *name;
        qint16 ListOptions::*value;
    };
    const Margin margins[] = {{txtLeft, "left", &ListOptions::MarginLeft},
                              {txtTop, "top", &ListOptions::MarginTop},
                              {txtBottom, "bottom", &ListOptions::MarginBottom}};
    QStringList refused;
    QLineEdit *firstRefused = nullptr;
    for (const Margin &m : margins) {
        const std::optional<qint16> value = RoundToInt16(LeadingNumber(m.field->text()));
        if (value) {
            chosen.*m.value = *value;
            continue;
        }
        refused << MarginRangeMessage(m.name, m.field->text());
        if (!firstRefused)
            firstRefused = m.field;
    }
    if (firstRefused) {
        ctx_.messages.show(this, windowTitle(), refused.join(u'\r'), MessageIcon::Warning);
        firstRefused->setFocus(Qt::OtherFocusReason);
        return;
    }

    try {
        SaveSettings(ctx_.store, chosen, ctx_.CD.Font);
    } catch (const Failure &failure) {
        // The window stays open with the user's choices, to try again or to cancel.
        ctx_.messages.show(this, windowTitle(), failure.message(), MessageIcon::Critical);
        return;
    }
    ctx_.options = chosen;
    accept();
}

void frmOpt::cmdCancel_Click()
{
    reject();
}

void frmOpt::showEvent(QShowEvent *event)
{
    // Placed here rather than by QDialog, which guesses the owner's window frame (10 by 40
    // pixels when it sees none) and so misses the centre without a window manager.
    if (!event->spontaneous())
        centreOnOwner();
    QDialog::showEvent(event);
}

void frmOpt::centreOnOwner()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner)
        return;
    // The frame is not known before the window is mapped; the owner's is the best guess.
    const QRect ownerFrame = owner->frameGeometry();
    const QRect ownerClient = owner->geometry();
    const QMargins frame(ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
                         ownerFrame.right() - ownerClient.right(),
                         ownerFrame.bottom() - ownerClient.bottom());
    QRect placed(QPoint(0, 0), size().grownBy(frame));
    placed.moveCenter(ownerFrame.center());
    // Never with the title bar above the screen or the window beyond its edges.
    if (const QScreen *shownOn = owner->screen()) {
        const QRect free = shownOn->availableGeometry();
        placed.moveLeft(
            std::max(free.left(), std::min(placed.left(), free.right() + 1 - placed.width())));
        placed.moveTop(
            std::max(free.top(), std::min(placed.top(), free.bottom() + 1 - placed.height())));
    }
    setGeometry(placed.marginsRemoved(frame));
}

bool frmOpt::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn &&
        (watched == txtLeft || watched == txtTop || watched == txtBottom)) {
        // The line edit's own focus handling first, since it may move the selection.
        static_cast<QLineEdit *>(watched)->event(event);
        if (watched == txtLeft)
            txtLeft_GotFocus();
        else if (watched == txtTop)
            txtTop_GotFocus();
        else
            txtBottom_GotFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmOpt::txtLeft_GotFocus()
{
    SelectWholeText(txtLeft);
}

void frmOpt::txtTop_GotFocus()
{
    SelectWholeText(txtTop);
}

void frmOpt::txtBottom_GotFocus()
{
    SelectWholeText(txtBottom);
}

void frmOpt::keepTabStopOnSelection(QAbstractButton *button, bool checked)
{
    // Tab enters a group of option buttons at its selected button; Qt would enter it at the
    // button that last had the focus.
    if (!checked)
        return;
    for (QAbstractButton *b : button->group()->buttons()) {
        const Qt::FocusPolicy policy = b->focusPolicy();
        b->setFocusPolicy(b == button ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                      : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

void frmOpt::SelectWholeText(QLineEdit *field)
{
    // Typing replaces the margin.
    field->setSelection(0, static_cast<int>(std::min<qsizetype>(field->text().size(),
                                                                SelectionLength)));
}

} // namespace tamsoret
