#pragma once
// The save dialog as the video export asks for it: a caption, a filter, a
// default extension, and the chosen path. It runs on the file-dialog service,
// whose save dialog adds the default extension to a name typed without one
// and asks before replacing the file of the final name.
#include <string>

class cFileDlg {
public:
    // The caption.
    std::string DlgTitle;
    // Descriptions and patterns alternating, each followed by "|" or ":" (the
    // last separator optional): "AVI Files|*.avi" or "AVI Files:*.avi".
    std::string Filter;
    // Added (without its dot) to a name typed without an extension: "avi".
    std::string DefaultExt;

    cFileDlg();

    // Shows the save dialog with FileName in its name box. Confirmed: true,
    // FileName the chosen path and FileTitle its file name. Cancelled: false,
    // both empty.
    bool VBGetSaveFileName(std::string& FileName, std::string& FileTitle);
    bool VBGetSaveFileName(std::string& FileName);
};
