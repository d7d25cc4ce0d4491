// The plane graph sequence: header line, form dispatch, line state and the
// order of the overlays.
#include "render/PlaneDrawing.h"

#include "core/Globals.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "render/DrawingState.h"
#include "scene/Cls8.h"

#include <GL/gl.h>

#include <cfloat>
#include <cmath>

namespace {

// The line that names the function, for the explicit and parametric forms of
// the two plane coordinate systems; the graph's own texts, as typed.
void WriteHeaderLine(const Cls9& g) {
    if (g.CoordType == CoordType::PlaneCartesian) {
        if (g.FunForm == FunForm::Explicit) AppendResultLine("函数 y=" + g.ExpressZ);
        if (g.FunForm == FunForm::Parametric) AppendResultLine("函数 x=" + g.ExpressY + ", " + "y=" + g.ExpressZ);
    } else if (g.CoordType == CoordType::Polar) {
        if (g.FunForm == FunForm::Explicit) AppendResultLine("函数 r=" + g.ExpressZ);
        if (g.FunForm == FunForm::Parametric) AppendResultLine("函数 a=" + g.ExpressY + ", " + "r=" + g.ExpressZ);
    }
}

bool NeedsDerivativeAnalyses(const Cls9& g) {
    return g.ShowDev || g.ShowQie || g.ShowNml || g.ShowMax || g.ShowLen || g.ShowMin || g.ShowCurv || g.ShowGuai;
}

// Runs the overlays in their order; false when one ended the drawing.
bool DrawOverlays(Cls9& g, GraphDrawing& work, std::int32_t lngAnimStep) {
    if (g.ShowInt && !DrawIntegralOverlay(g, work)) return false;
    if (g.GraphType == GraphType::Intersection && (g.ShowInter || g.ShowArea)) {
        if (!SearchIntersections(g, work)) return false;
        if (g.ShowArea && work.IntersectionCount >= 2 && !DrawAreaBetweenCurves(g, work)) return false;
    }
    DrawCurvePass(g, work, lngAnimStep);
    if (!NeedsDerivativeAnalyses(g)) return true;
    return DrawDerivativeAnalyses(g, work) && DrawArcLength(g, work) && DrawTangentsAndNormals(g, work) &&
           DrawInflectionPoints(g, work) && DrawCurvatureCircles(g, work);
}

} // namespace

void DrawPlaneGraph(Cls9& g, GraphDrawing& work, std::int32_t lngAnimStep) {
    WriteHeaderLine(g);
    if (g.FunForm == FunForm::Implicit || g.FunForm == FunForm::Inequality) {
        DrawImplicitPlaneGraph(g, work, lngAnimStep);
        return;
    }
    if (g.FunForm != FunForm::Explicit && g.FunForm != FunForm::Parametric) return;

    PlanePolygonState();
    BeginLineState();
    SetLineWidth(g.LineWidth);
    if (DrawOverlays(g, work, lngAnimStep)) EndLineState();
}

const SamplePoint* PlaneSample(const Cls9& g, std::int64_t i, std::int32_t lngAnimStep) {
    return g.GraphType == GraphType::Function2DAnimation ? g.Anim2D.Find(i, lngAnimStep) : g.Vert3D.Find(0, i);
}

bool IsDefined(const SamplePoint* p) {
    return p != nullptr && p->x != UndefinedValue && p->y != UndefinedValue && p->z != UndefinedValue;
}

bool IsDefinedXY(const SamplePoint* p) { return p != nullptr && p->x != UndefinedValue && p->y != UndefinedValue; }

bool SamePlanePoint(float x, float y, float lastX, float lastY, double scale) {
    const double tolerance = 32 * double(FLT_EPSILON) * scale;
    return std::fabs(double(x) - lastX) <= tolerance && std::fabs(double(y) - lastY) <= tolerance;
}

void DrawPlaneSegment(double x1, double y1, double z1, double x2, double y2, double z2) {
    // GL keeps vertices as 32-bit floats: a coordinate beyond their range is
    // as unusable as an undefined one.
    const double s = Scale2D;
    const float v[6] = {float(x1 / s), float(y1 / s), float(z1 / s), float(x2 / s), float(y2 / s), float(z2 / s)};
    for (float c : v)
        if (!std::isfinite(c)) return;
    glBegin(GL_LINES);
    glVertex3f(v[0], v[1], v[2]);
    glVertex3f(v[3], v[4], v[5]);
    glEnd();
}

bool DrawPlaneMarker(double x, double y, std::int32_t colour, float size, std::int32_t symbol, Cls2& marker) {
    marker.x = static_cast<float>(x / Scale2D);
    marker.y = static_cast<float>(y / Scale2D);
    marker.z = 0;
    if (!std::isfinite(marker.x) || !std::isfinite(marker.y)) return false;
    marker.Color = colour;
    marker.Size = size;
    marker.Symbol = symbol;
    marker.Draw();
    return true;
}
