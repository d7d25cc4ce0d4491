#pragma once
// The open and save file dialogs as a service: the main window's commands ask
// through this interface; the application installs the Qt dialogs, tests a
// recording double that answers from a script.
#include <cstdint>
#include <optional>
#include <string>

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    // Descriptions and patterns alternating, each followed by "|" (or ":"),
    // the last separator optional: "(*.pgp)|*.pgp".
    std::string filter;
    // The filter selected when the dialog opens, 1 = the first.
    std::int32_t filterIndex = 1;
    // The file name shown at first.
    std::string fileName;
    // Added to a typed name without an extension (save dialogs) when the
    // chosen file type names no extension of its own ("*.bmp" adds ".bmp").
    std::string defaultExt;
};

// What the user chose: the path and the file type it was chosen under.
struct FileDialogChoice {
    std::string path;
    // 1 = the first file type of the filter.
    std::int32_t filterIndex = 1;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path and file type, or nothing when the user cancels. An
    // open dialog accepts only files that exist; a save dialog asks before
    // replacing one.
    virtual std::optional<FileDialogChoice> ChooseFileAndType(const FileDialogRequest& request) = 0;
    // The chosen path alone.
    std::optional<std::string> ChooseFile(const FileDialogRequest& request);
};

// The installed service (one that always cancels until one is installed).
FileDialogService& FileDialogs();
// Installs `service` (not owned); nullptr restores the cancelling default.
void SetFileDialogService(FileDialogService* service);
