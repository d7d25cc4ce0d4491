// Texture loading in a real GL context: pictures made with Qt and raw files
// written here, loaded by Cls15 and read back with glGetTexImage; the cache
// of uploaded textures.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/RecordingServices.h"
#include "graph/Cls9.h"
#include "scene/Cls15.h"
#include "scene/Cls8.h"
#include "scene/TextureCache.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Texture {
    GLint width = 0;
    GLint height = 0;
    std::vector<std::uint8_t> rgb; // bottom row first
};

// The texture bound to GL_TEXTURE_2D, level 0.
Texture Bound() {
    Texture t;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &t.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &t.height);
    t.rgb.resize(std::size_t(t.width) * std::size_t(t.height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    if (!t.rgb.empty()) glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, t.rgb.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return t;
}

// The rows of a picture as the texture must hold them: bottom first, RGB.
std::vector<std::uint8_t> BottomUp(const QImage& img) {
    std::vector<std::uint8_t> out;
    for (int row = img.height() - 1; row >= 0; --row)
        for (int col = 0; col < img.width(); ++col) {
            const QRgb p = img.pixel(col, row);
            out.insert(out.end(), {std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p))});
        }
    return out;
}

class TextureLoadingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gl_.Ok()); }
    void TearDown() override {
        ReleaseTextures();
        glBindTexture(GL_TEXTURE_2D, 0);
    }

    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // A picture of w x h with a colour pattern, pure blue at its bottom left.
    QImage Picture(int w, int h) const {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x * 7) % 256, (y * 11) % 256, 90));
        img.setPixel(0, h - 1, qRgb(0, 0, 255));
        return img;
    }
    std::string Save(const QImage& img, const char* name, const char* format) const {
        const std::string path = Path(name);
        EXPECT_TRUE(img.save(QString::fromStdString(path), format)) << name;
        return path;
    }
    // A raw file: the two sides as little-endian Longs, then `bytes` bytes.
    std::string Raw(const char* name, std::int32_t w, std::int32_t h, std::size_t bytes) const {
        const std::string path = Path(name);
        std::ofstream out(path, std::ios::binary);
        for (std::int32_t v : {w, h})
            for (int k = 0; k < 4; ++k) out.put(char((std::uint32_t(v) >> (8 * k)) & 0xff));
        for (std::size_t k = 0; k < bytes; ++k) out.put(char(k * 37 % 251));
        return path;
    }

private:
    GlTestContext gl_;
    QTemporaryDir dir_;
};

TEST_F(TextureLoadingTest, PicturesBecomePowerOfTwoTexturesBottomRowFirst) {
    // A one-pixel red GIF (Qt writes no GIF).
    const unsigned char gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xff, 0, 0, 0, 0, 0,
                                 0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3b};
    const std::string gifPath = Path("red.gif");
    std::ofstream(gifPath, std::ios::binary).write(reinterpret_cast<const char*>(gif), sizeof gif);

    const QImage exact = Picture(64, 32);
    struct Case {
        std::string file;
        GLint width, height;
        bool exactBytes;
    };
    const Case cases[] = {
        {Save(Picture(300, 200), "a.bmp", "BMP"), 256, 256, false},
        {Save(exact, "b.BMP", "BMP"), 64, 32, true}, // uploaded as it is
        {Save(Picture(512, 128), "c.Jpg", "JPG"), 256, 128, false},
        {Save(Picture(1, 3), "d.bmp", "BMP"), 1, 4, false}, // one texel per row
        {gifPath, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Cls15 loader;
        ASSERT_TRUE(loader.LoadGLTextures(c.file));
        EXPECT_NE(loader.TextureName, 0u);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(GLuint(bound), loader.TextureName);
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_EQ(filter, GL_LINEAR);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
        EXPECT_EQ(filter, GL_LINEAR);
        const Texture t = Bound();
        EXPECT_EQ(t.width, c.width);
        EXPECT_EQ(t.height, c.height);
        if (c.file == gifPath) {
            EXPECT_EQ(t.rgb, (std::vector<std::uint8_t>{255, 0, 0}));
        } else if (c.exactBytes) {
            EXPECT_EQ(t.rgb, BottomUp(exact));
        }
        // The bottom-left pixel is the first texel: exactly blue when not
        // scaled, mostly blue when scaled with its neighbours.
        if (c.file != gifPath && c.file.find(".Jpg") == std::string::npos) {
            ASSERT_GE(t.rgb.size(), 3u);
            if (c.exactBytes) {
                EXPECT_EQ(t.rgb[0], 0);
                EXPECT_EQ(t.rgb[1], 0);
                EXPECT_EQ(t.rgb[2], 255);
            } else {
                EXPECT_GT(t.rgb[2], 200);
                EXPECT_LT(t.rgb[0] + t.rgb[1], 60);
            }
        }
    }
    // The loader leaves the unpack alignment as it found it.
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);

    // Names whose last three characters are none of the endings give nothing,
    // like files that do not exist or do not hold a picture.
    const std::string jpeg = Save(Picture(16, 16), "e.jpeg", "JPG");
    std::ofstream(Path("f.bmp")) << "not a picture";
    for (const std::string& name : {jpeg, Path("f.bmp"), Path("missing.gif"), std::string(" "), std::string(),
                                    std::string("ot")}) {
        SCOPED_TRACE(name);
        Cls15 loader;
        EXPECT_FALSE(loader.LoadGLTextures(name));
        EXPECT_EQ(loader.TextureName, 0u);
    }
}

