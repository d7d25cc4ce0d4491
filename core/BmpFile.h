#pragma once
// Pictures as plain pixels, and the BMP files the program writes: the saved
// view and the frames of a video recording. Every such file is 24 bits per
// pixel, rows bottom-up, uncompressed (BI_RGB), with the 14-byte file header
// and the 40-byte information header (pixels at offset 54), its image size and
// file size filled in. cDIB and the video export read these files back.
#include <cstdint>
#include <string>
#include <vector>

// Width x Height pixels, rows from the top, 3 bytes (red, green, blue) a pixel,
// rows not padded.
struct RgbPicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Pixels;

    // At least one pixel wide and high, with Width * Height * 3 pixel bytes.
    bool IsValid() const;
};

inline constexpr std::uint32_t BmpHeadersSize = 54;

// Bytes of one pixel row in the file: 3 a pixel, padded to a multiple of 4.
std::uint32_t BmpRowBytes(std::int32_t width);

// The whole file for a valid picture; std::invalid_argument for an invalid one
// or one whose pixels exceed what the 32-bit size fields hold.
std::vector<std::uint8_t> BmpFileBytes(const RgbPicture& picture);

// Writes the picture's BMP file at `path` (UTF-8). The file appears under its
// name only once it is complete, so a failure leaves an existing file of that
// name as it was. False, writing nothing, when the picture is invalid or the
// file cannot be written.
bool WriteBmpFile(const std::string& path, const RgbPicture& picture);
