// Samplers of plane graphs: the plane loop (explicit and parametric curves,
// Cartesian and polar, with an intersection's second curve), surfaces of
// revolution, series, differential equations, and the derivative and f(-x)
// samples of plane functions and strips.
#include "core/Errors.h"
#include "graph/Cls9.h"
#include "graph/SamplingContext.h"
#include "math/Der.h"
#include "math/Module1.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// Clips row 0 of a grid, elements (0, 0..last).
void ClipRow0(PointGrid& grid, std::int64_t last, const ClipRange& range) {
    for (std::int64_t j = 0; j <= last; ++j) range.Apply(grid(0, j));
}

void UndefineRow0(PointGrid& grid, std::int64_t last) {
    for (std::int64_t j = 0; j <= last; ++j) {
        SamplePoint& p = grid(0, j);
        p.x = p.y = p.z = UndefinedValue;
    }
}

// Ring angle i of a surface of revolution: (i * 15708) / 100000 as a 32-bit
// float, so the last one is 6.2832 rather than 2 pi.
float RingAngle(std::int32_t i) {
    return static_cast<float>(static_cast<double>(i * 15708) / 100000.0);
}

// How a curve point gets its depth z in the parametric forms: from the X
// text, 0 in the Cartesian form only (second derivative), or always 0 (f(-x)).
enum class Depth { FromX, ZeroWhenCartesian, Zero };

// One point of a plane curve at position p by FunForm and CoordType, the
// texts evaluated in the order of each form; coordinates are stored as soon as
// they are known. Forms without a row leave the point as it is. False when an
// evaluation answered False.
bool SampleCurvePoint(SamplingContext& ctx, std::int32_t form, std::int32_t coord, SampledText& X,
                      SampledText& Y, SampledText& Z, float p, Depth depth, SamplePoint& pt) {
    const bool cartesian = coord == CoordType::PlaneCartesian;
    const bool polar = coord == CoordType::Polar;
    Bindings b;
    float d = 0, h = 0, v = 0, a = 0, r = 0;
    if (form == FunForm::Explicit && cartesian) {
        b.x = p;
        if (!ctx.Evaluate(Z, b, v)) return false;
        pt.x = StoredCoord(p);
        pt.y = v;
        pt.z = 0;
    } else if (form == FunForm::Explicit && polar) {
        b.a = p;
        if (!ctx.Evaluate(Z, b, r)) return false;
        PolarPoint(p, r, IsUndefined(r), pt.x, pt.y); // the angle is a position
        pt.z = 0;
    } else if (form == FunForm::Parametric && cartesian) {
        b.u = p;
        if (depth == Depth::FromX && !ctx.Evaluate(X, b, d)) return false;
        pt.z = d;
        if (!ctx.Evaluate(Y, b, h)) return false;
        pt.x = h;
        if (!ctx.Evaluate(Z, b, v)) return false;
        pt.y = v;
    } else if (form == FunForm::Parametric && polar) {
        b.u = p;
        if (!ctx.Evaluate(Y, b, a)) return false;
        if (!ctx.Evaluate(Z, b, r)) return false;
        PolarProduct(a, r, pt.x, pt.y);
        if (depth != Depth::Zero && !ctx.Evaluate(X, b, d)) return false;
        pt.z = d;
    }
    return true;
}

// The derivative text of a text by its one variable, or nothing when it
// cannot be built (the chain has shown why, naming `expression`, the graph's
// own text, for a derivative too long to build). "u" and "U" are their own
// derivative texts.
std::optional<std::string> DerivativeOf(const std::string& text, const std::string& expression) {
    if (text == "u" || text == "U") return text;
    return DerivativeText(text, expression);
}

// The derivative texts of three texts, built in the order X, Y, Z; nothing
// once one of them is refused (so its message is shown once). `expressions`
// are the graph's own texts the refusal names.
struct TextTriple {
    std::string x, y, z;
};
std::optional<TextTriple> Derivatives(const TextTriple& texts, const TextTriple& expressions) {
    TextTriple d;
    const std::string* from[3] = {&texts.x, &texts.y, &texts.z};
    const std::string* named[3] = {&expressions.x, &expressions.y, &expressions.z};
    std::string* to[3] = {&d.x, &d.y, &d.z};
    for (int k = 0; k < 3; ++k) {
        std::optional<std::string> text = DerivativeOf(*from[k], *named[k]);
        if (!text) return std::nullopt;
        *to[k] = std::move(*text);
    }
    return d;
}

