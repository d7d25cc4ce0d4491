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
#include "graph/Cls1.h"
#include "graph/Cls2.h"
#include "graph/PointArray.h"
#include "render/GraphDrawing.h"

#include <cstdint>

class Cls9;

void DrawPlaneGraph(Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep);

// The graph's own samples for the curve pass: frame lngAnimStep of Anim2D for
// a plane animation, row 0 of Vert3D otherwise. nullptr for a missing point.
const SamplePoint* PlaneSample(const Cls9& graph, std::int64_t i, std::int32_t lngAnimStep);

// Whether none of the point's coordinates is UndefinedValue (false for nullptr).
bool IsDefined(const SamplePoint* p);
// Whether x and y of the point are defined (false for nullptr).
bool IsDefinedXY(const SamplePoint* p);

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

// The last index of row 0 of a sample grid (-1 when the grid does not exist).
std::int64_t RowUpper(const PointGrid& grid);
// Segments 0..count - 1 of StepV that can have both ends among samples
// 0..upper (past the samples every point is missing).
std::int64_t SegmentCount(std::int32_t stepV, std::int64_t upper);

// The crossings of a sampled curve with the x axis from the box's MinX to its
// MaxX, met segment by segment in order (SegmentIntersect: one crossing, or
// the first end of an overlap with the axis). A crossing equal to the one met
// before it is not met again: a zero on a sample ends one segment and starts
// the next, and is one point (roots, extrema, inflection points).
class AxisCrossings {
public:
    explicit AxisCrossings(const Cls1& box) : box_(box) {}
    // The crossing of the segment p1-p2 (x and y of both defined) into (px,
    // py); false when there is none, it is undefined or it was just met.
    bool Next(const SamplePoint& p1, const SamplePoint& p2, float& px, float& py);

private:
    Cls1 box_;
    bool found_ = false;
    float lastX_ = 0, lastY_ = 0;
};

// The curve pass over the sample segments: own curve, second curve, inverse,
// roots, step plot; then the intersection markers (each once), the roots'
// separator line, the stem plot and f(-x). The curves, f(-x) and the
// derivative graph of the analyses are drawn as finely as the view shows
// them (render/PlaneLine.h).
void DrawCurvePass(Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep);

// The implicit and inequality forms: a point at every node of the grid over
// MinU..MaxU by MinV..MaxV (x and y, or a and r) where f is near 0 or below
// 0 (render/ImplicitPlaneDrawing.h); no result line. Nothing else is drawn
// for these forms, so there is nothing to return.
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

// The derivative-based analyses, called in this order after the curve pass
// when any of ShowDev, ShowQie, ShowNml, ShowMax, ShowLen, ShowMin, ShowCurv,
// ShowGuai is True (render/PlaneAnalysis.h says for which graphs each runs).
// Each writes its result lines and draws with its own colour and width.
//
// The derivative texts DX, DY, DZ (kept in work.Derivatives for the analyses
// after it; a text the derivative chain or the compiler refuses ends the
// drawing), the derivative graph (ShowDev) and the extrema (ShowMax, ShowMin).
bool DrawDerivativeAnalyses(Cls9& graph, GraphDrawing& work);
// The arc length from LenFrom to LenTo (ShowLen).
bool DrawArcLength(Cls9& graph, GraphDrawing& work);
// Tangents at QieX (ShowQie), then normals at NmlX (ShowNml).
bool DrawTangentsAndNormals(Cls9& graph, GraphDrawing& work);
// The second-derivative texts when ShowGuai or ShowCurv is True (a refusal
// ends the drawing), then the inflection points (ShowGuai).
bool DrawInflectionPoints(Cls9& graph, GraphDrawing& work);
// The circles of curvature at CurvX (ShowCurv).
bool DrawCurvatureCircles(Cls9& graph, GraphDrawing& work);
