#include "platform/GlViewCapture.h"

#include "platform/GlDrawingArea.h"
#include "platform/PictureImage.h"

#include <QImage>

std::optional<PictureRows> GlViewCapture::CaptureView() {
    if (!area_.HasContext() || area_.width() <= 0 || area_.height() <= 0) return std::nullopt;
    return PictureRowsFromFramebuffer(area_.grabFramebuffer());
}
