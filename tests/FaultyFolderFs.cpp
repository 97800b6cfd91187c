// A read-only FUSE file system for the scan's tests, failing as network shares and damaged
// disks do: one folder, which like some FUSE file systems reports no links, holding an
// entry of each kind the scan must tell apart.
//
// Usage: faulty_folder_fs MOUNTPOINT (runs in the foreground until unmounted)

#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

struct Entry
{
    const char *name;
    mode_t mode;
    int error; // what its status call fails with, 0 for none
};

const Entry Entries[] = {
    {"readable.txt", S_IFREG | 0644, 0},
    {"broken.txt", S_IFREG | 0644, EIO},
    {"broken folder", S_IFDIR | 0755, EIO},
    {"vanished.txt", S_IFREG | 0644, ENOENT}, // named by the folder, gone when looked at
};

constexpr off_t ReadableSize = 5;

int GetAttr(const char *path, struct stat *st, fuse_file_info *)
{
    std::memset(st, 0, sizeof *st);
    if (std::strcmp(path, "/") == 0) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 0;
        return 0;
    }
    for (const Entry &entry : Entries) {
        if (std::strcmp(path + 1, entry.name) != 0) continue;
        if (entry.error != 0) return -entry.error;
        st->st_mode = entry.mode;
        st->st_nlink = 1;
        st->st_size = ReadableSize;
        return 0;
    }
    return -ENOENT;
}

int ReadDir(const char *path, void *buffer, fuse_fill_dir_t fill, off_t, fuse_file_info *,
            fuse_readdir_flags)
{
    if (std::strcmp(path, "/") != 0) return -ENOTDIR;
    struct stat st{};
    st.st_mode = S_IFDIR;
    fill(buffer, ".", &st, 0, fuse_fill_dir_flags(0));
    fill(buffer, "..", &st, 0, fuse_fill_dir_flags(0));
    for (const Entry &entry : Entries) {
        st.st_mode = entry.mode; // the type the folder tells, whatever the status call does
        fill(buffer, entry.name, &st, 0, fuse_fill_dir_flags(0));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) return 2;
    fuse_operations operations{};
    operations.getattr = GetAttr;
    operations.readdir = ReadDir;
    char *arguments[] = {argv[0], const_cast<char *>("-f"), const_cast<char *>("-s"), argv[1],
                         nullptr};
    return fuse_main(4, arguments, &operations, nullptr);
}
