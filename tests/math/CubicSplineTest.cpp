#include "core/Errors.h"
#include "math/CubicSpline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Curve {
    std::vector<float> x, y;
    std::int32_t count = -1;
};

Curve Fit(const std::vector<float>& px, const std::vector<float>& py, int condition,
          float s0 = 0, float s1 = 0, float s2 = 0, float s3 = 0) {
    Curve c;
    CubicSpline(static_cast<std::int32_t>(px.size()) - 1, static_cast<std::int16_t>(condition), s0,
                s1, s2, s3, px, py, c.x, c.y, c.count);
    EXPECT_EQ(c.count, static_cast<std::int32_t>(c.x.size()));
    EXPECT_EQ(c.x.size(), c.y.size());
    return c;
}

TEST(CubicSpline, SamplesEveryFifthOfAUnitThenTheEndPoint) {
    // Natural end conditions through two points: the straight segment.
    Curve line = Fit({0, 1}, {0, 0}, 2);
    ASSERT_EQ(line.count, 7);
    const float straight[] = {0, 0.2f, 0.4f, 0.6f, 0.8f, 1, 1};
    for (int i = 0; i < 7; ++i) {
        EXPECT_NEAR(line.x[i], straight[i], 1e-6) << i;
        EXPECT_EQ(line.y[i], 0.0f);
    }
    // Zero end slopes: x(s) = 3s^2 - 2s^3.
    Curve eased = Fit({0, 1}, {0, 0}, 1);
    ASSERT_EQ(eased.count, 7);
    const float cubic[] = {0, 0.104f, 0.352f, 0.648f, 0.896f, 1, 1};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(eased.x[i], cubic[i], 1e-6) << i;
    // An interval of length 2 stops at s = 1.8: the accumulated s exceeds 2.
    EXPECT_EQ(Fit({0, 2}, {0, 0}, 2).count, 11);
    // An interval shorter than 0.2: its start and end points only.
    Curve tiny = Fit({0, 0.1f}, {0, 0}, 2);
    ASSERT_EQ(tiny.count, 2);
    EXPECT_EQ(tiny.x[1], 0.1f);
}

TEST(CubicSpline, SmallCasesFollowTheirEndConditions) {
    // Collinear, equally spaced points: every sample on the line.
    Curve diag = Fit({0, 1, 2, 3}, {0, 1, 2, 3}, 2);
    for (int i = 0; i < diag.count; ++i) EXPECT_NEAR(diag.x[i], diag.y[i], 1e-5) << i;

    // A right angle: the curve passes through all three points, the corner twice.
    Curve corner = Fit({0, 1, 1}, {0, 0, 1}, 2);
    ASSERT_EQ(corner.count, 14);
    EXPECT_EQ(corner.x[0], 0.0f);
    EXPECT_EQ(corner.x[6], 1.0f);
    EXPECT_EQ(corner.y[6], 0.0f);
    EXPECT_EQ(corner.x[7], 1.0f);
    EXPECT_EQ(corner.y[7], 0.0f);
    EXPECT_EQ(corner.y[13], 1.0f);

    // Three points, end conditions 0 and 3: x(s) and y(s) are the parabolas
    // through the three values.
    const std::vector<float> px = {0, 1, 3}, py = {0, 1, 1};
    const double h1 = std::sqrt(2.0), h2 = 2;
    auto parabola = [&](const std::vector<float>& v, double s) {
        const double s1 = h1, s2 = h1 + h2;
        return v[0] * (s - s1) * (s - s2) / (s1 * s2) + v[1] * s * (s - s2) / (s1 * (s1 - s2)) +
               v[2] * s * (s - s1) / (s2 * (s2 - s1));
    };
    for (int condition : {0, 3}) {
        Curve c = Fit(px, py, condition);
        // Interval 0: s = 0, 0.2, ..., 1.4 and its end point; interval 1 (length
        // 2): s = 0, 0.2, ..., 1.8 and its end point.
        ASSERT_EQ(c.count, 8 + 1 + 10 + 1) << condition;
        for (int i = 0; i < 8; ++i) {
            EXPECT_NEAR(c.x[i], parabola(px, 0.2 * i), 2e-5) << condition << " " << i;
            EXPECT_NEAR(c.y[i], parabola(py, 0.2 * i), 2e-5) << condition << " " << i;
        }
        for (int i = 0; i < 10; ++i) {
            EXPECT_NEAR(c.x[9 + i], parabola(px, h1 + 0.2 * i), 2e-5) << condition << " " << i;
            EXPECT_NEAR(c.y[9 + i], parabola(py, h1 + 0.2 * i), 2e-5) << condition << " " << i;
        }
    }
    // Two points with end conditions 0 and 3: the straight segment.
    for (int condition : {0, 3}) {
        Curve c = Fit({0, 1}, {0, 1}, condition);
        ASSERT_EQ(c.count, 9);
        for (int i = 0; i < c.count; ++i) EXPECT_NEAR(c.x[i], c.y[i], 1e-6);
    }
    // An end condition outside 0..3 is taken as the natural one (2).
    const Curve natural = Fit({0, 1, 3, 4}, {0, 2, 1, 3}, 2);
    for (int condition : {-1, 4, 32767}) {
        const Curve c = Fit({0, 1, 3, 4}, {0, 2, 1, 3}, condition, 5, -5, 5, -5);
        EXPECT_EQ(c.x, natural.x) << condition;
        EXPECT_EQ(c.y, natural.y) << condition;
    }
}

