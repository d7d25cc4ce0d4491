#pragma once
// The texture loader: turns a picture file into an OpenGL texture. BMP, JPG
// and GIF pictures come through the picture service and are scaled to
// power-of-two sides no larger than 256; a raw "MOT" file (a little-endian
// 32-bit width and height, then the RGB rows bottom row first) is uploaded as
// stored. Needs a current GL context.
#include "core/PictureService.h"

#include <cstdint>
#include <string>
#include <vector>

class Cls15 {
public:
    // The texture name the last successful LoadGLTextures generated (0 before).
    std::uint32_t TextureName = 0;

    // Loads FileName by its last three characters, upper-cased ("BMP", "JPG",
    // "GIF" or "MOT"), generates a texture name, binds it and uploads the
    // image with linear filtering. False, with nothing generated or uploaded,
    // when no image results. The texture stays bound.
    bool LoadGLTextures(const std::string& FileName);

    // The image of FileName: pictures from Pic (the decoded picture, or
    // nullptr), raw "MOT" files read here. True when Texture1 holds an image
    // of Width x Height RGB texels. A raw file whose sides are not powers of
    // two between 1 and GL_MAX_TEXTURE_SIZE, or that holds fewer bytes than
    // its sides say, gives no image.
    bool LoadBMP(const std::string& FileName, const PictureRows* Pic, std::vector<std::uint8_t>& Texture1,
                 std::int32_t& Height, std::int32_t& Width);

    // The image of a decoded picture, scaled (FixPictureRGBA with GL_RGB).
    void CreateMapImage(const PictureRows* Pic, std::vector<std::uint8_t>& TextureImg, std::int32_t& Height,
                        std::int32_t& Width);

    // Copies the picture's rows into Data (W x h texels, three components,
    // GL_RGB) and scales them with ScaleImg. False at once when Pic is nullptr
    // or its rows do not match its sides.
    bool FixPictureRGBA(const PictureRows* Pic, std::int32_t& W, std::int32_t& h, std::int32_t& Components,
                        std::int32_t& GLFormat, std::vector<std::uint8_t>& Data);

    // The larger and the smaller of two values (b when they compare equal or
    // either is not a number). ScaleImg takes its size limit with Min.
    template <class T>
    static T Max(T a, T b) {
        return a > b ? a : b;
    }
    template <class T>
    static T Min(T a, T b) {
        return a < b ? a : b;
    }

    // Brings both sides to the next power of two, capped at the smaller of
    // 256 and GL_MAX_TEXTURE_SIZE, with gluScaleImage. True when nothing
    // needed changing or the image was scaled; False when the size limit is
    // not available, or when the scaling failed (after the message
    // "ValidateTextureSize : gluScaleImage失败"), the image then unchanged.
    bool ScaleImg(std::int32_t& ImgWidth, std::int32_t& ImgHeight, std::int32_t ImgFormat,
                  std::int32_t Components, std::vector<std::uint8_t>& Data);
};
