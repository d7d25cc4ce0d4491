#include "core/FileDialogService.h"

namespace {

class CancellingFileDialog : public FileDialogService {
public:
    std::optional<std::string> ChooseFile(const FileDialogRequest&) override { return std::nullopt; }
};

CancellingFileDialog cancelling;
FileDialogService* current = &cancelling;

} // namespace

FileDialogService& FileDialogs() { return *current; }
void SetFileDialogService(FileDialogService* service) { current = service ? service : &cancelling; }
