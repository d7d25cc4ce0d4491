#pragma once
// Points of the space drawing tests: the cylindrical and spherical maps in
// mathematical axes (x, y, z), the same point in GL axes, distances, and the
// distinct corners of polygons caught in feedback.
#include "tests/support/GlFeedback.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using Point3 = std::array<double, 3>;

// The point of angle a, radius r and height h.
inline Point3 Cylindrical(double a, double r, double h) { return {r * std::cos(a), r * std::sin(a), h}; }
// The point of angle a about z, angle b from z and radius R.
inline Point3 Spherical(double a, double b, double R) {
    return {R * std::sin(b) * std::cos(a), R * std::sin(b) * std::sin(a), R * std::cos(b)};
}
// GL axes (x, y, z) of a point in the mathematical ones: y, z (up), x.
inline Point3 GlAxes(const Point3& m) { return {m[1], m[2], m[0]}; }
inline double Distance(const Point3& a, const Point3& b) { return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }

// The vertices of `polygons` in drawing coordinates, each point once (those
// within 1e-3 of one met before left out), in the order first met.
inline std::vector<Point3> DistinctCorners(const std::vector<std::vector<FeedbackVertex>>& polygons) {
    std::vector<Point3> corners;
    for (const auto& polygon : polygons)
        for (const FeedbackVertex& v : polygon) {
            const Point3 p = DrawingPoint(v);
            if (std::none_of(corners.begin(), corners.end(), [&](const Point3& q) { return Distance(p, q) < 1e-3; }))
                corners.push_back(p);
        }
    return corners;
}
