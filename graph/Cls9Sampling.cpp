// GetPoints: the frame that every graph kind shares. It prepares and compiles
// the texts, creates the sample arrays of the graph's kind, and hands the
// work to the sampler of the kind, then to the analysis samples and the
// differential equation.
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "graph/Cls9.h"
#include "graph/SamplingContext.h"
#include "math/Der.h"
#include "math/InfixToPolish.h"
#include "math/Module1.h"
#include "math/PolishToInfix.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

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

// The partial derivative of a prepared text by "x" or "y" as infix text, or
// nothing when PartialDerive refused it (its message shown) or the list was
// malformed.
std::optional<std::string> PartialText(const clsPolish& list, const char* variable) {
    try {
        std::optional<clsPolish> d = PartialDerive(list, variable);
        if (!d) return std::nullopt;
        return MergeSigns(PolishToInfix(*d));
    } catch (const RaisedError&) {
        return std::nullopt;
    }
}

void FillUndefined(PointGrid& grid) {
    Cls2* p = grid.Data();
    for (std::int64_t n = 0; n < grid.Count(); ++n) p[n].x = p[n].y = p[n].z = UndefinedValue;
}

} // namespace

bool Cls9::GetPoints() {
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
    {
        std::int64_t total = 0;
        const std::int64_t grid = PointsOf({su, sv});
        AddPoints(total, grid);                    // Vert3D
        if (ShowSurPX) AddPoints(total, grid);     // VertPX
        if (ShowSurPY) AddPoints(total, grid);     // VertPY
        switch (GraphType) {
        case GraphType::Curve3D: AddPoints(total, PointsOf({su})); break;
        case GraphType::PointAnimation: AddPoints(total, PointsOf({frames})); break;
        case GraphType::Function2DAnimation: AddPoints(total, PointsOf({sv, frames})); break;
        case GraphType::Strip25DAnimation: AddPoints(total, PointsOf({1, sv, frames})); break;
        case GraphType::Curve3DAnimation: AddPoints(total, PointsOf({su, frames})); break;
        case GraphType::Surface3DAnimation: AddPoints(total, PointsOf({su, sv, frames})); break;
        case GraphType::RevolutionX:
        case GraphType::RevolutionY: AddPoints(total, PointsOf({40, sv})); break;
        case GraphType::Intersection:
        case GraphType::ODE: AddPoints(total, grid); break;
        default: break;
        }
        AddPoints(total, grid);            // VertDev
        AddPoints(total, grid);            // VertDev2
        if (ShowJO) AddPoints(total, grid); // VertJO
        if (total > MaxSamplePoints) {
            MsgBox("采样点数过多。", MsgIcon::Critical, ErrorTitle);
            return false;
        }
    }

    // 3. The arrays of the graph's kind, each made afresh with new points.
    {
        bool made = Vert3D.Create(su, sv);
        if (made && ShowSurPX) made = VertPX.Create(su, sv);
        if (made && ShowSurPY) made = VertPY.Create(su, sv);
        if (made) {
            switch (GraphType) {
            case GraphType::Curve3D: made = VertCurve3D.Create(su); break;
            case GraphType::PointAnimation: made = Anim1D.Create(frames); break;
            case GraphType::Function2DAnimation: made = Anim2D.Create(sv, frames); break;
            case GraphType::Surface3DAnimation: made = Anim3D.Create(su, sv, frames); break;
            case GraphType::Curve3DAnimation: made = AnimCurve3D.Create(su, frames); break;
            case GraphType::Strip25DAnimation: made = Anim25D.Create(1, sv, frames); break;
            default: break;
            }
        }
        if (made) made = VertDev.Create(su, sv) && VertDev2.Create(su, sv);
        if (made && ShowJO) made = VertJO.Create(su, sv);
        if (made && (GraphType == GraphType::RevolutionX || GraphType == GraphType::RevolutionY))
            made = VertRev.Create(40, sv);
        if (made && GraphType == GraphType::Intersection) made = VertInter.Create(su, sv);
        if (made && GraphType == GraphType::ODE) made = VertODE.Create(su, sv);
        if (!made) {
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
    Cls6& engine = ctx.Evaluator;
    if (engine.InfixToPostfix(preX, ctx.X) != 0) return false;
    if (engine.InfixToPostfix(preY, ctx.Y) != 0) return false;
    if (engine.InfixToPostfix(preZ, ctx.Z) != 0) return false;
    if (GraphType == GraphType::Intersection &&
        engine.InfixToPostfix(InsertMulSigns(Exp2), ctx.Exp2) != 0)
        return false;

    // 7. The partial derivatives of the Z text. One that cannot be built (its
    // message shown once) leaves its surface undefined; the graph itself is
    // still sampled.
    if (ShowSurPX || ShowSurPY) {
        bool parsed = true;
        std::string refusal;
        std::optional<clsPolish> list;
        try {
            list = InfixToPolish(preZ, refusal, parsed);
        } catch (const RaisedError&) {
            parsed = false;
        }
        bool refused = !parsed;
        const clsPolish base = list ? *list : clsPolish{};
        if (ShowSurPX && !refused) {
            const std::optional<std::string> text = PartialText(base, "x");
            if (!text) refused = true;
            else if (engine.InfixToPostfix(*text, ctx.PX) != 0) return false;
            else ctx.HasPX = true;
        }
        if (ShowSurPY && !refused) {
            const std::optional<std::string> text = PartialText(base, "y");
            if (!text) refused = true;
            else if (engine.InfixToPostfix(*text, ctx.PY) != 0) return false;
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
    case GraphType::Point: sampled = SamplePoint(ctx); break;
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
