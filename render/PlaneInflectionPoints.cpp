// The second-derivative texts of a plane function and its inflection points.
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/Der.h"
#include "render/PlaneAnalysis.h"
#include "render/PlaneDrawing.h"
#include "scene/Cls8.h"

#include <optional>

namespace {

// DDX, DDY, DDZ from DX, DY, DZ in this order and DQ from the slope text
// (DZ)/(DY), then the four compiled. False at the first text refused (the chain
// or the compiler has shown why).
bool PrepareSecondDerivatives(const Cls9& g, GraphDrawing& work) {
    PlaneDerivativeTexts& t = work.Derivatives;
    const std::string slope = "(" + t.DZ + ")/(" + t.DY + ")";
    const std::string* from[4] = {&t.DX, &t.DY, &t.DZ, &slope};
    const std::string* named[4] = {&g.ExpressX, &g.ExpressY, &g.ExpressZ, &g.ExpressZ};
    std::string second[4];
    for (int k = 0; k < 4; ++k) {
        std::optional<std::string> d = DerivativeText(*from[k], *named[k]);
        if (!d) return false;
        second[k] = std::move(*d);
    }
    std::string* to[4] = {&t.PostDDX, &t.PostDDY, &t.PostDDZ, &t.PostDQ};
    for (int k = 0; k < 4; ++k)
        if (work.Evaluator.InfixToPostfix(second[k], *to[k]) != 0) return false;
    t.Second = true;
    return true;
}

} // namespace

bool DrawInflectionPoints(Cls9& g, GraphDrawing& work) {
    if (!HasDerivativeAnalyses(g) || !work.Derivatives.First || (!g.ShowGuai && !g.ShowCurv)) return true;
    if (!PrepareSecondDerivatives(g, work)) return false;
    if (!g.ShowGuai || !ExtremaApply(g)) return true;

    AxisCrossings crossings(g.BoxFields());
    Cls2 marker;
    const std::int64_t segments = SegmentCount(g.StepV, RowUpper(g.VertDev2));
    for (std::int64_t i = 0; i < segments; ++i) {
        const SamplePoint* e1 = g.VertDev2.Find(0, i);
        const SamplePoint* e2 = g.VertDev2.Find(0, i + 1);
        float p = 0, y = 0;
        if (!IsDefinedXY(e1) || !IsDefinedXY(e2) || !crossings.Next(*e1, *e2, p, y)) continue;
        // f'' changes its sign strictly across p (0.1 either side).
        const float s1 = EvaluateAt(work, g, work.Derivatives.PostDDZ, double(p) - 0.1, y);
        const float s2 = EvaluateAt(work, g, work.Derivatives.PostDDZ, double(p) + 0.1, y);
        if (!Defined(s1) || !Defined(s2) || !((s1 < 0 && s2 > 0) || (s1 > 0 && s2 < 0))) continue;
        const float f0 = EvaluateAt(work, g, work.Derivatives.PostEZ, p, y);
        if (Defined(f0) && DrawPlaneMarker(p, f0, g.GuaiColor, float(g.GuaiSize), g.GuaiSymbol, marker))
            AppendResultLine("    拐点: x=" + SingleText(marker.x * Scale2D) + ", y=" + SingleText(marker.y * Scale2D));
    }
    AppendResultLine("");
    return true;
}
