// Space vectors and vector operations.
#include "render/VectorDrawing.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "graph/VectorOperation.h"
#include "render/DrawingState.h"
#include "scene/Trackball.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using V = VectorComponents;

float F(double v) { return static_cast<float>(v); }

std::string S(float v) { return SingleText(v); }

bool Finite(const V& p) { return std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Z); }

void Line(const V& a, const V& b) {
    if (!Finite(a) || !Finite(b)) return;
    glBegin(GL_LINES);
    glVertex3f(a.X, a.Y, a.Z);
    glVertex3f(b.X, b.Y, b.Z);
    glEnd();
}

void Colour(float red, float green, float blue) { glColor3f(red, green, blue); }

void Colour(std::int32_t lngColor) {
    const ColorTriple c = ColorToRGB(lngColor);
    glColor3f(F(c.red), F(c.green), F(c.blue));
}

// The vector divided by its length; a zero vector divided by 0.0000001.
V Unit(const V& d) {
    float length = VectorLength(d);
    if (length == 0) length = 0.0000001f;
    return {F(double(d.X) / length), F(double(d.Y) / length), F(double(d.Z) / length)};
}

// The angle in degrees of a cosine, with the constant 3.1416 for pi. The
// cosine is clamped first: rounding can carry it just past 1, where ArcCos
// raises the invalid fault.
float AngleOf(float cosine) {
    float c = std::clamp(cosine, -1.0f, 1.0f);
    return F(ArcCos(c) / 3.1416 * 180);
}

// Turns the drawing z axis onto u: about z x u by the angle between them.
// Nearly parallel (|z x u| < 1e-6): +z and the zero vector need no turn, -z
// a half turn about y.
void TurnZOnto(const V& u) {
    const double ax = -double(u.Y);
    const double ay = u.X;
    const double across = std::sqrt(ax * ax + ay * ay);
    if (!(across >= 1e-6)) {
        if (u.Z < 0) glRotated(180, 0, 1, 0);
        return;
    }
    const double degrees = std::atan2(across, double(u.Z)) * 180 / M_PI;
    glRotated(degrees, ax, ay, 0);
}

// One lit solid from its own quadric, placed by `place` inside a matrix push
// and pop; nothing at a position that is not finite.
template <class Place, class Shape>
void Solid(const V& at, Place place, Shape shape) {
    if (!Finite(at)) return;
    glPushMatrix();
    GLUquadric* quadric = gluNewQuadric();
    if (quadric != nullptr) {
        place();
        shape(quadric);
        gluDeleteQuadric(quadric);
    }
    glPopMatrix();
}

// The arrowhead at `tip` pointing along the unit vector u: a cone of base
// radius 0.3 and height 0.82 whose base centre lies 0.8 back from the tip.
void ArrowHead(const V& tip, const V& u) {
    const V base{F(tip.X - 0.8 * u.X), F(tip.Y - 0.8 * u.Y), F(tip.Z - 0.8 * u.Z)};
    Solid(
        base,
        [&] {
            glTranslatef(base.X, base.Y, base.Z);
            TurnZOnto(u);
        },
        [](GLUquadric* q) { gluCylinder(q, 0.3, 0, 0.82, 16, 16); });
}

void Sphere(const V& at) {
    Solid(
        at, [&] { glTranslatef(at.X, at.Y, at.Z); }, [](GLUquadric* q) { gluSphere(q, 0.2, 16, 16); });
}

// The cone of a leg or projection: height 0.8, its base at `base`, turned by
// `degrees` about the axis (ax, ay, az) (no turn for 0); lit while drawn.
void AxisCone(double bx, double by, double bz, double degrees, double ax, double ay, double az) {
    const V base{F(bx), F(by), F(bz)};
    glEnable(GL_LIGHTING);
    Solid(
        base,
        [&] {
            glTranslated(bx, by, bz);
            if (degrees != 0) glRotated(degrees, ax, ay, az);
        },
        [](GLUquadric* q) { gluCylinder(q, 0.3, 0, 0.8, 16, 16); });
    glDisable(GL_LIGHTING);
}

