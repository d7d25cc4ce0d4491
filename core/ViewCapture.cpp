#include "core/ViewCapture.h"

namespace {

class NoCapture : public ViewCaptureService {
public:
    std::optional<PictureRows> CaptureView() override { return std::nullopt; }
};

NoCapture none;
ViewCaptureService* current = &none;

} // namespace

ViewCaptureService& ViewCapture() { return *current; }
void SetViewCaptureService(ViewCaptureService* service) { current = service ? service : &none; }
