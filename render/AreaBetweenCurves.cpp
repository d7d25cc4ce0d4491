// The area between the two curves of an intersection graph: the region from
// the first intersection to the last, filled, and its area in the result pane.
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/Module1.h"
#include "math/NIModule.h"
#include "math/SafeEvaluate.h"
#include "render/DrawingState.h"
#include "render/PlaneDrawing.h"
#include "render/PlaneFill.h"

#include <algorithm>
#include <vector>

namespace {

// The edge between the curves at sample j (p of the first, q of the second).
FillColumn SampleColumn(const SamplePoint* p, const SamplePoint* q) {
    FillColumn c;
    if (p == nullptr || q == nullptr || p->x == UndefinedValue) {
        c.placed = false;
        return c;
    }
    c.x = p->x;
    c.top = p->y;
    c.bottom = q->y;
    c.defined = p->y != UndefinedValue && q->y != UndefinedValue;
    return c;
}

FillColumn LimitColumn(float x, float f1, float f2) {
    FillColumn c;
    c.x = x;
    c.top = f1;
    c.bottom = f2;
    c.defined = f1 != UndefinedValue && f2 != UndefinedValue;
    return c;
}

} // namespace

bool DrawAreaBetweenCurves(Cls9& g, GraphDrawing& work) {
    const std::int32_t n = std::clamp<std::int32_t>(work.IntersectionCount, 0, 50);
    if (n < 2) return true;
    // The points in increasing x, however the range was given.
    std::vector<float> xs;
    for (std::int32_t k = 0; k < n; ++k) xs.push_back(work.IntersectionPoints[std::size_t(k)].x);
    std::sort(xs.begin(), xs.end());

    const std::string second = InsertMulSigns(g.Exp2);
    std::string f1, f2;
    if (work.Evaluator.InfixToPostfix(work.ExpressZ, f1) != 0 || work.Evaluator.InfixToPostfix(second, f2) != 0)
        return false;
    const auto at = [&](const std::string& postfix, float x) {
        float f = UndefinedValue;
        SafeEvaluate(work.Evaluator, postfix, false, f, 0, 0, x, 0, 0, 0, 0, 0, 0);
        return f;
    };

    SetColor(g.AreaColor);
    const float xmin = xs.front(), xmax = xs.back();
    FillStrip(
        std::min(SegmentCount(g.StepV, RowUpper(g.Vert3D)), SegmentCount(g.StepV, RowUpper(g.VertInter))),
        [&](std::int64_t j) { return SampleColumn(g.Vert3D.Find(0, j), g.VertInter.Find(0, j)); },
        LimitColumn(xmin, at(f1, xmin), at(f2, xmin)), LimitColumn(xmax, at(f1, xmax), at(f2, xmax)));

    // Between neighbouring points the curve above at the middle is the top.
    std::string area;
    try {
        float sum = 0;
        for (std::int32_t k = 1; k < n; ++k) {
            const float a = xs[std::size_t(k - 1)], b = xs[std::size_t(k)];
            const float xm = float((double(a) + b) / 2);
            const std::string integrand = at(f1, xm) > at(f2, xm) ? work.ExpressZ + "-(" + second + ")"
                                                                  : second + "-(" + work.ExpressZ + ")";
            sum = ToSingle(double(sum) + Integrate(a, b, 0.001f, integrand, g.CoordType));
        }
        area = SingleText(sum);
    } catch (const MathFault&) {
        area = OverflowErrorText(); // the sums went beyond the float range
    }
    AppendResultLine("    相交区域的面积 " + area);
    AppendResultLine("");
    return true;
}
