#include "core/ColorService.h"

namespace {

class CancellingPicker : public ColorService {
public:
    std::optional<std::int32_t> PickColor() override { return std::nullopt; }
};

CancellingPicker cancelling;
ColorService* current = &cancelling;

} // namespace

ColorService& Colors() { return *current; }
void SetColorService(ColorService* service) { current = service ? service : &cancelling; }

void CommonColorDialog::ShowColor() {
    if (const auto chosen = Colors().PickColor()) Color = *chosen;
}