// The legs of the component vectors, or the projections on the axes: along
// each drawing axis from `from` to `to` (which differ in that axis alone),
// each with its cone pointing the way of the component d.
void AxisArrows(const V& d, const V& b, const V& e, bool onAxes) {
    // X: turned onto +x (90 about y) or -x (270 about y).
    const V xFrom = onAxes ? V{b.X, 0, 0} : b;
    const V xTo = onAxes ? V{e.X, 0, 0} : V{e.X, b.Y, b.Z};
    Line(xFrom, xTo);
    if (d.X > 0)
        AxisCone(double(e.X) - 0.8, xTo.Y, xTo.Z, 90, 0, 1, 0);
    else
        AxisCone(double(e.X) + 0.8, xTo.Y, xTo.Z, 270, 0, 1, 0);
    // Y: turned onto +y (-90 about x) or -y (90 about x).
    const V yFrom = onAxes ? V{0, b.Y, 0} : b;
    const V yTo = onAxes ? V{0, e.Y, 0} : V{b.X, e.Y, b.Z};
    Line(yFrom, yTo);
    if (d.Y > 0)
        AxisCone(yTo.X, double(e.Y) - 0.8, yTo.Z, -90, 1, 0, 0);
    else
        AxisCone(yTo.X, double(e.Y) + 0.8, yTo.Z, 90, 1, 0, 0);
    // Z: along +z unturned, or -z (180 about y).
    const V zFrom = onAxes ? V{0, 0, b.Z} : b;
    const V zTo = onAxes ? V{0, 0, e.Z} : V{b.X, b.Y, e.Z};
    Line(zFrom, zTo);
    if (d.Z > 0)
        AxisCone(zTo.X, zTo.Y, double(e.Z) - 0.8, 0, 0, 1, 0);
    else
        AxisCone(zTo.X, zTo.Y, double(e.Z) + 0.8, 180, 0, 1, 0);
}

// The nine edges of the box of b and e that do not meet b.
void BoxEdges(const V& b, const V& e) {
    const V corners[9][2] = {
        {{b.X, b.Y, e.Z}, {b.X, e.Y, e.Z}}, {{b.X, e.Y, b.Z}, {b.X, e.Y, e.Z}}, {{b.X, e.Y, b.Z}, {e.X, e.Y, b.Z}},
        {{e.X, e.Y, b.Z}, {e.X, b.Y, b.Z}}, {{e.X, b.Y, b.Z}, {e.X, b.Y, e.Z}}, {{e.X, b.Y, e.Z}, {b.X, b.Y, e.Z}},
        {{e.X, b.Y, e.Z}, {e.X, e.Y, e.Z}}, {{e.X, e.Y, e.Z}, {b.X, e.Y, e.Z}}, {{e.X, e.Y, e.Z}, {e.X, e.Y, b.Z}},
    };
    if (!Finite(b) || !Finite(e)) return;
    glBegin(GL_LINES);
    for (const auto& edge : corners) {
        glVertex3f(edge[0].X, edge[0].Y, edge[0].Z);
        glVertex3f(edge[1].X, edge[1].Y, edge[1].Z);
    }
    glEnd();
}

void DrawSpaceVector(const Cls9& g) {
    const V b{g.VecBeginX, g.VecBeginY, g.VecBeginZ};
    const V e{g.VecEndX, g.VecEndY, g.VecEndZ};
    const V d{F(double(e.X) - b.X), F(double(e.Y) - b.Y), F(double(e.Z) - b.Z)};

    Result().SetText("向量:" + CrLf);
    AppendResultLine("  起点: x=" + S(b.Z) + ", y=" + S(b.X) + ", z=" + S(b.Y));
    AppendResultLine("  终点: x=" + S(e.Z) + ", y=" + S(e.X) + ", z=" + S(e.Y));
    AppendResultLine("  向量: dx=" + S(d.Z) + ", dy=" + S(d.X) + ", dz=" + S(d.Y));

    Colour(g.VecColor);
    SetLineWidth(g.VecWidth);
    Line(b, e);

    AppendResultLine("  模: " + S(VectorLength(d)));
    const V u = Unit(d);
    AppendResultLine("  方向角: ");
    AppendResultLine("    X方向: " + S(AngleOf(u.Z)));
    AppendResultLine("    Y方向: " + S(AngleOf(u.X)));
    AppendResultLine("    Z方向: " + S(AngleOf(u.Y)));

    glEnable(GL_LIGHTING);
    ArrowHead(e, u);
    if (g.ShowVecBegin) Sphere(b);
    if (g.ShowVecEnd) Sphere(e);
    glDisable(GL_LIGHTING);

    if (g.ShowVecB) {
        Colour(0, 1, 0);
        AxisArrows(d, b, e, false);
        Colour(1, 1, 0);
        glLineWidth(1);
        BoxEdges(b, e);
    }
    if (g.ShowVecPrj) {
        Colour(0.8f, 0.2f, 0.2f);
        glLineWidth(2);
        AxisArrows(d, b, e, true);
    }
}

