// The integral overlay of an explicit plane function: the region the definite
// integral measures, filled, and its value in the result pane.
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/NIModule.h"
#include "math/SafeEvaluate.h"
#include "render/DrawingState.h"
#include "render/PlaneDrawing.h"
#include "render/PlaneFill.h"

#include <algorithm>
#include <cmath>

namespace {

// The edge of the region under the curve at sample j: from the sample down
// to the x axis.
FillColumn SampleColumn(const SamplePoint* p) {
    FillColumn c;
    if (p == nullptr) {
        c.placed = false;
        return c;
    }
    c.x = p->x;
    c.top = p->y;
    c.z = p->z;
    c.defined = IsDefined(p);
    c.placed = p->x != UndefinedValue;
    return c;
}

// The edge at a limit, from the function's value there down to the axis.
FillColumn LimitColumn(float x, float f) {
    FillColumn c;
    c.x = x;
    c.top = f;
    c.defined = f != UndefinedValue;
    return c;
}

// Cartesian: the region between the curve and the x axis from the lower limit
// to the upper one, cut to the samples.
void FillUnderCurve(const Cls9& g, GraphDrawing& work, const std::string& postfix) {
    const auto at = [&](float x) {
        float f = UndefinedValue;
        SafeEvaluate(work.Evaluator, postfix, false, f, 0, 0, x, 0, 0, 0, 0, 0, 0);
        return f;
    };
    const float yA = at(g.IntFrom);
    const float yB = at(g.IntTo);
    const bool upward = g.IntFrom <= g.IntTo;
    const FillColumn lo = upward ? LimitColumn(g.IntFrom, yA) : LimitColumn(g.IntTo, yB);
    const FillColumn hi = upward ? LimitColumn(g.IntTo, yB) : LimitColumn(g.IntFrom, yA);
    FillStrip(SegmentCount(g.StepV, RowUpper(g.Vert3D)), [&](std::int64_t j) { return SampleColumn(g.Vert3D.Find(0, j)); },
              lo, hi);
}

// Polar: the fan of triangles from the origin over the samples whose angles
// reach from the lower limit to the upper one, cut to the samples.
void FillSector(const Cls9& g) {
    const std::int64_t segments = SegmentCount(g.StepV, RowUpper(g.Vert3D));
    const double dA = (double(g.MaxV) - g.MinV) / g.StepV;
    const double from = (double(g.IntFrom) - g.MinV) / dA;
    const double to = (double(g.IntTo) - g.MinV) / dA;
    if (!std::isfinite(from) || !std::isfinite(to)) return;
    const auto clamp = [&](double k) { return std::int64_t(std::clamp(k, 0.0, double(segments))); };
    const std::int64_t s = clamp(std::floor(std::min(from, to)));
    const std::int64_t e = clamp(std::floor(std::max(from, to)) + 1);
    for (std::int64_t j = s; j < e; ++j) {
        const SamplePoint* p1 = g.Vert3D.Find(0, j);
        const SamplePoint* p2 = g.Vert3D.Find(0, j + 1);
        if (!IsDefined(p1) || !IsDefined(p2)) continue;
        const double triangle[3][3] = {{p1->x, p1->y, p1->z}, {p2->x, p2->y, p2->z}, {0, 0, p2->z}};
        DrawPlanePolygon(triangle, 3);
    }
}

} // namespace

bool DrawIntegralOverlay(Cls9& g, GraphDrawing& work) {
    // Only explicit plane functions have the overlay: a tick kept from another
    // kind or form draws nothing.
    if (g.GraphType != GraphType::Function2D || g.FunForm != FunForm::Explicit) return true;
    const bool polar = g.CoordType == CoordType::Polar;
    if (!polar && g.CoordType != CoordType::PlaneCartesian) return true;

    std::string postfix;
    if (work.Evaluator.InfixToPostfix(work.ExpressZ, postfix) != 0) return false;
    SetColor(g.IntColor);
    if (polar)
        FillSector(g);
    else
        FillUnderCurve(g, work, postfix);

    // The value integrates the limits as typed, also beyond the samples.
    std::string value;
    try {
        value = SingleText(polar ? Integrate(g.IntFrom, g.IntTo, 0.001f, "0.5*(" + work.ExpressZ + ")^2", 2)
                                 : Integrate(g.IntFrom, g.IntTo, 0.001f, work.ExpressZ, 1));
    } catch (const MathFault&) {
        value = OverflowErrorText(); // the sums went beyond the float range
    }
    AppendResultLine("    积分  从 " + SingleText(g.IntFrom) + " 到 " + SingleText(g.IntTo));
    AppendResultLine("    面积为 " + value);
    AppendResultLine("");
    return true;
}
