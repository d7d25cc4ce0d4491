#pragma once
// Text in the 3D scene and the colour helpers: the two outline fonts are
// 128 glyph lists each; a colour Long is red + 256 * green + 65536 * blue.
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

// With a current GL context: sets the GL colour from `colour`, asks GL for 128
// list numbers, stores the first in `base` and compiles the glyphs of codes
// 0..127 of the face into them. When GL has no lists (base 0) or the glyphs
// cannot be made, shows "无法创建字体。"; in the second case the lists are
// deleted and `base` keeps the number. The glyphs are in units of the font's
// em, so `height` does not size them. Returns whether the font is usable.
bool CreateGLFont(std::int32_t& base, const std::string& faceName, std::int32_t height, std::int32_t weight,
                  bool italic, std::int32_t colour);

// Draws the UTF-8 text at (x, y, z) in the current model-view frame, scaled by
// 0.7 and turned by rotation[0] degrees about (rotation[1], rotation[2],
// rotation[3]), in the given colour (or the current one), with one glyph list
// per ANSI byte of the text counted from `listBase`. The caller's matrix and
// polygon state are left as they were; the list base and the colour are not.
void DrawGLText(std::int32_t listBase, const std::string& text, float x, float y, float z,
                const std::array<float, 4>& rotation, std::optional<std::int32_t> colour = std::nullopt);
