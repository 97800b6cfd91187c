#include "platform/CommonDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>

namespace tamsoret {

QString QtNameFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') +
                       u')';
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtDialogService::saveFileName(QWidget *owner, const QString &initialFolder,
                                                     const QString &filter)
{
    // The folder is given at construction: a dialog made without one starts by reading the
    // current folder, the listed one, which for a folder of many files takes seconds.
    QFileDialog dialog(owner, QString(), initialFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilter(QtNameFilter(filter));
    dialog.setDefaultSuffix(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

std::optional<ListingFont> QtDialogService::chooseFont(QWidget *owner, const ListingFont &current)
{
    QFont start(current.name);
    if (current.size > 0)
        start.setPointSizeF(current.size);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, start, owner);
    if (!ok)
        return std::nullopt;
    ListingFont font;
    font.name = chosen.family();
    font.size = static_cast<float>(chosen.pointSizeF());
    return font;
}

bool CommonDialog::ShowSave(QWidget *owner)
{
    const auto chosen = dialogs_.saveFileName(owner, InitDir, Filter);
    if (!chosen)
        return false;
    FileName = *chosen;
    return true;
}

bool CommonDialog::ShowFont(QWidget *owner)
{
    const auto chosen = dialogs_.chooseFont(owner, Font);
    if (!chosen)
        return false;
    Font = *chosen;
    return true;
}

} // namespace tamsoret
