#pragma once
// Flat pictures of a function sampled on a grid: its level lines (traced by
// CContour) and its field of arrows along the grid's differences. The contour
// plot (GraphType 14) and the vector field (15) draw them in the picture plane
// of a special-graph document; a surface draws them as views in the plane
// beneath it (SurfaceViews.cpp).
//
// The picture: a grid point (x, y, z) stands at (x, z), its height y is the
// value. Which grid index runs along the picture's x and which along its y
// (and in which sense) is read from the grid itself, so a grid of StepU x
// StepV cells is placed right whichever of u and v the X and Y texts follow.
// A special-graph document shows the X text across and the Y text up, as its
// frame labels them; the samples hold the X text in z and the Y text in x (as
// a space document draws them), so its grids have x and z exchanged
// (FillPictureGrid).
#include <cstdint>

class Cls9;
class SurfaceGrid;
struct GraphDrawing;

// Most levels one contour drawing traces: every level is a pass over the
// whole grid, and a count in the millions (a typed or stored number) would
// freeze every rebuild. A thousand levels already lie closer together than
// the pixels of the picture.
inline constexpr std::int32_t MaxContourLevels = 1000;

// Where the picture plane lies in GL: upright (GL (a, b, level), the
// special-graph documents) or horizontal (GL (a, level, b), beneath a surface).
struct PicturePlane {
    bool horizontal = false;
    float level = 0;
};

// The graph's own samples Vert3D (0..StepU, 0..StepV) into `grid`; false,
// with an empty grid, when the graph was not sampled with these steps.
bool FillSampleGrid(const Cls9& graph, SurfaceGrid& grid);

// The graph's samples as its picture in a special-graph document shows them,
// into `grid`: the X text (a sample's z) across as the grid's x, the Y text
// (a sample's x) up as its z, the value (y) as the height; false as
// FillSampleGrid.
bool FillPictureGrid(const Cls9& graph, SurfaceGrid& grid);

// The level lines of the heights of `grid` (at least one cell), placed over
// the x and z ranges of its defined points; `z` is the plane CContour draws
// in (its depth in a special-graph document, 0.1 below its height in a space
// document). Levels above MaxContourLevels count as MaxContourLevels; CContour
// sets its own GL state and line width.
void DrawGridContour(const SurfaceGrid& grid, float z, std::int32_t levels, std::int32_t fillStyle,
                     std::int32_t firstColor, std::int32_t secondColor, std::int32_t lineWidth);

// One arrow per interior grid point whose own and four neighbours' coordinates
// are defined: from the point along the central differences of the height per
// grid step (the u difference along the direction in which u runs in the
// picture there, the v difference along v's), with a filled dot of radius
// 0.04 at its tip. Uses the current colour, width and GL state.
void DrawGridArrows(const SurfaceGrid& grid, const PicturePlane& plane);

// The contour plot (GraphType 14): the level lines of its picture grid in
// the plane at depth BoxMinY, coloured from SecondColor (lowest level) to
// FirstColor, or all SecondColor with FillStyle 4. Line width 1 first, then
// the graph's own.
void DrawContourPlot(const Cls9& graph);

// The vector field (GraphType 15): the arrows of its picture grid in
// SecondColor at depth BoxMinY, width 1, unlit, smoothed and blended;
// lighting on and smoothing and blending off afterwards.
void DrawVectorField(const Cls9& graph, const GraphDrawing& common);
