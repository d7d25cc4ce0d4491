#pragma once
// The two outline fonts of the scene text, made when the drawing area's
// context is set up (the glyph outlines come from platform/GlOutlineFont).
#include <cstdint>
#include <string>

// With a current GL context: sets the GL colour from `colour`, asks GL for 128
// list numbers, stores the first in `base` and compiles the glyphs of codes
// 0..127 of the face into them. When GL has no lists (base 0) or the glyphs
// cannot be made, shows "无法创建字体。"; in the second case the lists are
// deleted and `base` keeps the number. The glyphs are in units of the font's
// em, so `height` does not size them. Returns whether the font is usable.
bool CreateGLFont(std::int32_t& base, const std::string& faceName, std::int32_t height, std::int32_t weight,
                  bool italic, std::int32_t colour);
