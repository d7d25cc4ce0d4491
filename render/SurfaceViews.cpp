// The later steps of the surface drawing: the colour map of a colour-map
// graph, the tangent planes and normal lines, and the colour-map, contour and
// vector views beneath a surface.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "math/SafeEvaluate.h"
#include "render/DrawingState.h"
#include "render/FieldDrawing.h"
#include "render/SpaceTangents.h"
#include "render/SurfaceDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

bool Defined(const GridPoint& p) {
    return p.x != UndefinedValue && p.y != UndefinedValue && p.z != UndefinedValue;
}

bool CellDefined(const SurfaceGrid& g, std::int64_t i, std::int64_t j) {
    return Defined(g(i, j)) && Defined(g(i + 1, j)) && Defined(g(i + 1, j + 1)) && Defined(g(i, j + 1));
}

// The colour of a height on the gradient from the second colour at the box's
// lowest height to the first colour at its highest (not clamped).
ColorTriple HeightColour(const SurfaceWork& w, float y) {
    const ColorTriple& S = w.Common.SecondRGB;
    const ColorTriple& F = w.Common.FirstRGB;
    const double t = (double(y) - w.Box.MinY) / w.ExtentY;
    return {S.red + t * (F.red - S.red), S.green + t * (F.green - S.green), S.blue + t * (F.blue - S.blue)};
}

// Every cell of the grid whose corners are all defined, as one quad; each
// corner gets its height's colour, then `place` gives its normal (from its
// vertex normal) and its vertex.
template <class Place>
void DrawHeightColouredCells(const SurfaceWork& w, const SurfaceGrid& grid, const SurfaceNormals& normals,
                             Place&& place) {
    glBegin(GL_QUADS);
    for (std::int64_t i = 0; i < grid.StepU(); ++i)
        for (std::int64_t j = 0; j < grid.StepV(); ++j) {
            if (!CellDefined(grid, i, j)) continue;
            const std::int64_t corners[4][2] = {{i, j}, {i + 1, j}, {i + 1, j + 1}, {i, j + 1}};
            for (const auto& c : corners) {
                const GridPoint& p = grid(c[0], c[1]);
                const ColorTriple colour = HeightColour(w, p.y);
                glColor3d(colour.red, colour.green, colour.blue);
                place(p, normals.V(c[0], c[1]));
            }
        }
    glEnd();
}

// The grid the views beneath a surface read, with its normals: the grid drawn,
// except for a surface animation, whose views show its static samples Vert3D.
class ViewGrid {
public:
    explicit ViewGrid(const SurfaceWork& w) {
        if (w.Graph.GraphType != GraphType::Surface3DAnimation) {
            grid_ = &w.Grid;
            normals_ = &w.Normals;
            return;
        }
        grid_ = &ownGrid_;
        normals_ = &ownNormals_;
        if (FillSampleGrid(w.Graph, ownGrid_) && ownGrid_.HasCells())
            ComputeSurfaceNormals(ownGrid_, false, 0, w.GridStepX, w.GridStepY, w.GridStepZ, ownNormals_);
    }
    const SurfaceGrid& Grid() const { return *grid_; }
    const SurfaceNormals& Normals() const { return *normals_; }

private:
    const SurfaceGrid* grid_ = nullptr;
    const SurfaceNormals* normals_ = nullptr;
    SurfaceGrid ownGrid_;
    SurfaceNormals ownNormals_;
};

// f, df/dx and df/dy at (x0, y0); false when any of them is undefined there
// (no plane and no line at such a point).
bool EvaluateAt(SurfaceWork& w, float x0, float y0, float& z0, float& fx, float& fy) {
    Cls6& evaluator = w.Common.Evaluator;
    const auto at = [&](const std::string& postfix, float& value) {
        return SafeEvaluate(evaluator, postfix, false, value, 0, 0, x0, y0, 0, 0, 0, 0, 0) &&
               value != UndefinedValue && std::isfinite(value);
    };
    return at(w.SurfacePostfix, z0) && at(w.PartialXPostfix, fx) && at(w.PartialYPostfix, fy);
}

