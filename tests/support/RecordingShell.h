#pragma once
// The recording double of the shell service: installs itself while it lives
// (restoring the service it replaced), records every file it is asked to open
// and opens nothing.
#include "core/ShellService.h"

#include <string>
#include <vector>

class RecordingShell : public ShellService {
public:
    RecordingShell();
    ~RecordingShell() override;
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    // Records the path; answers `answer` (True unless a test says otherwise).
    bool Open(const std::string& sFile) override;

    std::vector<std::string> opened;
    bool answer = true;

private:
    ShellService* previous_;
};
