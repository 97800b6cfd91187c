#pragma once

#include "options/ListOptions.h"
#include "platform/CommonDialog.h"
#include "platform/MessageBox.h"
#include "platform/PageSurface.h"
#include "platform/SettingsStore.h"

#include <QDialog>

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
class frmOpt : public QDialog
{
    Q_OBJECT
public:
    frmOpt(const OptionsContext &context, QWidget *owner);
    ~frmOpt() override;

private:
    struct Controls;
    Controls *c_;
    OptionsContext ctx_;
};

} // namespace tamsoret
