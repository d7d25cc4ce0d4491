#include "platform/GlViewCapture.h"

#include "platform/GlDrawingArea.h"
#include "platform/PictureImage.h"

#include <QImage>

std::optional<PictureRows> GlViewCapture::CaptureView() {
    if (!area_.HasContext() || area_.width() <= 0 || area_.height() <= 0) return std::nullopt;
    // The picture takes the colours as drawn. Blended lines and transparent
    // surfaces leave partial alpha in the framebuffer; converted as
    // premultiplied pixels (colour divided by alpha) they would come out in
    // other colours.
    QImage image = area_.grabFramebuffer();
    if (image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_ARGB32)
        image.reinterpretAsFormat(QImage::Format_RGB32);
    return PictureRowsFromImage(image);
}
