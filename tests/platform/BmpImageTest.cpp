// Our BMP files read back equal through cDIB and through Qt's own reader.
#include "core/BmpFile.h"
#include "core/MessageService.h"
#include "tests/support/RecordingServices.h"
#include "core/cDIB.h"
#include "platform/PictureImage.h"
#include "tests/platform/MediaTestSupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The pixels of a 24-bit bottom-up bitmap's rows, top row first, as red, green, blue.
RgbPicture FromBits(const cDIB& dib) {
    RgbPicture p{dib.Width(), dib.Height(), {}};
    const std::uint32_t row = BmpRowBytes(dib.Width());
    for (int y = dib.Height() - 1; y >= 0; --y) {
        const std::uint8_t* r = dib.PointerToBits() + static_cast<std::size_t>(y) * row;
        for (int x = 0; x < dib.Width(); ++x) {
            p.Pixels.push_back(r[3 * x + 2]);
            p.Pixels.push_back(r[3 * x + 1]);
            p.Pixels.push_back(r[3 * x]);
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
        const RgbPicture picture = PatternPicture(s.w, s.h, ++seed);
        const QString path = dir.filePath(QStringLiteral("p%1.bmp").arg(seed));
        ASSERT_TRUE(WriteBmpFile(path.toStdString(), picture));

        cDIB dib;
        ASSERT_TRUE(dib.CreateFromFile(path.toStdString()));
        EXPECT_EQ(dib.SizeImage(), static_cast<std::int32_t>(BmpRowBytes(s.w) * s.h));
        EXPECT_EQ(FromBits(dib).Pixels, picture.Pixels);

        QImage image(path);
        ASSERT_FALSE(image.isNull());
        const RgbPicture read = PictureFromImage(image);
        EXPECT_EQ(read.Width, s.w);
        EXPECT_EQ(read.Height, s.h);
        EXPECT_EQ(read.Pixels, picture.Pixels);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(BmpFile, PictureFromImageDropsAlphaAndKeepsRows) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 40));
    image.setPixel(2, 1, qRgba(200, 100, 50, 255));
    const RgbPicture p = PictureFromImage(image);
    ASSERT_TRUE(p.IsValid());
    EXPECT_EQ((std::vector<std::uint8_t>(p.Pixels.end() - 3, p.Pixels.end())),
              (std::vector<std::uint8_t>{200, 100, 50}));
    EXPECT_FALSE(PictureFromImage(QImage()).IsValid());
}

} // namespace
