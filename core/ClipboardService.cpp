#include "core/ClipboardService.h"

namespace {

class NoClipboard : public ClipboardService {
public:
    void SetText(const std::string&) override {}
    std::string GetText() override { return {}; }
    void SetPicture(const PictureRows&) override {}
};

NoClipboard none;
ClipboardService* current = &none;

} // namespace

ClipboardService& Clipboard() { return *current; }
void SetClipboardService(ClipboardService* service) { current = service ? service : &none; }