TEST_F(TextureLoadingTest, RawFilesAreUploadedAsStoredAndHostileOnesRefused) {
    for (std::int32_t side : {4, 2}) {
        SCOPED_TRACE(side);
        const std::size_t bytes = std::size_t(side) * side * 3;
        const std::string path = Raw(side == 4 ? "four.mot" : "two.MOT", side, side, bytes);
        Cls15 loader;
        ASSERT_TRUE(loader.LoadGLTextures(path));
        const Texture t = Bound();
        EXPECT_EQ(t.width, side);
        EXPECT_EQ(t.height, side);
        std::vector<std::uint8_t> expected;
        for (std::size_t k = 0; k < bytes; ++k) expected.push_back(std::uint8_t(k * 37 % 251));
        EXPECT_EQ(t.rgb, expected);
    }

    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    struct Case {
        const char* what;
        std::int32_t w, h;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"zero width", 0, 4, 48},
        {"negative width", -1, 4, 48},
        {"negative height", 4, -1, 48},
        {"sides not powers of two", 3, 4, 36},
        {"fewer bytes than the sides say", 4, 4, 47},
        {"sides far beyond the file", 1 << 30, 1 << 30, 12},
        {"wider than GL allows", limit * 2, 1, std::size_t(limit) * 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cls15 loader;
        EXPECT_FALSE(loader.LoadGLTextures(Raw("hostile.mot", c.w, c.h, c.bytes)));
        EXPECT_EQ(loader.TextureName, 0u);
    }
    // A header cut short.
    std::ofstream(Path("short.mot"), std::ios::binary) << "abcde";
    EXPECT_FALSE(Cls15().LoadGLTextures(Path("short.mot")));
}

TEST_F(TextureLoadingTest, ScalingRoundsEachSideUpToAPowerOfTwoUpTo256) {
    struct Case {
        std::int32_t w, h, newW, newH;
    };
    for (const Case c : {Case{300, 200, 256, 256}, Case{100, 64, 128, 64}, Case{512, 128, 256, 128},
                         Case{64, 64, 64, 64}, Case{3, 1, 4, 1}}) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        std::vector<std::uint8_t> data(std::size_t(c.w) * c.h * 3, 200);
        std::int32_t w = c.w, h = c.h;
        EXPECT_TRUE(Cls15().ScaleImg(w, h, GL_RGB, 3, data));
        EXPECT_EQ(w, c.newW);
        EXPECT_EQ(h, c.newH);
        ASSERT_EQ(data.size(), std::size_t(c.newW) * c.newH * 3);
        EXPECT_EQ(data.front(), 200); // a plain picture stays plain
        EXPECT_EQ(data.back(), 200);
    }

    // A scaling that fails: its message, and the image unchanged.
    RecordingMessageBox box;
    std::vector<std::uint8_t> data(27, 9);
    std::int32_t w = 3, h = 3;
    EXPECT_FALSE(Cls15().ScaleImg(w, h, 0x1234, 3, data));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "ValidateTextureSize : gluScaleImage失败");
    EXPECT_EQ(box.Last().title, AppTitle);
    EXPECT_EQ(box.Last().buttons, MsgButtons::OK);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(data, std::vector<std::uint8_t>(27, 9));
}

