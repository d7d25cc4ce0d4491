// Solution curves of differential equations, limit graphs and the series
// curve, sampled as their dialogs build them and drawn in a real GL context:
// pixels read back, structure through GL feedback.
#include "core/Globals.h"
#include "graph/Cls9.h"

#include "tests/render/OrthoViewFixture.h"
#include "tests/support/DialogGraphs.h"
#include "tests/support/DrawingChecks.h"
#include "tests/support/GlFeedback.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr Colour White{255, 255, 255};

Colour Split(std::int32_t c) { return {c & 255, (c >> 8) & 255, (c >> 16) & 255}; }

// Within a few steps of `c` on every channel (smoothed lines shade their rims).
bool Near(const Colour& a, const Colour& c, int tolerance = 60) {
    return std::abs(a.r - c.r) <= tolerance && std::abs(a.g - c.g) <= tolerance && std::abs(a.b - c.b) <= tolerance;
}

// Whether p is white blended with c by some alpha (a smoothed rim of c).
bool BlendOfWhiteAnd(const Colour& p, const Colour& c) {
    const int from[3] = {255 - c.r, 255 - c.g, 255 - c.b};
    const int got[3] = {255 - p.r, 255 - p.g, 255 - p.b};
    int k = 0;
    for (int i = 1; i < 3; ++i)
        if (from[i] > from[k]) k = i;
    if (from[k] == 0) return got[0] == 0 && got[1] == 0 && got[2] == 0;
    const double alpha = double(got[k]) / from[k];
    for (int i = 0; i < 3; ++i)
        if (std::fabs(got[i] - alpha * from[i]) > 6) return false;
    return true;
}

class OdeLimitDrawingTest : public OrthoViewFixture {
protected:
    void SetUp() override {
        OrthoViewFixture::SetUp();
        DocumentKind = 1;
        Scale2D = 1;
    }

    // The framebuffer read once, bottom row first.
    std::vector<Colour> Pixels() {
        std::vector<unsigned char> rgba(std::size_t(Side) * Side * 4);
        glReadPixels(0, 0, Side, Side, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        std::vector<Colour> out(std::size_t(Side) * Side);
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = {rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]};
        return out;
    }

    // The runs of pixels close to `c` down the column at drawing x, from
    // y = 10 to -10: the heights (drawing y) of their middles and their
    // lengths in pixels.
    struct Run {
        float y;
        int pixels;
    };
    std::vector<Run> RunsDown(float x, const Colour& c) {
        const std::vector<Colour> pixels = Pixels();
        const int column = int((x + 10) * Side / 20);
        std::vector<Run> runs;
        int length = 0;
        int first = 0;
        for (int row = Side - 1; row >= -1; --row) { // row 0 is the bottom
            const bool hit = row >= 0 && Near(pixels[std::size_t(row) * Side + std::size_t(column)], c);
            if (hit && length++ == 0) first = row;
            if (!hit && length > 0) {
                const double middle = (first + row + 1) / 2.0 + 0.5; // in rows from the bottom
                runs.push_back({float(middle * 20 / Side - 10), length});
                length = 0;
            }
        }
        return runs;
    }

    // Whether every pixel is white, c or a blend of the two.
    bool OnlyWhiteAnd(const Colour& c) {
        for (const Colour& p : Pixels())
            if (!BlendOfWhiteAnd(p, c)) return false;
        return true;
    }
};

