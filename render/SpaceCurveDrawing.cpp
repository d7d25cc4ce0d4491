// Space curves and their tangent lines and normal planes.
#include "render/SpaceCurveDrawing.h"

#include "core/Globals.h"
#include "graph/Cls9.h"
#include "graph/SamplingSpace.h"
#include "math/Der.h"
#include "math/InfixToPolish.h"
#include "math/Module1.h"
#include "math/PolishToInfix.h"
#include "math/SafeEvaluate.h"
#include "render/DrawingState.h"
#include "render/SpaceTangents.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

// The postfix texts of the three coordinates and of their derivatives by u.
struct CurveTexts {
    std::string DX, DY, DZ, X, Y, Z;
};

// The derivative of an infix text by its variable, as infix text. False when
// the text cannot be differentiated (the engine has shown its message).
bool DerivativeText(const std::string& text, std::string& derived) {
    std::string message;
    bool success = true;
    const std::optional<clsPolish> list = InfixToPolish(text, message, success);
    if (!success || !list) return false;
    const std::optional<clsPolish> d = Derive(*list);
    if (!d) return false;
    derived = MergeSigns(PolishToInfix(*d));
    return true;
}

// Forms and compiles DX, DY, DZ, X, Y, Z in this order with the call's one
// compiler. False at the first text refused.
bool PrepareCurveTexts(GraphDrawing& work, CurveTexts& t) {
    std::string dx, dy, dz;
    if (!DerivativeText(work.ExpressX, dx) || !DerivativeText(work.ExpressY, dy) ||
        !DerivativeText(work.ExpressZ, dz))
        return false;
    Cls6& c = work.Evaluator;
    return c.InfixToPostfix(dx, t.DX) == 0 && c.InfixToPostfix(dy, t.DY) == 0 && c.InfixToPostfix(dz, t.DZ) == 0 &&
           c.InfixToPostfix(work.ExpressX, t.X) == 0 && c.InfixToPostfix(work.ExpressY, t.Y) == 0 &&
           c.InfixToPostfix(work.ExpressZ, t.Z) == 0;
}

// The coordinates and the derivative vector at u, in the texts' own order
// (X, Y, Z); `defined` is false when any of the six is undefined.
struct CurveAt {
    double X = 0, Y = 0, Z = 0, DX = 0, DY = 0, DZ = 0;
    bool defined = false;
};

CurveAt EvaluateAt(Cls6& evaluator, const CurveTexts& t, float u) {
    float v[6] = {};
    const std::string* texts[6] = {&t.X, &t.Y, &t.Z, &t.DX, &t.DY, &t.DZ};
    CurveAt at;
    at.defined = true;
    for (int k = 0; k < 6; ++k) {
        // U is the curve parameter; every other variable is 0.
        SafeEvaluate(evaluator, *texts[k], false, v[k], u, 0, 0, 0, 0, 0, 0, 0, 0);
        if (v[k] == UndefinedValue) at.defined = false;
    }
    at.X = v[0];
    at.Y = v[1];
    at.Z = v[2];
    at.DX = v[3];
    at.DY = v[4];
    at.DZ = v[5];
    return at;
}

// Whether a drawing coordinate survives as a finite 32-bit float.
bool Finite(double v) { return std::isfinite(static_cast<float>(v)); }

// The segments between defined neighbouring samples, point(i) for
// i = 0..StepU (nullptr where the array has no such point). The walk ends
// where the array ends: a graph never sampled may keep steps in the billions.
template <class PointAt>
void DrawCurveSegments(const Cls9& graph, const GraphDrawing& work, PointAt&& point) {
    const auto defined = [](const SamplePoint* p) {
        return p->x != UndefinedValue && p->y != UndefinedValue && p->z != UndefinedValue;
    };
    bool begun = false;
    for (std::int64_t i = 0; i < graph.StepU; ++i) {
        const SamplePoint* p = point(i);
        const SamplePoint* q = point(i + 1);
        if (p == nullptr || q == nullptr) break;
        if (!defined(p) || !defined(q)) continue;
        // One primitive for all segments: the same lines as one pair each.
        if (!begun) {
            SetLineWidth(1);
            SetColor(work.SecondRGB);
            glBegin(GL_LINES);
            begun = true;
        }
        glVertex3d(p->x, p->y, p->z);
        glVertex3d(q->x, q->y, q->z);
    }
    if (begun) glEnd();
}

