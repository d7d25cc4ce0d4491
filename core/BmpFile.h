#pragma once
// The BMP files the program writes: the saved view and the frames of a video
// recording. Every such file is 24 bits per pixel, rows bottom-up,
// uncompressed (BI_RGB), with the 14-byte file header and the 40-byte
// information header (pixels at offset 54), its image size and file size
// filled in. cDIB and the video export read these files back.
#include "core/PictureService.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::uint32_t BmpHeadersSize = 54;

// Bytes of one pixel row in the file: 3 a pixel, padded to a multiple of 4.
std::uint32_t BmpRowBytes(std::int32_t width);

// The whole file of a picture at least one pixel wide and high with
// Width * Height * 3 bytes; std::invalid_argument for another, or for one
// whose pixels exceed what the 32-bit size fields hold.
std::vector<std::uint8_t> BmpFileBytes(const PictureRows& picture);

// Writes the picture's BMP file at `path` (UTF-8). The file appears under its
// name only once it is complete, so a failure leaves an existing file of that
// name as it was. False, writing nothing, when the picture is not one
// BmpFileBytes takes or the file cannot be written.
bool WriteBmpFile(const std::string& path, const PictureRows& picture);
