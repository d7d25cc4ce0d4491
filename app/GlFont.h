#pragma once
// The two fonts of the scene text, made when the drawing area's context is
// set up: outline glyph lists (platform/GlOutlineFont) and the same glyphs
// upright in pixels for the axes' labels and titles (render/ScreenText.h).
#include <cstdint>
#include <string>

// With a current GL context: sets the GL colour from `colour`, asks GL for 128
// list numbers, stores the first in `base` and compiles the glyphs of codes
// 0..127 of the face into them, then installs the face's pixel glyphs for
// that base. When GL has no lists (base 0) or the glyphs cannot be made,
// shows "无法创建字体。"; in the second case the lists are deleted and `base`
// keeps the number. The outline glyphs are in units of the font's em; the
// pixel glyphs are ScreenFontPixels(height) pixels to the em. Returns whether
// the font is usable.
bool CreateGLFont(std::int32_t& base, const std::string& faceName, std::int32_t height, std::int32_t weight,
                  bool italic, std::int32_t colour);

// The em of the pixel glyphs for a font height: twice its size, in device
// pixels (12 for the labels' -6, 16 for the titles' -8 on an ordinary screen).
int ScreenFontPixels(std::int32_t height);
