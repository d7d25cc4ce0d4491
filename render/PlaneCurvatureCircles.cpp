// The circles of curvature of a Cartesian plane function at the positions of
// their list: point, curvature, radius and centre, and the circle drawn with
// its radius to the point.
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "render/DrawingState.h"
#include "render/PlaneAnalysis.h"
#include "render/PlaneDrawing.h"

#include <cmath>

namespace {

// The osculating circle at a position, as the result lines show it.
struct CircleAt {
    float x = 0, y = 0;   // the curve point
    float curvature = 0;  // 1 / radius
    float radius = 0;
    float cx = 0, cy = 0; // the centre
};

// False where the point, a derivative or a result has no finite value.
bool EvaluateCircle(GraphDrawing& work, const Cls9& g, float p, CircleAt& c) {
    const PlaneDerivativeTexts& t = work.Derivatives;
    const bool parametric = g.FunForm == FunForm::Parametric;
    const float dz = EvaluateAt(work, g, t.PostDZ, p);
    const float ddz = EvaluateAt(work, g, t.PostDDZ, p);
    const float dy = EvaluateAt(work, g, t.PostDY, p);
    const float q = parametric ? EvaluateAt(work, g, t.PostDQ, p) : 0.0f;
    c.x = EvaluateAt(work, g, t.PostEY, p);
    c.y = EvaluateAt(work, g, t.PostEZ, p);
    if (!Defined(c.x) || !Defined(c.y) || !Defined(dz) || !Defined(dy)) return false;
    // The slope dy/dx and the second derivative d2y/dx2 (for a parametric
    // graph the derivative of the slope by u over x').
    const float numerator = parametric ? q : ddz;
    if (!Defined(numerator)) return false;
    const double divisor = SlopeDivisor(dy);
    float m = 0, d2 = 0;
    if (!FiniteSingle(dz / divisor, m) || !FiniteSingle(numerator / divisor, d2)) return false;
    // A straight piece has a circle of radius (1 + m^2)^1.5 * 10000.
    if (d2 == 0) d2 = 0.0001f;
    const double s = 1 + double(m) * m;
    float kappa = 0;
    if (!FiniteSingle(std::fabs(double(d2)) / std::pow(s, 1.5), kappa) || kappa == 0) return false;
    return FiniteSingle(1 / double(kappa), c.radius) && FiniteSingle(1 / double(c.radius), c.curvature) &&
           FiniteSingle(c.x - m * s / d2, c.cx) && FiniteSingle(c.y + s / d2, c.cy);
}

} // namespace

bool DrawCurvatureCircles(Cls9& g, GraphDrawing& work) {
    if (!g.ShowCurv || !CurvatureApplies(g) || !work.Derivatives.Second) return true;
    const ColorTriple rgb = ColorToRGB(g.CurvColor);
    AppendResultLine("    曲率圆:");
    const std::int32_t count = PositionCount(g.CurvNum);
    for (std::int32_t k = 1; k <= count; ++k) {
        CircleAt c;
        if (!EvaluateCircle(work, g, g.CurvX(k), c)) continue;
        AppendResultLine("      位置: x=" + SingleText(c.x) + ", y=" + SingleText(c.y));
        AppendResultLine("        曲率: " + SingleText(c.curvature));
        AppendResultLine("        曲率半径: " + SingleText(c.radius));
        AppendResultLine("        曲率圆的圆心: x=" + SingleText(c.cx) + ", y=" + SingleText(c.cy));

        // 40 segments of 0.15708 radians close the circle; then its radius to the point.
        SetColor(rgb);
        SetLineWidth(g.CurvWidth);
        double px = c.radius + double(c.cx), py = c.cy;
        for (std::int32_t i = 1; i <= 40; ++i) {
            const double angle = static_cast<float>(i * 15708 / 100000.0);
            const double nx = c.radius * std::cos(angle) + c.cx, ny = c.radius * std::sin(angle) + c.cy;
            DrawPlaneSegment(px, py, 0, nx, ny, 0);
            px = nx;
            py = ny;
        }
        DrawPlaneSegment(c.x, c.y, 0, c.cx, c.cy, 0);
    }
    return true;
}
