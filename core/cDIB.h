#pragma once
// One device-independent bitmap as read from a BMP file: its file header, its
// information header, its bitmap information (the information header and the
// colour table, as the file's bytes from offset 14 up to the pixels) and its
// pixel bytes. The video export gives the bitmap information to the stream as
// its format and the pixel bytes as one frame.
//
// Invariants: a successful read replaces all four parts at once; the pixel
// block then holds SizeImage() bytes (a zero image-size field is computed from
// width, height and bits per pixel) and the bitmap information BitOffset() - 14
// bytes, both taken from inside the file (or the packed bitmap). A refused read
// changes nothing but, for a file that does not start with "BM", the file
// header.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class cDIB {
public:
    // Reads a BMP file (UTF-8 path). A missing, unreadable or unsupported file
    // shows its message (titled AppTitle) and gives False.
    bool CreateFromFile(const std::string& FileName);
    // Takes a packed bitmap of `size` bytes at `pDIB`: its information header,
    // the colour table or bit masks the header calls for, and SizeImage()
    // pixel bytes. The file header becomes "BM" with the pixels right after
    // the bitmap information (offset 54 when there is no table). False, with
    // the object unchanged and no message, for fewer than 16 bits per pixel,
    // an image size below 1, or a block shorter than its header says.
    bool CreateFromPackedDIBPointer(const std::uint8_t* pDIB, std::size_t size);
    // Writes the bitmap as a BMP file (UTF-8 path): a file header of "BM", the
    // file's size and the pixel offset, then the bitmap information and the
    // pixels as held (after a refused "BM" test the file header held is the
    // refused file's, not the bitmap's). The file is replaced whole,
    // and only once written; False (and no message) when it could not be, or
    // when the object holds no bitmap yet.
    bool WriteToFile(const std::string& FileName) const;

    std::int32_t BitCount() const { return info_.bitCount; }
    std::int32_t Height() const { return info_.height; }
    std::int32_t Width() const { return info_.width; }
    std::int32_t Compression() const { return info_.compression; }
    std::int32_t SizeInfoHeader() const { return info_.size; }
    std::int32_t SizeImage() const { return info_.sizeImage; }
    std::int32_t Planes() const { return info_.planes; }
    std::int32_t ClrImportant() const { return info_.clrImportant; }
    std::int32_t ClrUsed() const { return info_.clrUsed; }
    std::int32_t XPPM() const { return info_.xPelsPerMeter; }
    std::int32_t YPPM() const { return info_.yPelsPerMeter; }
    std::int32_t FileType() const { return file_.type; }
    std::int32_t SizeFileHeader() const { return file_.size; }
    std::int32_t BitOffset() const { return file_.offBits; }

    // The two byte blocks; before the first successful read they raise the
    // subscript error (9). Valid until the next successful read.
    const std::uint8_t* PointerToBits() const;
    const std::uint8_t* PointerToBitmapInfo() const;
    std::int32_t SizeBitmapInfo() const;

private:
    struct FileHeader {
        std::int16_t type = 0;
        std::int32_t size = 0;
        std::int16_t reserved1 = 0, reserved2 = 0;
        std::int32_t offBits = 0;
    };
    struct InfoHeader {
        std::int32_t size = 0, width = 0, height = 0;
        std::int16_t planes = 0, bitCount = 0;
        std::int32_t compression = 0, sizeImage = 0, xPelsPerMeter = 0, yPelsPerMeter = 0, clrUsed = 0,
                     clrImportant = 0;
    };
    static InfoHeader ReadInfoHeader(const std::uint8_t* p);

    FileHeader file_;
    InfoHeader info_;
    std::vector<std::uint8_t> bitmapInfo_;
    std::vector<std::uint8_t> bits_;
};
