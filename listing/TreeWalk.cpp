#include "listing/TreeWalk.h"

#include "listing/NameCleaning.h"
#include "listing/DirectorySearch.h"
#include "listing/TreeReadAhead.h"
#include "platform/PageBuffers.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

namespace tamsoret {

namespace {

// Folders held open along the chain from the listed one down: the rest are let go and
// opened again through ".." on the way back up, so that a chain of any depth is walked
// within a small limit of descriptors (the scan of a folder takes one more).
constexpr int MaxOpenFolders = 16;

// One folder of the chain from the listed folder to the one being walked.
struct Level
{
    ListedFolder folder; // invalid while let go
    FolderId id;
    QByteArray name;          // in its parent, for finding it again from above
    qsizetype pathLength = 0; // of its shown path
    qsizetype relativeLength = 0; // of its path relative to the listed folder
    std::vector<QByteArray> subfolders; // in walk order
    size_t next = 0;
    WalkPlace place;
    std::shared_ptr<const Ancestry> ancestry; // its own identity and those above
};

bool IsOutOfDescriptors(int error)
{
    return error == EMFILE || error == ENFILE;
}

class Walk
{
public:
    Walk(const FilterPattern &pattern, const ScanSwitches &switches, qint16 orderBy,
         const LocaleFormat &locale, const TreeLimits &limits, const MakeSortFolder &makeSort,
         TreeVisitor &visitor, std::atomic<qint64> *foldersRead, quint64 device)
        : pattern_(pattern), switches_(switches), orderBy_(orderBy), locale_(locale),
          limits_(limits), sort_(makeSort()), visitor_(visitor), foldersRead_(foldersRead),
          readAhead_({pattern, switches, orderBy, locale, limits.depth, limits.oneFileSystem,
                      device, visitor.wantsFacts(), workers_},
                     makeSort, ReadAheadThreads())
    {
    }

    TreeWalkResult run(const ListedFolder &top, const QString &shownPath);

private:
    void visit(Level &level, int depth);
    bool descend(Level &parent);
    void ascend();
    bool reach(size_t index);
    void letGoOfAncestors();

    const FilterPattern &pattern_;
    const ScanSwitches &switches_;
    const qint16 orderBy_;
    const LocaleFormat &locale_;
    const TreeLimits &limits_;
    // Asked once: the answer reads the process's processor quota from files.
    const unsigned workers_ = StatusWorkers();
    const SortFolder sort_;
    TreeVisitor &visitor_;
    std::atomic<qint64> *foldersRead_;

