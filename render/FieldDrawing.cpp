// Contour plots, vector fields, and the level lines and arrows they share with
// the views beneath surfaces.
#include "render/FieldDrawing.h"

#include "core/Globals.h"
#include "graph/Cls1.h"
#include "graph/Cls9.h"
#include "render/CContour.h"
#include "render/DrawingState.h"
#include "render/GraphDrawing.h"
#include "render/SurfaceDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

bool Defined(float v) { return v != UndefinedValue && std::isfinite(v); }

// How the grid lies in the picture: which index runs along the picture's x
// (the other runs along its y), and whether each runs towards lower values.
struct PictureLayout {
    bool uAlongX = false;
    bool reverseX = false;
    bool reverseY = false;
};

// Read from the total change of x and of z along each index: the index along
// which x changes most runs along the picture's x.
PictureLayout LayoutOf(const SurfaceGrid& g) {
    double ux = 0, uz = 0, vx = 0, vz = 0;
    const auto add = [](double& sum, float from, float to) {
        if (Defined(from) && Defined(to)) sum += double(to) - from;
    };
    for (std::int64_t i = 0; i <= g.StepU(); ++i)
        for (std::int64_t j = 0; j <= g.StepV(); ++j) {
            const GridPoint& p = g(i, j);
            if (i < g.StepU()) {
                add(ux, p.x, g(i + 1, j).x);
                add(uz, p.z, g(i + 1, j).z);
            }
            if (j < g.StepV()) {
                add(vx, p.x, g(i, j + 1).x);
                add(vz, p.z, g(i, j + 1).z);
            }
        }
    PictureLayout l;
    l.uAlongX = std::fabs(ux) + std::fabs(vz) > std::fabs(vx) + std::fabs(uz);
    l.reverseX = (l.uAlongX ? ux : vx) < 0;
    l.reverseY = (l.uAlongX ? vz : uz) < 0;
    return l;
}

// The unit vector from a to b in the picture, or `fallback` when they meet.
std::array<double, 2> Direction(const GridPoint& a, const GridPoint& b, std::array<double, 2> fallback) {
    const double dx = double(b.x) - a.x, dz = double(b.z) - a.z;
    const double len = std::sqrt(dx * dx + dz * dz);
    if (!(len > 0) || !std::isfinite(len)) return fallback;
    return {dx / len, dz / len};
}

} // namespace

bool FillSampleGrid(const Cls9& g, SurfaceGrid& grid) {
    if (g.Vert3D.Upper(0) < g.StepU || g.Vert3D.Upper(1) < g.StepV)
        return grid.Fill(-1, -1, [](std::int64_t, std::int64_t) { return nullptr; });
    return grid.Fill(g.StepU, g.StepV, [&](std::int64_t i, std::int64_t j) { return g.Vert3D.Find(i, j); });
}

bool FillPictureGrid(const Cls9& g, SurfaceGrid& grid) {
    if (!FillSampleGrid(g, grid)) return false;
    grid.ExchangeXZ();
    return true;
}

void DrawGridContour(const SurfaceGrid& grid, float z, std::int32_t levels, std::int32_t fillStyle,
                     std::int32_t firstColor, std::int32_t secondColor, std::int32_t lineWidth) {
    if (!grid.HasCells()) return;
    const PictureLayout layout = LayoutOf(grid);
    // The picture's extent: that of the grid's defined positions.
    Cls1 box{std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest(), 0, 0,
             std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest()};
    for (std::int64_t i = 0; i <= grid.StepU(); ++i)
        for (std::int64_t j = 0; j <= grid.StepV(); ++j) {
            const GridPoint& p = grid(i, j);
            if (Defined(p.x)) box.MinX = std::min(box.MinX, p.x), box.MaxX = std::max(box.MaxX, p.x);
            if (Defined(p.z)) box.MinZ = std::min(box.MinZ, p.z), box.MaxZ = std::max(box.MaxZ, p.z);
        }
    if (box.MinX > box.MaxX || box.MinZ > box.MaxZ) return;
    const std::int64_t alongX = layout.uAlongX ? grid.StepU() : grid.StepV();
    const std::int64_t alongY = layout.uAlongX ? grid.StepV() : grid.StepU();
    // Row r of the contour grid runs along the picture's x, at y = row r.
    ContourGrid S0(std::int32_t(alongY + 1), std::int32_t(alongX + 1));
    if (S0.Rows() != alongY + 1 || S0.Columns() != alongX + 1) return;
    for (std::int32_t r = 1; r <= S0.Rows(); ++r)
        for (std::int32_t c = 1; c <= S0.Columns(); ++c) {
            const std::int64_t kx = layout.reverseX ? alongX + 1 - c : c - 1;
            const std::int64_t ky = layout.reverseY ? alongY + 1 - r : r - 1;
            S0(r, c) = layout.uAlongX ? grid(kx, ky).y : grid(ky, kx).y;
        }
    // Node (r, c) lies at x0 + c * DX, y0 + r * DY: node (1, 1) at the box's
    // lowest x and z.
    const float DX = float((double(box.MaxX) - box.MinX) / double(alongX));
    const float DY = float((double(box.MaxZ) - box.MinZ) / double(alongY));
    CContour().Contour(S0.Rows(), S0.Columns(), DX, DY, S0, box.MinX - DX, box.MinZ - DY, z,
                       std::min(levels, MaxContourLevels), fillStyle, firstColor, secondColor, lineWidth);
}

