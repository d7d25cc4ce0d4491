#include "render/PlaneAnalysis.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "math/SafeEvaluate.h"

#include <algorithm>
#include <cmath>

bool HasDerivativeAnalyses(const Cls9& g) { return g.GraphType == GraphType::Function2D; }

bool ExtremaApply(const Cls9& g) {
    return HasDerivativeAnalyses(g) && g.FunForm == FunForm::Explicit && g.CoordType == CoordType::PlaneCartesian;
}

bool ArcLengthApplies(const Cls9& g) {
    return HasDerivativeAnalyses(g) && g.FunForm == FunForm::Explicit &&
           (g.CoordType == CoordType::PlaneCartesian || g.CoordType == CoordType::Polar);
}

bool TangentsApply(const Cls9& g) {
    if (!HasDerivativeAnalyses(g)) return false;
    if (g.CoordType == CoordType::PlaneCartesian) return g.FunForm == FunForm::Explicit || g.FunForm == FunForm::Parametric;
    return g.CoordType == CoordType::Polar && g.FunForm == FunForm::Explicit;
}

bool CurvatureApplies(const Cls9& g) {
    return HasDerivativeAnalyses(g) && g.CoordType == CoordType::PlaneCartesian &&
           (g.FunForm == FunForm::Explicit || g.FunForm == FunForm::Parametric);
}

float EvaluateAt(GraphDrawing& work, const Cls9& g, const std::string& postfix, double p, double second) {
    const float at = static_cast<float>(p);
    const float beside = static_cast<float>(second);
    float u = 0, v = 0, x = 0, y = 0, a = 0;
    if (g.FunForm == FunForm::Parametric) {
        u = at;
        v = beside;
    } else if (g.CoordType == CoordType::Polar) {
        a = at;
    } else {
        x = at;
        y = beside;
    }
    float result = UndefinedValue;
    try {
        if (!SafeEvaluate(work.Evaluator, postfix, false, result, u, v, x, y, a, 0, 0, 0, 0)) return UndefinedValue;
    } catch (const RaisedError&) {
        return UndefinedValue; // a name the evaluator does not know
    }
    return result;
}

bool FiniteSingle(double value, float& out) {
    out = static_cast<float>(value);
    return std::isfinite(out);
}

std::int32_t PositionCount(std::int32_t count) { return std::clamp<std::int32_t>(count, 0, PositionList::Upper); }
