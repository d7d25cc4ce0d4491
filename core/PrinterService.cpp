#include "core/PrinterService.h"

namespace {

class NoPrinter : public PrinterService {
public:
    bool PrintPicture(const PictureRows&, std::int32_t, std::int32_t) override { return false; }
};

NoPrinter none;
PrinterService* current = &none;

} // namespace

PrinterService& Printer() { return *current; }
void SetPrinterService(PrinterService* service) { current = service ? service : &none; }
