#pragma once
// What the tangents of space curves and surfaces share where the graph is not
// a Cartesian function of its parameter: the point of the graph as it is
// drawn (after the cylindrical or spherical mapping) and its derivatives, by
// central differences of the mapped coordinates, and the square pieces of
// their tangent and normal planes.
#include <cstdint>
#include <functional>

class Cls9;

// A point or vector in the mathematical axes x, y, z (z up), drawn at GL
// (y, z, x) like every sample of a space graph.
struct SpaceVector {
    double x = 0;
    double y = 0;
    double z = 0;
};

SpaceVector operator+(const SpaceVector& a, const SpaceVector& b);
SpaceVector operator-(const SpaceVector& a, const SpaceVector& b);
SpaceVector operator*(double k, const SpaceVector& a);
SpaceVector Cross(const SpaceVector& a, const SpaceVector& b);
bool Finite(const SpaceVector& a);
// glVertex3d of the point in GL axes.
void SpaceVertex(const SpaceVector& p);

// Axes 0, 1, 2 of a SpaceVector are x, y, z.
inline constexpr int SpaceAxisZ = 2;
double Component(const SpaceVector& v, int axis);

// The axis along which a plane of normal n is lifted: that of n's largest
// component (z, then x, on a tie), so that the plane is never solved along a
// direction it runs in, and a steep or upright plane stays a unit square.
int LiftAxis(const SpaceVector& n);

// A piece of the plane through p with normal n, as one blue quad: the square
// of side 1 about p in the two other axes (x, y for z; y, z for x; z, x for
// y), each corner lifted along `axis` onto the plane. Nothing where n has no
// component along `axis` or a corner is not finite.
void DrawPlanePiece(const SpaceVector& p, const SpaceVector& n, int axis);

// The Cartesian point of the coordinates (q1, q2, q3): Cartesian (x, y, z),
// cylindrical (a, r, height), spherical (a, b, R) with b measured from the z
// axis, as the sampling maps them. False for another CoordType.
bool MappedPoint(std::int32_t coordType, double q1, double q2, double q3, SpaceVector& p);

// The point of a graph at the value s of one of its variables (the others
// held); false where it is undefined.
using PointOf = std::function<bool(float s, SpaceVector& p)>;

// The point at s and its derivative by s: the central difference over
// s - h .. s + h, h = 0.001 max(1, |s|), both ends taken as 32-bit floats
// like every binding of the evaluator; one-sided where only one end is
// defined. False where the point, or both ends, are undefined or the result
// is not finite.
bool PointAndDerivative(const PointOf& point, float s, SpaceVector& p, SpaceVector& d);

// The animation parameter t of frame lngAnimStep of an animated graph kind
// (MinT + k (MaxT - MinT) / FrameCount, as sampled), 0 for other kinds.
float FrameParameter(const Cls9& graph, std::int32_t lngAnimStep);
