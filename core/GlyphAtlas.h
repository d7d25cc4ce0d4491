#pragma once
// The glyphs of codes 0..127 of one font rasterized at a fixed pixel size,
// as the scene's upright texts are drawn from them: one coverage picture with
// a cell per code (16 cells a row, code c in column c % 16 of row c / 16) and
// the metrics that lay the texts out. Plain data: made with the platform's
// font rasterizer, drawn with plain GL.
#include <array>
#include <cstdint>
#include <vector>

struct GlyphAtlas {
    static constexpr int Codes = 128;
    static constexpr int Columns = 16;

    int width = 0, height = 0;           // the picture, powers of two
    std::vector<std::uint8_t> coverage;  // width * height bytes, top row first, 0..255
    int cellWidth = 0, cellHeight = 0;
    int originX = 0, baselineY = 0;      // the pen's place in a cell, from its left and top edges
    int ascent = 0, descent = 0;         // above and below the baseline
    int capHeight = 0;                   // height of the capitals and digits
    std::array<int, Codes> advance{};    // pen step of each code, in pixels

    bool Usable() const {
        return width > 0 && height > 0 && coverage.size() == std::size_t(width) * std::size_t(height) &&
               cellWidth > 0 && cellHeight > 0 && Columns * cellWidth <= width &&
               (Codes / Columns) * cellHeight <= height;
    }
};
