#pragma once
// The drawn view as a picture, as a service: Save As, Print and Copy as
// bitmap take what the drawing area shows through it.
// The main window installs the capture of its drawing area while it lives.
#include "core/PictureService.h"

#include <optional>

class ViewCaptureService {
public:
    virtual ~ViewCaptureService() = default;
    // What the view shows now, in device pixels; nothing when it cannot be
    // read (no drawing area, no context).
    virtual std::optional<PictureRows> CaptureView() = 0;
};

// The installed service (one that captures nothing until one is installed).
ViewCaptureService& ViewCapture();
// Installs `service` (not owned); nullptr restores the default.
void SetViewCaptureService(ViewCaptureService* service);
