#include "core/ColorParts.h"

namespace {

// The system colours a colour box may hold by default.
struct SystemColor {
    std::int32_t index;
    ColorBytes parts;
};
constexpr SystemColor SystemColors[] = {
    {2, {0, 0, 128}}, // active title bar
    {6, {0, 0, 0}},   // window frame
    {7, {0, 0, 0}},   // menu text
};

} // namespace

ColorBytes ColorParts(std::int32_t color) {
    if (IsSystemColor(color)) {
        const std::int32_t index = color & 0xFF;
        for (const SystemColor& s : SystemColors)
            if (s.index == index) return s.parts;
        return {};
    }
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}
