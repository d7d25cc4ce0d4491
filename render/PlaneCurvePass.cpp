// The curve pass of explicit and parametric plane graphs: segment by segment
// the own curve, the second curve of an intersection graph, the inverse, the
// roots and the step plot; then the intersection markers (each once), the
// roots' separator line, the stem plot and f(-x).
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/SegmentGeometry.h"
#include "render/DrawingState.h"
#include "render/PlaneDrawing.h"
#include "render/PlaneLine.h"
#include "scene/Cls8.h"

#include <algorithm>
#include <cmath>

namespace {

// The last index the graph's own samples may have (-1 when there are none).
std::int64_t OwnSampleUpper(const Cls9& g, std::int32_t lngAnimStep) {
    if (g.GraphType == GraphType::Function2DAnimation)
        return lngAnimStep >= 0 && lngAnimStep <= g.Anim2D.Upper(1) ? g.Anim2D.Upper(0) : -1;
    return RowUpper(g.Vert3D);
}

// The largest coordinate magnitude of a segment, the scale of its rounding.
double SegmentScale(const SamplePoint& p1, const SamplePoint& p2) {
    return std::max({std::fabs(double(p1.x)), std::fabs(double(p2.x)), std::fabs(double(p1.y)),
                     std::fabs(double(p2.y))});
}

} // namespace

std::int64_t RowUpper(const PointGrid& grid) { return grid.Upper(0) >= 0 ? grid.Upper(1) : -1; }

std::int64_t SegmentCount(std::int32_t stepV, std::int64_t upper) {
    return std::max<std::int64_t>(0, std::min<std::int64_t>(stepV, upper));
}

bool AxisCrossings::Next(const SamplePoint& p1, const SamplePoint& p2, float& px, float& py) {
    float qx = 0, qy = 0;
    if (SegmentIntersect(p1.x, p1.y, p2.x, p2.y, box_.MinX, 0, box_.MaxX, 0, px, py, qx, qy) == 0 ||
        px == UndefinedValue || py == UndefinedValue)
        return false;
    // A zero on a sample comes out of both segments' lines, with rounding.
    const bool repeated = found_ && SamePlanePoint(px, py, lastX_, lastY_, SegmentScale(p1, p2));
    found_ = true;
    lastX_ = px;
    lastY_ = py;
    return !repeated;
}

void DrawCurvePass(Cls9& g, GraphDrawing& work, std::int32_t lngAnimStep) {
    const bool intersection = g.GraphType == GraphType::Intersection;
    const bool series = g.GraphType == GraphType::Series;
    const bool stepStem = g.GraphType == GraphType::StepStem;
    const ColorTriple curveRGB = ColorToRGB(series ? g.SeriesColor : g.LineColor);
    const double curveWidth = series ? g.SeriesWidth : g.LineWidth;
    const ColorTriple secondRGB = ColorToRGB(g.Color2);
    const ColorTriple inverseRGB = ColorToRGB(g.InvColor);
    const ColorTriple stepRGB = ColorToRGB(g.StepColor);
    Cls2 marker;

    std::int64_t upper = OwnSampleUpper(g, lngAnimStep);
    if (intersection) upper = std::max(upper, RowUpper(g.VertInter));
    const std::int64_t segments = SegmentCount(g.StepV, upper);

    // The curves are drawn as finely as the view shows them (PlaneLine).
    PlaneLine curve(curveRGB, curveWidth);
    PlaneLine second(secondRGB, g.Width2);
    PlaneLine inverse(inverseRGB, g.InvWidth);
    AxisCrossings roots(g.BoxFields());
    for (std::int64_t i = 0; i < segments; ++i) {
        const SamplePoint* p1 = PlaneSample(g, i, lngAnimStep);
        const SamplePoint* p2 = PlaneSample(g, i + 1, lngAnimStep);

        if (g.Show2DCurve) {
            if (IsDefined(p1) && IsDefined(p2)) curve.Segment(p1->x, p1->y, p1->z, p2->x, p2->y, p2->z);

            if (intersection) {
                const SamplePoint* q1 = g.VertInter.Find(0, i);
                const SamplePoint* q2 = g.VertInter.Find(0, i + 1);
                if (IsDefined(q1) && IsDefined(q2)) second.Segment(q1->x, q1->y, q1->z, q2->x, q2->y, q2->z);
            }
        }

        if (g.ShowInverse && IsDefined(p1) && IsDefined(p2))
            inverse.Segment(p1->y, p1->x, p1->z, p2->y, p2->x, p2->z);

        float px = 0, py = 0;
        if (g.ShowRoot && IsDefinedXY(p1) && IsDefinedXY(p2) && roots.Next(*p1, *p2, px, py) &&
            DrawPlaneMarker(px, py, g.RootColor, float(g.RootSize), g.RootSymbol, marker))
            AppendResultLine("    根: x=" + SingleText(marker.x * Scale2D) + ",y=" + SingleText(marker.y * Scale2D));

        if (stepStem && g.ShowStep) {
            SetColor(stepRGB);
            SetLineWidth(g.StepWidth);
            // Each step rises at the left end of its segment to the right end's value.
            if (IsDefinedXY(p1) && IsDefinedXY(p2)) {
                DrawPlaneSegment(p1->x, p1->y, 0, p1->x, p2->y, 0);
                DrawPlaneSegment(p1->x, p2->y, 0, p2->x, p2->y, 0);
            }
        }
    }

    curve.End();
    second.End();
    inverse.End();

    // The intersection markers, once each, over both curves.
    if (intersection && g.Show2DCurve && g.ShowInter && segments > 0) {
        const std::int32_t count = std::clamp<std::int32_t>(work.IntersectionCount, 0, 50);
        for (std::int32_t k = 0; k < count; ++k) {
            const Cls2& p = work.IntersectionPoints[std::size_t(k)];
            if (IsDefined(&p)) DrawPlaneMarker(p.x, p.y, g.InterColor, float(g.InterSize), g.InterSymbol, marker);
        }
    }

    if (g.ShowRoot) AppendResultLine("");

    if (stepStem && g.ShowStem) {
        const ColorTriple stemRGB = ColorToRGB(g.StemBodyColor);
        const std::int64_t last = std::min<std::int64_t>(g.StepV, RowUpper(g.Vert3D));
        for (std::int64_t i = 0; i <= last; ++i) {
            const SamplePoint* p = g.Vert3D.Find(0, i);
            SetColor(stemRGB);
            SetLineWidth(g.StemBodyWidth);
            if (!IsDefinedXY(p)) continue;
            DrawPlaneSegment(p->x, p->y, 0, p->x, 0, 0);
            DrawPlaneMarker(p->x, p->y, g.StemHeadColor, float(g.StemHeadSize), g.StemHeadSymbol, marker);
        }
    }

    // Only the plane function has f(-x) samples.
    if (g.ShowJO && g.GraphType == GraphType::Function2D) {
        PlaneLine mirror(ColorToRGB(g.JOColor), g.JOWidth);
        const std::int64_t mirrored = SegmentCount(g.StepV, RowUpper(g.VertJO));
        for (std::int64_t i = 0; i < mirrored; ++i) {
            const SamplePoint* r1 = g.VertJO.Find(0, i);
            const SamplePoint* r2 = g.VertJO.Find(0, i + 1);
            if (IsDefined(r1) && IsDefined(r2)) mirror.Segment(r1->x, r1->y, r1->z, r2->x, r2->y, r2->z);
        }
    }
}
