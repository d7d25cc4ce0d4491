#pragma once
// The surface kinds (GraphType 2, 6, 12, 13, 21, 22): the grid of points a
// surface is drawn from, its normals, and the drawing steps. One call of
// DrawSurface works on one SurfaceWork; the steps that other views add
// (colour maps, tangent planes and normal lines, contour and vector views)
// receive it whole.
#include "graph/Cls1.h"
#include "render/GraphDrawing.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class Cls9;

struct GridPoint {
    float x = 0;
    float y = 0;
    float z = 0;
};

// The grid P(i, j), i = 0..StepU (the u direction), j = 0..StepV (the v
// direction): a working copy of the coordinates of the points the surface is
// drawn from. Quad (i, j) has the corners P(i, j), P(i+1, j), P(i+1, j+1),
// P(i, j+1).
class SurfaceGrid {
public:
    std::int64_t StepU() const { return stepU_; }
    std::int64_t StepV() const { return stepV_; }
    // Whether the grid has at least one quad.
    bool HasCells() const { return stepU_ >= 1 && stepV_ >= 1; }
    const GridPoint& operator()(std::int64_t i, std::int64_t j) const {
        return points_[std::size_t(i * (stepV_ + 1) + j)];
    }

    // Copies the coordinates of *point(i, j) (a const SamplePoint*) for every grid
    // point. False, with an empty grid, when a point is missing (nullptr) or a
    // step is below 0. The far corner is looked up first, so steps an array
    // does not reach (a graph never sampled, its steps of any size) are refused
    // before the grid is made.
    template <class PointAt>
    bool Fill(std::int64_t stepU, std::int64_t stepV, PointAt&& point) {
        points_.clear();
        stepU_ = stepV_ = -1;
        if (stepU < 0 || stepV < 0) return false;
        if (point(stepU, stepV) == nullptr) return false;
        points_.resize(std::size_t((stepU + 1) * (stepV + 1)));
        for (std::int64_t i = 0; i <= stepU; ++i)
            for (std::int64_t j = 0; j <= stepV; ++j) {
                const SamplePoint* p = point(i, j);
                if (p == nullptr) {
                    points_.clear();
                    return false;
                }
                points_[std::size_t(i * (stepV + 1) + j)] = GridPoint{p->x, p->y, p->z};
            }
        stepU_ = stepU;
        stepV_ = stepV;
        return true;
    }
    // Exchanges the x and z of every point.
    void ExchangeXZ() {
        for (GridPoint& p : points_) std::swap(p.x, p.z);
    }

private:
    std::int64_t stepU_ = -1;
    std::int64_t stepV_ = -1;
    std::vector<GridPoint> points_;
};

// The unit normal of every quad (the zero vector for a degenerate one) and
// the averaged unit normal of every grid point.
class SurfaceNormals {
public:
    // Face normal of quad (i, j), i < StepU, j < StepV.
    GridPoint& F(std::int64_t i, std::int64_t j) { return face_[std::size_t(i * stepV_ + j)]; }
    const GridPoint& F(std::int64_t i, std::int64_t j) const { return face_[std::size_t(i * stepV_ + j)]; }
    // Vertex normal of grid point (i, j).
    GridPoint& V(std::int64_t i, std::int64_t j) { return vertex_[std::size_t(i * (stepV_ + 1) + j)]; }
    const GridPoint& V(std::int64_t i, std::int64_t j) const {
        return vertex_[std::size_t(i * (stepV_ + 1) + j)];
    }
    // Zero normals for a grid of stepU x stepV quads.
    void Reset(std::int64_t stepU, std::int64_t stepV);

private:
    std::int64_t stepV_ = 0;
    std::vector<GridPoint> face_;
    std::vector<GridPoint> vertex_;
};

// The unit normal of every quad of a grid with at least one quad, the zero
// vector for a degenerate one: the cross product of the diagonals
// (P1 - P3) x (P2 - P4), with every corner's y taken as flatY when flattened.
// Resets `normals` for the grid, every vertex normal zero.
void ComputeFaceNormals(const SurfaceGrid& grid, bool flattened, float flatY, SurfaceNormals& normals);
// Every vertex normal of the grid made unit length; a zero one stays zero.
void NormalizeVertexNormals(const SurfaceGrid& grid, SurfaceNormals& normals);

