#pragma once
// Colour choice as a service: a dialog's colour box asks through this
// interface; the application installs a Qt colour dialog, tests a recording
// double that answers from a script (tests/support/RecordingServices.h).
#include <cstdint>
#include <optional>

// Colours are Longs: red + 256 * green + 65536 * blue.
constexpr std::int32_t RGB(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

class ColorService {
public:
    virtual ~ColorService() = default;
    // Opens the colour dialog with no colour preselected; the chosen colour,
    // or nothing when the user cancels.
    virtual std::optional<std::int32_t> PickColor() = 0;
};

// The installed service (one that always cancels until one is installed).
ColorService& Colors();
// Installs `service` (not owned); nullptr restores the cancelling default.
void SetColorService(ColorService* service);

// A dialog's own colour dialog: it keeps the colour last confirmed with OK
// (black when made) and keeps it when the user cancels.
class CommonColorDialog {
public:
    std::int32_t Color = 0;
    // Shows the colour dialog; OK stores the chosen colour in `Color`.
    void ShowColor();
};