    TreeWalkResult result_;
    std::vector<Level> chain_;
    QString path_; // the shown path of the folder at the chain's end
    QByteArray relative_; // its path relative to the listed folder, as bytes
    ListingData data_;
    Subfolders subfolders_;
    int open_ = 0;
    std::unique_ptr<FolderReadAhead> aheadOfVisit_; // the next folder's, when read ahead
    // Last, so that its threads end before what they read from goes.
    TreeReadAhead readAhead_;
};

QString ChildPath(const QString &parent, const QByteArray &name)
{
    const QString shown = ReplaceControlCharacters(QFile::decodeName(name));
    return parent.endsWith(u'/') ? parent + shown : parent + u'/' + shown;
}

TreeWalkResult Walk::run(const ListedFolder &top, const QString &shownPath)
{
    Level first;
    first.folder = top;
    first.id = top.id();
    path_ = shownPath;
    first.pathLength = path_.size();
    first.ancestry = std::make_shared<const Ancestry>(Ancestry{first.id, nullptr});
    chain_.push_back(std::move(first));
    data_.Facts.keep = visitor_.wantsFacts();
    open_ = 1;
    visit(chain_.back(), 0);
    while (!chain_.empty()) {
        Level &level = chain_.back();
        if (level.next < level.subfolders.size()) {
            if (descend(level)) visit(chain_.back(), int(chain_.size()) - 1);
        } else {
            ascend();
        }
    }
    return std::move(result_);
}

void Walk::visit(Level &level, int depth)
{
    ++result_.foldersWalked;
    const bool deeper = limits_.depth < 0 || depth < limits_.depth;
    qint32 count = 0;
    int error = 0;
    std::unique_ptr<FolderReadAhead> ahead = std::move(aheadOfVisit_);
    if (ahead) {
        std::swap(data_, ahead->data);
        count = ahead->count;
    } else {
        const auto readFolder = [&] {
            return ReadFolder(level.folder, pattern_, switches_, data_, count, orderBy_,
                              locale_, workers_, nullptr, deeper ? &subfolders_ : nullptr);
        };
        error = readFolder();
        // The descriptors the threads reading ahead hold are the walk's to have first.
        if (IsOutOfDescriptors(error)) {
            readAhead_.clear();
            error = readFolder();
        }
    }
    if (foldersRead_) foldersRead_->fetch_add(1, std::memory_order_relaxed);
    visitor_.folderStarts(relative_);
    if (error != 0) {
        visitor_.folderUnreadable(path_, error);
        result_.unreadable.add(path_, error);
        return;
    }
    if (!ahead) sort_(data_, count);
    // A folder none of whose entries is listed has nothing to show; the listed one always
    // has its section, if only to say that nothing in it matched.
    if (count > 0 || depth == 0)
        visitor_.folderRead(path_, data_, count);
    else
        visitor_.folderWithoutEntries();
    for (const auto &[name, entryError] : data_.Unread.first)
        result_.unreadEntries.add(path_.endsWith(u'/') ? path_ + name : path_ + u'/' + name,
                                  entryError);
    result_.unreadEntries.count += data_.Unread.count - qint64(data_.Unread.first.size());

    if (ahead) {
        // Its subfolders were sorted, and offered to be read ahead, with it.
        level.subfolders = std::move(ahead->subfolders);
        return;
    }
    if (!deeper) return;
    level.subfolders = SubfoldersInWalkOrder(subfolders_, sort_);
    readAhead_.offer(level.place, level.folder, depth, level.ancestry, level.subfolders);
}

bool Walk::descend(Level &parent)
{
    WalkPlace place = parent.place;
    place.push_back(quint32(parent.next));
    const QByteArray name = std::move(parent.subfolders[parent.next++]);
    if (parent.next == parent.subfolders.size()) {
        parent.subfolders.clear();
        parent.subfolders.shrink_to_fit();
        parent.next = 0;
    }
    aheadOfVisit_.reset();
    if (!reach(chain_.size() - 1)) return false;
    const QString path = ChildPath(path_, name);
    const QByteArray relative = relative_.isEmpty() ? name : relative_ + '/' + name;
    int error = 0;
    // A folder read ahead comes with the descriptor it was read through.
    std::unique_ptr<FolderReadAhead> ahead = readAhead_.take(place);
    ListedFolder child =
        ahead ? ahead->folder : chain_.back().folder.openSubfolder(name, error);
    if (!child.isValid() && IsOutOfDescriptors(error)) {
        readAhead_.clear();
        child = chain_.back().folder.openSubfolder(name, error);
    }
    if (!child.isValid()) {
        // A symbolic link to a folder, or an entry that is no folder any more.
        if (error == ENOTDIR) return false;
        ++result_.foldersWalked;
        if (foldersRead_) foldersRead_->fetch_add(1, std::memory_order_relaxed);
        visitor_.folderStarts(relative);
        visitor_.folderUnreadable(path, error);
        result_.unreadable.add(path, error);
        return false;
    }
    const FolderId id = ahead ? ahead->id : child.id();
    if (limits_.oneFileSystem && id.device != chain_.front().id.device) return false;
    for (const Level &ancestor : chain_) {
        if (ancestor.id == id) {
            result_.loops.add(path, 0);
            return false;
        }
    }
    Level level;
    level.folder = std::move(child);
    level.id = id;
    level.place = std::move(place);
    level.ancestry = std::make_shared<const Ancestry>(Ancestry{id, chain_.back().ancestry});
    level.name = name;
    path_ = path;
    level.pathLength = path_.size();
    relative_ = relative;
    level.relativeLength = relative_.size();
    chain_.push_back(std::move(level));
    ++open_;
    letGoOfAncestors();
    aheadOfVisit_ = std::move(ahead);
    return true;
}

void Walk::letGoOfAncestors()
{
    // The listed folder stays held: the caller holds it anyway, and every way back up
    // can start again from it.
    for (size_t i = 1; open_ > MaxOpenFolders && i + 1 < chain_.size(); ++i) {
        if (chain_[i].folder.isValid()) {
            chain_[i].folder = ListedFolder();
            --open_;
            readAhead_.forget(chain_[i].place);
        }
    }
}

void Walk::ascend()
{
    ListedFolder child = std::move(chain_.back().folder);
    if (child.isValid()) --open_;
    chain_.pop_back();
    if (chain_.empty()) return;
    path_.truncate(chain_.back().pathLength);
    relative_.truncate(chain_.back().relativeLength);
    Level &parent = chain_.back();
    if (parent.folder.isValid()) return;
    // Back up through "..", so that a chain deeper than any path the system takes is
    // walked back without one; each folder on the way up is had from the one below it.
    parent.folder = child.openParent(parent.id);
    if (parent.folder.isValid()) ++open_;
}

// Holds the folder at index again when it was let go and could not be had through "..":
// from the nearest held ancestor down by the names, each checked to be the folder it was.
bool Walk::reach(size_t index)
{
    if (chain_[index].folder.isValid()) return true;
    size_t from = index;
    while (!chain_[from].folder.isValid())
        --from; // the listed folder is always held
    ListedFolder at = chain_[from].folder;
    for (size_t i = from + 1; i <= index && at.isValid(); ++i) {
        int error = 0;
        at = at.openSubfolder(chain_[i].name, error);
        if (at.id() != chain_[i].id) at = ListedFolder();
    }
    if (!at.isValid()) {
        // Moved away while the walk was below it: what is left of it cannot be found.
        Level &level = chain_[index];
        QString path = path_.left(level.pathLength);
        result_.lost.add(path, 0);
        level.subfolders.clear();
        level.next = 0;
        return false;
    }
    chain_[index].folder = std::move(at);
    ++open_;
    letGoOfAncestors();
    return true;
}

QString TroubleParagraph(const TreeTrouble &trouble, const QString &one, const QString &many)
{
    if (trouble.count == 0) return {};
    QString folders;
    for (size_t i = 0; i < trouble.first.size(); ++i) {
        const auto &[path, error] = trouble.first[i];
        if (i > 0) folders += QStringLiteral(", ");
        folders += path;
        if (error != 0) folders += QStringLiteral(" (") + qt_error_string(error) + u')';
    }
    const qint64 more = trouble.count - qint64(trouble.first.size());
    if (more > 0) folders += QCoreApplication::translate("TreeWalk", " and %1 more").arg(more);
    // The colon is spaced differently in some languages.
    return QCoreApplication::translate("TreeWalk", "%1: %2.")
        .arg(trouble.count == 1 ? one : many.arg(trouble.count), folders);
}

} // namespace

void TreeTrouble::add(const QString &shownPath, int error)
{
    if (first.size() < NamesKept) first.emplace_back(shownPath, error);
    ++count;
}

TreeWalkResult WalkTree(const ListedFolder &folder, const QString &shownPath,
                        const FilterPattern &pattern, const ScanSwitches &switches,
                        qint16 orderBy, const LocaleFormat &locale, const TreeLimits &limits,
                        const MakeSortFolder &makeSort, TreeVisitor &visitor,
                        std::atomic<qint64> *foldersRead)
{
    // Each folder's tables are taken and given back on one thread or another, thousands of
    // times: given back to the system each time, a quarter of the walk's time went to taking
    // them again, page by page. Kept, the walk holds what its largest few folders needed.
    const KeptPageBuffers kept;
    Walk walk(pattern, switches, orderBy, locale, limits, makeSort, visitor, foldersRead,
              folder.id().device);
    return walk.run(folder, shownPath);
}

QString TreeTroubleText(const TreeWalkResult &result)
{
    const QString parts[] = {
        TroubleParagraph(result.unreadable,
                         QCoreApplication::translate("TreeWalk", "1 folder could not be read"),
                         QCoreApplication::translate("TreeWalk", "%1 folders could not be read")),
        TroubleParagraph(result.loops,
                         QCoreApplication::translate(
                             "TreeWalk", "1 folder is one of its own ancestors (a file system "
                                         "loop) and was not walked again"),
                         QCoreApplication::translate(
                             "TreeWalk", "%1 folders are their own ancestors (file system "
                                         "loops) and were not walked again")),
        TroubleParagraph(result.lost,
                         QCoreApplication::translate(
                             "TreeWalk", "1 folder was moved during the walk, and the rest of "
                                         "it was not walked"),
                         QCoreApplication::translate(
                             "TreeWalk", "%1 folders were moved during the walk, and the rest "
                                         "of them was not walked")),
        TroubleParagraph(
            result.unreadEntries,
            QCoreApplication::translate("TreeWalk", "1 entry is listed by its name only"),
            QCoreApplication::translate("TreeWalk", "%1 entries are listed by their names only")),
    };
    QString text;
    for (const QString &part : parts) {
        if (part.isEmpty()) continue;
        if (!text.isEmpty()) text += u'\r';
        text += part;
    }
    return text;
}

} // namespace tamsoret