void DrawGridArrows(const SurfaceGrid& grid, const PicturePlane& plane) {
    struct Arrow {
        double a, b;     // the grid point in the picture
        double ta, tb;   // the tip
    };
    std::vector<Arrow> arrows;
    const auto defined = [](const GridPoint& p) { return Defined(p.x) && Defined(p.y) && Defined(p.z); };
    for (std::int64_t i = 1; i < grid.StepU(); ++i)
        for (std::int64_t j = 1; j < grid.StepV(); ++j) {
            const GridPoint& p = grid(i, j);
            const GridPoint &left = grid(i - 1, j), &right = grid(i + 1, j);
            const GridPoint &back = grid(i, j - 1), &front = grid(i, j + 1);
            if (!defined(p) || !defined(left) || !defined(right) || !defined(back) || !defined(front)) continue;
            // Central differences per grid step.
            const float gu = ((p.y - left.y) + (right.y - p.y)) / 2;
            const float gv = ((p.y - back.y) + (front.y - p.y)) / 2;
            // u runs along the picture's y and v along its x where the grid
            // gives no direction.
            const auto eu = Direction(left, right, {0, 1});
            const auto ev = Direction(back, front, {1, 0});
            arrows.push_back({p.x, p.z, p.x + gu * eu[0] + gv * ev[0], p.z + gu * eu[1] + gv * ev[1]});
        }
    if (arrows.empty()) return;

    const auto vertex = [&](double a, double b) {
        if (plane.horizontal)
            glVertex3f(float(a), plane.level, float(b));
        else
            glVertex3f(float(a), float(b), plane.level);
    };
    glBegin(GL_LINES);
    for (const Arrow& r : arrows) {
        vertex(r.a, r.b);
        vertex(r.ta, r.tb);
    }
    glEnd();

    // The dot: 21 points on a circle of radius 0.04 about the tip, the last on
    // the first, fanned into 20 triangles.
    std::array<double, 21> rimA{}, rimB{};
    for (int k = 0; k <= 20; ++k) {
        const float angle = float(k) * 0.31416f;
        rimA[std::size_t(k)] = 0.04 * std::cos(angle);
        rimB[std::size_t(k)] = 0.04 * std::sin(angle);
    }
    glBegin(GL_TRIANGLES);
    for (const Arrow& r : arrows)
        for (std::size_t k = 0; k < 20; ++k) {
            vertex(r.ta + rimA[k], r.tb + rimB[k]);
            vertex(r.ta + rimA[k + 1], r.tb + rimB[k + 1]);
            vertex(r.ta, r.tb);
        }
    glEnd();
}

void DrawContourPlot(const Cls9& g) {
    glLineWidth(1);
    SurfaceGrid grid;
    // A graph never sampled draws nothing.
    if (!FillPictureGrid(g, grid)) return;
    DrawGridContour(grid, g.BoxFields().MinY, g.ContourLevel, g.FillStyle, g.FirstColor, g.SecondColor,
                    g.LineWidth);
}

void DrawVectorField(const Cls9& g, const GraphDrawing& common) {
    glLineWidth(1);
    // The dots are filled whatever the graph before left.
    PlanePolygonState();
    BeginLineState();
    SetColor(common.SecondRGB);
    SurfaceGrid grid;
    if (FillPictureGrid(g, grid)) DrawGridArrows(grid, PicturePlane{false, g.BoxFields().MinY});
    EndLineState();
}
