#pragma once
// Reading BMP, JPG and GIF pictures as a service: the texture loader asks
// through this interface; the application (and the test programs) install a
// reader made with the platform's image decoders.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A decoded picture as 24-bit rows.
struct PictureRows {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Width * Height * 3 bytes: the bottom row of the picture first, each
    // pixel red, green, blue, no padding between rows.
    std::vector<std::uint8_t> Rgb;
};

class PictureService {
public:
    virtual ~PictureService() = default;
    // The picture in the file, or nothing when the file is missing, cannot be
    // decoded or is too large to convert.
    virtual std::optional<PictureRows> ReadPicture(const std::string& fileName) = 0;
};

// The installed service (one that reads no picture until one is installed).
PictureService& Pictures();
// Installs `service` (not owned); nullptr restores the default.
void SetPictureService(PictureService* service);