// An arrow from the origin to p, two pixels wide, with spheres at both ends.
void OperandArrow(const V& p, float red, float green, float blue) {
    const V origin{};
    Colour(red, green, blue);
    glLineWidth(2);
    Line(origin, p);
    glEnable(GL_LIGHTING);
    ArrowHead(p, Unit(p));
    Sphere(origin);
    Sphere(p);
    glDisable(GL_LIGHTING);
}

std::string Components(const V& v, const char* beforeZ = ", dz=") {
    return "  dx=" + S(v.Z) + ", dy=" + S(v.X) + beforeZ + S(v.Y);
}

void DrawVectorOperation(const Cls9& g) {
    const VectorOperationResult op = ComputeVectorOperation(g);
    const V& v1 = op.V1;
    const V& v2 = op.V2;
    const V& r = op.Result;

    Result().SetText("向量 1(红): dx=" + S(v1.Z) + ", dy=" + S(v1.X) + ", dz=" + S(v1.Y) + CrLf);
    AppendResultLine("向量 2(绿): dx=" + S(v2.Z) + ", dy=" + S(v2.X) + ", dz=" + S(v2.Y));
    OperandArrow(v1, 1, 0, 0);
    if (op.ShowsV2) OperandArrow(v2, 0, 1, 0);

    const auto yellowLines = [&] {
        glColor3d(1, 1, 0);
        glLineWidth(1);
        Line(v1, r);
        Line(r, v2);
    };
    switch (g.VecOperation) {
    case VecOperation::Sum:
        AppendResultLine("向量1 + 向量2 (兰):" + Components(r));
        OperandArrow(r, 0, 0, 1);
        yellowLines();
        break;
    case VecOperation::Difference:
        AppendResultLine("向量1 - 向量2 (兰):" + Components(r));
        OperandArrow(r, 0, 0, 1);
        yellowLines();
        break;
    case VecOperation::Multiple:
        AppendResultLine("向量1*" + S(g.VecConstant) + "(兰):" + Components(r));
        OperandArrow(r, 0, 0, 1);
        break;
    case VecOperation::DotProduct: {
        const float dot = F(double(v2.Y) * v1.Y + double(v2.X) * v1.X + double(v2.Z) * v1.Z);
        float l1 = VectorLength(v1);
        float l2 = VectorLength(v2);
        if (l1 == 0) l1 = 0.0000001f;
        if (l2 == 0) l2 = 0.0000001f;
        const float cosine = F(double(dot) / l1 / l2);
        AppendResultLine("向量1 .* 向量2 (兰):  值=" + S(dot));
        AppendResultLine("  向量1与向量2之间的夹角: " + S(AngleOf(cosine)));
        break;
    }
    case VecOperation::CrossProduct:
        AppendResultLine("向量1 * 向量2 (粉红):" + Components(r, "  dz="));
        OperandArrow(r, 1, 0, 1);
        break;
    default:
        break; // no result: the two vectors alone
    }
}

} // namespace

void DrawVector(const Cls9& g) {
    PlanePolygonState();
    BeginLineState();
    if (g.GraphType == GraphType::Vector)
        DrawSpaceVector(g);
    else
        DrawVectorOperation(g);
    EndLineState();
}
