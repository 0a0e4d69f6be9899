#include "documents/volumes.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace zavro {

namespace fs = std::filesystem;

std::vector<Volume> RemovableVolumes(const VolumeSource& source) {
    std::vector<Volume> out;
    for (const Volume& v : source.Volumes())
        if (v.kind == VolumeKind::Removable) out.push_back(v);
    std::sort(out.begin(), out.end(),
              [](const Volume& a, const Volume& b) { return a.mountPoint < b.mountPoint; });
    return out;
}

namespace {

std::string Unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string oct = field.substr(i + 1, 3);
            if (oct.size() == 3 && std::all_of(oct.begin(), oct.end(),
                                               [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::string ReadFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool UnderFolder(const std::string& path, const std::string& folder) {
    return path == folder || StartsWith(path, folder + "/");
}

bool SystemFolder(const std::string& mountPoint) {
    if (UnderFolder(mountPoint, "/run/media")) return false;
    for (const char* f : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var/lib", "/var/snap",
                          "/etc"})
        if (UnderFolder(mountPoint, f)) return true;
    return false;
}

} // namespace

std::vector<MountEntry> ParseMounts(const std::string& text) {
    std::vector<MountEntry> out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        MountEntry e;
        if (!(fields >> e.source >> e.mountPoint >> e.fsType)) continue;
        e.source = Unescape(e.source);
        e.mountPoint = Unescape(e.mountPoint);
        out.push_back(e);
    }
    return out;
}

std::optional<VolumeKind> ClassifyMount(const MountEntry& mount, const std::string& sysBlock) {
    if (mount.mountPoint == "/" || SystemFolder(mount.mountPoint)) return std::nullopt;
    static const std::set<std::string> network = {
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "sshfs", "fuse.sshfs",
        "davfs", "fuse.davfs", "glusterfs", "ceph", "fuse.rclone"};
    if (network.count(mount.fsType)) return VolumeKind::Network;
    if (!StartsWith(mount.source, "/dev/")) return std::nullopt;
    std::error_code ec;
    fs::path device = fs::canonical(mount.source, ec);
    if (ec) device = mount.source;
    const std::string name = device.filename().string();
    if (StartsWith(name, "loop") || StartsWith(name, "zram") || StartsWith(name, "ram"))
        return std::nullopt;
    if (mount.fsType == "iso9660" || mount.fsType == "udf" || StartsWith(name, "sr"))
        return VolumeKind::Optical;
    // The disk of a partition is the folder above the partition in sysfs.
    fs::path entry = fs::canonical(fs::path(sysBlock) / name, ec);
    if (ec) return VolumeKind::Fixed;
    if (fs::exists(entry / "partition", ec)) entry = entry.parent_path();
    const std::string removable = ReadFirstLine(entry / "removable");
    const std::string devicePath = entry.string();
    if (removable == "1" || devicePath.find("/usb") != std::string::npos ||
        StartsWith(name, "mmcblk"))
        return VolumeKind::Removable;
    return VolumeKind::Fixed;
}

SystemVolumeSource::SystemVolumeSource()
    : SystemVolumeSource("/proc/self/mounts", "/sys/class/block",
                         std::getenv("HOME") ? std::getenv("HOME") : "") {}

SystemVolumeSource::SystemVolumeSource(std::string mountsFile, std::string sysBlock,
                                       std::string home)
    : mountsFile_(std::move(mountsFile)), sysBlock_(std::move(sysBlock)), home_(std::move(home)) {
    while (home_.size() > 1 && home_.back() == '/') home_.pop_back();
}

std::vector<Volume> SystemVolumeSource::Volumes() const {
    std::vector<Volume> out;
    out.push_back({"/", VolumeKind::Fixed});
    std::error_code ec;
    if (!home_.empty() && home_ != "/" && fs::is_directory(home_, ec))
        out.push_back({home_, VolumeKind::Fixed});
    std::ifstream in(mountsFile_);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<Volume> mounted;
    std::set<std::string> seen = {"/", home_};
    for (const MountEntry& m : ParseMounts(text.str())) {
        if (seen.count(m.mountPoint)) continue;
        const auto kind = ClassifyMount(m, sysBlock_);
        if (!kind || !fs::is_directory(m.mountPoint, ec)) continue;
        seen.insert(m.mountPoint);
        mounted.push_back({m.mountPoint, *kind});
    }
    std::sort(mounted.begin(), mounted.end(),
              [](const Volume& a, const Volume& b) { return a.mountPoint < b.mountPoint; });
    out.insert(out.end(), mounted.begin(), mounted.end());
    return out;
}

namespace {

bool NameLess(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return static_cast<char>(std::tolower(c)); };
    std::string la(a.size(), ' '), lb(b.size(), ' ');
    std::transform(a.begin(), a.end(), la.begin(), lower);
    std::transform(b.begin(), b.end(), lb.begin(), lower);
    return la != lb ? la < lb : a < b;
}

} // namespace

std::optional<std::vector<std::string>> ListSubfolders(const std::string& path) {
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec) return std::nullopt;
    std::vector<std::string> names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}

bool HasSubfolder(const std::string& path) {
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec) return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return false;
        std::error_code typeError;
        if (it->is_directory(typeError)) return true;
    }
    return false;
}

} // namespace zavro
