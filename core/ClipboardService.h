#pragma once
// The system clipboard as a service: Copy, Copy as bitmap and Paste ask
// through this interface; the application installs the Qt clipboard, tests a
// recording double.
#include "core/PictureService.h"

#include <string>

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // Puts `text` (UTF-8) on the clipboard as plain text.
    virtual void SetText(const std::string& text) = 0;
    // The clipboard's plain text; empty when it holds none.
    virtual std::string GetText() = 0;
    // Empties the clipboard and puts the picture on it as an image, no text.
    virtual void SetPicture(const PictureRows& picture) = 0;
};

// The installed service (a clipboard that holds nothing until one is
// installed).
ClipboardService& Clipboard();
// Installs `service` (not owned); nullptr restores the default.
void SetClipboardService(ClipboardService* service);
