#pragma once
// The files the program writes for the user (documents, pictures, table
// files, videos, the file association's files) are written under a temporary
// name beside their target and take its name only once every byte is
// written, flushed to the disk and the file closed. A failure at any step (a
// full disk, a failing device) leaves an existing file of that name byte for
// byte as it was, and nothing else behind.
//
// Every step goes through FileSystemService: the program uses the disk, tests
// install a double that fails the step they choose.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class FileSystemService {
public:
    virtual ~FileSystemService() = default;
    // A new, empty file beside `path` (in its folder, under a short name of
    // its own whatever the length of the target's), open for writing, with
    // the permissions of an existing file at `path` or else those of a new
    // file. Its descriptor, its name in `temporary`; -1 when it cannot be made
    // or when the file at `path` may not be written by this user.
    virtual int CreateBeside(const std::string& path, std::string& temporary) = 0;
    // Gives the new file the owner and group of an existing file at `path`
    // as far as the system allows (root: both; another user: the group when
    // the user belongs to it), its permissions kept. False when not all could
    // be kept; the save goes on all the same.
    virtual bool KeepOwner(int fd, const std::string& path) = 0;
    // Writes all `size` bytes at `offset`; false when not all were written.
    virtual bool WriteAt(int fd, std::uint64_t offset, const void* data, std::size_t size) = 0;
    // Flushes what was written to the disk.
    virtual bool Flush(int fd) = 0;
    // Closes the file (also when it fails).
    virtual bool Close(int fd) = 0;
    // Gives the file `from` the name `to`, in place of a file of that name.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The disk, through the system's own calls.
class DiskFileSystem : public FileSystemService {
public:
    int CreateBeside(const std::string& path, std::string& temporary) override;
    bool KeepOwner(int fd, const std::string& path) override;
    bool WriteAt(int fd, std::uint64_t offset, const void* data, std::size_t size) override;
    bool Flush(int fd) override;
    bool Close(int fd) override;
    bool Rename(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
};

// The installed file system (the disk unless another is installed).
FileSystemService& FileSystem();
// Installs `service` (not owned); nullptr restores the disk.
void SetFileSystemService(FileSystemService* service);

// A file being written in place of the one at a path (UTF-8; symbolic links
// are followed, so the file they name is replaced, or made, and they stay; a
// chain of links that loops, or runs over 40 links, names no file, and the
// path itself is replaced). Until Commit succeeds the old file stays as it
// was; destroyed uncommitted, the new one is removed.
class ReplacementFile {
public:
    explicit ReplacementFile(const std::string& path);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Whether the new file was made and nothing has failed since.
    bool Good() const { return fd_ >= 0 && !failed_; }
    // Writes the bytes at the write position and moves it past them. False
    // once any write has failed: nothing more is written and Commit fails.
    bool Write(const void* data, std::size_t size);
    bool Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
    // Moves the write position (to overwrite bytes written before).
    void Seek(std::uint64_t offset) { position_ = offset; }
    std::uint64_t Position() const { return position_; }
    // Flushes the file to the disk, closes it and gives it the target's name.
    // False when this or any earlier step failed: the new file is removed and
    // the old one kept.
    bool Commit();
    // Gives the new file up: it is removed and the old one kept.
    void Discard();

private:
    FileSystemService& files_;
    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    std::uint64_t position_ = 0;
    bool failed_ = false;
};

// Writes `bytes` as the whole file at `path` in place of the old one: false,
// with the old file unchanged, when any step fails.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);
