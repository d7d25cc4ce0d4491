// Points and derivatives of space graphs as drawn, for their tangents.
#include "render/SpaceTangents.h"

#include "core/Globals.h"
#include "graph/Cls9.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

SpaceVector operator+(const SpaceVector& a, const SpaceVector& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
SpaceVector operator-(const SpaceVector& a, const SpaceVector& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
SpaceVector operator*(double k, const SpaceVector& a) { return {k * a.x, k * a.y, k * a.z}; }

SpaceVector Cross(const SpaceVector& a, const SpaceVector& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

bool Finite(const SpaceVector& a) { return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z); }

void SpaceVertex(const SpaceVector& p) { glVertex3d(p.y, p.z, p.x); }

bool MappedPoint(std::int32_t coordType, double q1, double q2, double q3, SpaceVector& p) {
    switch (coordType) {
    case CoordType::Cartesian: p = {q1, q2, q3}; return true;
    case CoordType::Cylindrical: p = {q2 * std::cos(q1), q2 * std::sin(q1), q3}; return true;
    case CoordType::Spherical:
        p = {q3 * std::sin(q2) * std::cos(q1), q3 * std::sin(q2) * std::sin(q1), q3 * std::cos(q2)};
        return true;
    default: return false;
    }
}

bool PointAndDerivative(const PointOf& point, float s, SpaceVector& p, SpaceVector& d) {
    if (!point(s, p) || !Finite(p)) return false;
    const double h = 0.001 * std::max(1.0, std::fabs(double(s)));
    const float before = static_cast<float>(s - h);
    const float after = static_cast<float>(s + h);
    SpaceVector pb, pa;
    const bool hasBefore = point(before, pb) && Finite(pb);
    const bool hasAfter = point(after, pa) && Finite(pa);
    if (hasBefore && hasAfter) d = (1 / (double(after) - before)) * (pa - pb);
    else if (hasAfter) d = (1 / (double(after) - s)) * (pa - p);
    else if (hasBefore) d = (1 / (double(s) - before)) * (p - pb);
    else return false;
    return Finite(d);
}

float FrameParameter(const Cls9& g, std::int32_t lngAnimStep) {
    if (g.GraphType != GraphType::Curve3DAnimation && g.GraphType != GraphType::Surface3DAnimation) return 0;
    // The step rounded to a 32-bit float first, as the sampling forms it.
    const float dT = float((double(g.MaxT) - g.MinT) / std::max(g.StepT(), 1));
    return float(double(g.MinT) + double(lngAnimStep) * double(dT));
}
