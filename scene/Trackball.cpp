#include "scene/Trackball.h"

#include "core/Errors.h"
#include "core/Globals.h"

#include <cmath>

std::int32_t RotationMode = 0;

namespace {

// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { RotationMode = 0; });

constexpr double Pi = 3.14159265358979323846;
float F(double v) { return static_cast<float>(v); }
} // namespace

void VecZero(Vec4& v) { v[0] = v[1] = v[2] = 0; }

void VecSet(Vec4& v, float x, float y, float z) {
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

void VecSub(const Vec4& a, const Vec4& b, Vec4& r) {
    for (int i = 0; i < 3; ++i) r[i] = F(double(a[i]) - b[i]);
}

void VecCopy(const Vec4& src, Vec4& dst) { dst = src; }

void VecCross(const Vec4& a, const Vec4& b, Vec4& r) {
    Vec4 t{0, 0, 0, 0};
    t[0] = F(double(a[1]) * b[2] - double(a[2]) * b[1]);
    t[1] = F(double(a[2]) * b[0] - double(a[0]) * b[2]);
    t[2] = F(double(a[0]) * b[1] - double(a[1]) * b[0]);
    VecCopy(t, r);
}

double VecLength(const Vec4& v) {
    return std::sqrt(double(v[0]) * v[0] + double(v[1]) * v[1] + double(v[2]) * v[2]);
}

void VecScale(Vec4& v, float s) {
    for (int i = 0; i < 3; ++i) v[i] = F(double(v[i]) * s);
}

void VecNormalize(Vec4& v) {
    const double len = VecLength(v);
    if (len == 0) throw MathFault(MathFault::Kind::DivisionByZero);
    VecScale(v, F(1 / len));
}

double VecDot(const Vec4& a, const Vec4& b) { return double(a[0]) * b[0] + double(a[1]) * b[1] + double(a[2]) * b[2]; }

void VecAdd(const Vec4& a, const Vec4& b, Vec4& r) {
    for (int i = 0; i < 3; ++i) r[i] = F(double(a[i]) + b[i]);
}

double ArcSin(float x) {
    if (x == 1) return 1.570796326794895;
    const double s = 1 - double(x) * x;
    if (s < 0) throw MathFault(MathFault::Kind::Invalid);
    if (s == 0) throw MathFault(MathFault::Kind::DivisionByZero);
    return std::atan(x / std::sqrt(s));
}

double ArcCos(float& x) {
    if (x == 1) return 0;
    if (x == 0) {
        x = 1E-7f;
        return std::atan(1 / 1E-7);
    }
    const double s = 1 - double(x) * x;
    if (s < 0) throw MathFault(MathFault::Kind::Invalid);
    const double a = std::atan(std::sqrt(s) / x);
    // The arctangent of a negative ratio lies in -pi/2..0; the angle is that plus pi.
    return x < 0 ? a + Pi : a;
}

float ProjectToSphere(float r, float x, float y) {
    const float d = F(std::sqrt(double(x) * x + double(y) * y));
    if (d < double(r) * 7071 / 10000) return F(std::sqrt(double(r) * r - double(d) * d));
    const double t = double(r) * 1000 / 1414;
    return F(t * t / d);
}

void DragToQuat(Vec4& q, float x1, float y1, float x2, float y2) {
    if (x1 == x2 && y1 == y2) {
        q = {0, 0, 0, 1};
        return;
    }
    Vec4 p1{x1, y1, ProjectToSphere(0.5f, x1, y1), 0};
    Vec4 p2{x2, y2, ProjectToSphere(0.5f, x2, y2), 0};
    Vec4 a{0, 0, 0, 0};
    switch (RotationMode) {
    case 1: VecCross(p2, p1, a); break;
    case 2: VecSet(a, 0, 0, x1 < x2 ? 1.0f : -1.0f); break;
    case 3: VecSet(a, y1 < y2 ? 1.0f : -1.0f, 0, 0); break;
    case 4: VecSet(a, 0, x1 > x2 ? 1.0f : -1.0f, 0); break;
    default:
        // No rotate command chosen: the drag does not turn the view.
        q = {0, 0, 0, 1};
        return;
    }
    Vec4 d{0, 0, 0, 0};
    VecSub(p1, p2, d);
    double t = VecLength(d) / 1;
    if (t > 1) t = 1;
    if (t < -1) t = -1;
    const double phi = 2 * ArcSin(F(t));
    AxisToQuat(a, phi, q);
}

void AxisToQuat(Vec4& a, double phi, Vec4& q) {
    VecNormalize(a);
    VecCopy(a, q);
    VecScale(q, F(std::sin(phi / 2)));
    q[3] = F(std::cos(phi / 2));
}

void ComposeQuats(const Vec4& q1, const Vec4& q2, Vec4& dest) {
    Vec4 t1 = q1, t2 = q2, t3{0, 0, 0, 0}, tf{0, 0, 0, 0};
    VecScale(t1, q2[3]);
    VecScale(t2, q1[3]);
    VecCross(q2, q1, t3);
    VecAdd(t1, t2, tf);
    VecAdd(t3, tf, tf);
    tf[3] = F(double(q1[3]) * q2[3] - VecDot(q1, q2));
    dest = tf;
    NormalizeQuat(dest);
}

void NormalizeQuat(Vec4& q) {
    float m = F(std::sqrt(double(q[0]) * q[0] + double(q[1]) * q[1] + double(q[2]) * q[2] + double(q[3]) * q[3]));
    if (m == 0) m = 1;
    for (float& e : q) e = F(double(e) / m);
}

void QuatToMatrix(Mat16& m, const Vec4& q) {
    const double x = q[0], y = q[1], z = q[2], w = q[3];
    m[0] = F(1 - 2 * (y * y + z * z));
    m[1] = F(2 * (x * y - z * w));
    m[2] = F(2 * (z * x + y * w));
    m[3] = 0;
    m[4] = F(2 * (x * y + z * w));
    m[5] = F(1 - 2 * (z * z + x * x));
    m[6] = F(2 * (y * z - x * w));
    m[7] = 0;
    m[8] = F(2 * (z * x - y * w));
    m[9] = F(2 * (y * z + x * w));
    m[10] = F(1 - 2 * (y * y + x * x));
    m[11] = 0;
    m[12] = 0;
    m[13] = 0;
    m[14] = 0;
    m[15] = 1;
}
