// A FUSE file system failing as network shares and damaged disks do: a folder with no links
// holding a file, a file and a folder whose status calls fail with EIO, and a name gone when
// looked at. faulty_folder_fs MOUNTPOINT returns once mounted, and serves until unmounted.
#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <cerrno>
#include <cstring>

struct Entry
{
    const char *name;
    mode_t mode;
    int error;
};
static const Entry Entries[] = {{"readable.txt", S_IFREG, 0},
                                {"broken.txt", S_IFREG, EIO},
                                {"broken folder", S_IFDIR, EIO},
                                {"vanished.txt", S_IFREG, ENOENT}};

static int GetAttr(const char *path, struct stat *st, fuse_file_info *)
{
    *st = {};
    st->st_mode = S_IFDIR; // the root, with no links
    for (const auto &entry : Entries) {
        if (std::strcmp(path + 1, entry.name) == 0) {
            st->st_mode = entry.mode;
            st->st_nlink = 1;
            st->st_size = 5;
            return -entry.error;
        }
    }
    return std::strcmp(path, "/") == 0 ? 0 : -ENOENT;
}

static int ReadDir(const char *, void *buffer, fuse_fill_dir_t fill, off_t, fuse_file_info *,
                   fuse_readdir_flags)
{
    struct stat st
    {
    };
    for (const auto &entry : Entries) {
        st.st_mode = entry.mode; // the type the folder tells, whatever the status call does
        fill(buffer, entry.name, &st, 0, fuse_fill_dir_flags(0));
    }
    return 0;
}

int main(int argc, char *argv[])
{
    fuse_operations operations{};
    operations.getattr = GetAttr;
    operations.readdir = ReadDir;
    char single[] = "-s";
    char *arguments[] = {argv[0], single, argc == 2 ? argv[1] : nullptr, nullptr};
    return fuse_main(2 + (argc == 2), arguments, &operations, nullptr);
}
