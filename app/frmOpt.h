#pragma once

#include "options/ListOptions.h"
#include "platform/CommonDialog.h"
#include "platform/MessageBox.h"
#include "platform/PageSurface.h"
#include "platform/SettingsStore.h"

#include <QDialog>
#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tamsoret {

// What the options window works on; all of it belongs to the main window's owner.
struct OptionsContext {
    ListOptions &options;
    CommonDialog &CD;
    SettingsStore &store;
    PrinterProvider &printers;
    MessageBox &messages;
};

// The options window: columns, order key and direction, margins and the listing font.
// It is filled when it is created; OK copies its state into the options and saves them.
class frmOpt : public QDialog
{
    Q_OBJECT
public:
    frmOpt(const OptionsContext &context, QWidget *owner);
    ~frmOpt() override;

    QPushButton *cmdFont = nullptr;
    QLabel *lblFont = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label1 = nullptr;
    QCheckBox *chkName = nullptr;
    QCheckBox *chkDOS = nullptr;
    QCheckBox *chkSize = nullptr;
    QCheckBox *chkTime = nullptr;
    QCheckBox *chkAttr = nullptr;
    QRadioButton *optName = nullptr;
    QRadioButton *optDOS = nullptr;
    QRadioButton *optSize = nullptr;
    QRadioButton *optTime = nullptr;
    QFrame *Frame1 = nullptr;
    QRadioButton *optAZ = nullptr;
    QRadioButton *optZA = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *txtLeft = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label10 = nullptr;
    QLineEdit *txtRight = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *txtTop = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *txtBottom = nullptr;
    QLabel *Label9 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmdFont_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void UpdateRightMargin();
    void chkName_Click();
    void chkDOS_Click();
    void chkSize_Click();
    void chkTime_Click();
    void chkAttr_Click();
    void txtLeft_Change();
    void txtLeft_GotFocus();
    void txtTop_GotFocus();
    void txtBottom_GotFocus();
    void SelectWholeText(QLineEdit *field);
    void keepTabStopOnSelection(QAbstractButton *button, bool checked);
    void centreOnOwner();

    OptionsContext ctx_;
    // Opened once per window; empty when there is no default printer.
    std::unique_ptr<PageSurface> printer_;
    QButtonGroup *orderGroup_ = nullptr;
    QButtonGroup *directionGroup_ = nullptr;
};

// The font line of the window: "Courier New, 10 pts".
QString FontDescription(const ListingFont &font);

} // namespace tamsoret
