#include "core/Errors.h"
#include "scene/Trackball.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;

struct ModeGuard {
    std::int32_t saved = RotationMode;
    ~ModeGuard() { RotationMode = saved; }
};

// The angle (radians) and unit axis of a unit quaternion.
double AngleOf(const Vec4& q) { return 2 * std::acos(std::min(1.0, std::fabs(double(q[3])))); }
} // namespace

TEST(Trackball, ProjectToSphere) {
    EXPECT_FLOAT_EQ(ProjectToSphere(0.5f, 0, 0), 0.5f);
    const double t = 0.5 * 1000 / 1414;
    EXPECT_FLOAT_EQ(ProjectToSphere(0.5f, 1, 0), float(t * t / 1));
    // Both sheets meet at the rim.
    const float rim = 0.5f * 7071 / 10000;
    EXPECT_NEAR(ProjectToSphere(0.5f, rim - 1e-6f, 0), ProjectToSphere(0.5f, rim, 0), 1e-4);
}

TEST(Trackball, DragToQuatInEveryMode) {
    ModeGuard guard;
    // The drag (0,0) -> (0.5,0): p1 = (0,0,0.5), p2 = (0.5,0,0.2500755) on the
    // sheet, |p1 - p2| = 0.5589832, a turn by 2 asin(0.5589832) = 67.971 degrees
    // about the axis of the mode.
    const double halfSin = 0.5589832, halfCos = 0.8291790;

    struct Case {
        std::int32_t mode;
        float x1, y1, x2, y2;
        float ax, ay, az; // expected unit axis
    };
    const Case cases[] = {
        {1, 0, 0, 0.5f, 0, 0, -1, 0},  // free: p2 x p1 points along -y
        {2, 0, 0, 0.5f, 0, 0, 0, 1},   // x1 < x2: +z
        {2, 0.5f, 0, 0, 0, 0, 0, -1},
        {3, 0, 0, 0, 0.5f, 1, 0, 0},   // y1 < y2: +x
        {3, 0, 0.5f, 0, 0, -1, 0, 0},
        {4, 0.5f, 0, 0, 0, 0, 1, 0},   // x1 > x2: +y
        {4, 0, 0, 0.5f, 0, 0, -1, 0},
    };
    for (const Case& c : cases) {
        RotationMode = c.mode;
        Vec4 q{};
        DragToQuat(q, c.x1, c.y1, c.x2, c.y2);
        EXPECT_NEAR(AngleOf(q) * 180 / Pi, 67.971, 1e-3) << "mode " << c.mode;
        EXPECT_NEAR(q[0], c.ax * halfSin, 1e-6) << "mode " << c.mode;
        EXPECT_NEAR(q[1], c.ay * halfSin, 1e-6) << "mode " << c.mode;
        EXPECT_NEAR(q[2], c.az * halfSin, 1e-6) << "mode " << c.mode;
        EXPECT_NEAR(q[3], halfCos, 1e-6) << "mode " << c.mode;
    }

    // Equal points give the identity in every mode, the unset mode 0 included.
    for (std::int32_t mode = 0; mode <= 4; ++mode) {
        RotationMode = mode;
        Vec4 q{9, 9, 9, 9};
        DragToQuat(q, 0.3f, -0.2f, 0.3f, -0.2f);
        EXPECT_EQ(q, (Vec4{0, 0, 0, 1})) << mode;
    }
    // With no rotate command chosen a drag does not turn anything.
    RotationMode = 0;
    Vec4 q{};
    DragToQuat(q, 0, 0, 0.5f, 0.5f);
    EXPECT_EQ(q, (Vec4{0, 0, 0, 1}));

    // A drag far outside the ball turns by at most 180 degrees.
    RotationMode = 2;
    DragToQuat(q, -1, -1, 1, 1);
    EXPECT_NEAR(AngleOf(q), Pi, 1e-6);
}

