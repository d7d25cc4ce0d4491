#include "scene/Cls15.h"

#include "core/Globals.h"
#include "core/MessageService.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <new>

namespace {

// The last three characters of a file name, upper-cased ("" when shorter).
std::string FileEnding(const std::string& fileName) {
    if (fileName.size() < 3) return std::string();
    std::string ending = fileName.substr(fileName.size() - 3);
    for (char& c : ending) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ending;
}

bool IsPictureEnding(const std::string& ending) { return ending == "BMP" || ending == "JPG" || ending == "GIF"; }

bool IsPowerOfTwo(std::int64_t n) { return n > 0 && (n & (n - 1)) == 0; }

// The smallest power of two not below n (n >= 1).
std::int32_t PowerOfTwoAbove(std::int32_t n) {
    std::int32_t p = 1;
    while (p < n) p *= 2;
    return p;
}

GLint MaxTextureSize() {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size;
}

// Sets the pixel pack and unpack alignment to 1 while it lives: image rows
// here are packed, and rows of 1 or 2 RGB texels are not multiples of 4.
class PackedRows {
public:
    PackedRows() {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack_);
        glGetIntegerv(GL_PACK_ALIGNMENT, &pack_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
    }
    ~PackedRows() {
        glPixelStorei(GL_UNPACK_ALIGNMENT, unpack_);
        glPixelStorei(GL_PACK_ALIGNMENT, pack_);
    }
    PackedRows(const PackedRows&) = delete;
    PackedRows& operator=(const PackedRows&) = delete;

private:
    GLint unpack_ = 4;
    GLint pack_ = 4;
};

std::int32_t ReadLong(std::istream& in) {
    unsigned char b[4] = {0, 0, 0, 0};
    in.read(reinterpret_cast<char*>(b), 4);
    const std::uint32_t v = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                            std::uint32_t(b[3]) << 24;
    return static_cast<std::int32_t>(v);
}

// A raw image: width, height, then the rows. Sides that OpenGL 1.1 would
// refuse, or more bytes than the file holds, give no image.
bool ReadRawImage(const std::string& fileName, std::vector<std::uint8_t>& image, std::int32_t& height,
                  std::int32_t& width) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    const std::int32_t w = ReadLong(in);
    const std::int32_t h = ReadLong(in);
    if (!in) return false;
    const GLint limit = MaxTextureSize();
    if (!IsPowerOfTwo(w) || !IsPowerOfTwo(h) || w > limit || h > limit) return false;
    const std::int64_t bytes = std::int64_t(w) * h * 3;
    const std::streamoff start = in.tellg();
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (start < 0 || end < 0 || end - start < bytes) return false;
    in.seekg(start);
    try {
        image.assign(static_cast<std::size_t>(bytes), 0);
    } catch (const std::bad_alloc&) {
        image.clear();
        return false;
    }
    in.read(reinterpret_cast<char*>(image.data()), bytes);
    if (!in) {
        image.clear();
        return false;
    }
    width = w;
    height = h;
    return true;
}

} // namespace

bool Cls15::LoadGLTextures(const std::string& FileName) {
    std::optional<PictureRows> picture;
    if (IsPictureEnding(FileEnding(FileName))) picture = Pictures().ReadPicture(FileName);
    std::vector<std::uint8_t> image;
    std::int32_t height = 0;
    std::int32_t width = 0;
    if (!LoadBMP(FileName, picture ? &*picture : nullptr, image, height, width)) return false;

    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    {
        PackedRows packed;
        glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    TextureName = name;
    return true;
}

bool Cls15::LoadBMP(const std::string& FileName, const PictureRows* Pic, std::vector<std::uint8_t>& Texture1,
                    std::int32_t& Height, std::int32_t& Width) {
    Texture1.clear();
    const std::string ending = FileEnding(FileName);
    if (IsPictureEnding(ending))
        CreateMapImage(Pic, Texture1, Height, Width);
    else if (ending == "MOT")
        ReadRawImage(FileName, Texture1, Height, Width);
    return !Texture1.empty();
}

void Cls15::CreateMapImage(const PictureRows* Pic, std::vector<std::uint8_t>& TextureImg, std::int32_t& Height,
                           std::int32_t& Width) {
    std::int32_t components = 0;
    std::int32_t format = 0;
    FixPictureRGBA(Pic, Width, Height, components, format, TextureImg);
}

bool Cls15::FixPictureRGBA(const PictureRows* Pic, std::int32_t& W, std::int32_t& h, std::int32_t& Components,
                           std::int32_t& GLFormat, std::vector<std::uint8_t>& Data) {
    if (Pic == nullptr) return false;
    if (Pic->Width <= 0 || Pic->Height <= 0 ||
        Pic->Rgb.size() != std::size_t(Pic->Width) * std::size_t(Pic->Height) * 3)
        return false;
    GLFormat = GL_RGB;
    Components = 3;
    W = Pic->Width;
    h = Pic->Height;
    try {
        Data = Pic->Rgb;
    } catch (const std::bad_alloc&) {
        Data.clear();
        return false;
    }
    ScaleImg(W, h, GLFormat, Components, Data);
    return true;
}

bool Cls15::ScaleImg(std::int32_t& ImgWidth, std::int32_t& ImgHeight, std::int32_t ImgFormat,
                     std::int32_t Components, std::vector<std::uint8_t>& Data) {
    const GLint maxSize = MaxTextureSize();
    if (maxSize <= 0 || ImgWidth <= 0 || ImgHeight <= 0) return false;
    if (Data.size() < std::size_t(ImgWidth) * std::size_t(ImgHeight) * std::size_t(Components)) return false;
    const std::int32_t limit = Min<std::int32_t>(256, maxSize);
    const std::int32_t newWidth = PowerOfTwoAbove(std::min(ImgWidth, limit));
    const std::int32_t newHeight = PowerOfTwoAbove(std::min(ImgHeight, limit));
    if (newWidth == ImgWidth && newHeight == ImgHeight) return true;

    std::vector<std::uint8_t> scaled(std::size_t(newWidth) * std::size_t(newHeight) * std::size_t(Components));
    GLint failed = 0;
    {
        PackedRows packed;
        failed = gluScaleImage(GLenum(ImgFormat), ImgWidth, ImgHeight, GL_UNSIGNED_BYTE, Data.data(), newWidth,
                               newHeight, GL_UNSIGNED_BYTE, scaled.data());
    }
    if (failed != 0) {
        MsgBox("ValidateTextureSize : gluScaleImage失败", MsgIcon::None, AppTitle, MsgButtons::OK);
        return false;
    }
    ImgWidth = newWidth;
    ImgHeight = newHeight;
    Data = std::move(scaled);
    return true;
}
