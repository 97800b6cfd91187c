#pragma once

#include "platform/ListingFont.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;

namespace tamsoret {

// The save and font dialogs as the program uses them; tests replace them.
class DialogService
{
public:
    virtual ~DialogService() = default;
    // The chosen file's full path, or nothing when cancelled. No overwrite question and no
    // default suffix: a name typed without extension is used as typed.
    virtual std::optional<QString> saveFileName(QWidget *owner, const QString &initialFolder,
                                                const QString &filter) = 0;
    // The chosen font, or nothing when cancelled.
    virtual std::optional<ListingFont> chooseFont(QWidget *owner, const ListingFont &current) = 0;
};

class QtDialogService : public DialogService
{
public:
    std::optional<QString> saveFileName(QWidget *owner, const QString &initialFolder,
                                        const QString &filter) override;
    std::optional<ListingFont> chooseFont(QWidget *owner, const ListingFont &current) override;
};

// `CD`: the main window's dialog component. It shows the save and font dialogs and holds
// the listing font, which a confirmed font dialog replaces at once.
class CommonDialog
{
public:
    explicit CommonDialog(DialogService &dialogs) : dialogs_(dialogs) {}

    QString InitDir;                            // initial folder of the save dialog
    qint32 Flags = 0;                           // set by callers before each dialog
    QString FileName;                           // the file chosen in the last save dialog
    QString Filter = QStringLiteral("Text files|*.txt|PDF files|*.pdf");
    ListingFont Font;                           // the listing font

    // False when the user cancels; FileName is then unchanged.
    bool ShowSave(QWidget *owner);
    // False when the user cancels; Font is then unchanged.
    bool ShowFont(QWidget *owner);

private:
    DialogService &dialogs_;
};

// "Text files|*.txt|PDF files|*.pdf" as Qt name filters:
// "Text files (*.txt);;PDF files (*.pdf)".
QString QtNameFilter(const QString &filter);

} // namespace tamsoret
