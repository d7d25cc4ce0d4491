// Face and vertex normals of surface grids: flat and flattened grids, closed
// seams (sphere, torus), one-quad grids and degenerate quads.
#include "render/SurfaceDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr double Pi = M_PI;

SurfaceGrid Grid(int su, int sv, const std::function<GridPoint(int, int)>& at) {
    SurfaceGrid grid;
    Cls2 point;
    grid.Fill(su, sv, [&](std::int64_t i, std::int64_t j) {
        const GridPoint g = at(int(i), int(j));
        point = Cls2::Init(g.x, g.y, g.z);
        return &point;
    });
    return grid;
}

// The normals with the seam tolerances the drawing uses: the grid's extent
// on each axis divided by its steps.
SurfaceNormals Normals(const SurfaceGrid& grid, bool flattened = false, float flatY = 0) {
    float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
    for (std::int64_t i = 0; i <= grid.StepU(); ++i)
        for (std::int64_t j = 0; j <= grid.StepV(); ++j) {
            const float c[3] = {grid(i, j).x, grid(i, j).y, grid(i, j).z};
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], c[k]);
                hi[k] = std::max(hi[k], c[k]);
            }
        }
    SurfaceNormals n;
    ComputeSurfaceNormals(grid, flattened, flatY, (hi[0] - lo[0]) / float(grid.StepU()),
                          (hi[1] - lo[1]) / float(grid.StepV()),
                          (hi[2] - lo[2]) / float(std::max(grid.StepU(), grid.StepV())), n);
    return n;
}

GridPoint Unit(GridPoint a, GridPoint b) {
    const GridPoint s{a.x + b.x, a.y + b.y, a.z + b.z};
    const float len = std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
    return {s.x / len, s.y / len, s.z / len};
}

void ExpectNear(const GridPoint& actual, const GridPoint& expected, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-5) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-5) << what;
}

std::string At(const char* what, std::int64_t i, std::int64_t j) {
    return std::string(what) + " (" + std::to_string(i) + ", " + std::to_string(j) + ")";
}

TEST(SurfaceNormals, FlatAndFlattenedGridsPointAlongY) {
    // Corners in the order of the quad: the diagonals' cross product points down.
    const SurfaceGrid flat = Grid(3, 2, [](int i, int j) { return GridPoint{float(i), 2, float(j)}; });
    const SurfaceNormals n = Normals(flat);
    for (int i = 0; i <= 3; ++i)
        for (int j = 0; j <= 2; ++j) {
            if (i < 3 && j < 2) ExpectNear(n.F(i, j), {0, -1, 0}, At("face", i, j));
            ExpectNear(n.V(i, j), {0, -1, 0}, At("vertex", i, j));
        }
    // The reversed order of the rows turns it up.
    const SurfaceGrid reversed = Grid(1, 1, [](int i, int j) { return GridPoint{float(i), 2, float(-j)}; });
    ExpectNear(Normals(reversed).F(0, 0), {0, 1, 0}, "reversed");

    // A colour map's faces lie flat at its lowest height whatever the samples;
    // its vertex normals come from those faces.
    const SurfaceGrid wavy =
        Grid(4, 4, [](int i, int j) { return GridPoint{float(i), float(std::sin(i + 2.0 * j)), float(j)}; });
    const SurfaceNormals m = Normals(wavy, true, -1);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) ExpectNear(m.F(i, j), {0, -1, 0}, At("flattened face", i, j));
    ExpectNear(m.V(2, 2), {0, -1, 0}, "flattened vertex");
    EXPECT_GT(std::fabs(Normals(wavy).F(1, 1).x), 0.1f); // unflattened it is tilted
}

TEST(SurfaceNormals, SphereClosedInUHasEqualNormalsOnItsSeam) {
    const int su = 16, sv = 8;
    // u one whole turn, v short of the poles: closed in u, open in v.
    const SurfaceGrid sphere = Grid(su, sv, [&](int i, int j) {
        const double u = 2 * Pi * i / su, v = 0.3 + (Pi - 0.6) * j / sv;
        return GridPoint{float(3 * std::sin(v) * std::cos(u)), float(3 * std::cos(v)), float(3 * std::sin(v) * std::sin(u))};
    });
    const SurfaceNormals n = Normals(sphere);
    for (int j = 0; j <= sv; ++j) {
        EXPECT_EQ(n.V(0, j).x, n.V(su, j).x) << j;
        EXPECT_EQ(n.V(0, j).y, n.V(su, j).y) << j;
        EXPECT_EQ(n.V(0, j).z, n.V(su, j).z) << j;
        // The seam's normal is the sum of the faces on both sides: radial.
        const GridPoint p = sphere(0, j);
        const float r = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
        const float dot = (n.V(0, j).x * p.x + n.V(0, j).y * p.y + n.V(0, j).z * p.z) / r;
        EXPECT_GT(std::fabs(dot), j == 0 || j == sv ? 0.9f : 0.99f) << j;
    }
    // Not closed in v: the edge rows keep their own two faces.
    ExpectNear(n.V(3, 0), Unit(n.F(3, 0), n.F(2, 0)), "open v edge");
}

