#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace tamsoret {

// Which folder a descriptor holds, whatever its name: the device and the inode number.
struct FolderId
{
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FolderId &) const = default;
};

// The folder a listing is made of: an open descriptor of it, which every read goes
// through, and its path as it stands when asked. Copies share the descriptor; the last
// one closes it.
class ListedFolder
{
public:
    ListedFolder() = default;
    // Opens the folder at path (relative to the working folder unless it begins with
    // "/"); an invalid value when it is no folder or the user may not enter it.
    static ListedFolder open(const QByteArray &path);
    // Opens the folder stored under name in this one, the same way.
    ListedFolder openAt(const QByteArray &name) const;

    // Opens the folder stored under name in this one for a tree walk, relative to this
    // folder's descriptor. A symbolic link is never followed: it, or an entry that is no
    // longer a folder, gives an invalid value and the error ENOTDIR; any other failure the
    // system's error number. The value knows no path of its own: the walk shows its own.
    ListedFolder openSubfolder(const QByteArray &name, int &error) const;
    // The folder above this one, through "..", when it is still the folder expected (it
    // may have been moved since the walk came down); an invalid value otherwise.
    ListedFolder openParent(const FolderId &expected) const;
    // The folder's identity; all zero when the system cannot tell it.
    FolderId id() const;

    bool isValid() const { return fd_ != nullptr; }
    int fd() const { return fd_ ? *fd_ : -1; }
    // The folder's path now: a folder renamed since it was opened shows its new name, one
    // removed since the path it had. The system cannot tell a path longer than a page; that
    // of the names this folder was opened by stands in then. Empty when neither is known.
    QByteArray pathBytes() const;
    // The same, decoded for display.
    QString path() const;

    // The entry stored under exactly this name (its bytes as EncodeFileName gives them),
    // otherwise the first entry whose name equals it without regard to case; only names
    // that are UTF-8 through and through are compared so. Returns the stored name's bytes,
    // or an empty array when there is none.
    QByteArray lookupName(const QString &name) const;

private:
    ListedFolder(int fd, QByteArray walked);
    static QByteArray WorkingFolder(const ListedFolder &dot);
    std::shared_ptr<const int> fd_;
    QByteArray walked_;
};

} // namespace tamsoret
