#pragma once
// The open and save dialogs behind properties: a caller sets a caption, a
// filter, a default extension, an owner window and the dialog's options and
// gets back a chosen path. It runs on the file-dialog service.
//
// An object keeps its properties between calls, and each dialog call rewrites
// Flags, FilterIndex and Filter (and, when confirmed, InitDirectory), so a
// second call starts from the first call's outcome.
//
// On this platform: OwnerHwnd is the owner window's native window id
// (QWidget::winId), -1 for none; the flag bits are the values below, of
// which the service acts on the ones FileDialogFlag names; a cancelled call
// leaves empty texts where a confirmed one leaves names.
#include <cstdint>
#include <string>

class cFileDlg {
public:
    // Flag bits that never reach the dialog (they would ask for code or a
    // template of the caller's to run inside it).
    static constexpr std::int32_t EnableHook = 0x20;
    static constexpr std::int32_t EnableTemplate = 0x40;

    // The window the dialog belongs to (centred on it, blocking it): its
    // native window id; -1 for none.
    std::int32_t OwnerHwnd = -1;
    // Open dialogs: only an existing file can be chosen.
    bool FileMustExist = true;
    // Open dialogs: several files may be chosen (the first one is returned).
    bool MultiSelect = false;
    // Open dialogs: the read-only box was ticked when a dialog was last
    // confirmed (never set back to false).
    bool ReadOnly() const { return readOnly_; }
    // Open dialogs: no read-only box.
    bool HideReadOnly = true;
    // Descriptions and patterns alternating, each followed by "|" or ":" (the
    // last separator optional): "AVI Files|*.avi" or "AVI Files:*.avi". After
    // a confirmed call: the chosen filter, its description, a NUL character
    // and its pattern; after a cancelled one: empty.
    std::string Filter;
    // The filter selected when the dialog opens, 1 = the first (0: the
    // first too). After a call: the one chosen; -1 after a cancelled open
    // dialog, 0 after a cancelled save dialog.
    std::int32_t FilterIndex = 0;
    // The folder the dialog opens in (a file's path: its folder); at first
    // the user's documents folder, after a confirmed call the chosen path.
    std::string InitDirectory;
    // InitDirectory becomes the path of the user's special folder with this
    // number (5 documents, 0 desktop, 0x27 pictures, ...; empty for one the
    // platform has not).
    void InitDirectorySpecial(std::int32_t SpecialDirectory);
    // The caption.
    std::string DlgTitle;
    // Added (without its dot) to a name typed without an extension: "avi".
    std::string DefaultExt;
    // Further flags, merged into every call without EnableHook and
    // EnableTemplate; after a call the flags the dialog returned (0 after a
    // cancelled one).
    std::int32_t Flags = 0;
    // Save dialogs: ask before replacing a file.
    bool OverwritePrompt = true;

    cFileDlg();

    // Show the open dialog, the open dialog with a preview of the picture
    // under the cursor, or the save dialog, with FileName in its name box.
    // Confirmed: true, FileName the chosen path and FileTitle its file name.
    // Cancelled: false, both empty.
    bool VBGetOpenFileName(std::string& FileName, std::string& FileTitle);
    bool VBGetOpenFileName(std::string& FileName);
    bool VBGetOpenFileNamePreview(std::string& FileName, std::string& FileTitle);
    bool VBGetOpenFileNamePreview(std::string& FileName);
    bool VBGetSaveFileName(std::string& FileName, std::string& FileTitle);
    bool VBGetSaveFileName(std::string& FileName);

    // Whether the length of the file can be read: an existing regular file.
    static bool ExistFile(const std::string& sSpec);
    // The file name part of a path ("/home/a/clip.avi" gives "clip.avi");
    // empty for a path that names no file (empty, ending in "/", holding a
    // NUL) or a name longer than 1023 bytes.
    static std::string VBGetFileTitle(const std::string& sFile);

private:
    enum class Dialog { Open, OpenPreview, Save };
    bool Show(Dialog dialog, std::string& FileName, std::string& FileTitle);

    bool readOnly_ = false;
};
