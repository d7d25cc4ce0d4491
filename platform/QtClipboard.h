#pragma once
// The clipboard service on the application's QClipboard.
#include "core/ClipboardService.h"

class QtClipboard : public ClipboardService {
public:
    void SetText(const std::string& text) override;
    std::string GetText() override;
    // The picture as a QImage (no text goes with it).
    void SetPicture(const PictureRows& picture) override;
};
