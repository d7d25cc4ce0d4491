#pragma once
// GL state shared by the drawing of graphs and of the plane coordinate system.
#include "render/GraphDrawing.h"

#include <cstdint>

// The line state of graph drawing: lighting off, smoothed lines blended by
// their alpha with the nicest smoothing. EndLineState turns lighting back on
// and smoothing and blending off; the line width is left as it is.
void BeginLineState();
void EndLineState();

// The point state of point clouds: lighting off, smoothed points blended by
// their alpha with the nicest smoothing. EndPointState turns lighting back on
// and smoothing and blending off; the point size is left as it is.
void BeginPointState();
void EndPointState();

// Lines that are neither smoothed nor blended, as the plane grid, the
// background's frame and the axis ticks are drawn.
void PlainLineState();

// The state plane pictures take for granted and the drawing of other kinds
// may leave behind (in the same list or the previous build): filled polygons
// and no texture.
void PlanePolygonState();

// glLineWidth for a stored width. A width GL refuses (0 or below, only from a
// document) draws as 1, so that the picture never takes a width left over
// from whatever was drawn before.
void SetLineWidth(double width);

// The current colour from a colour triple or a colour Long (glColor3d).
void SetColor(const ColorTriple& rgb);
void SetColor(std::int32_t lngColor);

// Most lines one pass over axis ticks, grid lines or the like draws: a count
// from a document can be huge, and every redraw would freeze on it.
inline constexpr std::int64_t MaxLinesPerPass = 10'000;
