// GetPoints: the frame that every graph kind shares. It prepares and compiles
// the texts, creates the sample arrays of the graph's kind, and hands the
// work to the sampler of the kind, then to the analysis samples and the
// differential equation.
#include "core/BusyWork.h"
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "graph/Cls9.h"
#include "graph/SamplingContext.h"
#include "graph/SeriesWork.h"
#include "math/Der.h"
#include "math/Module1.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

bool IsAnimationKind(std::int32_t kind) {
    return kind >= GraphType::PointAnimation && kind <= GraphType::Surface3DAnimation;
}

// Points of an array with the given upper bounds (each at least 0), held at
// one past the limit so that no product or sum overflows.
std::int64_t PointsOf(std::initializer_list<std::int64_t> uppers) {
    std::int64_t count = 1;
    for (std::int64_t upper : uppers) {
        if (upper >= MaxSamplePoints) return MaxSamplePoints + 1;
        count *= upper + 1;
        if (count > MaxSamplePoints) return MaxSamplePoints + 1;
    }
    return count;
}

void AddPoints(std::int64_t& total, std::int64_t points) {
    total = points > MaxSamplePoints - total ? MaxSamplePoints + 1 : total + points;
}

// One sample array that a GetPoints call makes, with its number of points.
struct PlannedArray {
    std::int64_t points;
    std::function<bool()> create;
};

// `kept`: an array the kind keeps but never fills, whose memory is taken
// only if a point of it is ever reached.
template <class Array, class... U>
PlannedArray Plan(Array& array, bool kept, U... upper) {
    return PlannedArray{PointsOf({static_cast<std::int64_t>(upper)...}), [&array, kept, upper...] {
                            return kept ? array.CreateDeferred(upper...) : array.Create(upper...);
                        }};
}

// The table of the sample arrays of a graph: which array a graph gets, by
// its kind and flags, with its upper bounds, in the order they are made.
std::vector<PlannedArray> SampleArraysOf(Cls9& g, std::int64_t su, std::int64_t sv,
                                         std::int64_t frames) {
    const std::int32_t kind = g.GraphType;
    // Only plane functions and strips fill the derivative and f(-x) rows.
    const bool analysisKept = kind != GraphType::Function2D && kind != GraphType::Strip25D;
    std::vector<PlannedArray> rows;
    const auto row = [&rows](bool made, auto& array, auto... upper) {
        if (made) rows.push_back(Plan(array, false, upper...));
    };
    const auto kept = [&rows, analysisKept](bool made, auto& array, auto... upper) {
        if (made) rows.push_back(Plan(array, analysisKept, upper...));
    };
    row(true, g.Vert3D, su, sv);
    row(g.ShowSurPX, g.VertPX, su, sv);
    row(g.ShowSurPY, g.VertPY, su, sv);
    row(kind == GraphType::Curve3D, g.VertCurve3D, su);
    row(kind == GraphType::PointAnimation, g.Anim1D, frames);
    row(kind == GraphType::Function2DAnimation, g.Anim2D, sv, frames);
    row(kind == GraphType::Surface3DAnimation, g.Anim3D, su, sv, frames);
    row(kind == GraphType::Curve3DAnimation, g.AnimCurve3D, su, frames);
    row(kind == GraphType::Strip25DAnimation, g.Anim25D, std::int64_t{1}, sv, frames);
    kept(true, g.VertDev, su, sv);
    kept(true, g.VertDev2, su, sv);
    kept(g.ShowJO, g.VertJO, su, sv);
    row(kind == GraphType::RevolutionX || kind == GraphType::RevolutionY, g.VertRev,
        std::int64_t{40}, sv);
    row(kind == GraphType::Intersection, g.VertInter, su, sv);
    row(kind == GraphType::ODE, g.VertODE, su, sv);
    return rows;
}

template <class Array>
void FillUndefined(Array& array) {
    SamplePoint* p = array.Data();
    if (p == nullptr) return; // never made, or kept and never reached
    for (std::int64_t n = 0; n < array.Count(); ++n) p[n].x = p[n].y = p[n].z = UndefinedValue;
}

// The arrays of a graph whose text does not compile: every point undefined,
// so that nothing is drawn or analysed instead of points at the origin.
void FillAllUndefined(Cls9& g) {
    FillUndefined(g.Vert3D);
    FillUndefined(g.VertPX);
    FillUndefined(g.VertPY);
    FillUndefined(g.VertCurve3D);
    FillUndefined(g.Anim1D);
    FillUndefined(g.Anim2D);
    FillUndefined(g.Anim3D);
    FillUndefined(g.AnimCurve3D);
    FillUndefined(g.Anim25D);
    FillUndefined(g.VertDev);
    FillUndefined(g.VertDev2);
    FillUndefined(g.VertJO);
    FillUndefined(g.VertRev);
    FillUndefined(g.VertInter);
    FillUndefined(g.VertODE);
}

} // namespace

