#pragma once
// A disk of a few KB that fills up: a tmpfs mounted on a new folder for the
// test's lifetime. Mounting needs root (and a system that lets it mount);
// otherwise Mounted() is false and Why() says why, for GTEST_SKIP.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

class SmallDisk {
public:
    explicit SmallDisk(const char* size = "size=8k") {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vx_small_disk_XXXXXX").string();
        if (::mkdtemp(tmpl.data()) == nullptr) {
            why_ = "no folder to mount on";
            return;
        }
        path_ = tmpl;
        if (::geteuid() != 0) {
            why_ = "mounting a small tmpfs needs root; the tests do not run as root";
            return;
        }
        if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, size) != 0) {
            why_ = std::string("mounting a small tmpfs was refused: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
        if (!path_.empty()) ::rmdir(path_.c_str());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    std::string Folder() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::string why_;
    bool mounted_ = false;
};
