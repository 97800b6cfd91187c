#include "app/EnterDirectory.h"

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
    return QStringLiteral("Path doesn't exists !!\r\rUsage :\rTamsoret <path>");
}

} // namespace tamsoret
