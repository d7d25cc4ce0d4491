// The picture service made with Qt's decoders: rows bottom first, RGB, no
// padding; files that hold no picture give nothing.
#include "platform/QtPictureReader.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(QtPictureReader, RowsComeBottomFirstAsUnpaddedRgb) {
    QTemporaryDir dir;
    // Three pixels wide: Qt's rows are padded to 12 bytes, ours are 9.
    QImage img(3, 2, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(1, 2, 3));
    img.setPixel(1, 0, qRgb(4, 5, 6));
    img.setPixel(2, 0, qRgb(7, 8, 9));
    img.setPixel(0, 1, qRgb(0, 0, 255)); // bottom left
    img.setPixel(1, 1, qRgb(10, 11, 12));
    img.setPixel(2, 1, qRgb(13, 14, 15));
    const std::string bmp = dir.filePath("three.bmp").toStdString();
    ASSERT_TRUE(img.save(QString::fromStdString(bmp), "BMP"));

    QtPictureReader reader;
    const auto rows = reader.ReadPicture(bmp);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->Width, 3);
    EXPECT_EQ(rows->Height, 2);
    EXPECT_EQ(rows->Rgb, (std::vector<std::uint8_t>{0, 0, 255, 10, 11, 12, 13, 14, 15, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

    // A JPEG is decoded by its contents whatever its name.
    const std::string jpg = dir.filePath("photo.bin").toStdString();
    ASSERT_TRUE(QImage(5, 7, QImage::Format_RGB32).save(QString::fromStdString(jpg), "JPG"));
    const auto photo = reader.ReadPicture(jpg);
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->Rgb.size(), 5u * 7 * 3);

    const std::string text = dir.filePath("text.bmp").toStdString();
    std::ofstream(text) << "no picture";
    EXPECT_FALSE(reader.ReadPicture(text));
    EXPECT_FALSE(reader.ReadPicture(dir.filePath("missing.gif").toStdString()));
    EXPECT_FALSE(reader.ReadPicture(""));
}

} // namespace
