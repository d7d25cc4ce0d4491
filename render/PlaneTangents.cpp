// Tangent and normal lines of a plane function at the positions of their
// lists, with their points and slopes.
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "render/DrawingState.h"
#include "render/PlaneAnalysis.h"
#include "render/PlaneDrawing.h"

#include <cmath>

namespace {

// The curve at a position: its point and the slope dy/dx of its tangent.
struct TangentAt {
    std::string position; // "x=…, y=…" or "a=…, r=…"; empty for a parametric graph
    bool defined = false; // the point
    double x = 0, y = 0;
    bool hasSlope = false; // the slope is a finite 32-bit float
    float slope = 0;
};

TangentAt EvaluateTangent(GraphDrawing& work, const Cls9& g, float p) {
    const PlaneDerivativeTexts& t = work.Derivatives;
    const float dy = EvaluateAt(work, g, t.PostDY, p);
    const float dz = EvaluateAt(work, g, t.PostDZ, p);
    const float ey = EvaluateAt(work, g, t.PostEY, p);
    const float ez = EvaluateAt(work, g, t.PostEZ, p);
    TangentAt at;
    double slope = 0;
    bool slopeDefined = false;
    if (g.CoordType == CoordType::Polar) {
        // a = EY, r = EZ; the slope of the polar curve from r' = DZ.
        at.position = "a=" + SingleText(ey) + ", r=" + SingleText(ez);
        at.defined = Defined(ey) && Defined(ez);
        at.x = double(ez) * std::cos(double(ey));
        at.y = double(ez) * std::sin(double(ey));
        if (at.defined && Defined(dz)) {
            const double tanA = std::tan(double(ey));
            slope = (double(dz) * tanA + ez) / SlopeDivisor(double(dz) - ez * tanA);
            slopeDefined = true;
        }
    } else {
        if (g.FunForm == FunForm::Explicit) at.position = "x=" + SingleText(ey) + ", y=" + SingleText(ez);
        at.defined = Defined(ey) && Defined(ez);
        at.x = ey;
        at.y = ez;
        if (Defined(dy) && Defined(dz)) {
            slope = double(dz) / SlopeDivisor(dy);
            slopeDefined = true;
        }
    }
    at.hasSlope = slopeDefined && FiniteSingle(slope, at.slope);
    return at;
}

// The line through the point from `half` back to `half` ahead along the
// angle theta.
void DrawThrough(const TangentAt& at, double theta, double half) {
    const double dx = half * std::cos(theta), dy = half * std::sin(theta);
    DrawPlaneSegment(at.x - dx, at.y - dy, 0, at.x + dx, at.y + dy, 0);
}

} // namespace

bool DrawTangentsAndNormals(Cls9& g, GraphDrawing& work) {
    if (!TangentsApply(g) || !work.Derivatives.First) return true;

    if (g.ShowQie) {
        const ColorTriple rgb = ColorToRGB(g.QieColor);
        const std::int32_t count = PositionCount(g.QieNum);
        for (std::int32_t k = 1; k <= count; ++k) {
            const TangentAt at = EvaluateTangent(work, g, g.QieX(k));
            if (!at.position.empty()) AppendResultLine("    切点: " + at.position);
            // No slope line or line where the point or a derivative has no value.
            if (!at.defined || !at.hasSlope) continue;
            AppendResultLine("      斜率: " + SingleText(at.slope));
            SetColor(rgb);
            SetLineWidth(g.QieWidth);
            DrawThrough(at, std::atan(double(at.slope)), 0.8);
        }
        AppendResultLine("");
    }

    if (g.ShowNml) {
        const ColorTriple rgb = ColorToRGB(g.NmlColor);
        const std::int32_t count = PositionCount(g.NmlNum);
        for (std::int32_t k = 1; k <= count; ++k) {
            const TangentAt at = EvaluateTangent(work, g, g.NmlX(k));
            if (!at.position.empty()) AppendResultLine("    法线位置: " + at.position);
            if (!at.defined || !at.hasSlope) continue;
            // A horizontal tangent has the steep normal of slope -10^7.
            const double m = at.slope == 0 ? 0.0000001 : double(at.slope);
            float normal = 0;
            if (!FiniteSingle(-1 / m, normal)) continue;
            AppendResultLine("      斜率: " + SingleText(normal));
            SetColor(rgb);
            SetLineWidth(g.NmlWidth);
            DrawThrough(at, std::atan(double(normal)), -0.5);
        }
        AppendResultLine("");
    }
    return true;
}
