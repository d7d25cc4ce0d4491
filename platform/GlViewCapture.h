#pragma once
// The capture of a drawing area: its framebuffer as the picture of the view.
#include "core/ViewCapture.h"

class GlDrawingArea;

class GlViewCapture : public ViewCaptureService {
public:
    explicit GlViewCapture(GlDrawingArea& area) : area_(area) {}
    // The area's framebuffer (it paints the frame again into it), in device
    // pixels; nothing before the area has a context.
    std::optional<PictureRows> CaptureView() override;

private:
    GlDrawingArea& area_;
};
