#include "core/FileDialogService.h"

#include <utility>

namespace {

class CancellingFileDialog : public FileDialogService {
public:
    std::optional<FileDialogChoice> ChooseFileAndType(const FileDialogRequest&) override { return std::nullopt; }
};

CancellingFileDialog cancelling;
FileDialogService* current = &cancelling;

} // namespace

std::optional<std::string> FileDialogService::ChooseFile(const FileDialogRequest& request) {
    std::optional<FileDialogChoice> choice = ChooseFileAndType(request);
    if (!choice) return std::nullopt;
    return std::move(choice->path);
}

std::string FileDialogService::SpecialFolderPath(std::int32_t) { return {}; }

FileDialogService& FileDialogs() { return *current; }
void SetFileDialogService(FileDialogService* service) { current = service ? service : &cancelling; }
