#pragma once
// The plane table branch of Cls9::Draw (GraphType 4): the table's points
// VertTab3D(0, 0..StepV) drawn as a polyline (Show2DLine, LineColor and
// LineWidth), a smooth curve fitted through them (ShowSmoothCurve,
// SmoothCurveColor and SmoothCurveWidth) and a marker at each (Show2DScatter,
// ScatterColor, ScatterSize, Symbol), in that order, so the markers lie over
// both lines. No result line.
//
// The points are the values the user typed: they are never tested for the
// undefined marker and never changed (an empty element of the table is made
// at the origin when read, as GetBox does). Every vertex is divided by
// Scale2D; one that is not finite as a 32-bit float is left out. The fitted
// curve is the parametric cubic spline through the points in drawing units
// with zero end slopes, repeated points left out; a fit that would need more
// than MaxFittedCurvePoints points (only from a scale far from the table's
// own) is left out.
//
// GL state: filled polygons, no texture, the line state of plane graphs;
// ends with EndLineState (lighting on) whatever is shown.
#include "render/GraphDrawing.h"

#include <cstdint>

class Cls9;

inline constexpr std::int64_t MaxFittedCurvePoints = 1'000'000;

void DrawPlaneTable(Cls9& graph, const GraphDrawing& work);