TEST_F(OdeLimitDrawingTest, OdeFamilyDrawsElevenCurvesInItsColour) {
    // y' = 0 from x = -8 with start heights -4.95..5.05 (pixel centres): 11
    // horizontal curves in ODEColor over -8..8.
    const std::int32_t colour = 128 * 256; // dark green
    auto g = OdeFamily("0", -8, 8, 16, -4.95f, 5.05f, 10, colour, 1);
    ASSERT_TRUE(g->GetPoints());
    g->Draw();
    const std::vector<Run> runs = RunsDown(0.05f, Split(colour));
    ASSERT_EQ(runs.size(), 11u);
    for (int j = 0; j <= 10; ++j) {
        EXPECT_NEAR(runs[std::size_t(10 - j)].y, -4.95 + j, 0.1) << j;
        EXPECT_LE(runs[std::size_t(10 - j)].pixels, 2) << j;
    }
    EXPECT_TRUE(Near(At(-7.5f, 0.05f), Split(colour)));
    EXPECT_TRUE(Near(At(7.5f, 0.05f), Split(colour)));
    EXPECT_EQ(At(9, 0.05f), White);
    EXPECT_TRUE(OnlyWhiteAnd(Split(colour)));
    ExpectLineStateEnded(1);

    // One solution through (x0, y0): only curve 0, whatever StepV would say.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto one = OdeThroughPoint("0", -8, 8, 16, -8, 2.05f, colour, 4);
    ASSERT_TRUE(one->GetPoints());
    ASSERT_EQ(one->VertODE.Upper(1), 1);
    for (int k = 0; k <= 16; ++k) one->VertODE(k, 1) = Cls2::Init(float(k - 8), -3.05f, 0); // never drawn
    one->StepV = 10;
    one->Draw();
    const std::vector<Run> single = RunsDown(0.05f, Split(colour));
    ASSERT_EQ(single.size(), 1u);
    EXPECT_NEAR(single[0].y, 2.05, 0.1);
    EXPECT_GE(single[0].pixels, 3); // ODEWidth 4
    ExpectLineStateEnded(4); // the width is not reset
}

TEST_F(OdeLimitDrawingTest, WidthZeroOdeDrawsOnePixelWide) {
    const std::int32_t colour = 255;
    auto g = OdeThroughPoint("0", -8, 8, 16, -8, 3.05f, colour, 0);
    ASSERT_TRUE(g->GetPoints());
    glLineWidth(8); // left by an earlier graph
    g->Draw();
    ExpectLineStateEnded(1);
    const std::vector<Run> runs = RunsDown(0.05f, Split(colour));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0].y, 3.05, 0.1);
    EXPECT_LE(runs[0].pixels, 2);
}

TEST_F(OdeLimitDrawingTest, OdeCurvesSkipUndefinedPointsOnly) {
    // Solution 0 of three steps with point 1 undefined: the two segments at
    // it are left out. x is a step position and is not tested.
    auto g = OdeThroughPoint("0", 0, 3, 3, 0, 1);
    ASSERT_TRUE(g->GetPoints());
    g->VertODE(1, 0).y = UndefinedValue;
    g->VertODE(3, 0).x = UndefinedValue;
    g->VertODE(2, 0).y = 2;
    Feedback f = CaptureFeedback(Side, 10, [&] { g->Draw(); });
    ASSERT_EQ(f.lines.size(), 1u);
    EXPECT_NEAR(f.lines[0].from.x, 2, 1e-3);
    EXPECT_NEAR(f.lines[0].from.y, 2, 1e-3);
    EXPECT_NEAR(f.lines[0].to.x, UndefinedValue, 1e-3);

    // A graph never sampled, or sampled with smaller counts than it now
    // holds, draws what its array has and does not raise.
    auto unsampled = OdeFamily("x", 0, 1, 2'000'000'000, 0, 1, 2'000'000'000);
    EXPECT_NO_THROW(f = CaptureFeedback(Side, 10, [&] { unsampled->Draw(); }));
    EXPECT_TRUE(f.lines.empty());
    auto shrunk = OdeFamily("x", 0, 1, 2, 0, 1, 1);
    ASSERT_TRUE(shrunk->GetPoints());
    shrunk->StepU = shrunk->StepV = 2'000'000'000;
    EXPECT_NO_THROW(f = CaptureFeedback(Side, 10, [&] { shrunk->Draw(); }));
    EXPECT_EQ(f.lines.size(), 2u * 2);
}

