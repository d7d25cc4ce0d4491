#include "core/ReplacementFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DiskFileSystem disk;
FileSystemService* current = &disk;

// The file a path names: the end of a chain of symbolic links, so that the
// links stay, also when that file does not exist yet. A chain that loops or
// cannot be read names the path itself.
std::string Target(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path at = path;
    std::error_code ec;
    for (int links = 0; fs::is_symlink(at, ec); ++links) {
        const fs::path to = fs::read_symlink(at, ec);
        if (ec || links == 40) return path;
        at = to.is_absolute() ? to : at.parent_path() / to;
    }
    return at.string();
}

} // namespace

FileSystemService& FileSystem() { return *current; }
void SetFileSystemService(FileSystemService* service) { current = service ? service : &disk; }

int DiskFileSystem::CreateBeside(const std::string& path, std::string& temporary) {
    // A file the user may not write (made read-only) is not replaced either.
    if (::faccessat(AT_FDCWD, path.c_str(), F_OK, AT_EACCESS) == 0 &&
        ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return -1;
    // A short name in the target's folder: the target's own name may already
    // be as long as a name may be.
    const std::string::size_type slash = path.rfind('/');
    temporary = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".vx" + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return -1;
    // mkstemp makes the file private; give it the permissions the file had,
    // or those of a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
    if (::fchmod(fd, mode) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return -1;
    }
    return fd;
}

bool DiskFileSystem::KeepOwner(int fd, const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) return true;
    struct stat made {};
    if (::fstat(fd, &made) != 0) return false;
    if (made.st_uid == old.st_uid && made.st_gid == old.st_gid) return true;
    // Root may give both; another user only a group of its own (EPERM else).
    const bool kept = ::fchown(fd, old.st_uid, old.st_gid) == 0;
    if (!kept) ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    // A change of owner may clear the set-user and set-group bits.
    ::fchmod(fd, old.st_mode & 07777);
    return kept;
}

bool DiskFileSystem::WriteAt(int fd, std::uint64_t offset, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, p, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        offset += static_cast<std::uint64_t>(n);
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool DiskFileSystem::Flush(int fd) { return ::fsync(fd) == 0; }

bool DiskFileSystem::Close(int fd) { return ::close(fd) == 0; }

bool DiskFileSystem::Rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void DiskFileSystem::Remove(const std::string& path) { ::unlink(path.c_str()); }

ReplacementFile::ReplacementFile(const std::string& path) : files_(FileSystem()), path_(Target(path)) {
    fd_ = files_.CreateBeside(path_, temporary_);
    if (fd_ < 0)
        temporary_.clear();
    else
        // An owner or group that cannot be kept loses no data: the save goes on.
        files_.KeepOwner(fd_, path_);
}

ReplacementFile::~ReplacementFile() { Discard(); }

bool ReplacementFile::Write(const void* data, std::size_t size) {
    if (!Good()) return false;
    if (!files_.WriteAt(fd_, position_, data, size)) {
        failed_ = true;
        return false;
    }
    position_ += size;
    return true;
}

bool ReplacementFile::Commit() {
    if (!Good()) {
        Discard();
        return false;
    }
    bool ok = files_.Flush(fd_);
    ok = files_.Close(fd_) && ok;
    fd_ = -1;
    ok = ok && files_.Rename(temporary_, path_);
    if (ok)
        temporary_.clear();
    else
        Discard();
    return ok;
}

void ReplacementFile::Discard() {
    failed_ = true;
    if (fd_ >= 0) files_.Close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) files_.Remove(temporary_);
    temporary_.clear();
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
    ReplacementFile file(path);
    return file.Write(bytes) && file.Commit();
}
