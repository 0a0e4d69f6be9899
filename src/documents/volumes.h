// Volumes and folders of the file system, for the folder and disk choosers.
//
// On this platform the drives of the choosers are the root "/", the user's
// home folder and the mounted volumes. A volume source lists them; the
// system's source reads the mount table and the block devices of sysfs, and
// tests give a source of their own.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zavro {

enum class VolumeKind { Removable, Fixed, Network, Optical, Other };

struct Volume {
    std::string mountPoint; // UTF-8 path without trailing separator ("/" for the root)
    VolumeKind kind = VolumeKind::Other;
};

class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // Every volume the folder chooser shows as a drive, in display order.
    virtual std::vector<Volume> Volumes() const = 0;
};

// The removable volumes of a source, in the order of their mount points.
std::vector<Volume> RemovableVolumes(const VolumeSource& source);

// One line of the mount table.
struct MountEntry {
    std::string source;
    std::string mountPoint;
    std::string fsType;
};

// Parses a mount table in the format of /proc/self/mounts (octal escapes
// such as \040 for a blank are decoded).
std::vector<MountEntry> ParseMounts(const std::string& text);

// The kind of a mounted volume, or none when the mount is not a volume the
// user would store files on (virtual file systems, loop images, system
// folders). sysBlock is the folder of the block devices (/sys/class/block).
std::optional<VolumeKind> ClassifyMount(const MountEntry& mount, const std::string& sysBlock);

// The system's volumes: the root, the user's home and the mounted volumes.
class SystemVolumeSource : public VolumeSource {
public:
    SystemVolumeSource();
    SystemVolumeSource(std::string mountsFile, std::string sysBlock, std::string home);
    std::vector<Volume> Volumes() const override;

private:
    std::string mountsFile_;
    std::string sysBlock_;
    std::string home_;
};

// The names of the folders directly in a folder, sorted by name (letter case
// ignored); none when the folder cannot be read at all.
std::optional<std::vector<std::string>> ListSubfolders(const std::string& path);

// Whether a folder holds at least one sub-folder (the look stops at the first).
bool HasSubfolder(const std::string& path);

} // namespace zavro
