#pragma once
// A parametric cubic spline through plane points, sampled for drawing.
#include <cstdint>
#include <span>
#include <vector>

// Fits x(s) and y(s), s the cumulative chord length, through the points
// (x[i], y[i]), i = 0..n, and samples every interval at s = 0, 0.2, 0.4, ...
// up to its chord length, followed by its end point. The samples replace the
// contents of curveX and curveY; count receives their number.
// End conditions: 0 end slopes of the parabola through the three end points,
// 1 the given slopes dx/ds and dy/ds at both ends, 2 natural (second derivative
// 0), 3 second derivative of that end parabola; any other value is taken as 2.
// A point equal to the one before it is left out; with two points, conditions 0
// and 3 give the straight segment; a single point is output alone.
// x and y must hold at least n + 1 values (error 9 otherwise).
void CubicSpline(std::int32_t n, std::int16_t endCondition, float xStartSlope,
                 float xEndSlope, float yStartSlope, float yEndSlope, std::span<const float> x,
                 std::span<const float> y, std::vector<float>& curveX,
                 std::vector<float>& curveY, std::int32_t& count);
