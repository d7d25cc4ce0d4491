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

double Component(const SpaceVector& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

namespace {
void SetComponent(SpaceVector& v, int axis, double value) { (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = value; }
} // namespace

int LiftAxis(const SpaceVector& n) {
    const double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
    if (az >= ax && az >= ay) return SpaceAxisZ;
    return ax >= ay ? 0 : 1;
}

void DrawPlanePiece(const SpaceVector& p, const SpaceVector& n, int axis) {
    const double along = Component(n, axis);
    if (along == 0) return;
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    static constexpr double offsets[4][2] = {{-0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}, {0.5, -0.5}};
    SpaceVector corners[4];
    for (int k = 0; k < 4; ++k) {
        const double di = offsets[k][0], dj = offsets[k][1];
        SpaceVector& c = corners[k];
        c = p;
        SetComponent(c, i, Component(p, i) + di);
        SetComponent(c, j, Component(p, j) + dj);
        SetComponent(c, axis, Component(p, axis) - (Component(n, i) * di + Component(n, j) * dj) / along);
        if (!std::isfinite(float(c.x)) || !std::isfinite(float(c.y)) || !std::isfinite(float(c.z))) return;
    }
    glBegin(GL_QUADS);
    glColor3d(0, 0, 1);
    for (const SpaceVector& c : corners) SpaceVertex(c);
    glEnd();
}

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
