// The intersection search of a graph of two curves (GraphType 20): the points
// where the curves meet, kept for the area and the markers, and their lines.
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/SegmentGeometry.h"
#include "render/PlaneDrawing.h"

#include <algorithm>
#include <cmath>

namespace {

// The most points the graph keeps and marks.
constexpr std::int32_t MaxIntersections = 50;

double LargestCoordinate(std::initializer_list<const SamplePoint*> points) {
    double m = 0;
    for (const SamplePoint* p : points) m = std::max({m, std::fabs(double(p->x)), std::fabs(double(p->y))});
    return m;
}

// The crossing in a segment over which the difference of the curves, taken
// at the same x values, changes sign or vanishes at an end. The crossing of
// the two lines, computed from slopes and intercepts, can round to just
// outside both segments of a crossing on a sample; the signs do not.
bool CrossingBySigns(const SamplePoint* p1, const SamplePoint* p2, const SamplePoint* q1, const SamplePoint* q2,
                     float& px, float& py) {
    if (p1->x != q1->x || p2->x != q2->x) return false;
    const double d1 = double(p1->y) - q1->y;
    const double d2 = double(p2->y) - q2->y;
    if ((d1 > 0 && d2 > 0) || (d1 < 0 && d2 < 0) || (d1 == 0 && d2 == 0)) return false;
    const double t = d1 / (d1 - d2);
    px = float(p1->x + t * (double(p2->x) - p1->x));
    py = float(p1->y + t * (double(p2->y) - p1->y));
    return std::isfinite(px) && std::isfinite(py);
}

} // namespace

bool SearchIntersections(Cls9& g, GraphDrawing& work) {
    work.IntersectionCount = 0;
    // Both curves are sampled at the same x values, so only the segments over
    // the same interval can cross.
    const std::int64_t segments =
        std::min(SegmentCount(g.StepV, RowUpper(g.Vert3D)), SegmentCount(g.StepV, RowUpper(g.VertInter)));
    std::int32_t n = 0;
    for (std::int64_t i = 0; i < segments; ++i) {
        const SamplePoint* p1 = g.Vert3D.Find(0, i);
        const SamplePoint* p2 = g.Vert3D.Find(0, i + 1);
        const SamplePoint* q1 = g.VertInter.Find(0, i);
        const SamplePoint* q2 = g.VertInter.Find(0, i + 1);
        if (!IsDefinedXY(p1) || !IsDefinedXY(p2) || !IsDefinedXY(q1) || !IsDefinedXY(q2)) continue;
        float px = 0, py = 0, qx = 0, qy = 0;
        // One crossing, or the first end of an overlap.
        if (SegmentIntersect(p1->x, p1->y, p2->x, p2->y, q1->x, q1->y, q2->x, q2->y, px, py, qx, qy) == 0 &&
            !CrossingBySigns(p1, p2, q1, q2, px, py))
            continue;
        // A crossing on a sample ends one segment and starts the next: it is
        // one point.
        if (n > 0) {
            const Cls2& last = work.IntersectionPoints[std::size_t(n - 1)];
            if (SamePlanePoint(px, py, last.x, last.y, LargestCoordinate({p1, p2, q1, q2}))) continue;
        }
        if (n == MaxIntersections) {
            MsgBox("交点个数大于50。", MsgIcon::None, "注意");
            return false;
        }
        work.IntersectionPoints[std::size_t(n)] = Cls2::Init(px, py, 0);
        ++n;
    }
    work.IntersectionCount = n;

    AppendResultLine("函数2 y=" + g.Exp2);
    for (std::int32_t k = 0; k < n; ++k) {
        const Cls2& p = work.IntersectionPoints[std::size_t(k)];
        AppendResultLine("    交点: x=" + SingleText(p.x) + ",y=" + SingleText(p.y));
    }
    return true;
}
