#include "core/ShellService.h"

namespace {

class NoShell : public ShellService {
public:
    bool Open(const std::string&) override { return false; }
};

NoShell none;
ShellService* current = &none;

} // namespace

ShellService& Shell() { return *current; }
void SetShellService(ShellService* service) { current = service ? service : &none; }
