#pragma once
// Qt's images as the plain pictures of core: read texture files, captured
// views on their way to the BMP writer.
#include "core/PictureService.h"

#include <optional>

class QImage;

// The image's pixels (alpha dropped) as bottom-first rows; nothing for a null
// or empty image, or one too large to convert.
std::optional<PictureRows> PictureRowsFromImage(const QImage& image);
