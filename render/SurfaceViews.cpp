// The later steps of the surface drawing: the colour map of a colour-map
// graph, the tangent planes and normal lines, and the colour-map, contour and
// vector views beneath a surface.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "math/SafeEvaluate.h"
#include "render/DrawingState.h"
#include "render/FieldDrawing.h"
#include "render/SurfaceDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

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

// A point (x, y, z) of the function's own variables is drawn at GL (y, z, x).
void FunctionVertex(double x, double y, double z) { glVertex3d(y, z, x); }

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
    float z0 = 0, fx = 0, fy = 0;
    if (g.ShowTangent) {
        const std::int32_t count = std::min(g.TangentNum, PositionList::Upper);
        for (std::int32_t k = 1; k <= count; ++k) {
            const float x0 = g.TangentX(k), y0 = g.TangentY(k);
            if (!EvaluateAt(w, x0, y0, z0, fx, fy)) continue;
            // The unit square around the point, lifted onto the tangent plane.
            const double corners[4][2] = {
                {x0 - 0.5, y0 - 0.5}, {x0 - 0.5, y0 + 0.5}, {x0 + 0.5, y0 + 0.5}, {x0 + 0.5, y0 - 0.5}};
            glBegin(GL_QUADS);
            glColor3d(0, 0, 1);
            for (const auto& c : corners) {
                const double height = (c[1] - y0) * fy + (c[0] - x0) * fx + z0;
                FunctionVertex(c[0], c[1], height);
            }
            glEnd();
        }
    }
    if (g.ShowNormal) {
        const std::int32_t count = std::min(g.NormalNum, PositionList::Upper);
        for (std::int32_t k = 1; k <= count; ++k) {
            const float x0 = g.NormalX(k), y0 = g.NormalY(k);
            if (!EvaluateAt(w, x0, y0, z0, fx, fy)) continue;
            // Along the normal (-fx, -fy, 1), centred on the surface point.
            glColor3d(0, 1, 0);
            glLineWidth(2);
            glBegin(GL_LINES);
            FunctionVertex(x0 + 0.5 * fx, y0 + 0.5 * fy, z0 - 0.5);
            FunctionVertex(x0 - 0.5 * fx, y0 - 0.5 * fy, z0 + 0.5);
            glEnd();
        }
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
    // Black lines, drawn 0.1 above the plane in a space document.
    if (g.ShowContour) DrawGridContour(view.Grid(), level, g.ContourLevel, g.FillStyle, 0, 0, g.LineWidth);
    if (g.ShowVector) {
        BeginLineState();
        glColor3f(0, 0, 0);
        DrawGridArrows(view.Grid(), PicturePlane{true, level});
        EndLineState();
    }
}