// The normal line through p: n scaled to 1 along `axis`, laid from p half of
// it backwards to half of it forwards.
void DrawNormalSegment(const SpaceVector& p, const SpaceVector& n, int axis) {
    const double along = Component(n, axis);
    if (along == 0) return;
    const SpaceVector half = (0.5 / along) * n;
    const SpaceVector from = p - half, to = p + half;
    if (!Finite(from) || !Finite(to)) return;
    glColor3d(0, 1, 0);
    glLineWidth(2);
    glBegin(GL_LINES);
    SpaceVertex(from);
    SpaceVertex(to);
    glEnd();
}

// The point of an explicit cylindrical or spherical surface and the normal
// of the surface there, at (s1, s2) = (a, r) or (a, b): the point as its grid
// samples it (the X and Y texts evaluated too, but in a surface animation,
// which binds the position itself, at the frame's t), the normal the cross
// product of the derivatives of the mapped point by s1 and by s2. On the axis
// of a cylindrical surface (r = 0) and at the poles of a spherical one the
// derivative by a vanishes; the normal there is that of the surface just
// beside the point in s2.
class MappedSurface {
public:
    explicit MappedSurface(SurfaceWork& w)
        : w_(w), coordType_(w.Graph.CoordType), t_(FrameParameter(w.Graph, w.AnimStep)),
          texts_(w.Graph.GraphType != GraphType::Surface3DAnimation) {
        Cls6& c = w.Common.Evaluator;
        ok_ = c.InfixToPostfix(w.Common.ExpressZ, z_) == 0;
        if (ok_ && texts_)
            ok_ = c.InfixToPostfix(w.Common.ExpressX, x_) == 0 && c.InfixToPostfix(w.Common.ExpressY, y_) == 0;
    }
    bool Ok() const { return ok_; }

    bool At(float s1, float s2, SpaceVector& p, SpaceVector& n) {
        if (!PointAndNormal(s1, s2, p, n)) return false;
        const double h = 0.001 * std::max(1.0, std::fabs(double(s2)));
        for (const double side : {h, -h}) {
            if (!IsZero(n)) break;
            SpaceVector beside;
            if (!PointAndNormal(s1, float(s2 + side), beside, n)) n = {};
        }
        return !IsZero(n);
    }

private:
    static bool IsZero(const SpaceVector& v) { return v.x == 0 && v.y == 0 && v.z == 0; }

    bool PointAndNormal(float s1, float s2, SpaceVector& p, SpaceVector& n) {
        SpaceVector d1, d2, p2;
        if (!PointAndDerivative([&](float s, SpaceVector& q) { return Point(s, s2, q); }, s1, p, d1)) return false;
        if (!PointAndDerivative([&](float s, SpaceVector& q) { return Point(s1, s, q); }, s2, p2, d2)) return false;
        n = Cross(d1, d2);
        return Finite(n);
    }

    bool Point(float s1, float s2, SpaceVector& p) {
        const bool spherical = coordType_ == CoordType::Spherical;
        const float r = spherical ? 0 : s2, b = spherical ? s2 : 0;
        float q[3] = {s1, s2, 0};
        const std::string* texts[3] = {&x_, &y_, &z_};
        for (int k = texts_ ? 0 : 2; k < 3; ++k) {
            if (!SafeEvaluate(w_.Common.Evaluator, *texts[k], false, q[k], 0, 0, 0, 0, s1, r, b, t_, 0) ||
                q[k] == UndefinedValue)
                return false;
        }
        return MappedPoint(coordType_, q[0], q[1], q[2], p);
    }

    SurfaceWork& w_;
    std::int32_t coordType_;
    float t_;
    bool texts_;
    bool ok_ = false;
    std::string x_, y_, z_;
};

} // namespace

