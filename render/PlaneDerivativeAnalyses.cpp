// The derivative texts of a plane function, its derivative graph and its
// local maxima and minima.
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/Der.h"
#include "render/DrawingState.h"
#include "render/PlaneAnalysis.h"
#include "render/PlaneDrawing.h"
#include "render/PlaneLine.h"
#include "scene/Cls8.h"

#include <optional>

namespace {

// DX, DY, DZ from the working copies X, Y, Z in this order, then DX, DY, DZ,
// EY and EZ compiled. False at the first text refused: the derivative chain or
// the compiler has shown why (a too-long text is named by the graph's own).
bool PrepareFirstDerivatives(const Cls9& g, GraphDrawing& work) {
    PlaneDerivativeTexts& t = work.Derivatives;
    const std::string* from[3] = {&work.ExpressX, &work.ExpressY, &work.ExpressZ};
    const std::string* named[3] = {&g.ExpressX, &g.ExpressY, &g.ExpressZ};
    std::string* to[3] = {&t.DX, &t.DY, &t.DZ};
    for (int k = 0; k < 3; ++k) {
        std::optional<std::string> d = DerivativeText(*from[k], *named[k]);
        if (!d) return false;
        *to[k] = std::move(*d);
    }
    Cls6& c = work.Evaluator;
    t.First = c.InfixToPostfix(t.DX, t.PostDX) == 0 && c.InfixToPostfix(t.DY, t.PostDY) == 0 &&
              c.InfixToPostfix(t.DZ, t.PostDZ) == 0 && c.InfixToPostfix(work.ExpressY, t.PostEY) == 0 &&
              c.InfixToPostfix(work.ExpressZ, t.PostEZ) == 0;
    return t.First;
}

// Marks an extremum at (p, f) and writes its line.
void WriteExtremum(const char* head, double p, double f, std::int32_t colour, std::int32_t size,
                   std::int32_t symbol, Cls2& marker) {
    if (DrawPlaneMarker(p, f, colour, float(size), symbol, marker))
        AppendResultLine(head + SingleText(marker.x * Scale2D) + ",y=" + SingleText(marker.y * Scale2D));
}

} // namespace

bool DrawDerivativeAnalyses(Cls9& g, GraphDrawing& work) {
    if (!HasDerivativeAnalyses(g)) return true;
    if (!PrepareFirstDerivatives(g, work)) return false;
    const bool extrema = (g.ShowMax || g.ShowMin) && ExtremaApply(g);
    if (!g.ShowDev && !extrema) return true;

    // The derivative graph is drawn as finely as the view shows it (PlaneLine).
    PlaneLine derivative(ColorToRGB(g.DevColor), g.DevWidth);
    AxisCrossings crossings(g.BoxFields());
    Cls2 marker;
    const std::int64_t segments = SegmentCount(g.StepV, RowUpper(g.VertDev));
    for (std::int64_t i = 0; i < segments; ++i) {
        const SamplePoint* d1 = g.VertDev.Find(0, i);
        const SamplePoint* d2 = g.VertDev.Find(0, i + 1);
        if (g.ShowDev && IsDefined(d1) && IsDefined(d2))
            derivative.Segment(d1->x, d1->y, d1->z, d2->x, d2->y, d2->z);

        // Where f' crosses 0, f against its values 0.05 either side: a
        // maximum above both, a minimum below both (a saddle is neither).
        float p = 0, y = 0;
        if (!extrema || !IsDefinedXY(d1) || !IsDefinedXY(d2) || !crossings.Next(*d1, *d2, p, y)) continue;
        const std::string& f = work.Derivatives.PostEZ;
        const float f0 = EvaluateAt(work, g, f, p, y);
        const float fm = EvaluateAt(work, g, f, double(p) - 0.05, y);
        const float fp = EvaluateAt(work, g, f, double(p) + 0.05, y);
        if (!Defined(f0) || !Defined(fm) || !Defined(fp)) continue;
        if (g.ShowMax && f0 > fm && f0 > fp)
            WriteExtremum("    极大值点: x=", p, f0, g.MaxColor, g.MaxSize, g.MaxSymbol, marker);
        if (g.ShowMin && f0 < fm && f0 < fp)
            WriteExtremum("    极小值点: x=", p, f0, g.MinColor, g.MinSize, g.MinSymbol, marker);
    }
    derivative.End();
    if (extrema) AppendResultLine("");
    return true;
}
