// The printer service writing a PDF file: one page with the picture at its
// size on the screen (15 twips a pixel), its top left corner at the corner of
// the page's printable area.
#include "platform/PictureImage.h"
#include "platform/QtPrinter.h"
#include "tests/support/PdfReading.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Blocks of colour: a picture JPEG keeps close to what it was.
PictureRows Blocks(int w, int h) {
    PictureRows p{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool left = x < w / 2, bottom = y < h / 2;
            p.Rgb.push_back(left ? 255 : 0);
            p.Rgb.push_back(bottom ? 200 : 20);
            p.Rgb.push_back(left == bottom ? 250 : 0);
        }
    return p;
}

TEST(QtPrinter, PrintsOnePageWithThePictureAtScreenSize) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("view.pdf");
    QtPrinter printer;
    printer.SetOutputFile(pdf);
    const PictureRows picture = Blocks(120, 80);
    ASSERT_TRUE(printer.PrintPicture(picture, 120 * 15, 80 * 15));

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    const PdfPrintout out = ReadPdfPrintout(bytes);
    EXPECT_EQ(out.pages, 1);
    ASSERT_EQ(out.images.size(), 1u);
    const PdfDrawnImage& drawn = out.images[0];
    // 1800 twips are 1.25 inches, 90 points; 1200 twips 60 points.
    EXPECT_NEAR(drawn.rect.width(), 90, 0.01);
    EXPECT_NEAR(drawn.rect.height(), 60, 0.01);
    // At the printable area's corner: inside the page's margins, upright.
    EXPECT_GE(drawn.rect.left(), 0);
    EXPECT_LT(drawn.rect.left(), 72);
    EXPECT_GE(drawn.rect.top(), 0);
    EXPECT_LT(drawn.rect.top(), 72);
    ASSERT_EQ(drawn.image.size(), QSize(120, 80));
    const QImage expected = ImageFromPictureRows(picture);
    // Away from the blocks' edges, where JPEG blurs the colours.
    int worst = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            if (std::abs(x - 60) < 8 || std::abs(y - 40) < 8) continue;
            const QRgb a = drawn.image.pixel(x, y), b = expected.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LT(worst, 24);
}

TEST(QtPrinter, RefusesAPictureItCannotPrint) {
    QTemporaryDir dir;
    QtPrinter printer;
    printer.SetOutputFile(dir.filePath("none.pdf"));
    EXPECT_FALSE(printer.PrintPicture(PictureRows{}, 15, 15));
    EXPECT_FALSE(printer.PrintPicture(Blocks(4, 4), 0, 60));
    // A PDF file in a folder that does not exist cannot be begun.
    printer.SetOutputFile(dir.filePath("no/such/folder/x.pdf"));
    EXPECT_FALSE(printer.PrintPicture(Blocks(4, 4), 60, 60));
}

} // namespace
