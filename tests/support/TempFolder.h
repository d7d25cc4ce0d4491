#pragma once
// A new folder of its own under the system's temporary folder for a test's
// lifetime, removed with all it holds (made writable again first). Standard
// library only: the core tests link no Qt.
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

class TempFolder {
public:
    // The folder's name is `prefix` and six characters of its own.
    explicit TempFolder(const std::string& prefix = "vx_test_") {
        std::string tmpl = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (::mkdtemp(tmpl.data()) != nullptr) path_ = tmpl;
    }
    ~TempFolder() {
        if (path_.empty()) return;
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder ("" if it could not be made).
    const std::string& Path() const { return path_; }
    // The path of `name` in the folder.
    std::string File(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }

private:
    std::string path_;
};
