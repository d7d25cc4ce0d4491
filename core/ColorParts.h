#pragma once
// The red, green and blue of a colour Long. A colour is red + 256 * green +
// 65536 * blue; a value with the top bit set is a system-colour code (the
// system colour's index in the low byte), which dialogs keep unchanged in the
// graphs they make and which is looked up here, never split into parts.
#include <cstdint>

struct ColorBytes {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

// The system-colour code of system colour `index` (top bit set): 6, the window
// frame, is the design colour of the point dialog's colour box, 7, the menu
// text, that of the point animation dialog's.
constexpr std::int32_t SystemColorCode(std::int32_t index) {
    return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(index));
}
inline constexpr std::int32_t WindowFrameColor = SystemColorCode(6);
inline constexpr std::int32_t MenuTextColor = SystemColorCode(7);

// True for a system-colour code (top bit set).
constexpr bool IsSystemColor(std::int32_t color) { return color < 0; }

// The parts 0..255 of a colour: a system-colour code through the fixed table
// of system colours (2 active title bar: 0, 0, 128; 6 window frame and 7 menu
// text: black; any other code: black); an ordinary colour by its three low
// bytes.
ColorBytes ColorParts(std::int32_t color);
