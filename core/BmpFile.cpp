#include "core/BmpFile.h"

#include "core/LittleEndian.h"
#include "core/ReplacementFile.h"

#include <limits>
#include <stdexcept>

namespace {

bool IsPicture(const PictureRows& p) {
    return p.Width > 0 && p.Height > 0 &&
           p.Rgb.size() == static_cast<std::uint64_t>(p.Width) * static_cast<std::uint64_t>(p.Height) * 3;
}

} // namespace

std::uint32_t BmpRowBytes(std::int32_t width) {
    return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
}

std::vector<std::uint8_t> BmpFileBytes(const PictureRows& picture) {
    if (!IsPicture(picture)) throw std::invalid_argument("not a picture of at least one pixel");
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(picture.Width) * 3 + 3) & ~std::uint64_t{3};
    const std::uint64_t imageSize = rowBytes * static_cast<std::uint64_t>(picture.Height);
    if (imageSize + BmpHeadersSize > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("picture too large for a BMP file");

    std::vector<std::uint8_t> out(BmpHeadersSize + imageSize, 0);
    // File header.
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(out.size()));
    Put32(out, 10, BmpHeadersSize);
    // Information header; resolution, colours used and important stay 0.
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<std::uint32_t>(picture.Width));
    Put32(out, 22, static_cast<std::uint32_t>(picture.Height));
    Put16(out, 26, 1);
    Put16(out, 28, 24);
    Put32(out, 30, 0); // BI_RGB
    Put32(out, 34, static_cast<std::uint32_t>(imageSize));

    // Pixels: blue, green, red; the bottom row first, as the picture has them.
    const std::size_t width = static_cast<std::size_t>(picture.Width);
    const std::size_t height = static_cast<std::size_t>(picture.Height);
    for (std::size_t row = 0; row < height; ++row) {
        const std::uint8_t* src = picture.Rgb.data() + row * width * 3;
        std::uint8_t* dst = out.data() + BmpHeadersSize + row * rowBytes;
        for (std::size_t x = 0; x < width; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return out;
}

bool WriteBmpFile(const std::string& path, const PictureRows& picture) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = BmpFileBytes(picture);
    } catch (const std::exception&) {
        return false;
    }
    return ReplaceFileContents(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
