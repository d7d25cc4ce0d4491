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

RecordingColorPicker::RecordingColorPicker() : previous_(&Colors()) { SetColorService(this); }
RecordingColorPicker::~RecordingColorPicker() { SetColorService(previous_); }

std::optional<std::int32_t> RecordingColorPicker::PickColor() {
    ++requests;
    if (script_.empty()) return std::nullopt;
    const auto a = script_.front();
    script_.pop_front();
    return a;
}
