#include "platform/WindowsVolume.h"

#include "platform/FindRecord.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/vfs.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <unordered_map>

namespace tamsoret {

namespace {

constexpr long FuseMagic = 0x65735546;
constexpr long Ntfs3Magic = 0x7366746e;
constexpr long MsdosMagic = 0x4d44;

// Both ntfs-3g and the kernel's ntfs3 give the attributes under this name, big-endian.
constexpr char NtfsAttributes[] = "system.ntfs_attrib_be";
constexpr char NtfsShortName[] = "system.ntfs_dos_name";

// The bits Windows shows as letters; the folder bit comes from the file type.
constexpr quint32 WindowsBits = Attr::ReadOnly | Attr::Hidden | Attr::System | Attr::Archive;

void CopyShortName(const char *from, size_t length, char *shortName)
{
    length = std::min(length, WindowsVolume::ShortNameBytes - 1);
    std::memcpy(shortName, from, length);
    shortName[length] = '\0';
}

} // namespace

struct WindowsVolume::ShortNames
{
    std::unordered_map<std::string, std::string> byLongName;
};

WindowsVolume WindowsVolume::of(int readFd)
{
    WindowsVolume volume;
    struct statfs fs;
    if (fstatfs(readFd, &fs) != 0) return volume;
    volume.fd_ = readFd;
    switch (fs.f_type) {
    case Ntfs3Magic:
        volume.kind_ = Kind::Ntfs;
        break;
    case FuseMagic: {
        // Many file systems run through FUSE, and fuseblk names none of them: ntfs-3g is
        // the one that answers for the NTFS attributes.
        char bits[4];
        if (fgetxattr(readFd, NtfsAttributes, bits, sizeof bits) == sizeof bits)
            volume.kind_ = Kind::Ntfs;
        break;
    }
    case MsdosMagic: {
        volume.kind_ = Kind::Fat;
        // FAT keeps the short names in the folder itself; they are read in one pass, on a
        // descriptor of their own so that the listing's position is not moved.
        auto names = std::make_shared<ShortNames>();
        const int fd = ::openat(readFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            struct __fat_dirent both[2];
            while (ioctl(fd, VFAT_IOCTL_READDIR_BOTH, both) > 0) {
                const char *longName = both[1].d_reclen ? both[1].d_name : both[0].d_name;
                names->byLongName.emplace(longName, both[0].d_name);
            }
            ::close(fd);
        }
        volume.fatShortNames_ = std::move(names);
        break;
    }
    default:
        break;
    }
    return volume;
}

bool WindowsVolume::describe(const char *name, quint32 &attributes, char *shortName) const
{
    switch (kind_) {
    case Kind::Ntfs:
        return describeNtfs(name, attributes, shortName);
    case Kind::Fat:
        return describeFat(name, attributes, shortName);
    case Kind::None:
        break;
    }
    return false;
}

bool WindowsVolume::describeNtfs(const char *name, quint32 &attributes, char *shortName) const
{
    // No system call reads an attribute relative to a folder's descriptor; the path
    // through /proc reaches the same folder whatever its path is now.
    char path[32 + 4096];
    const int length = std::snprintf(path, sizeof path, "/proc/self/fd/%d/%s", fd_, name);
    if (length < 0 || size_t(length) >= sizeof path) return false;
    uchar bits[4];
    if (lgetxattr(path, NtfsAttributes, bits, sizeof bits) != sizeof bits) return false;
    char dosName[ShortNameBytes];
    const ssize_t dosLength = lgetxattr(path, NtfsShortName, dosName, sizeof dosName);
    CopyShortName(dosName, dosLength > 0 ? size_t(dosLength) : 0, shortName);
    attributes = (attributes & ~WindowsBits) | (qFromBigEndian<quint32>(bits) & WindowsBits);
    return true;
}

bool WindowsVolume::describeFat(const char *name, quint32 &attributes, char *shortName) const
{
    const int fd = ::openat(fd_, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    quint32 bits = 0;
    const bool read = ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &bits) == 0;
    ::close(fd);
    if (!read) return false;
    const auto found = fatShortNames_->byLongName.find(name);
    if (found == fatShortNames_->byLongName.end())
        shortName[0] = '\0';
    else
        CopyShortName(found->second.data(), found->second.size(), shortName);
    attributes = (attributes & ~WindowsBits) | (bits & WindowsBits);
    return true;
}

} // namespace tamsoret