bool Cls9::GetPoints() {
    BusyWork busy(BusyWorkKind::Sampling);
    // 1. The prepared texts; the graph's own texts stay as typed.
    const std::string preX = InsertMulSigns(ExpressX);
    const std::string preY = InsertMulSigns(ExpressY);
    const std::string preZ = InsertMulSigns(ExpressZ);

    // 2. Segment and frame counts of at least 1 (a negative one counts as 0).
    if (StepU <= 0) StepU = 1;
    if (StepV <= 0) StepV = 1;
    if (FrameCount <= 0) FrameCount = 1;
    const std::int64_t su = StepU;
    const std::int64_t sv = StepV;
    const std::int64_t frames = FrameCount;
    const bool animated = IsAnimationKind(GraphType);

    // Before any array is touched: the points this call would create.
    const std::vector<PlannedArray> arrays = SampleArraysOf(*this, su, sv, frames);
    std::int64_t total = 0;
    for (const PlannedArray& array : arrays) AddPoints(total, array.points);
    if (total > MaxSamplePoints) {
        MsgBox("采样点数过多。", MsgIcon::Critical, ErrorTitle);
        return false;
    }
    // A series with more terms than a drawing can wait for.
    if (GraphType == GraphType::Series && SeriesEvaluations(SeriesN1, SeriesN2, StepV) > MaxSeriesEvaluations) {
        MsgBox("级数的项数太多。", MsgIcon::Critical, ErrorTitle);
        return false;
    }

    // 3. The arrays of the graph's kind, in the table's order, each made
    // afresh with new points.
    for (const PlannedArray& array : arrays) {
        if (!array.create()) {
            // Memory ran out below the limit.
            MsgBox("采样点数过多。", MsgIcon::Critical, ErrorTitle);
            return false;
        }
    }

    // 4. Steps, rounded to 32-bit floats. Every animation kind gets its dT,
    // whatever Animation says, so its frames never all fall on MinT.
    SamplingContext ctx;
    ctx.dU = static_cast<float>((static_cast<double>(MaxU) - MinU) / static_cast<double>(su));
    ctx.dV = static_cast<float>((static_cast<double>(MaxV) - MinV) / static_cast<double>(sv));
    if (Animation || animated)
        ctx.dT = static_cast<float>((static_cast<double>(MaxT) - MinT) /
                                    static_cast<double>(frames));
    ctx.MinU = MinU;
    ctx.MinV = MinV;
    ctx.MinT = MinT;
    ctx.Frames = FrameCount;
    ctx.View = ClipRange::View();

    // 6. Every text compiles, also those the kind does not evaluate.
    const bool compiled = ctx.Compile(preX, ctx.X) == 0 && ctx.Compile(preY, ctx.Y) == 0 &&
                          ctx.Compile(preZ, ctx.Z) == 0 &&
                          (GraphType != GraphType::Intersection ||
                           ctx.Compile(InsertMulSigns(Exp2), ctx.Exp2) == 0);
    if (!compiled) {
        FillAllUndefined(*this);
        return false;
    }

    // 7. The partial derivatives of the Z text. One that cannot be built (its
    // message shown once) leaves its surface undefined; the graph itself is
    // still sampled.
    if (ShowSurPX || ShowSurPY) {
        bool refused = false;
        if (ShowSurPX) {
            const std::optional<std::string> text = PartialDerivativeText(preZ, "x", ExpressZ);
            if (!text) refused = true;
            else if (ctx.Compile(*text, ctx.PX) != 0) return false;
            else ctx.HasPX = true;
        }
        if (ShowSurPY && !refused) {
            const std::optional<std::string> text = PartialDerivativeText(preZ, "y", ExpressZ);
            if (!text) refused = true;
            else if (ctx.Compile(*text, ctx.PY) != 0) return false;
            else ctx.HasPY = true;
        }
        if (ShowSurPX && !ctx.HasPX) FillUndefined(VertPX);
        if (ShowSurPY && !ctx.HasPY) FillUndefined(VertPY);
    }

    // 8. The sampler of the kind.
    bool sampled = true;
    switch (GraphType) {
    case GraphType::Function2D:
    case GraphType::Strip25D:
    case GraphType::Intersection:
    case GraphType::StepStem:
    case GraphType::Limit: sampled = SamplePlane(ctx); break;
    case GraphType::RevolutionX:
    case GraphType::RevolutionY:
        sampled = SamplePlane(ctx);
        if (sampled) SampleRevolution();
        break;
    case GraphType::Series: sampled = SampleSeries(ctx); break;
    case GraphType::Curve3D: sampled = SampleSpaceCurve(ctx); break;
    case GraphType::Surface3D:
    case GraphType::ColorMap:
    case GraphType::Contour:
    case GraphType::VectorField: sampled = SampleSurface(ctx); break;
    case GraphType::Point: sampled = SampleSinglePoint(ctx); break;
    case GraphType::PointAnimation:
    case GraphType::Function2DAnimation:
    case GraphType::Strip25DAnimation:
    case GraphType::Curve3DAnimation:
    case GraphType::Surface3DAnimation: sampled = SampleAnimation(ctx); break;
    default: break; // tables, vectors, ODE (step 10) and unknown kinds
    }
    if (!sampled) return false;

    // 9. Derivative and mirrored-function samples.
    if (!SampleAnalysis(ctx)) return false;

    // 10. The differential equation's solutions.
    if (GraphType == GraphType::ODE) SampleODE(ctx);
    return true;
}
