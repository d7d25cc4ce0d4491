#pragma once
// Opening a file with the program the desktop associates with it, as a
// service: the help commands ask through this interface; the application
// installs a Qt implementation, tests a recording double.
#include <string>

class ShellService {
public:
    virtual ~ShellService() = default;
    // Asks the desktop to open the file at the absolute path `sFile`. True when
    // the desktop took the request; callers do not examine the answer.
    virtual bool Open(const std::string& sFile) = 0;
};

// The installed service (one that opens nothing until one is installed).
ShellService& Shell();
// Installs `service` (not owned); nullptr restores the default.
void SetShellService(ShellService* service);
