#pragma once
// The plane branch of Cls9::Draw: plane functions (GraphType 0), plane
// animations (9), intersections of two curves (20), step/stem plots (23) and
// series (38).
//
// DrawPlaneGraph writes the header line, hands implicit and inequality forms
// to DrawImplicitPlaneGraph, and draws explicit and parametric forms in this
// order, which is also the order of their result lines:
//   DrawIntegralOverlay (when ShowInt), SearchIntersections and
//   DrawAreaBetweenCurves (GraphType 20), DrawCurvePass, then, when any
//   derivative-based analysis is switched on, DrawDerivativeAnalyses,
//   DrawArcLength, DrawTangentsAndNormals, DrawInflectionPoints,
//   DrawCurvatureCircles.
//
// GL state: the sequence sets the line state (BeginLineState) and the graph's
// line width before the overlays and ends with EndLineState. Every overlay
// sets the colour and line width of each thing it draws before drawing it,
// and leaves lighting off and smoothing and blending on. Every vertex is the
// graph coordinate divided by Scale2D; a vertex with an undefined or
// non-finite coordinate is left out, and a sample array that is missing or
// shorter than StepV + 1 points leaves the missing points out the same way.
//
// The overlay hooks return whether the drawing goes on: false ends the graph's
// drawing at once, with the line state left in effect (a compile failure, or
// more than 50 intersections).
#include "graph/Cls2.h"
#include "graph/PointArray.h"
#include "render/GraphDrawing.h"

#include <cstdint>

class Cls9;

void DrawPlaneGraph(Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep);

// The graph's own samples for the curve pass: frame lngAnimStep of Anim2D for
// a plane animation, row 0 of Vert3D otherwise. nullptr for a missing point.
const Cls2* PlaneSample(const Cls9& graph, std::int64_t i, std::int32_t lngAnimStep);

// Whether none of the point's coordinates is UndefinedValue (false for nullptr).
bool IsDefined(const Cls2* p);
// Whether x and y of the point are defined (false for nullptr).
bool IsDefinedXY(const Cls2* p);

// The segments 0..n - 1 of row 0 of `row` that have both ends among its
// samples: StepV, fewer when the row is shorter, 0 when it does not exist.
std::int64_t RowSegmentCount(const PointGrid& row, std::int32_t stepV);

// Whether a point computed from one stretch of a curve is the point (lastX,
// lastY) computed from the neighbouring stretch: the same crossing at a
// shared sample comes out of each stretch within a few units of the last
// place of its coordinates, whose largest magnitude is `scale`.
bool SamePlanePoint(float x, float y, float lastX, float lastY, double scale);

// One GL_LINES segment between two points in graph coordinates, each divided
// by Scale2D; nothing when a scaled coordinate is not finite.
void DrawPlaneSegment(double x1, double y1, double z1, double x2, double y2, double z2);

// A marker at (x, y) in graph coordinates: a Cls2 at (x, y, 0) / Scale2D with
// the colour, size and symbol given. Returns false (and draws nothing) when a
// drawing coordinate is not finite; `marker` holds the drawn point.
bool DrawPlaneMarker(double x, double y, std::int32_t colour, float size, std::int32_t symbol, Cls2& marker);

// The curve pass over the sample segments: own curve, second curve, inverse,
// roots, step plot; then the intersection markers (each once), the roots'
// separator line, the stem plot and f(-x).
void DrawCurvePass(Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep);

// Hooks for the steps that later work fills; until then they draw and write
// nothing and return true (DrawImplicitPlaneGraph returns nothing: the
// implicit and inequality forms end the drawing either way).
//
// The implicit and inequality forms: a point at every node of the grid over
// MinU..MaxU by MinV..MaxV (x and y, or a and r) where f is near 0 or below
// 0 (render/ImplicitPlaneDrawing.h); no result line.
void DrawImplicitPlaneGraph(Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep);
// Called when ShowInt is True; draws and writes only for GraphType 0 explicit
// graphs: the region from IntFrom to IntTo (either way round) cut to the
// samples, and the integral of the limits as typed.
bool DrawIntegralOverlay(Cls9& graph, GraphDrawing& work);
// Called for GraphType 20 when ShowInter or ShowArea is True: fills
// work.IntersectionPoints and work.IntersectionCount and writes their lines;
// more than 50 points shows a message and ends the drawing.
bool SearchIntersections(Cls9& graph, GraphDrawing& work);
// Called when ShowArea is True and at least two intersections were found.
bool DrawAreaBetweenCurves(Cls9& graph, GraphDrawing& work);
// Called after the curve pass when any of ShowDev, ShowQie, ShowNml, ShowMax,
// ShowLen, ShowMin, ShowCurv, ShowGuai is True: the derivative texts (kept for
// the analyses after it), the derivative graph and the extrema.
bool DrawDerivativeAnalyses(Cls9& graph, GraphDrawing& work);
bool DrawArcLength(Cls9& graph, GraphDrawing& work);
bool DrawTangentsAndNormals(Cls9& graph, GraphDrawing& work);
bool DrawInflectionPoints(Cls9& graph, GraphDrawing& work);
bool DrawCurvatureCircles(Cls9& graph, GraphDrawing& work);
