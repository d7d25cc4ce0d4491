#pragma once
// Between Qt's images and the plain pictures that the BMP writer takes.
#include "core/BmpFile.h"

class QImage;

// The image's pixels as red, green, blue (alpha dropped); an empty picture for
// a null image.
RgbPicture PictureFromImage(const QImage& image);
