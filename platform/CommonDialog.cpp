#include "platform/CommonDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QStringList>

#include <cmath>

namespace tamsoret {

QString SaveFilter()
{
    return QCoreApplication::translate("CommonDialog", "Text files") + QStringLiteral("|*.txt|") +
           QCoreApplication::translate("CommonDialog", "PDF files") + QStringLiteral("|*.pdf|") +
           QCoreApplication::translate("CommonDialog", "CSV files") + QStringLiteral("|*.csv|") +
           QCoreApplication::translate("CommonDialog", "JSON files") + QStringLiteral("|*.json");
}

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
                                                     const QString &filter, int &typeIndex)
{
    // The folder is given at construction: a dialog made without one starts by reading the
    // current folder, the listed one, which for a folder of many files takes seconds.
    QFileDialog dialog(owner, QString(), initialFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList types = QtNameFilter(filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(types);
    if (typeIndex >= 0 && typeIndex < types.size()) dialog.selectNameFilter(types[typeIndex]);
    dialog.setDefaultSuffix(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    typeIndex = int(types.indexOf(dialog.selectedNameFilter()));
    return QDir::cleanPath(dialog.selectedFiles().constFirst());
}

std::optional<ListingFont> QtDialogService::chooseFont(QWidget *owner, const ListingFont &start)
{
    QFont startFont(start.name);
    if (start.size > 0)
        startFont.setPointSizeF(start.size);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, startFont, owner);
    if (!ok)
        return std::nullopt;
    ListingFont font;
    font.name = chosen.family();
    font.size = static_cast<float>(chosen.pointSizeF());
    return font;
}

bool CommonDialog::ShowSave(QWidget *owner)
{
    int typeIndex = FilterIndex;
    const auto chosen = dialogs_.saveFileName(owner, InitDir, Filter, typeIndex);
    if (!chosen)
        return false;
    FileName = *chosen;
    FilterIndex = typeIndex;
    return true;
}

QString CommonDialog::FilterPattern() const
{
    const QStringList parts = Filter.split(u'|');
    const qsizetype at = 2 * qsizetype(FilterIndex) + 1;
    return FilterIndex >= 0 && at < parts.size() ? parts[at] : QString();
}

QString ResolvedFamily(const QString &name)
{
    return QFontInfo(QFont(name)).family();
}

ListingFont ConfirmedFont(const ListingFont &current, const ListingFont &shown,
                          const ListingFont &chosen)
{
    ListingFont confirmed = chosen;
    if (chosen.name.compare(shown.name, Qt::CaseInsensitive) == 0)
        confirmed.name = current.name;
    if (chosen.size == shown.size)
        confirmed.size = current.size;
    return confirmed;
}

bool CommonDialog::ShowFont(QWidget *owner)
{
    // The dialog knows installed families only: started on any other name it falls back to
    // the first family of its list, and OK would switch the listing to that face. Its sizes
    // are whole points; a stored 10.5 shows as 11.
    ListingFont shown{ResolvedFamily(Font.name), Font.size};
    if (Font.size > 0)
        shown.size = std::round(Font.size);
    const auto chosen = dialogs_.chooseFont(owner, shown);
    if (!chosen)
        return false;
    Font = ConfirmedFont(Font, shown, *chosen);
    return true;
}

} // namespace tamsoret