// The derivative vector laid through the curve point both ways, in drawing
// axes (the Y text along x, Z up, X along z).
void DrawTangentLine(const CurveAt& c) {
    const double a[3] = {c.Y - c.DY, c.Z - c.DZ, c.X - c.DX};
    const double b[3] = {c.Y + c.DY, c.Z + c.DZ, c.X + c.DX};
    for (int k = 0; k < 3; ++k)
        if (!Finite(a[k]) || !Finite(b[k])) return;
    glColor3d(0, 1, 0);
    SetLineWidth(2);
    glBegin(GL_LINES);
    glVertex3d(a[0], a[1], a[2]);
    glVertex3d(b[0], b[1], b[2]);
    glEnd();
}

// The square of side 1 about the curve point in the X and Y of the texts,
// lifted onto the plane through the point perpendicular to the derivative.
// The plane is solved for Z, so none is drawn where DZ is 0.
void DrawNormalPlane(const CurveAt& c) {
    if (c.DZ == 0) return;
    // Offsets in X and Y of the four corners, in drawing order.
    static constexpr double corners[4][2] = {{-0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}, {0.5, -0.5}};
    double v[4][3];
    for (int k = 0; k < 4; ++k) {
        const double ox = corners[k][0];
        const double oy = corners[k][1];
        v[k][0] = c.Y + oy;
        v[k][1] = c.Z - (c.DX * ox + c.DY * oy) / c.DZ;
        v[k][2] = c.X + ox;
        for (double w : v[k])
            if (!Finite(w)) return;
    }
    glColor3d(0, 0, 1);
    glBegin(GL_QUADS);
    for (const auto& p : v) glVertex3d(p[0], p[1], p[2]);
    glEnd();
}

// Tangent lines, then normal planes, at their chosen positions (at most the
// 50 each list holds).
void DrawCurveOverlays(const Cls9& graph, GraphDrawing& work) {
    CurveTexts texts;
    if (!PrepareCurveTexts(work, texts)) return;
    if (graph.ShowTangent) {
        const std::int32_t n = std::min(graph.TangentNum, PositionList::Upper);
        for (std::int32_t i = 1; i <= n; ++i) {
            const CurveAt c = EvaluateAt(work.Evaluator, texts, graph.TangentX(i));
            if (c.defined) DrawTangentLine(c);
        }
    }
    if (graph.ShowNormal) {
        const std::int32_t n = std::min(graph.NormalNum, PositionList::Upper);
        for (std::int32_t i = 1; i <= n; ++i) {
            const CurveAt c = EvaluateAt(work.Evaluator, texts, graph.NormalX(i));
            if (c.defined) DrawNormalPlane(c);
        }
    }
}

// Tangent lines, then normal planes, of the curve whose point at s is
// `point`: the derivative of the point as drawn laid through it both ways,
// and the plane through it perpendicular to that derivative, lifted along
// the axis of its largest component, so that it is drawn where it stands
// upright (at every highest or lowest point of z = f(x)) and stays a unit
// square where it is steep.
void DrawMappedCurveOverlays(const Cls9& graph, const PointOf& point) {
    SpaceVector p, d;
    if (graph.ShowTangent) {
        const std::int32_t n = std::min(graph.TangentNum, PositionList::Upper);
        for (std::int32_t i = 1; i <= n; ++i)
            if (PointAndDerivative(point, graph.TangentX(i), p, d))
                DrawTangentLine(CurveAt{p.x, p.y, p.z, d.x, d.y, d.z, true});
    }
    if (graph.ShowNormal) {
        const std::int32_t n = std::min(graph.NormalNum, PositionList::Upper);
        for (std::int32_t i = 1; i <= n; ++i)
            if (PointAndDerivative(point, graph.NormalX(i), p, d)) DrawPlanePiece(p, d, LiftAxis(d));
    }
}