// Every table point occurs in the output, and the samples follow each other
// closely (no overshoot, no gaps, no undefined values).
void ExpectThroughAllPoints(const std::vector<float>& px, const std::vector<float>& py,
                            const Curve& c) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < px.size(); ++i) {
        while (at < c.x.size() && !(c.x[at] == px[i] && c.y[at] == py[i])) ++at;
        EXPECT_LT(at, c.x.size()) << "point " << i << " missing";
    }
    for (std::size_t i = 1; i < c.x.size(); ++i) {
        ASSERT_TRUE(std::isfinite(c.x[i]) && std::isfinite(c.y[i]));
        EXPECT_LT(std::hypot(c.x[i] - c.x[i - 1], c.y[i] - c.y[i - 1]), 0.5) << i;
    }
}

TEST(CubicSpline, FitsLongTablesAndSkipsRepeatedPoints) {
    std::vector<float> px, py;
    for (int i = 0; i < 30; ++i) {
        px.push_back(static_cast<float>(i) * 4);
        py.push_back(3 * std::sin(i * 0.5f));
    }
    Curve c = Fit(px, py, 1);
    ExpectThroughAllPoints(px, py, c);
    EXPECT_GT(c.count, 501);

    const std::vector<float> rx = {0, 1, 1, 2, 3, 3, 3}, ry = {0, 1, 1, 0, 1, 1, 1};
    Curve r = Fit(rx, ry, 1);
    ExpectThroughAllPoints(rx, ry, r);
    EXPECT_EQ(r.x.back(), 3.0f);

    // One point left: that point alone.
    Curve one = Fit({2, 2, 2}, {5, 5, 5}, 1);
    ASSERT_EQ(one.count, 1);
    EXPECT_EQ(one.x[0], 2.0f);
    EXPECT_EQ(one.y[0], 5.0f);
    EXPECT_EQ(Fit({4}, {1}, 0).count, 1);

    // A chord so long that the 32-bit s stops growing by 0.2 (from 2^22 on):
    // the interval ends where s stalls, followed by its end point.
    Curve far = Fit({0, 5e6f}, {0, 0}, 2);
    ASSERT_GT(far.count, 2);
    EXPECT_EQ(far.x.back(), 5e6f);
    EXPECT_EQ(far.x[static_cast<std::size_t>(far.count) - 2], 4194304.0f);

    // Arrays shorter than n + 1 points.
    std::vector<float> ox, oy;
    std::int32_t count = 0;
    const std::vector<float> two = {0, 1};
    EXPECT_THROW(CubicSpline(2, 1, 0, 0, 0, 0, two, two, ox, oy, count), RaisedError);
}

} // namespace
