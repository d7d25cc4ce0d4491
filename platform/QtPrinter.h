#pragma once
// The printer service on Qt's printing: the default printer, or a PDF file
// when one is named (the tests print to PDF).
#include "core/PrinterService.h"

#include <QString>

class QtPrinter : public PrinterService {
public:
    // Writes the pages into this PDF file instead of the default printer
    // (an empty name: the default printer again).
    void SetOutputFile(const QString& pdfPath) { outputFile_ = pdfPath; }
    // One page; false when no printer is there or the job fails.
    bool PrintPicture(const PictureRows& picture, std::int32_t widthTwips, std::int32_t heightTwips) override;

private:
    QString outputFile_;
};
