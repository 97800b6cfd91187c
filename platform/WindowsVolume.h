#pragma once

#include <QtGlobal>

#include <memory>

namespace tamsoret {

// What an NTFS or FAT volume keeps of each entry beside the POSIX status: the short name
// and the read-only, hidden, system and archive bits Windows wrote. Looked for once per
// folder, from the type of its file system, so that no other file system pays a call
// per entry for it.
class WindowsVolume
{
public:
    enum class Kind { None, Ntfs, Fat };
    // Room for a short name: 8.3 characters, each up to 4 bytes, and the ending NUL.
    static constexpr size_t ShortNameBytes = 64;

    WindowsVolume() = default;
    // The volume that holds the open folder readFd (opened for reading), which must stay
    // open as long as this value is used.
    static WindowsVolume of(int readFd);

    Kind kind() const { return kind_; }

    // Reads the Windows attributes of the entry stored under name (without following a
    // link) into attributes, the folder bit left as it was, and its short name, NUL-ended
    // and empty when the volume keeps none, into shortName. False when the volume does not
    // tell them; nothing is changed then. May be called from several threads at once.
    bool describe(const char *name, quint32 &attributes, char *shortName) const;

private:
    struct ShortNames;
    bool describeNtfs(const char *name, quint32 &attributes, char *shortName) const;
    bool describeFat(const char *name, quint32 &attributes, char *shortName) const;

    Kind kind_ = Kind::None;
    int fd_ = -1;
    std::shared_ptr<const ShortNames> fatShortNames_;
};

} // namespace tamsoret
