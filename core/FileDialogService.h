#pragma once
// The open and save file dialogs as a service, with the user's special
// folders: the main window's commands ask through this interface; the
// application installs the Qt dialogs, tests a recording double that answers
// from a script.
#include <cstdint>
#include <optional>
#include <string>

enum class FileDialogKind { Open, Save };

// The flags of a file dialog (the bit values the file dialog class cFileDlg
// has for them). A request carries them; the choice gives them back as the
// dialog left them, with bits the dialog does not know passed through.
namespace FileDialogFlag {
// The read-only box is ticked (request: at first; choice: when accepted).
inline constexpr std::int32_t ReadOnly = 0x1;
// Save dialogs: ask before replacing a file.
inline constexpr std::int32_t OverwritePrompt = 0x2;
// Open dialogs: no read-only box.
inline constexpr std::int32_t HideReadOnly = 0x4;
// Open dialogs: several files may be chosen.
inline constexpr std::int32_t AllowMultiSelect = 0x200;
// Choice only: the chosen name's extension is not the default extension.
inline constexpr std::int32_t ExtensionDifferent = 0x400;
// Open dialogs: only a file that exists can be chosen.
inline constexpr std::int32_t FileMustExist = 0x1000;
} // namespace FileDialogFlag

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
    // chosen file type names no extension of its own ("*.bmp" adds ".bmp");
    // open dialogs add it to a typed name without one.
    std::string defaultExt;
    // FileDialogFlag bits; open dialogs read FileMustExist, AllowMultiSelect,
    // HideReadOnly and ReadOnly, save dialogs OverwritePrompt.
    std::int32_t flags = FileDialogFlag::FileMustExist | FileDialogFlag::OverwritePrompt | FileDialogFlag::HideReadOnly;
    // The folder the dialog opens in (a file's path: the file's folder);
    // empty: where the service opens by itself.
    std::string directory;
    // The window the dialog belongs to: its native window id, -1 for none
    // (the service's own window).
    std::int32_t owner = -1;
    // Open dialogs: a preview of the picture file under the cursor.
    bool preview = false;
};

// What the user chose: the path and the file type it was chosen under.
struct FileDialogChoice {
    std::string path;
    // 1 = the first file type of the filter.
    std::int32_t filterIndex = 1;
    // The request's flags as the dialog left them (FileDialogFlag).
    std::int32_t flags = 0;
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
    // The path of the user's folder numbered `folder` as the file dialog class
    // numbers them (5: documents, 0: desktop, 0x27: pictures, ...); empty for
    // a number the service does not know (and in this default).
    virtual std::string SpecialFolderPath(std::int32_t folder);
};

// The installed service (one that always cancels until one is installed).
FileDialogService& FileDialogs();
// Installs `service` (not owned); nullptr restores the cancelling default.
void SetFileDialogService(FileDialogService* service);
