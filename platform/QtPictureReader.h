#pragma once
// The picture service with Qt's image decoders (BMP, JPG, GIF and whatever
// else Qt reads, chosen by the file's contents).
#include "core/PictureService.h"

class QtPictureReader : public PictureService {
public:
    std::optional<PictureRows> ReadPicture(const std::string& fileName) override;
};