TEST_F(OdeLimitDrawingTest, LimitDrawsCurveMarkersAndTheLineAtX0) {
    // sin(x)/x around 0: the middle sample is undefined; its two segments and
    // its marker are missing, and the green line at x0 crosses the gap.
    auto g = LimitGraph("sin(x)/x", 0);
    ASSERT_TRUE(g->GetPoints());
    const Feedback f = CaptureFeedback(Side, 10, [&] { g->Draw(); });
    const std::vector<FeedbackLine> blue = f.LinesOf(0, 0, 255);
    EXPECT_EQ(blue.size(), 48u);
    for (const FeedbackLine& l : blue) {
        EXPECT_GT(std::fabs(l.from.x), 0.1f);
        EXPECT_GT(std::fabs(l.to.x), 0.1f);
    }
    // Filled circles of 20 triangles each, one per defined sample.
    const auto red = f.PolygonsOf(255, 0, 0);
    EXPECT_EQ(red.size(), 50u * 20);
    for (const auto& triangle : red) EXPECT_GT(std::fabs(triangle[2].x), 0.1f); // the centre
    // The line at x0 over the box's height (the origin included), drawn last.
    const std::vector<FeedbackLine> green = f.LinesOf(0, 255, 0);
    ASSERT_EQ(green.size(), 1u);
    const Cls1 box = g->BoxFields();
    EXPECT_NEAR(green[0].from.x, 0, 1e-3);
    EXPECT_NEAR(green[0].from.y, box.MaxY, 1e-3);
    EXPECT_NEAR(green[0].to.y, box.MinY, 1e-3);
    EXPECT_NEAR(box.MaxY, 0.9957388, 1e-6); // samples 24 and 26
    EXPECT_NEAR(box.MinY, std::sin(4.0) / 4, 1e-3);
    EXPECT_TRUE(Feedback::HasColour(f.lines.back().from, 0, 255, 0));
    ExpectLineStateEnded(1);
}

TEST_F(OdeLimitDrawingTest, LimitWithBothBoxesClearedShowsOnlyItsLine) {
    // x0 at 0.01 graph units, 0.05 drawing units: the middle of a pixel column.
    Scale2D = 0.2f;
    auto g = LimitGraph("sin(x-0.01)/(x-0.01)", 0.01f, LimitDir::BothSides, false, false);
    ASSERT_TRUE(g->GetPoints());
    g->Draw();
    const Colour green{0, 255, 0};
    const std::vector<Run> runs = RunsDown(0.05f, green);
    ASSERT_EQ(runs.size(), 1u);
    // From the box's top, 1 (5 drawing units), to its bottom, sin(4)/4.
    EXPECT_NEAR(runs[0].pixels, (1 - std::sin(4.0) / 4) * 5 * Side / 20, 2);
    EXPECT_TRUE(OnlyWhiteAnd(green));
}

TEST_F(OdeLimitDrawingTest, SeriesCurveInItsColourAtItsWidth) {
    // a0 2.05 plus an empty-valued sum: a horizontal curve over -8..8.
    const std::int32_t magenta = 255 + 65536 * 255;
    for (std::int32_t width : {1, 5, 0}) {
        SCOPED_TRACE(width);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLineWidth(8);
        auto g = SeriesGraph("0*x^n", 2.05f, 1, 3, -8, 8, 32, magenta, width);
        ASSERT_TRUE(g->GetPoints());
        g->Draw();
        const std::vector<Run> runs = RunsDown(0.05f, Split(magenta));
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_NEAR(runs[0].y, 2.05, 0.1);
        if (width == 5) {
            EXPECT_GE(runs[0].pixels, 4);
        } else {
            EXPECT_LE(runs[0].pixels, 2);
        }
        // Nothing in the graph's line colour (red).
        EXPECT_TRUE(OnlyWhiteAnd(Split(magenta)));
    }
}

} // namespace
