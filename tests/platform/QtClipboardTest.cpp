// The clipboard service on the system clipboard (the X server's, under xvfb).
#include "platform/QtClipboard.h"
#include "tests/platform/MediaTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>

TEST(QtClipboard, PlainTextComesBackAndAPictureReplacesIt) {
    QtClipboard clipboard;
    QClipboard* system = QGuiApplication::clipboard();
    const std::string text = "1 7 1 @点 甲@ 3  0 0.5";
    clipboard.SetText(text);
    EXPECT_EQ(clipboard.GetText(), text);
    ASSERT_NE(system->mimeData(), nullptr);
    EXPECT_TRUE(system->mimeData()->hasText());

    // The picture goes on as an image, with no text.
    const PictureRows picture = PatternPicture(9, 5, 3);
    clipboard.SetPicture(picture);
    EXPECT_EQ(clipboard.GetText(), "");
    ASSERT_TRUE(system->mimeData()->hasImage());
    EXPECT_FALSE(system->mimeData()->hasText());
    const QImage image = system->image().convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(image.size(), QSize(9, 5));
    // Top row of the image = last row of the picture.
    const std::uint8_t* top = image.constScanLine(0);
    const std::size_t last = std::size_t(4) * 9 * 3;
    EXPECT_TRUE(std::equal(top, top + 27, picture.Rgb.begin() + std::ptrdiff_t(last)));

    clipboard.SetText("again");
    EXPECT_EQ(clipboard.GetText(), "again");
    EXPECT_FALSE(system->mimeData()->hasImage());
}
