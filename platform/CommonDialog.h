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
    // default suffix (a native dialog may ignore one): the caller reads the chosen file
    // type, which typeIndex (counting the filter's types from 0) preselects and receives.
    virtual std::optional<QString> saveFileName(QWidget *owner, const QString &initialFolder,
                                                const QString &filter, int &typeIndex) = 0;
    // The chosen font, or nothing when cancelled. The dialog starts on `start`, whose name is
    // an installed family.
    virtual std::optional<ListingFont> chooseFont(QWidget *owner, const ListingFont &start) = 0;
};

class QtDialogService : public DialogService
{
public:
    std::optional<QString> saveFileName(QWidget *owner, const QString &initialFolder,
                                        const QString &filter, int &typeIndex) override;
    std::optional<ListingFont> chooseFont(QWidget *owner, const ListingFont &start) override;
};

// The kinds of file the save dialog offers, in the user's language: "Text files|*.txt|PDF
// files|*.pdf" in English.
QString SaveFilter();

// `CD`: the main window's dialog component. It shows the save and font dialogs and holds
// the listing font, which a confirmed font dialog replaces at once.
class CommonDialog
{
public:
    explicit CommonDialog(DialogService &dialogs) : dialogs_(dialogs) {}

    QString InitDir;                            // initial folder of the save dialog
    QString FileName;                           // the file chosen in the last save dialog
    QString Filter = SaveFilter();              // "Text files|*.txt|PDF files|*.pdf|CSV ...|JSON ..."
    int FilterIndex = 0;                        // the file type chosen in the last one
    ListingFont Font;                           // the listing font

    // False when the user cancels; FileName and FilterIndex are then unchanged.
    bool ShowSave(QWidget *owner);
    // The pattern of the chosen file type ("*.pdf").
    QString FilterPattern() const;
    // False when the user cancels; Font is then unchanged.
    bool ShowFont(QWidget *owner);

private:
    DialogService &dialogs_;
};

// The installed family a listing font name prints in: "Courier New" prints in its metric twin
// where it is not installed itself.
QString ResolvedFamily(const QString &name);

// The listing font after the font dialog, shown on `shown`, returned `chosen`. A family or
// size left as shown keeps what was stored, so that OK alone changes neither the store nor
// the printed face.
ListingFont ConfirmedFont(const ListingFont &current, const ListingFont &shown,
                          const ListingFont &chosen);

// "Text files|*.txt|PDF files|*.pdf" as Qt name filters:
// "Text files (*.txt);;PDF files (*.pdf)".
QString QtNameFilter(const QString &filter);

} // namespace tamsoret
