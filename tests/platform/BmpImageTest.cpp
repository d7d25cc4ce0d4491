// Our BMP files read back equal through cDIB and through Qt's own reader.
#include "core/BmpFile.h"
#include "core/cDIB.h"
#include "core/MessageService.h"
#include "platform/PictureImage.h"
#include "tests/platform/MediaTestSupport.h"
#include "tests/support/RecordingServices.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The pixels of a 24-bit bitmap's rows (bottom row first) as red, green, blue.
PictureRows FromBits(const cDIB& dib) {
    PictureRows p{dib.Width(), dib.Height(), {}};
    const std::uint32_t row = BmpRowBytes(dib.Width());
    for (int y = 0; y < dib.Height(); ++y) {
        const std::uint8_t* r = dib.PointerToBits() + static_cast<std::size_t>(y) * row;
        for (int x = 0; x < dib.Width(); ++x) {
            p.Rgb.push_back(r[3 * x + 2]);
            p.Rgb.push_back(r[3 * x + 1]);
            p.Rgb.push_back(r[3 * x]);
        }
    }
    return p;
}

TEST(BmpFile, OurFilesReadBackEqualInCdibAndQImage) {
    QTemporaryDir dir;
    RecordingMessageBox messages;
    const struct { int w, h; } sizes[] = {{1, 1}, {2, 3}, {4, 4}, {301, 7}, {640, 480}};
    int seed = 0;
    for (const auto& s : sizes) {
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        const PictureRows picture = PatternPicture(s.w, s.h, ++seed);
        const QString path = dir.filePath(QStringLiteral("p%1.bmp").arg(seed));
        ASSERT_TRUE(WriteBmpFile(path.toStdString(), picture));

        cDIB dib;
        ASSERT_TRUE(dib.CreateFromFile(path.toStdString()));
        EXPECT_EQ(dib.SizeImage(), static_cast<std::int32_t>(BmpRowBytes(s.w) * s.h));
        EXPECT_EQ(FromBits(dib).Rgb, picture.Rgb);

        QImage image(path);
        ASSERT_FALSE(image.isNull());
        const std::optional<PictureRows> read = PictureRowsFromImage(image);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->Width, s.w);
        EXPECT_EQ(read->Height, s.h);
        EXPECT_EQ(read->Rgb, picture.Rgb);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

// A captured view (32 bits a pixel, top row first) becomes bottom-first rows.
TEST(BmpFile, PictureRowsFromImageDropsAlphaAndTurnsTheRows) {
    QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgba(10, 20, 30, 255));
    image.setPixel(2, 0, qRgba(200, 100, 50, 255)); // top right
    const std::optional<PictureRows> p = PictureRowsFromImage(image);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->Rgb.size(), 18u);
    EXPECT_EQ((std::vector<std::uint8_t>(p->Rgb.end() - 3, p->Rgb.end())), (std::vector<std::uint8_t>{200, 100, 50}));
    EXPECT_EQ((std::vector<std::uint8_t>(p->Rgb.begin(), p->Rgb.begin() + 3)), (std::vector<std::uint8_t>{10, 20, 30}));
    EXPECT_FALSE(PictureRowsFromImage(QImage()));
}

// A grabbed framebuffer keeps the colours drawn where blending left partial
// alpha (colour above alpha, which is no valid premultiplied pixel).
TEST(BmpFile, PictureRowsFromFramebufferIgnoresAlpha) {
    QImage image(2, 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgba(255, 255, 255, 255));
    image.setPixel(1, 0, qRgba(237, 127, 127, 64)); // a blended edge of a red line on white
    const std::optional<PictureRows> p = PictureRowsFromFramebuffer(image);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Rgb, (std::vector<std::uint8_t>{255, 255, 255, 237, 127, 127}));
    EXPECT_FALSE(PictureRowsFromFramebuffer(QImage()));
}

} // namespace
