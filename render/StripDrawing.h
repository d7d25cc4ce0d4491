#pragma once
// The strip branch of Cls9::Draw: strips (GraphType 3), strip animations (10,
// at a frame) and strip tables (5). A strip is a plane curve (its edge row 0)
// and the same curve 3 deeper along z (row 1, made by GetBox in the drawing's
// set-up), joined by a chain of lit quads: quad j has the corners P(0, j),
// P(1, j), P(1, j + 1), P(0, j + 1), the corner order of a surface grid with
// StepU 1, so the strip is held in a SurfaceGrid.
//
// GL state: the polygon model of Show (1 points, 2 outlines, 3 filled) and the
// shading of Smoothness (1 flat, 2 and 3 smooth), no texture, outlines of
// width 1; lighting is left as it is. The branch ends with filled polygons and
// smooth shading, so whatever is compiled after it (the axes panels) is not
// drawn as outlines or facets.
#include "render/GraphDrawing.h"
#include "render/SurfaceDrawing.h"

#include <cstdint>

class Cls9;

// The strip's two edges: frame lngAnimStep of Anim25D for a strip animation,
// the table points for a strip table (read from the table itself, an empty
// element made at the origin), Vert3D for a strip. False, with an empty grid,
// when StepV is below 1 or the points do not hold both rows up to StepV (a
// graph never sampled, a table beyond its 201 points).
bool ChooseStripEdges(Cls9& graph, std::int32_t lngAnimStep, SurfaceGrid& edges);

// The normals of a strip's quads and points. Face normals as for surfaces,
// except that a quad with an undefined corner gets the zero normal (the
// marker value 0.12345 must not tilt its neighbours). Vertex normals, the same
// on both rows: the first and last points take the first and last quads'
// normals, every inner point the sum of the two quads beside it; a strip whose
// last points lie within 0.001 of its first ones on every axis, on both rows,
// is closed and both its ends take the sum of the first and last quads'
// normals. Each is then made unit length (a zero one stays zero).
void ComputeStripNormals(const SurfaceGrid& edges, SurfaceNormals& normals);

// Draws the strip into the list being compiled. Corner colours by FillStyle
// from the second colour at the box's low end to the first at its high end
// (1 along x, 2 along z, i.e. across the band, 3 along y; a zero range counts
// as 1e-9); 4 and any other value give every corner the second colour. A quad
// with an undefined corner is left out; Smoothness 1 and 2 give each quad its
// face normal, 3 each corner its vertex normal, any other value draws no quad.
void DrawStrip(Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep);
