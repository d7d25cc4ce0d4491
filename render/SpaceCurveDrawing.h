#pragma once
// Space curves (GraphType 1) and space-curve animations (11, at frame
// lngAnimStep): the sampled curve as line segments, then tangent lines and
// normal planes at the graph's chosen parameter values (TangentX(1..TangentNum),
// NormalX(1..NormalNum)): for a parametric Cartesian curve from the derivatives
// of the three texts by the curve parameter u; for an explicit curve (in any of
// the three coordinate systems) and a parametric cylindrical or spherical one
// from the derivative of its points as drawn by the variable it runs along, its
// normal plane lifted along the axis of that derivative's largest component.
// No result line.
#include "render/GraphDrawing.h"

#include <cstdint>

class Cls9;

void DrawSpaceCurve(const Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep);