// Three compiled texts.
struct SampledTriple {
    SampledText x, y, z;
};

// Compiles three texts in the order X, Y, Z; False at the first that the
// compiler refused (it has shown its message).
bool CompileTriple(SamplingContext& ctx, const TextTriple& texts, SampledTriple& compiled) {
    return ctx.Compile(texts.x, compiled.x) == 0 && ctx.Compile(texts.y, compiled.y) == 0 &&
           ctx.Compile(texts.z, compiled.z) == 0;
}

// The variable a plane curve's texts run along by FunForm and CoordType (x or
// a in the explicit forms, u in the parametric ones); -1 for the other forms.
int CurveVariable(std::int32_t form, std::int32_t coord) {
    if (coord != CoordType::PlaneCartesian && coord != CoordType::Polar) return -1;
    if (form == FunForm::Explicit) return coord == CoordType::Polar ? Slot::A : Slot::X;
    if (form == FunForm::Parametric) return Slot::U;
    return -1;
}

// Arranges the texts of a curve for its loop over the positions.
void ArrangeCurve(std::initializer_list<SampledText*> texts, int variable,
                  const std::vector<float>& positions) {
    if (variable < 0) return;
    const auto columns = SamplingContext::Positions(positions);
    for (SampledText* text : texts) SamplingContext::Arrange(*text, 0, variable, columns);
}

} // namespace

bool Cls9::SamplePlane(SamplingContext& ctx) {
    const std::int64_t last = StepV;
    const bool secondCurve = GraphType == GraphType::Intersection && FunForm == FunForm::Explicit &&
                             CoordType == CoordType::PlaneCartesian;
    std::vector<float> positions;
    for (std::int64_t j = 0; j <= last; ++j) positions.push_back(ctx.V(j));
    ArrangeCurve({&ctx.X, &ctx.Y, &ctx.Z}, CurveVariable(FunForm, CoordType), positions);
    if (secondCurve) ArrangeCurve({&ctx.Exp2}, Slot::X, positions);
    for (std::int64_t j = 0; j <= last; ++j) {
        const float p = positions[static_cast<std::size_t>(j)];
        ctx.Column = j;
        if (!SampleCurvePoint(ctx, FunForm, CoordType, ctx.X, ctx.Y, ctx.Z, p, Depth::FromX,
                              Vert3D(0, j)))
            return false;
        if (secondCurve) {
            float g = 0;
            Bindings b2;
            b2.x = p;
            if (!ctx.Evaluate(ctx.Exp2, b2, g)) return false;
            SamplePoint& q = VertInter(0, j);
            q.x = StoredCoord(p);
            q.y = g;
            q.z = 0;
        }
    }
    if (FunForm == FunForm::Explicit || FunForm == FunForm::Parametric) {
        ClipRow0(Vert3D, last, ctx.View);
        if (GraphType == GraphType::Intersection) ClipRow0(VertInter, last, ctx.View);
    }
    return true;
}

void Cls9::SampleRevolution() {
    const bool aboutY = GraphType == GraphType::RevolutionY;
    for (std::int64_t j = 0; j <= StepV; ++j) {
        const SamplePoint& profile = Vert3D(0, j);
        const float px = profile.x;
        const float py = profile.y;
        const bool defined = !IsUndefined(px) && !IsUndefined(py);
        const double radius = std::fabs(static_cast<double>(aboutY ? px : py));
        for (std::int32_t i = 0; i <= 40; ++i) {
            SamplePoint& ring = VertRev(i, j);
            if (!defined) {
                ring.x = ring.y = ring.z = UndefinedValue;
                continue;
            }
            const double theta = RingAngle(i);
            if (aboutY) {
                ring.x = StoredCoord(radius * std::cos(theta));
                ring.y = py;
                ring.z = StoredCoord(radius * std::sin(theta));
            } else {
                ring.x = px;
                ring.y = StoredCoord(radius * std::sin(theta));
                ring.z = StoredCoord(radius * std::cos(theta));
            }
        }
    }
}

