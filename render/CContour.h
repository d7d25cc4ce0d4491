#pragma once
// Level lines of a grid of heights, drawn as GL line segments in one plane
// (the contour plot and the contour view under surfaces and colour maps).
//
// Grid geometry: node (i, j), row i = 1..m and column j = 1..n, stands at
// X = x0 + j*DX, Y = y0 + i*DY; columns run along X, rows along Y. In a space
// document (DocumentKind 3) X goes to GL x, Y to GL z and the lines lie at GL
// height z + 0.1; in a special-graph document (7) X, Y go to GL x, y at GL
// depth z; in any other document nothing is drawn.
#include <cstddef>
#include <cstdint>
#include <vector>

// Heights of a grid, rows 1..Rows() and columns 1..Columns(); an index outside
// raises the subscript error (9).
class ContourGrid {
public:
    ContourGrid() = default;
    // A grid of rows x columns heights, all 0 (an empty grid for counts below 1).
    ContourGrid(std::int32_t rows, std::int32_t columns);

    std::int32_t Rows() const { return rows_; }
    std::int32_t Columns() const { return columns_; }
    float& operator()(std::int32_t i, std::int32_t j);
    float operator()(std::int32_t i, std::int32_t j) const;

private:
    std::size_t Index(std::int32_t i, std::int32_t j) const;

    std::int32_t rows_ = 0;
    std::int32_t columns_ = 0;
    std::vector<float> values_; // row-major
};

class CContour {
public:
    // Draws the level lines of the first m rows and n columns of S0 (no more
    // than the grid holds) at lngLevel equal steps from the lowest to the
    // highest defined height. UndefinedValue (and any non-finite height) is a
    // hole: its edges have no crossing and lines end there. Lighting is off and
    // line smoothing and blending on while drawing; afterwards lighting is on
    // and smoothing and blending are off, whatever was drawn. fstFillStyle 4
    // draws every level in lngSecondColor; any other style grades the levels
    // from lngSecondColor (lowest) to lngFirstColor (highest).
    void Contour(std::int32_t m, std::int32_t n, float DX, float DY, const ContourGrid& S0, float x0, float y0,
                 float z, std::int32_t lngLevel, std::int32_t fstFillStyle, std::int32_t lngFirstColor,
                 std::int32_t lngSecondColor, std::int32_t lngLineWidth);
};
