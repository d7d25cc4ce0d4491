#pragma once
// Pieces that the samplers of space graphs and of animations share: the point
// of three texts in Cartesian, cylindrical or spherical coordinates, and the
// explicit space curve that runs along one variable. Internal to graph/, but
// for ExplicitCurveAxis, which the tangents of explicit space curves share.
#include "graph/Cls2.h"
#include "graph/GraphEnums.h"
#include "graph/SamplingContext.h"

#include <cstdint>
#include <string>

// Evaluates X, Y and Z with the bindings and writes the point by CoordType:
// 3 Cartesian (X to z, Y to x, Z to y), 4 cylindrical (a = X, r = Y, height Z),
// 5 spherical (a = X, b = Y, R = Z). Each coordinate is stored as soon as it
// is known; any other CoordType writes nothing. False when an evaluation
// answered False.
bool ThreeTextPoint(SamplingContext& ctx, std::int32_t coordType, const Bindings& b, SamplePoint& p);

// The variable an explicit space curve runs along: of the two variables of
// the coordinate system (x, y; a, r; a, b), the one whose doubled token comes
// last in the postfix Z text; None when neither occurs or the CoordType has
// no such pair.
enum class CurveAxis { None, First, Second };
CurveAxis ExplicitCurveAxis(const std::string& postfixZ, std::int32_t coordType);
// The variable slot of that variable; -1 for CurveAxis::None.
int CurveAxisSlot(std::int32_t coordType, CurveAxis axis);

// One point of an explicit space curve at parameter u (and t): the running
// variable is bound to u, the other one is 0, and only Z is evaluated. With
// CurveAxis::None the point is left as it is. False when the evaluation
// answered False.
bool ExplicitCurvePoint(SamplingContext& ctx, std::int32_t coordType, CurveAxis axis, float u,
                        float t, SamplePoint& p);