TEST(SurfaceNormals, TorusCornersTakeTheUSeamSums) {
    const int su = 12, sv = 10;
    const SurfaceGrid torus = Grid(su, sv, [&](int i, int j) {
        const double u = 2 * Pi * i / su, v = 2 * Pi * j / sv;
        const double ring = 4 + 1.5 * std::cos(v);
        return GridPoint{float(ring * std::cos(u)), float(1.5 * std::sin(v)), float(ring * std::sin(u))};
    });
    const SurfaceNormals n = Normals(torus);
    // Each corner ends with the two faces of the u seam, which replace the v seam's.
    ExpectNear(n.V(0, 0), Unit(n.F(su - 1, 0), n.F(0, 0)), "V(0, 0)");
    ExpectNear(n.V(su, 0), n.V(0, 0), "V(StepU, 0)");
    ExpectNear(n.V(0, sv), Unit(n.F(su - 1, sv - 1), n.F(0, sv - 1)), "V(0, StepV)");
    ExpectNear(n.V(su, sv), n.V(0, sv), "V(StepU, StepV)");
    // Both seams' inner points are shared.
    for (int i = 1; i < su; ++i) ExpectNear(n.V(i, 0), n.V(i, sv), At("v seam", i, 0));
    for (int j = 1; j < sv; ++j) ExpectNear(n.V(0, j), n.V(su, j), At("u seam", 0, j));
}

TEST(SurfaceNormals, SeamsNeedBothEndsWithinTheTolerance) {
    // The first and last columns meet at i = 0 only: not closed in v.
    const SurfaceGrid halfClosed = Grid(2, 4, [](int i, int j) {
        const double a = Pi / 2 * j;
        const double r = i == 0 ? 1 : 1 + i;
        const float y = j == 4 && i == 2 ? 5.0f : 0.0f;
        return GridPoint{float(r * std::cos(a)), y, float(r * std::sin(a))};
    });
    const SurfaceNormals n = Normals(halfClosed);
    ExpectNear(n.V(0, 0), n.F(0, 0), "V(0, 0) keeps its face");

    // One quad: every vertex normal is the face normal.
    const SurfaceGrid one = Grid(1, 1, [](int i, int j) { return GridPoint{float(i), float(i * j), float(j)}; });
    const SurfaceNormals m = Normals(one);
    for (int i = 0; i <= 1; ++i)
        for (int j = 0; j <= 1; ++j) ExpectNear(m.V(i, j), m.F(0, 0), At("one quad", i, j));
    EXPECT_NEAR(std::hypot(m.F(0, 0).x, m.F(0, 0).y, m.F(0, 0).z), 1, 1e-6);

    // Every x equal: no tolerance on x, so even coinciding ends are not a seam.
    const SurfaceGrid wall = Grid(2, 2, [](int i, int j) {
        return GridPoint{0, float(i), float(j == 2 ? 0 : j)};
    });
    const SurfaceNormals w = Normals(wall);
    ExpectNear(w.V(1, 0), Unit(w.F(1, 0), w.F(0, 0)), "no seam without a tolerance");
}

TEST(SurfaceNormals, DegenerateQuadsHaveZeroNormals) {
    // Quad 0 collapses to one point; quad 1 is an ordinary square.
    const SurfaceGrid grid = Grid(2, 1, [](int i, int j) {
        if (i == 0) return GridPoint{1, 0, 0};
        return GridPoint{float(i), 0, float(j)};
    });
    const SurfaceNormals n = Normals(grid);
    ExpectNear(n.F(0, 0), {0, 0, 0}, "degenerate face");
    ExpectNear(n.V(0, 0), {0, 0, 0}, "vertex of degenerate faces only");
    ExpectNear(n.V(0, 1), {0, 0, 0}, "vertex of degenerate faces only");
    ExpectNear(n.F(1, 0), {0, -1, 0}, "ordinary face");
    ExpectNear(n.V(1, 0), {0, -1, 0}, "shared vertex takes the ordinary face");
}

} // namespace