// Face and vertex normals of a grid with at least one quad. Face normals as
// ComputeFaceNormals makes them (flattened for the colour map's plane). A vertex
// normal sums the faces around the point; a grid whose first and last column
// (or row) meet within 8/10 of the grid steps is closed there and both copies
// of a seam point get the sum of the faces on both sides (the u seam, tested
// last, wins at the corners of a torus).
void ComputeSurfaceNormals(const SurfaceGrid& grid, bool flattened, float flatY, float gridStepX,
                           float gridStepY, float gridStepZ, SurfaceNormals& normals);

// The points the graph's surface is drawn from, into `grid`: frame lngAnimStep
// of Anim3D for a surface animation; otherwise the table points (GraphType 6,
// empty entries made at the origin), the turned profile VertRev with 41 angles
// (21, 22), then, for explicit Cartesian surfaces and colour maps, the df/dx
// and then the df/dy surface when shown (so both shown draw df/dy), else Vert3D. Nothing is
// copied into the graph's own arrays. False, with an empty grid, for a table
// wider than its 201 x 201 points or an array that does not hold the grid (a
// graph never sampled).
bool ChooseSurfaceGrid(Cls9& graph, std::int32_t lngAnimStep, SurfaceGrid& grid);

// What one call of DrawSurface prepares for its steps.
struct SurfaceWork {
    SurfaceWork(Cls9& graph, GraphDrawing& common, std::int32_t lngAnimStep)
        : Graph(graph), Common(common), AnimStep(lngAnimStep) {}

    Cls9& Graph;
    // The call's common working values: the expression copies, the one Cls6,
    // the colour triples (SecondRGB is the low end of the gradients, FirstRGB
    // the high end).
    GraphDrawing& Common;
    std::int32_t AnimStep = 0;
    // The graph's box fields as they stood when the drawing began.
    Cls1 Box;
    // The box's ranges; the quad drawing replaces a zero range by 0.000001
    // before dividing by it, and later steps see the replacement.
    float ExtentX = 0;
    float ExtentY = 0;
    float ExtentZ = 0;
    // ExtentX / StepU, ExtentY / StepV, ExtentZ / the larger of the two: the
    // seam tolerances of the normals.
    float GridStepX = 0;
    float GridStepY = 0;
    float GridStepZ = 0;
    // Postfix texts of the surface and its partial derivatives by x and by y,
    // compiled with Common.Evaluator; made only when ShowTangent or ShowNormal
    // is on, empty otherwise.
    std::string SurfacePostfix;
    std::string PartialXPostfix;
    std::string PartialYPostfix;
    // The grid drawn (the frame's for a surface animation) and its normals.
    SurfaceGrid Grid;
    SurfaceNormals Normals;
    // Whether the texture is bound and GL_TEXTURE_2D on for the quads.
    bool TextureLoaded = false;
};

// Whether the graph's tangent planes and normal lines are drawn: for the
// explicit surfaces (2, 12) in the three coordinate systems, the forms the
// dialog offers them for. A Cartesian one reads ExpressZ as z = f(x, y) and
// has its derivative texts made by the set-up; a cylindrical or spherical one
// touches its points as drawn. Ticks of other graphs stay stored and draw
// nothing.
bool TangentPlanesApply(const Cls9& graph);

// Draws a surface kind into the list being compiled. Leaves line width 1,
// polygon mode GL_FILL, smooth shading, and texturing and blending off.
void DrawSurface(Cls9& graph, GraphDrawing& common, std::int32_t lngAnimStep);

// Steps that later views fill in; each draws nothing until then.
// The whole drawing of a colour-map graph (GraphType 13), flat in the plane
// z = BoxMinY, unlit.
void DrawColorMapGraph(SurfaceWork& work);
// Tangent planes, then normal lines, at the graph's chosen positions (in the
// function's own variables: x, y; a, r; a, b). A Cartesian surface's plane
// is the unit square about the point in x and y lifted onto the plane, its
// line the normal (-fx, -fy, 1) centred on the point. A cylindrical or
// spherical surface takes its normal from the derivatives of its points as
// drawn (just beside the point on the axis r = 0 or at a pole, where the
// derivative by a vanishes) and is lifted, and its line scaled, along the axis of that normal's
// largest component (z on a tie), so that a steep or upright plane stays a
// unit square.
void DrawTangentPlanesAndNormalLines(SurfaceWork& work);
// The colour-map view beneath a surface (ShowColormap on), in the plane
// y = BoxMinY - 3.
void DrawSurfaceColorMapView(SurfaceWork& work);
// The contour view, then the vector view, in the same plane.
void DrawSurfaceContourAndVectorViews(SurfaceWork& work);
