#pragma once
// What the derivative-based analyses of plane functions share (derivative
// graph, extrema, arc length, tangents and normals, inflection points, circles
// of curvature): where each computes a true value, evaluation at a position
// of the graph's variable, and the position lists.
#include "core/Globals.h"
#include "render/GraphDrawing.h"

#include <cstdint>
#include <string>

class Cls9;

// Only plane functions (GraphType 0) carry derivative samples and run these
// analyses; each further runs only for the forms where it computes a true
// value. An option set for another form stays stored and draws nothing.
bool HasDerivativeAnalyses(const Cls9& g);
// Extrema and inflection points: explicit Cartesian graphs.
bool ExtremaApply(const Cls9& g);
// Arc length: explicit graphs, Cartesian and polar.
bool ArcLengthApplies(const Cls9& g);
// Tangents and normals: every form but parametric polar.
bool TangentsApply(const Cls9& g);
// Circles of curvature: Cartesian graphs, explicit and parametric.
bool CurvatureApplies(const Cls9& g);

// The value of a text compiled by the call's Cls6 at position p of the
// graph's variable (X for an explicit Cartesian graph, A for an explicit polar
// one, U for a parametric graph), with `second` bound beside it (to Y, or to V
// for a parametric graph), in radians, every other variable 0. UndefinedValue
// where the text has no value there; nothing is raised.
float EvaluateAt(GraphDrawing& work, const Cls9& g, const std::string& postfix, double p, double second = 0);

inline bool Defined(float value) { return value != UndefinedValue; }

// The divisor of a slope dy/dx: exactly 0 (a vertical tangent) becomes
// 0.0000001, so the slope is steep instead of a division by zero.
inline double SlopeDivisor(double d) { return d == 0 ? 0.0000001 : d; }

// The value as a 32-bit float into `out`; false when it is not finite there.
bool FiniteSingle(double value, float& out);

// The positions of a list that are used: entries 1..count, at most the list's
// 50 (a count from a document may be larger).
std::int32_t PositionCount(std::int32_t count);
