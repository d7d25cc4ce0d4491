#pragma once
// Printing a picture as a service: Print hands the captured view to it; the
// application installs the platform's printer, tests a recording double or
// the platform's printer writing a PDF file.
#include "core/PictureService.h"

#include <cstdint>

// One inch is 1440 twips; the screen shows 15 twips a pixel.
inline constexpr std::int32_t TwipsPerInch = 1440;

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Prints the picture as one page on the default printer, its top left
    // corner at the page's origin, widthTwips by heightTwips large. False
    // when there is no printer or the printing failed.
    virtual bool PrintPicture(const PictureRows& picture, std::int32_t widthTwips, std::int32_t heightTwips) = 0;
};

// The installed service (one that prints nothing until one is installed).
PrinterService& Printer();
// Installs `service` (not owned); nullptr restores the default.
void SetPrinterService(PrinterService* service);
