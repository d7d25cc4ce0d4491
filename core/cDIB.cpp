#include "core/cDIB.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/LittleEndian.h"
#include "core/MessageService.h"
#include "core/ReplacementFile.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

const std::string NotFoundText = "不见不存在： ";
const std::string LockedText = "文件被锁:";
const std::string UnsupportedText = "不支持该文件定义的位图格式:";

constexpr std::int16_t BmType = 0x4D42; // "BM"
constexpr std::int64_t FileHeaderSize = 14;
constexpr std::int64_t HeadersSize = 54;
constexpr std::int32_t BiRgb = 0, BiBitfields = 3;

std::int16_t Get16(const std::uint8_t* p) { return static_cast<std::int16_t>(p[0] | p[1] << 8); }
std::int32_t Get32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                     static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

// The file length can be read: an existing regular file (a pipe or a device
// could block the read or never end).
bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

    // Exactly `size` bytes at `offset`, or false.
    bool ReadAt(std::int64_t offset, std::uint8_t* out, std::int64_t size) const {
        while (size > 0) {
            const ssize_t n = ::pread(fd_, out, static_cast<std::size_t>(size), offset);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            out += n;
            offset += n;
            size -= n;
        }
        return true;
    }

private:
    int fd_;
};

void Refuse(const std::string& text, const std::string& name, MsgIcon icon) {
    MsgBox(text + CrLf + name, icon, AppTitle);
}

} // namespace

// The 40-byte bitmap information header at p, little-endian.
cDIB::InfoHeader cDIB::ReadInfoHeader(const std::uint8_t* p) {
    InfoHeader ih;
    ih.size = Get32(p);
    ih.width = Get32(p + 4);
    ih.height = Get32(p + 8);
    ih.planes = Get16(p + 12);
    ih.bitCount = Get16(p + 14);
    ih.compression = Get32(p + 16);
    ih.sizeImage = Get32(p + 20);
    ih.xPelsPerMeter = Get32(p + 24);
    ih.yPelsPerMeter = Get32(p + 28);
    ih.clrUsed = Get32(p + 32);
    ih.clrImportant = Get32(p + 36);
    return ih;
}