TEST(Trackball, ComposeAndMatrix) {
    Vec4 axis{0, 0, 1, 0};
    Vec4 q90{};
    AxisToQuat(axis, Pi / 2, q90);
    Vec4 q = q90;
    ComposeQuats(q, q90, q); // the result may be one of the inputs
    EXPECT_NEAR(q[0], 0, 1e-6);
    EXPECT_NEAR(q[1], 0, 1e-6);
    EXPECT_NEAR(q[2], 1, 1e-6);
    EXPECT_NEAR(q[3], 0, 1e-6);
    EXPECT_NEAR(AngleOf(q), Pi, 1e-6);
    EXPECT_NEAR(std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]), 1, 1e-6);

    // The rotation about x followed by the one about y.
    Vec4 ax{1, 0, 0, 0}, ay{0, 1, 0, 0}, qx{}, qy{}, qxy{};
    AxisToQuat(ax, Pi / 2, qx);
    AxisToQuat(ay, Pi / 2, qy);
    ComposeQuats(qx, qy, qxy);
    EXPECT_NEAR(qxy[0], 0.5, 1e-6);
    EXPECT_NEAR(qxy[1], 0.5, 1e-6);
    EXPECT_NEAR(qxy[2], -0.5, 1e-6);
    EXPECT_NEAR(qxy[3], 0.5, 1e-6);

    Mat16 m{};
    m.fill(7);
    QuatToMatrix(m, Vec4{0, 0, 0, 1});
    for (int i = 0; i < 16; ++i) EXPECT_EQ(m[i], (i % 5 == 0) ? 1.0f : 0.0f) << i;

    // 90 degrees about z: the matrix as GL reads it, column by column.
    QuatToMatrix(m, q90);
    const float expected[16] = {0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-6) << i;

    Vec4 zero{0, 0, 0, 0};
    NormalizeQuat(zero);
    EXPECT_EQ(zero, (Vec4{0, 0, 0, 0}));
}

TEST(Trackball, ArcCosAndArcSin) {
    struct Case {
        float x;
        double angle;
        float after;
    };
    const Case cases[] = {
        {1, 0, 1},
        {0.5f, Pi / 3, 0.5f},
        {-0.5f, 2 * Pi / 3, -0.5f},
        {-1, Pi, -1},
        {0, std::atan(1 / 1E-7), 1E-7f},
    };
    for (const Case& c : cases) {
        float x = c.x;
        EXPECT_NEAR(ArcCos(x), c.angle, 1e-7) << c.x;
        EXPECT_EQ(x, c.after) << c.x;
    }
    float zero = 0;
    EXPECT_LT(ArcCos(zero), Pi / 2);

    EXPECT_EQ(ArcSin(1), 1.570796326794895);
    EXPECT_NEAR(ArcSin(0.5f), Pi / 6, 1e-7);
    EXPECT_EQ(ArcSin(0), 0);
    try {
        ArcSin(-1);
        FAIL();
    } catch (const MathFault& f) {
        EXPECT_EQ(f.GetKind(), MathFault::Kind::DivisionByZero);
    }
    try {
        ArcSin(1.5f);
        FAIL();
    } catch (const MathFault& f) {
        EXPECT_EQ(f.GetKind(), MathFault::Kind::Invalid);
    }
}

TEST(Trackball, VectorOperations) {
    Vec4 a{1, 2, 3, 9}, b{4, 5, 6, 8}, r{};
    VecCross(a, b, r);
    EXPECT_EQ(r, (Vec4{-3, 6, -3, 0}));
    VecCross(a, b, a); // into one of its inputs
    EXPECT_EQ(a, (Vec4{-3, 6, -3, 0}));
    EXPECT_EQ(VecDot(Vec4{1, 2, 3, 0}, b), 32);
    VecSub(b, Vec4{1, 1, 1, 0}, r);
    EXPECT_EQ(r[0], 3);
    VecAdd(b, Vec4{1, 1, 1, 0}, r);
    EXPECT_EQ(r[2], 7);
    Vec4 v{3, 0, 4, 0};
    EXPECT_EQ(VecLength(v), 5);
    VecNormalize(v);
    EXPECT_FLOAT_EQ(v[0], 0.6f);
    EXPECT_FLOAT_EQ(v[2], 0.8f);

    Vec4 zero{};
    VecZero(zero);
    try {
        VecNormalize(zero);
        FAIL();
    } catch (const MathFault& f) {
        EXPECT_EQ(f.GetKind(), MathFault::Kind::DivisionByZero);
    }
}
