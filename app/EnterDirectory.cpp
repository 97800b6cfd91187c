#include "app/EnterDirectory.h"

namespace tamsoret {

QString CommandLineText(const QStringList &arguments)
{
    if (arguments.size() <= 1)
        return {};
    return arguments.mid(1).join(u' ');
}

ListedFolder EnterDirectory(const QString &path)
{
    // Only a full path names a folder: a relative one would depend on where the program
    // happened to be started, and a quoted one is not a path at all.
    if (!path.startsWith(u'/')) return {};
    ListedFolder folder = ListedFolder::open(QByteArrayLiteral("/"));
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

} // namespace tamsoret