// Explicit curves, in every coordinate system: the overlays of the curve as
// drawn. The point at s is the sample's: the variable the curve runs along
// bound to s, the other one 0, and the value of the text mapped like the
// samples. A text in neither variable leaves every sample at the origin:
// there is no curve to touch, and nothing is drawn.
void DrawExplicitCurveOverlays(const Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep) {
    std::string postfix;
    if (work.Evaluator.InfixToPostfix(work.ExpressZ, postfix) != 0) return;
    const std::int32_t coordType = graph.CoordType;
    const CurveAxis axis = ExplicitCurveAxis(postfix, coordType);
    if (axis == CurveAxis::None) return;
    const bool first = axis == CurveAxis::First;
    const float t = FrameParameter(graph, lngAnimStep);
    DrawMappedCurveOverlays(graph, [&](float s, SpaceVector& p) {
        // The first pair of variables (x, a) or the second (y, r, b).
        float q1 = first ? s : 0;
        float q2 = first ? 0 : s;
        float value = 0;
        bool evaluated = false;
        switch (coordType) {
        case CoordType::Cartesian:
            evaluated = SafeEvaluate(work.Evaluator, postfix, false, value, 0, 0, q1, q2, 0, 0, 0, t, 0);
            break;
        case CoordType::Cylindrical:
            evaluated = SafeEvaluate(work.Evaluator, postfix, false, value, 0, 0, 0, 0, q1, q2, 0, t, 0);
            break;
        case CoordType::Spherical:
            evaluated = SafeEvaluate(work.Evaluator, postfix, false, value, 0, 0, 0, 0, q1, 0, q2, t, 0);
            break;
        default: return false;
        }
        if (!evaluated || value == UndefinedValue) return false;
        return MappedPoint(coordType, q1, q2, value, p);
    });
}

// Parametric cylindrical and spherical curves: the overlays of the curve as
// drawn. The point at u is the sample's: the three texts evaluated with U
// bound to u (and T to the frame's t, every other variable 0) give a, r and
// the height, or a, b and R, mapped like the samples. Their derivatives by u
// would be those of the coordinates, not of the point, so the point's is
// taken instead.
void DrawParametricMappedCurveOverlays(const Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep) {
    std::string x, y, z;
    Cls6& c = work.Evaluator;
    if (c.InfixToPostfix(work.ExpressX, x) != 0 || c.InfixToPostfix(work.ExpressY, y) != 0 ||
        c.InfixToPostfix(work.ExpressZ, z) != 0)
        return;
    const std::int32_t coordType = graph.CoordType;
    const float t = FrameParameter(graph, lngAnimStep);
    DrawMappedCurveOverlays(graph, [&](float u, SpaceVector& p) {
        float q[3] = {};
        const std::string* texts[3] = {&x, &y, &z};
        for (int k = 0; k < 3; ++k) {
            if (!SafeEvaluate(c, *texts[k], false, q[k], u, 0, 0, 0, 0, 0, 0, t, 0) || q[k] == UndefinedValue)
                return false;
        }
        return MappedPoint(coordType, q[0], q[1], q[2], p);
    });
}

} // namespace

void DrawSpaceCurve(const Cls9& graph, GraphDrawing& work, std::int32_t lngAnimStep) {
    PlanePolygonState();
    BeginLineState();
    if (graph.GraphType == GraphType::Curve3DAnimation)
        DrawCurveSegments(graph, work, [&](std::int64_t i) { return graph.AnimCurve3D.Find(i, lngAnimStep); });
    else
        DrawCurveSegments(graph, work, [&](std::int64_t i) { return graph.VertCurve3D.Find(i); });
    // Parametric Cartesian curves take the derivatives of their texts (a text
    // that cannot be differentiated ends the overlays; the end state is the
    // same either way); explicit curves, and parametric ones in cylindrical
    // or spherical coordinates, those of their points as drawn. The dialog
    // offers no overlay for the parametric cylindrical and spherical forms,
    // but keeps a tick set before the form was switched, and documents may
    // hold one.
    if (graph.ShowTangent || graph.ShowNormal) {
        if (graph.FunForm == FunForm::Parametric && graph.CoordType == CoordType::Cartesian)
            DrawCurveOverlays(graph, work);
        else if (graph.FunForm == FunForm::Parametric)
            DrawParametricMappedCurveOverlays(graph, work, lngAnimStep);
        else if (graph.FunForm == FunForm::Explicit)
            DrawExplicitCurveOverlays(graph, work, lngAnimStep);
    }
    EndLineState();
}