void DrawColorMapGraph(SurfaceWork& w) {
    const SurfaceGrid& grid = w.Grid;
    if (w.ExtentX == 0) w.ExtentX = 0.000001f;
    if (w.ExtentY == 0) w.ExtentY = 0.000001f;
    if (w.ExtentZ == 0) w.ExtentZ = 0.000001f;
    const double depth = w.Box.MinY;

    // Flat in the GL plane z = BoxMinY, its height only its colour: the X
    // text (a sample's z) across and the Y text (its x) up, as the frame of a
    // special-graph document labels them; the normal is turned the same way.
    glDisable(GL_LIGHTING);
    DrawHeightColouredCells(w, grid, w.Normals, [&](const GridPoint& p, const GridPoint& n) {
        glNormal3d(n.z, n.x, n.y);
        glVertex3d(p.z, p.x, depth);
    });
    glEnable(GL_LIGHTING);
}

void DrawTangentPlanesAndNormalLines(SurfaceWork& w) {
    const Cls9& g = w.Graph;
    // Where the graph has a tangent plane at the k-th position of a list: the
    // point, the normal and the axis the plane is lifted along.
    std::function<bool(float, float, SpaceVector&, SpaceVector&, int&)> at;
    std::optional<MappedSurface> mapped;
    if (g.CoordType == CoordType::Cartesian) {
        // z = f(x, y): the normal (-fx, -fy, 1), the plane lifted along z.
        at = [&w](float x0, float y0, SpaceVector& p, SpaceVector& n, int& axis) {
            float z0 = 0, fx = 0, fy = 0;
            if (!EvaluateAt(w, x0, y0, z0, fx, fy)) return false;
            p = {x0, y0, z0};
            n = {-double(fx), -double(fy), 1};
            axis = SpaceAxisZ;
            return true;
        };
    } else {
        mapped.emplace(w);
        if (!mapped->Ok()) return;
        at = [&mapped](float s1, float s2, SpaceVector& p, SpaceVector& n, int& axis) {
            if (!mapped->At(s1, s2, p, n)) return false;
            axis = LiftAxis(n);
            return true;
        };
    }
    SpaceVector p, n;
    int axis = SpaceAxisZ;
    if (g.ShowTangent) {
        const std::int32_t count = std::min(g.TangentNum, PositionList::Upper);
        for (std::int32_t k = 1; k <= count; ++k)
            if (at(g.TangentX(k), g.TangentY(k), p, n, axis)) DrawPlanePiece(p, n, axis);
    }
    if (g.ShowNormal) {
        const std::int32_t count = std::min(g.NormalNum, PositionList::Upper);
        for (std::int32_t k = 1; k <= count; ++k)
            if (at(g.NormalX(k), g.NormalY(k), p, n, axis)) DrawNormalSegment(p, n, axis);
    }
}

void DrawSurfaceColorMapView(SurfaceWork& w) {
    const ViewGrid view(w);
    const SurfaceGrid& grid = view.Grid();
    const double level = double(w.Box.MinY) - 3;
    DrawHeightColouredCells(w, grid, view.Normals(), [&](const GridPoint& p, const GridPoint& n) {
        glNormal3d(n.x, n.y, n.z);
        glVertex3d(p.x, level, p.z);
    });
}

void DrawSurfaceContourAndVectorViews(SurfaceWork& w) {
    const Cls9& g = w.Graph;
    if (!g.ShowContour && !g.ShowVector) return;
    const ViewGrid view(w);
    const float level = float(double(w.Box.MinY) - 3);
    // Black lines, drawn 0.1 above the plane in a space document, over the
    // grid's own positions (no sideways shift), where the colour-map view's
    // colours and the arrows are.
    if (g.ShowContour) DrawGridContour(view.Grid(), level, g.ContourLevel, g.FillStyle, 0, 0, g.LineWidth);
    if (g.ShowVector) {
        BeginLineState();
        glColor3f(0, 0, 0);
        DrawGridArrows(view.Grid(), PicturePlane{true, level});
        EndLineState();
    }
}
