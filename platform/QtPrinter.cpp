#include "platform/QtPrinter.h"

#include "platform/PictureImage.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool QtPrinter::PrintPicture(const PictureRows& picture, std::int32_t widthTwips, std::int32_t heightTwips) {
    const QImage image = ImageFromPictureRows(picture);
    if (image.isNull() || widthTwips <= 0 || heightTwips <= 0) return false;
    QPrinter printer(QPrinter::HighResolution);
    if (!outputFile_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile_);
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // Twips to the printer's dots; the origin is the page's printable corner.
    const double dotsPerTwip = double(printer.resolution()) / TwipsPerInch;
    painter.drawImage(QRectF(0, 0, widthTwips * dotsPerTwip, heightTwips * dotsPerTwip), image);
    return painter.end();
}
