#include "math/SegmentGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SegmentGeometry, SegmentIntersectTable) {
    constexpr float U = -77; // an output left untouched
    const struct {
        float x1, y1, x2, y2, x3, y3, x4, y4;
        int result;
        float px, py, qx, qy;
    } cases[] = {
        {0, 0, 2, 2, 0, 2, 2, 0, 1, 1, 1, U, U},
        {2, 2, 0, 0, 2, 0, 0, 2, 1, 1, 1, U, U},    // either direction
        {0, 0, 1, 1, 1, 1, 2, 0, 1, 1, 1, U, U},    // a shared end point
        {0, 0, 1, 1, 2, 0, 3, -1, 0, 1, 1, U, U},   // the lines cross outside
        {0, 0, 2, 0, 1, 0, 3, 0, 2, 1, 0, 2, 0},    // overlap
        {3, 0, 1, 0, 2, 0, 0, 0, 2, 1, 0, 2, 0},
        {0, 0, 1, 0, 1, 0, 2, 0, 2, 1, 0, 1, 0},    // collinear, touching
        {0, 0, 1, 0, 2, 0, 3, 0, 0, U, U, U, U},    // collinear, apart
        {0, 0, 1, 0, 0, 1, 1, 1, 0, U, U, U, U},    // parallel
        {1, 0, 1, 2, 1, 1, 1, 3, 0, U, U, U, U},    // two verticals: intercepts -10000, -9999
        {0, 0, 1e-38f, 1e30f, 0, 1, 1, 1, 0, U, U, U, U}, // a slope beyond the float range
    };
    for (const auto& c : cases) {
        float px = U, py = U, qx = U, qy = U;
        EXPECT_EQ(SegmentIntersect(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, px, py, qx, qy),
                  c.result)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " / " << c.x3 << "," << c.y3
            << " " << c.x4 << "," << c.y4;
        EXPECT_EQ(px, c.px);
        EXPECT_EQ(py, c.py);
        EXPECT_EQ(qx, c.qx);
        EXPECT_EQ(qy, c.qy);
    }
}

TEST(SegmentGeometry, VerticalSegmentsUseThePseudoSlope) {
    // The crossing x comes out a ten-thousandth beside 1, outside the vertical
    // segment's range [1, 1]; the intercept is taken through the first point.
    float px = 0, py = 0, qx = 0, qy = 0;
    EXPECT_EQ(SegmentIntersect(1, 0, 1, 2, 0, 1, 2, 1, px, py, qx, qy), 0);
    EXPECT_EQ(px, 10001.0f / 10000.0f);
    EXPECT_NEAR(py, 1.0f, 1e-3);
    EXPECT_EQ(SegmentIntersect(1, 2, 1, 0, 0, 1, 2, 1, px, py, qx, qy), 0);
    EXPECT_EQ(px, 9999.0f / 10000.0f);

    float k = 0, b = 0;
    LineCoef(2, 1, 2, 5, k, b);
    EXPECT_EQ(k, 10000.0f);
    EXPECT_EQ(b, -19999.0f);
    LineCoef(1, 1, 3, 5, k, b);
    EXPECT_EQ(k, 2.0f);
    EXPECT_EQ(b, -1.0f);
}

TEST(SegmentGeometry, MinMaxAndHypot) {
    EXPECT_EQ(MinOf(1, 2), 1.0f);
    EXPECT_EQ(MinOf(2, 1), 1.0f);
    EXPECT_EQ(MaxOf(1, 2), 2.0f);
    EXPECT_EQ(MaxOf(2, 1), 2.0f);
    // Equal values give the second argument.
    EXPECT_TRUE(std::signbit(MinOf(0.0f, -0.0f)));
    EXPECT_FALSE(std::signbit(MaxOf(-0.0f, 0.0f)));
    EXPECT_EQ(Hypot(3, 4), 5.0);
    EXPECT_EQ(Hypot(0, -2), 2.0);
    EXPECT_NEAR(Hypot(3e30f, 4e30f), 5e30, 1e24); // no overflow of the squares
}

} // namespace
