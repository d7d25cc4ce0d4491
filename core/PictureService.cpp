#include "core/PictureService.h"

namespace {

class NoPictures : public PictureService {
public:
    std::optional<PictureRows> ReadPicture(const std::string&) override { return std::nullopt; }
};

NoPictures none;
PictureService* current = &none;

} // namespace

PictureService& Pictures() { return *current; }
void SetPictureService(PictureService* service) { current = service ? service : &none; }
