#pragma once
// Qt's images as the plain pictures of core: read texture files, captured
// views on their way to the BMP writer.
#include "core/PictureService.h"

#include <optional>

class QImage;

// The image's pixels (alpha dropped) as bottom-first rows; nothing for a null
// or empty image, or one too large to convert.
std::optional<PictureRows> PictureRowsFromImage(const QImage& image);
// A grabbed framebuffer as a picture of the colours drawn: its alpha (partial
// where lines were blended or surfaces are transparent) is ignored, never used
// to undo premultiplication, which would change those pixels' colours.
std::optional<PictureRows> PictureRowsFromFramebuffer(QImage image);
// A picture as a QImage (RGB888, top row first); a null image for a picture
// whose size and bytes do not agree.
QImage ImageFromPictureRows(const PictureRows& picture);
