#include "platform/QtPictureReader.h"

#include <QImage>
#include <QString>

#include <cstring>
#include <new>

std::optional<PictureRows> QtPictureReader::ReadPicture(const std::string& fileName) {
    // Qt refuses pictures above its allocation limit (256 MB), so a huge
    // picture is "too large to convert" rather than a failed allocation here.
    QImage image(QString::fromStdString(fileName));
    if (image.isNull()) return std::nullopt;
    image = image.convertToFormat(QImage::Format_RGB888);
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