bool Cls9::SampleSeries(SamplingContext& ctx) {
    const std::int64_t last = StepV;
    for (std::int64_t j = 0; j <= last; ++j) {
        const float p = ctx.V(j);
        SamplePoint& pt = Vert3D(0, j);
        pt.z = 0;
        pt.x = StoredCoord(p);
        // An undefined term leaves the sum undefined; the terms after it are
        // still evaluated, as any of them may end the sampling.
        float sum = 0;
        bool undefined = false;
        Bindings b;
        b.x = p;
        for (std::int64_t n = SeriesN1; n <= SeriesN2; ++n) {
            b.n = static_cast<std::int32_t>(n);
            float term = 0;
            if (!ctx.Evaluate(ctx.Z, b, term)) return false;
            if (IsUndefined(term)) undefined = true;
            sum = static_cast<float>(static_cast<double>(sum) + term);
        }
        if (!std::isfinite(sum)) undefined = true;
        pt.y = undefined ? UndefinedValue : StoredCoord(static_cast<double>(sum) + SeriesA0);
    }
    ClipRow0(Vert3D, last, ctx.View);
    return true;
}

bool Cls9::SampleAnalysis(SamplingContext& ctx) {
    const bool firstAsked =
        ShowDev || ShowQie || ShowNml || ShowMax || ShowMin || ShowCurv || ShowGuai;
    const bool secondAsked = ShowCurv || ShowGuai;
    const bool samples = GraphType == GraphType::Function2D || GraphType == GraphType::Strip25D;
    const std::int64_t last = StepV;

    // Fills row 0 of `row`, clipping each point, at the positions `at(j)`.
    auto sampleRow = [&](PointGrid& row, SampledText& X, SampledText& Y, SampledText& Z, Depth depth,
                         auto at) {
        std::vector<float> positions;
        for (std::int64_t j = 0; j <= last; ++j) positions.push_back(at(j));
        ArrangeCurve({&X, &Y, &Z}, CurveVariable(FunForm, CoordType), positions);
        for (std::int64_t j = 0; j <= last; ++j) {
            SamplePoint& pt = row(0, j);
            ctx.Column = j;
            if (!SampleCurvePoint(ctx, FunForm, CoordType, X, Y, Z, positions[static_cast<std::size_t>(j)],
                                  depth, pt))
                return false;
            ctx.View.Apply(pt);
        }
        return true;
    };
    auto p = [&ctx](std::int64_t j) { return ctx.V(j); };

    // Derivatives. One that cannot be built (its message shown once) leaves
    // its samples undefined, and the second derivative with it.
    if (firstAsked) {
        const TextTriple prepared{InsertMulSigns(ExpressX), InsertMulSigns(ExpressY),
                                  InsertMulSigns(ExpressZ)};
        const TextTriple own{ExpressX, ExpressY, ExpressZ};
        const std::optional<TextTriple> first = Derivatives(prepared, own);
        std::optional<TextTriple> second;
        if (first) {
            SampledTriple post;
            if (!CompileTriple(ctx, *first, post)) return false;
            if (samples && !sampleRow(VertDev, post.x, post.y, post.z, Depth::FromX, p))
                return false;
            if (secondAsked) second = Derivatives(*first, own);
        } else if (samples) {
            UndefineRow0(VertDev, last);
        }
        if (secondAsked) {
            if (second) {
                SampledTriple post;
                if (!CompileTriple(ctx, *second, post)) return false;
                if (samples &&
                    !sampleRow(VertDev2, post.x, post.y, post.z, Depth::ZeroWhenCartesian, p))
                    return false;
            } else if (samples) {
                UndefineRow0(VertDev2, last);
            }
        }
    }

    // f(-x): the Y text unmirrored, the Z text mirrored, over -MaxV..-MinV.
    if (ShowJO) {
        SampledText postY, postM;
        if (ctx.Compile(InsertMulSigns(ExpressY), postY) != 0) return false;
        if (ctx.Compile(MirrorExpression(InsertMulSigns(ExpressZ)), postM) != 0) return false;
        // q(j) = j dV - MaxV runs from -MaxV to -MinV.
        auto q = [&ctx, this](std::int64_t j) {
            return static_cast<float>(static_cast<double>(j) * ctx.dV - static_cast<double>(MaxV));
        };
        if (samples && !sampleRow(VertJO, postM, postY, postM, Depth::Zero, q)) return false;
    }
    return true;
}

