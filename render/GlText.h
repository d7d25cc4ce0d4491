#pragma once
// Text in the 3D scene and the colour helpers: the two outline fonts are
// 128 glyph lists each (made by the application, see app/GlFont.h); a colour
// Long is red + 256 * green + 65536 * blue. Plain GL, no Qt.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The first of the 128 glyph lists of the tick-label font and of the
// axis-title font; 0 until the fonts are made.
extern std::int32_t LabelFontBase;
extern std::int32_t TitleFontBase;

std::int32_t GetRed(std::int32_t c);
std::int32_t GetGreen(std::int32_t c);
std::int32_t GetBlue(std::int32_t c);
// Makes the colour Long the current GL colour.
void SetGLColor(std::int32_t c);

// Draws the UTF-8 text at (x, y, z) in the current model-view frame, scaled by
// 0.7 and turned by rotation[0] degrees about (rotation[1], rotation[2],
// rotation[3]), in the given colour (or the current one), with one glyph list
// per ANSI byte of the text counted from `listBase`; bytes above 127 (the
// halves of Chinese characters) have no glyph and are skipped. The caller's matrix and
// polygon state are left as they were; the list base and the colour are not.
void DrawGLText(std::int32_t listBase, const std::string& text, float x, float y, float z,
                const std::array<float, 4>& rotation, std::optional<std::int32_t> colour = std::nullopt);