bool cDIB::CreateFromFile(const std::string& FileName) {
    if (!FileExists(FileName)) {
        Refuse(NotFoundText, FileName, MsgIcon::Critical);
        return false;
    }
    FileHandle f(::open(FileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (f.get() < 0) {
        const int err = errno;
        if (err == EACCES || err == EPERM)
            Refuse(LockedText, FileName, MsgIcon::Critical);
        else
            MsgBox(std::generic_category().message(err), MsgIcon::Information, AppTitle);
        return false;
    }
    struct stat st {};
    const std::int64_t fileSize = ::fstat(f.get(), &st) == 0 ? static_cast<std::int64_t>(st.st_size) : 0;
    auto unsupported = [&] {
        Refuse(UnsupportedText, FileName, MsgIcon::Information);
        return false;
    };

    std::uint8_t head[HeadersSize];
    if (fileSize < FileHeaderSize || !f.ReadAt(0, head, FileHeaderSize)) return unsupported();
    FileHeader fh;
    fh.type = Get16(head);
    fh.size = Get32(head + 2);
    fh.reserved1 = Get16(head + 6);
    fh.reserved2 = Get16(head + 8);
    fh.offBits = Get32(head + 10);
    if (fh.type != BmType) {
        // The rejected file's header is kept; the bitmap stays.
        file_ = fh;
        return unsupported();
    }

    // Never read past the file: the headers, the bitmap information and the
    // pixels must all lie inside it.
    if (fileSize < HeadersSize || !f.ReadAt(FileHeaderSize, head + FileHeaderSize, HeadersSize - FileHeaderSize))
        return unsupported();
    const std::uint8_t* p = head + FileHeaderSize;
    InfoHeader ih = ReadInfoHeader(p);
    if (ih.width <= 0 || ih.height <= 0 || fh.offBits < HeadersSize) return unsupported();

    std::int64_t imageSize = static_cast<std::uint32_t>(ih.sizeImage);
    if (imageSize == 0) {
        // Allowed for uncompressed bitmaps: rows of whole 32-bit words.
        if (ih.compression != BiRgb && ih.compression != BiBitfields) return unsupported();
        const std::int64_t bits = ih.bitCount;
        const std::int64_t rowBytes = (static_cast<std::int64_t>(ih.width) * bits + 31) / 32 * 4;
        if (rowBytes <= 0 || ih.height > fileSize / rowBytes) return unsupported();
        imageSize = rowBytes * ih.height;
    }
    const std::int64_t offset = fh.offBits;
    if (imageSize <= 0 || imageSize > fileSize || imageSize > INT32_MAX || offset > fileSize - imageSize) return unsupported();

    std::vector<std::uint8_t> info(static_cast<std::size_t>(offset - FileHeaderSize));
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(imageSize));
    if (!f.ReadAt(FileHeaderSize, info.data(), static_cast<std::int64_t>(info.size())) ||
        !f.ReadAt(offset, bits.data(), imageSize))
        return unsupported();

    ih.sizeImage = static_cast<std::int32_t>(imageSize);
    file_ = fh;
    info_ = ih;
    bitmapInfo_ = std::move(info);
    bits_ = std::move(bits);
    return true;
}

bool cDIB::CreateFromPackedDIBPointer(const std::uint8_t* pDIB, std::size_t size) {
    constexpr std::size_t InfoHeaderSize = HeadersSize - FileHeaderSize;
    if (pDIB == nullptr || size < InfoHeaderSize) return false;
    const std::uint8_t* p = pDIB;
    InfoHeader ih = ReadInfoHeader(p);
    if (ih.bitCount < 16 || ih.sizeImage < 1) return false;

    // The pixels follow the header, the three masks of a bit-field bitmap
    // with the short header, and the colours listed as used.
    if (ih.size < static_cast<std::int32_t>(InfoHeaderSize) || ih.clrUsed < 0) return false;
    std::uint64_t infoSize = static_cast<std::uint64_t>(ih.size);
    if (ih.compression == BiBitfields && ih.size == static_cast<std::int32_t>(InfoHeaderSize)) infoSize += 12;
    infoSize += 4 * static_cast<std::uint64_t>(ih.clrUsed);
    const std::uint64_t imageSize = static_cast<std::uint64_t>(ih.sizeImage);
    if (infoSize + imageSize > size || FileHeaderSize + infoSize + imageSize > INT32_MAX) return false;

    FileHeader fh;
    fh.type = BmType;
    fh.offBits = static_cast<std::int32_t>(FileHeaderSize + infoSize);
    fh.size = static_cast<std::int32_t>(FileHeaderSize + infoSize + imageSize);
    file_ = fh;
    info_ = ih;
    bitmapInfo_.assign(pDIB, pDIB + infoSize);
    bits_.assign(pDIB + infoSize, pDIB + infoSize + imageSize);
    return true;
}

bool cDIB::WriteToFile(const std::string& FileName) const {
    if (bitmapInfo_.empty() || bits_.empty()) return false;
    // The file header of the file written (the one held may be a refused
    // file's, or name a size other than the bitmap's); its reserved fields 0.
    const std::size_t offset = static_cast<std::size_t>(FileHeaderSize) + bitmapInfo_.size();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(FileHeaderSize), 0);
    Put16(bytes, 0, static_cast<std::uint16_t>(BmType));
    Put32(bytes, 2, static_cast<std::uint32_t>(offset + bits_.size()));
    Put32(bytes, 10, static_cast<std::uint32_t>(offset));
    bytes.reserve(offset + bits_.size());
    bytes.insert(bytes.end(), bitmapInfo_.begin(), bitmapInfo_.end());
    bytes.insert(bytes.end(), bits_.begin(), bits_.end());
    return ReplaceFileContents(FileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

const std::uint8_t* cDIB::PointerToBits() const {
    if (bits_.empty()) RaiseSubscriptError();
    return bits_.data();
}

const std::uint8_t* cDIB::PointerToBitmapInfo() const {
    if (bitmapInfo_.empty()) RaiseSubscriptError();
    return bitmapInfo_.data();
}

std::int32_t cDIB::SizeBitmapInfo() const {
    if (bitmapInfo_.empty()) RaiseSubscriptError();
    return static_cast<std::int32_t>(bitmapInfo_.size());
}
