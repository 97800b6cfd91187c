#include "app/EnterDirectory.h"

#include <QCoreApplication>

namespace tamsoret {

ListedFolder EnterDirectory(const QString &path)
{
    // An empty text names no folder: taken as relative it would list the working folder.
    if (path.isEmpty()) return {};
    // A path without the leading "/" is what a terminal user types: it starts from the
    // working folder and is walked the same way.
    ListedFolder folder =
        ListedFolder::open(path.startsWith(u'/') ? QByteArrayLiteral("/") : QByteArrayLiteral("."));
    // Names are case-sensitive here, so each folder is opened under the name it is
    // stored with, found exactly or else without regard to case. The path is taken whole:
    // a cut path could lead into a different folder than the one asked for.
    const QStringList components = path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &component : components) {
        if (!folder.isValid()) return {};
        folder = folder.openAt(folder.lookupName(component));
    }
    return folder;
}

QString UsageMessageText()
{
    // The English text is the one people know; a translation is free to mend it.
    return QCoreApplication::translate("EnterDirectory", "Path doesn't exists !!") +
           QStringLiteral("\r\r") + QCoreApplication::translate("EnterDirectory", "Usage :") +
           u'\r' + QCoreApplication::translate("EnterDirectory", "Tamsoret <path>");
}

} // namespace tamsoret