TEST(TextureLoaderHelpers, MaxAndMinGiveTheLargerAndTheSmallerValue) {
    struct Case {
        double a, b, larger, smaller;
    };
    for (const Case c : {Case{3, 5, 5, 3}, Case{5, 3, 5, 3}, Case{-2, -7, -2, -7}, Case{4, 4, 4, 4},
                         Case{0.5, -0.25, 0.5, -0.25}, Case{256, 16384, 16384, 256}}) {
        SCOPED_TRACE(std::to_string(c.a) + ", " + std::to_string(c.b));
        EXPECT_EQ(Cls15::Max(c.a, c.b), c.larger);
        EXPECT_EQ(Cls15::Min(c.a, c.b), c.smaller);
        EXPECT_EQ(Cls15().Max(std::int32_t(c.a * 4), std::int32_t(c.b * 4)), std::int32_t(c.larger * 4));
        EXPECT_EQ(Cls15().Min(std::int32_t(c.a * 4), std::int32_t(c.b * 4)), std::int32_t(c.smaller * 4));
    }
}

TEST_F(TextureLoadingTest, SceneTexturesAreUploadedOncePerFileAndDroppedWhenUnused) {
    const std::string first = Raw("first.mot", 2, 2, 12);
    const std::string second = Raw("second.mot", 4, 4, 48);
    const auto graph = [](std::int32_t id, std::int32_t kind, bool textured, const std::string& name) {
        auto g = std::make_shared<Cls9>();
        g->ID = id;
        g->GraphType = kind;
        g->ShowTex = textured;
        g->TexName = name;
        return g;
    };
    Cls8 scene;
    auto a = graph(1, GraphType::Surface3D, true, first);
    auto b = graph(2, GraphType::RevolutionX, true, first);
    auto c = graph(3, GraphType::ColorMap, true, second);   // never textured
    auto d = graph(4, GraphType::Surface3D, false, second); // texture off
    for (const auto& g : {a, b, c, d}) scene.FunSurfs.Add(g, GraphKey(*g));

    UploadSceneTextures(scene);
    const GLuint name = CachedTextureName(first);
    EXPECT_NE(name, 0u);
    EXPECT_TRUE(glIsTexture(name));
    EXPECT_EQ(CachedTextureName(second), 0u);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    // Again: nothing new.
    UploadSceneTextures(scene);
    EXPECT_EQ(CachedTextureName(first), name);

    // A changed file name loads anew; the texture no graph uses goes.
    a->TexName = b->TexName = second;
    UploadSceneTextures(scene);
    EXPECT_EQ(CachedTextureName(first), 0u);
    EXPECT_FALSE(glIsTexture(name));
    const GLuint secondName = CachedTextureName(second);
    ASSERT_NE(secondName, 0u);
    EXPECT_TRUE(BindCachedTexture(second));
    EXPECT_EQ(Bound().width, 4);

    // A file that does not load is not cached, and is tried again next time.
    a->TexName = Path("late.mot");
    UploadSceneTextures(scene);
    EXPECT_EQ(CachedTextureName(a->TexName), 0u);
    Raw("late.mot", 2, 2, 12);
    UploadSceneTextures(scene);
    EXPECT_NE(CachedTextureName(a->TexName), 0u);

    // While a list is compiled nothing is uploaded: an uncached file gives no texture.
    const std::string third = Raw("third.mot", 2, 2, 12);
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    EXPECT_FALSE(BindCachedTexture(third));
    EXPECT_TRUE(BindCachedTexture(second));
    glEndList();
    glDeleteLists(list, 1);
    EXPECT_EQ(CachedTextureName(third), 0u);
    // Outside a list it is loaded on demand.
    EXPECT_TRUE(BindCachedTexture(third));
    EXPECT_NE(CachedTextureName(third), 0u);

    ReleaseTextures();
    EXPECT_FALSE(glIsTexture(secondName));
    EXPECT_EQ(CachedTextureName(second), 0u);
}

} // namespace
