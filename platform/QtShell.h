#pragma once
// The shell service through the desktop's handler of local files.
#include "core/ShellService.h"

class QtShell : public ShellService {
public:
    // QDesktopServices::openUrl on the file's local-file URL.
    bool Open(const std::string& sFile) override;
};