void Cls9::SampleODE(SamplingContext& ctx) {
    const std::int64_t steps = StepU;
    const std::int64_t lastSolution = ODEInitial ? 0 : StepV;
    if (ODEInitial) {
        SamplePoint& start = VertODE(0, 0);
        start.x = ODEInitX;
        start.y = ODEInitY;
        start.z = 0;
    } else {
        // The start heights come from the exact quotient, not from the 32-bit dV.
        const double spacing = (static_cast<double>(MaxV) - MinV) / static_cast<double>(StepV);
        for (std::int64_t j = 0; j <= lastSolution; ++j) {
            SamplePoint& start = VertODE(0, j);
            start.x = MinU;
            start.y = StoredCoord(static_cast<double>(MinV) + static_cast<double>(j) * spacing);
            start.z = 0;
        }
    }
    const float m = std::fabs(MaxV) >= std::fabs(MinV) ? std::fabs(MaxV) : std::fabs(MinV);
    const float upper = static_cast<float>(2.0 * m);
    const float lower = -upper;

    // The slope keeps its last value when an evaluation answers False.
    float s = 0;
    for (std::int64_t k = 1; k <= steps; ++k) {
        const float x = StoredCoord(static_cast<double>(ctx.MinU) +
                                    static_cast<double>(k) * static_cast<double>(ctx.dU));
        for (std::int64_t j = 0; j <= lastSolution; ++j) {
            const SamplePoint& previous = VertODE(k - 1, j);
            const float yp = previous.y;
            Bindings b;
            b.x = previous.x;
            b.y = yp;
            ctx.Evaluate(ctx.Z, b, s);
            float y = UndefinedValue;
            if (!IsUndefined(s) && !IsUndefined(yp))
                y = StoredCoord(static_cast<double>(yp) +
                                static_cast<double>(s) * static_cast<double>(ctx.dU));
            if (!ODEInitial) {
                if (y > upper) y = UndefinedValue;
                if (y < lower) y = UndefinedValue;
            }
            SamplePoint& point = VertODE(k, j);
            point.x = x;
            point.y = y;
            point.z = 0;
        }
    }
}

bool Cls9::IsLetter(const std::string& text) {
    if (text.size() != 1) return false;
    const char c = text[0];
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string Cls9::MirrorExpression(const std::string& text) const {
    char variable = 0;
    if (FunForm == FunForm::Explicit && CoordType == CoordType::PlaneCartesian) variable = 'x';
    else if (FunForm == FunForm::Explicit && CoordType == CoordType::Polar) variable = 'a';
    else if (FunForm == FunForm::Parametric &&
             (CoordType == CoordType::PlaneCartesian || CoordType == CoordType::Polar))
        variable = 'u';
    if (variable == 0) return std::string();

    // The compiler reads names case-insensitively, so "X" is the variable too.
    auto isVariable = [variable](char c) {
        return c == variable || c == static_cast<char>(variable - 'a' + 'A');
    };
    const std::string inside = std::string("(-") + variable + ")";
    if (text.size() < 2) {
        if (text.size() == 1 && isVariable(text[0])) return std::string("-") + variable;
        return text;
    }
    std::string result;
    result.reserve(text.size() + 8);
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        const bool letterBefore = i > 0 && IsLetter(std::string(1, text[i - 1]));
        const bool letterAfter = i + 1 < n && IsLetter(std::string(1, text[i + 1]));
        if (isVariable(c) && !letterBefore && !letterAfter) result += inside;
        else result += c;
    }
    return result;
}
