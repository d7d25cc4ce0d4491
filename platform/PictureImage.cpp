#include "platform/PictureImage.h"

#include <QImage>

#include <cstring>

RgbPicture PictureFromImage(const QImage& image) {
    RgbPicture p;
    if (image.isNull()) return p;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    p.Width = rgb.width();
    p.Height = rgb.height();
    const std::size_t row = static_cast<std::size_t>(p.Width) * 3;
    p.Pixels.resize(row * static_cast<std::size_t>(p.Height));
    for (int y = 0; y < p.Height; ++y) std::memcpy(p.Pixels.data() + row * y, rgb.constScanLine(y), row);
    return p;
}
