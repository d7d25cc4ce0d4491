#include "platform/PictureImage.h"

#include <QImage>

#include <cstring>
#include <new>

std::optional<PictureRows> PictureRowsFromImage(const QImage& source) {
    if (source.isNull()) return std::nullopt;
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return std::nullopt;
    PictureRows rows;
    rows.Width = image.width();
    rows.Height = image.height();
    const std::size_t rowBytes = std::size_t(rows.Width) * 3;
    try {
        rows.Rgb.resize(rowBytes * std::size_t(rows.Height));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    // Qt's rows run top to bottom, each padded to 4 bytes; ours bottom first, unpadded.
    for (int r = 0; r < rows.Height; ++r)
        std::memcpy(rows.Rgb.data() + std::size_t(r) * rowBytes, image.constScanLine(rows.Height - 1 - r), rowBytes);
    return rows;
}

std::optional<PictureRows> PictureRowsFromFramebuffer(QImage image) {
    if (image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_ARGB32)
        image.reinterpretAsFormat(QImage::Format_RGB32);
    return PictureRowsFromImage(image);
}

QImage ImageFromPictureRows(const PictureRows& picture) {
    if (picture.Width <= 0 || picture.Height <= 0 ||
        picture.Rgb.size() != std::size_t(picture.Width) * std::size_t(picture.Height) * 3)
        return QImage();
    QImage image(picture.Width, picture.Height, QImage::Format_RGB888);
    if (image.isNull()) return image;
    const std::size_t rowBytes = std::size_t(picture.Width) * 3;
    for (int r = 0; r < picture.Height; ++r)
        std::memcpy(image.scanLine(picture.Height - 1 - r), picture.Rgb.data() + std::size_t(r) * rowBytes, rowBytes);
    return image;
}
