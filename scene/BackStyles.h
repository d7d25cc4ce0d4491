#pragma once
// The shading of the plane background's styles (Cls3::BackStyle 1..19), shared
// by its drawing and the pictures of the plane axes dialog. 'P' stands for the
// first colour (BackColor), 'Q' for the second (BackColor2), 'M' for their mean.
#include <cstdint>

inline constexpr std::int32_t BackStyleCount = 19;

// The four-triangle styles (bottom, left, top, right triangles meeting at the
// centre): the colours of the bottom-left, bottom-right, top-left and
// top-right corners and of the centre, as five letters ("PPQQM"). nullptr for
// the band styles and for values outside 1..19.
const char* BackStyleCorners(std::int32_t style);

// The band styles: two quads meeting at the horizontal (4, 5) or vertical
// (8, 9) middle line, the first colour along that line (4, 8) or along the two
// outer edges (5, 9).
bool BackStyleBands(std::int32_t style);

// The share of the second colour (0..1) at (u, v) of the background rectangle,
// u and v running 0..1 from its bottom-left corner, as the drawing's colour
// interpolation gives it; 0 for values outside 1..19.
double BackStyleMix(std::int32_t style, double u, double v);
